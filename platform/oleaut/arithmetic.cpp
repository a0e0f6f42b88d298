// The arithmetic operators of Variant: the kind of the result follows the operands' kinds, whole
// results that overflow their kind move to a wider one, everything else that overflows fails.

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/format.hpp"
#include "platform/oleaut/math.hpp"
#include "platform/oleaut/operand.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {
namespace {

using detail::Operand;
using detail::operand;
using detail::wholeResult;

enum class Op { Add, Subtract, Multiply };

int precision(VarType kind, Op op) {
    // Addition ranks Currency above Double, multiplication below it.
    switch (kind) {
        case VarType::Integer:
            return 1;
        case VarType::Long:
            return 2;
        case VarType::Single:
            return 3;
        case VarType::Double:
            return op == Op::Multiply ? 5 : 4;
        case VarType::Currency:
            return op == Op::Multiply ? 4 : 5;
        default:
            return 6;  // Date
    }
}

VarType resultKind(VarType a, VarType b, Op op) {
    if (op == Op::Multiply) {
        if (a == VarType::Date) a = VarType::Double;
        if (b == VarType::Date) b = VarType::Double;
    } else if (a == VarType::Date || b == VarType::Date) {
        // A date minus a date is a number of days.
        return op == Op::Subtract && a == b ? VarType::Double : VarType::Date;
    }
    if ((a == VarType::Single && b == VarType::Long) ||
        (a == VarType::Long && b == VarType::Single))
        return VarType::Double;
    return precision(a, op) >= precision(b, op) ? a : b;
}

Variant singleResult(double value) {
    (void)checkedDouble(value);
    if (std::fabs(value) > FLT_MAX) return Variant(value);  // a Single that overflows is a Double
    return Variant(static_cast<float>(value));
}

Currency currencyProduct(Currency a, Currency b) {
    return detail::currencyOf(
        detail::divideHalfEven(static_cast<__int128>(a.raw) * b.raw, Currency::kScale));
}

// A date operand as a message shows it: the date, or the number added to one.
std::string operandText(const Operand& x) {
    return x.kind == VarType::Date ? isoMoment(Date{x.real}) : numberText(x.toDouble());
}

// A date sum or difference; one past the dates there are fails naming its operands.
Variant dateResult(const Operand& a, const Operand& b, Op op, double value) {
    if (!Date::holds(value)) {
        dateOverflowOf(operandText(a) + (op == Op::Add ? " + " : " - ") + operandText(b));
    }
    return Variant(Date{value});
}

Variant apply(const Variant& va, const Variant& vb, Op op) {
    const Operand a = operand(va), b = operand(vb);
    const VarType kind = resultKind(a.kind, b.kind, op);
    switch (kind) {
        case VarType::Integer:
        case VarType::Long: {
            const int64_t r = op == Op::Add        ? a.whole + b.whole
                              : op == Op::Subtract ? a.whole - b.whole
                                                   : a.whole * b.whole;
            return wholeResult(r, kind);
        }
        case VarType::Currency: {
            const Currency x = a.toCurrency(), y = b.toCurrency();
            int64_t r = 0;
            if (op == Op::Multiply) return Variant(currencyProduct(x, y));
            const bool overflow = op == Op::Add ? __builtin_add_overflow(x.raw, y.raw, &r)
                                                : __builtin_sub_overflow(x.raw, y.raw, &r);
            if (overflow) throw overflowError();
            return Variant(Currency{r});
        }
        default: {
            const double x = a.toDouble(), y = b.toDouble();
            const double r = op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y;
            if (kind == VarType::Single) return singleResult(r);
            if (kind == VarType::Date) return dateResult(a, b, op, checkedDouble(r));
            return Variant(r);
        }
    }
}

// Operands of \ and Mod: whole numbers, halves to even; Integer when both are Integer.
struct WholeOperands {
    int64_t a, b;
    VarType kind;
};

WholeOperands wholeOperands(const Variant& va, const Variant& vb) {
    const Operand a = operand(va), b = operand(vb);
    const VarType kind =
        a.kind == VarType::Integer && b.kind == VarType::Integer ? VarType::Integer : VarType::Long;
    const WholeOperands w{a.toLong(), b.toLong(), kind};
    if (w.b == 0) throw divisionByZeroError();
    return w;
}

Variant wholeQuotient(int64_t value, VarType kind) {
    if (value > std::numeric_limits<int32_t>::max()) throw overflowError();
    return wholeResult(value, kind);
}

}  // namespace

Variant operator+(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    if (a.isString() && (b.isString() || b.isEmpty())) return a.asString() + CStr(b);
    if (a.isEmpty() && b.isString()) return b;
    return apply(a, b, Op::Add);
}

Variant operator-(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    return apply(a, b, Op::Subtract);
}

Variant operator*(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    return apply(a, b, Op::Multiply);
}

Variant operator/(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    const double x = operand(a).toDouble(), y = operand(b).toDouble();
    if (y == 0.0) throw divisionByZeroError();
    return Variant(checkedDouble(x / y));
}

Variant operator-(const Variant& a) {
    if (a.isNull()) return kNull;
    const Operand x = operand(a);
    switch (x.kind) {
        case VarType::Integer:
        case VarType::Long:
            return wholeResult(-x.whole, x.kind);
        case VarType::Currency:
            if (x.whole == std::numeric_limits<int64_t>::min()) throw overflowError();
            return Variant(Currency{-x.whole});
        case VarType::Single:
            return Variant(static_cast<float>(-x.real));
        case VarType::Date:
            return Variant(Date{-x.real});
        default:
            return Variant(-x.real);
    }
}

Variant intDiv(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    const WholeOperands w = wholeOperands(a, b);
    return wholeQuotient(w.a / w.b, w.kind);
}

Variant mod(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    const WholeOperands w = wholeOperands(a, b);
    return wholeQuotient(w.a % w.b, w.kind);
}

Variant pow(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return kNull;
    return Variant(power(operand(a).toDouble(), operand(b).toDouble()));
}

Variant concat(const Variant& a, const Variant& b) {
    if (a.isNull() && b.isNull()) return kNull;
    std::string text = a.isNull() ? std::string() : CStr(a);
    if (!b.isNull()) text += CStr(b);
    return Variant(std::move(text));
}

}  // namespace oleaut
