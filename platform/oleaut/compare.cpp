// Three-valued comparisons and logic of Variant.

#include <optional>

#include "platform/oleaut/format.hpp"
#include "platform/oleaut/operand.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {
namespace {

using detail::Operand;
using detail::operand;

int sign(auto difference) {
    return (difference > 0) - (difference < 0);
}

bool exactKind(VarType kind) {
    return kind == VarType::Integer || kind == VarType::Long || kind == VarType::Currency;
}

// Scaled by 10,000 so that whole numbers and currency compare exactly.
__int128 scaled(const Operand& x) {
    return x.kind == VarType::Currency ? static_cast<__int128>(x.whole)
                                       : static_cast<__int128>(x.whole) * Currency::kScale;
}

// -1, 0 or 1; nothing when either side is Null.
std::optional<int> compare(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return std::nullopt;
    if (a.isObject() || b.isObject()) throw typeMismatchError();
    if (a.isString() && b.isString()) return sign(a.asString().compare(b.asString()));
    if (a.isString() && b.isEmpty()) return a.asString().empty() ? 0 : 1;
    if (a.isEmpty() && b.isString()) return b.asString().empty() ? 0 : -1;
    const Operand x = operand(a), y = operand(b);
    if (exactKind(x.kind) && exactKind(y.kind)) return sign(scaled(x) - scaled(y));
    return sign(x.toDouble() - y.toDouble());
}

template <class Test>
Variant compareWith(const Variant& a, const Variant& b, Test test) {
    const std::optional<int> c = compare(a, b);
    if (!c) return kNull;
    return Variant(test(*c));
}

// Operands of the bitwise logic: Boolean stays Boolean, other kinds are whole numbers.
struct Bits {
    VarType kind;  // Boolean, Integer or Long
    int32_t value;
};

Bits bits(const Variant& v) {
    if (v.type() == VarType::Boolean) return {VarType::Boolean, v.asBool() ? -1 : 0};
    const Operand x = operand(v);
    return {x.kind == VarType::Integer ? VarType::Integer : VarType::Long, x.toLong()};
}

Variant bitsResult(int32_t value, VarType kind) {
    if (kind == VarType::Boolean) return Variant(value != 0);
    if (kind == VarType::Integer) return Variant(static_cast<int16_t>(value));
    return Variant(value);
}

VarType commonKind(VarType a, VarType b) {
    if (a == b) return a;
    return a == VarType::Long || b == VarType::Long ? VarType::Long : VarType::Integer;
}

}  // namespace

Variant eq(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c == 0; });
}
Variant ne(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c != 0; });
}
Variant lt(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c < 0; });
}
Variant le(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c <= 0; });
}
Variant gt(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c > 0; });
}
Variant ge(const Variant& a, const Variant& b) {
    return compareWith(a, b, [](int c) { return c >= 0; });
}

// Null And x is False (or 0) when x is False (or 0), else Null.
Variant And(const Variant& a, const Variant& b) {
    if (a.isNull() && b.isNull()) return kNull;
    if (a.isNull() || b.isNull()) {
        const Bits known = bits(a.isNull() ? b : a);
        return known.value == 0 ? bitsResult(0, known.kind) : Variant(kNull);
    }
    const Bits x = bits(a), y = bits(b);
    return bitsResult(x.value & y.value, commonKind(x.kind, y.kind));
}

// Null Or x is True (or -1) when x is True (or -1), else Null.
Variant Or(const Variant& a, const Variant& b) {
    if (a.isNull() && b.isNull()) return kNull;
    if (a.isNull() || b.isNull()) {
        const Bits known = bits(a.isNull() ? b : a);
        return known.value == -1 ? bitsResult(-1, known.kind) : Variant(kNull);
    }
    const Bits x = bits(a), y = bits(b);
    return bitsResult(x.value | y.value, commonKind(x.kind, y.kind));
}

Variant Xor(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    const Bits x = bits(a), y = bits(b);
    return bitsResult(x.value ^ y.value, commonKind(x.kind, y.kind));
}

Variant Not(const Variant& a) {
    if (a.isNull()) return kNull;
    const Bits x = bits(a);
    return bitsResult(~x.value, x.kind);
}

bool isTrue(const Variant& v) {
    return !v.isNull() && CBool(v);
}

}  // namespace oleaut
