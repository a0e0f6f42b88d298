// Round, Fix, Int and Abs of Variant, and decimal rounding of doubles.

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/oleaut/decimal.hpp"
#include "platform/oleaut/operand.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {
namespace {

using detail::Operand;
using detail::operand;

// Currency rounded to `decimals` (< 4) places, halves to even, on the exact scaled value.
Currency roundCurrency(Currency c, int decimals) {
    if (decimals >= 4) return c;
    int64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    // Near either end the rounded value may lie past the range (922337203685477.5807 to 0 places).
    return detail::currencyOf(detail::divideHalfEven(c.raw, step) * step);
}

// Whole-number rounding of a whole or currency operand towards zero or minus infinity.
Variant wholePart(const Variant& v, bool floor) {
    if (v.isNull()) return kNull;
    const Operand x = operand(v);
    switch (x.kind) {
        case VarType::Integer:
        case VarType::Long:
            return detail::wholeResult(x.whole, x.kind);
        case VarType::Currency: {
            // The floor of a value below -922337203685477 lies past the range.
            __int128 q = x.whole / Currency::kScale;
            if (floor && x.whole % Currency::kScale < 0) --q;
            return Variant(detail::currencyOf(q * Currency::kScale));
        }
        default: {
            const double r = floor ? std::floor(x.real) : std::trunc(x.real);
            if (x.kind == VarType::Single) return Variant(static_cast<float>(r));
            if (x.kind == VarType::Date) return Variant(Date{r});
            return Variant(r);
        }
    }
}

}  // namespace

double roundHalfEven(double value, int decimals) {
    if (decimals < 0) throw invalidProcedureCallError();
    detail::Decimal d = detail::shortestDecimal(checkedDouble(value));
    if (d.exponent >= -decimals) return value;
    detail::roundDecimal(d, decimals, detail::HalfRule::ToEven);
    return detail::toDouble(d);
}

float roundHalfEven(float value, int decimals) {
    if (decimals < 0) throw invalidProcedureCallError();
    // The Single's shortest text read as a double, so that 2.675f counts as a half.
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    double exact = 0.0;
    std::from_chars(buf, r.ptr, exact);
    return static_cast<float>(roundHalfEven(exact, decimals));
}

Variant Round(const Variant& v, int decimals) {
    if (decimals < 0) throw invalidProcedureCallError();
    switch (v.type()) {
        case VarType::Null:
            return kNull;
        case VarType::Empty:
            return Variant(int16_t{0});
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
            return v;
        case VarType::Single:
            return Variant(roundHalfEven(v.asSingle(), decimals));
        case VarType::Currency:
            return Variant(roundCurrency(v.asCurrency(), decimals));
        case VarType::Date:
            return Variant(Date{roundHalfEven(v.asDate().value, decimals)});
        default:
            return Variant(roundHalfEven(CDbl(v), decimals));
    }
}

Variant Fix(const Variant& v) {
    return wholePart(v, false);
}

Variant Int(const Variant& v) {
    return wholePart(v, true);
}

Variant Abs(const Variant& v) {
    if (v.isNull()) return kNull;
    const Operand x = operand(v);
    switch (x.kind) {
        case VarType::Integer:
        case VarType::Long:
            return detail::wholeResult(x.whole < 0 ? -x.whole : x.whole, x.kind);
        case VarType::Currency:
            if (x.whole == std::numeric_limits<int64_t>::min()) throw overflowError();
            return Variant(Currency{x.whole < 0 ? -x.whole : x.whole});
        case VarType::Single:
            return Variant(std::fabs(static_cast<float>(x.real)));
        case VarType::Date:
            return Variant(Date{std::fabs(x.real)});
        default:
            return Variant(std::fabs(x.real));
    }
}

}  // namespace oleaut
