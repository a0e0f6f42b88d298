#include "platform/oleaut/operand.hpp"

#include <cmath>
#include <limits>

#include "platform/oleaut/format.hpp"

namespace oleaut::detail {

double Operand::toDouble() const {
    switch (kind) {
        case VarType::Integer:
        case VarType::Long:
            return static_cast<double>(whole);
        case VarType::Currency:
            return Currency{whole}.toDouble();
        default:
            return real;
    }
}

Currency Operand::toCurrency() const {
    switch (kind) {
        case VarType::Integer:
        case VarType::Long:
            return Currency{whole * Currency::kScale};
        case VarType::Currency:
            return Currency{whole};
        default:
            return Currency::fromDouble(real);
    }
}

int32_t Operand::toLong() const {
    constexpr int64_t low = std::numeric_limits<int32_t>::min();
    constexpr int64_t high = std::numeric_limits<int32_t>::max();
    switch (kind) {
        case VarType::Integer:
        case VarType::Long:
            return static_cast<int32_t>(whole);
        case VarType::Currency: {
            const __int128 q = divideHalfEven(whole, Currency::kScale);
            if (q < low || q > high) throw overflowError();
            return static_cast<int32_t>(q);
        }
        default:
            return static_cast<int32_t>(roundToWhole(real, low, high));
    }
}

Operand operand(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return {VarType::Integer, 0};
        case VarType::Boolean:
            return {VarType::Integer, v.asBool() ? -1 : 0};
        case VarType::Integer:
            return {VarType::Integer, v.asInteger()};
        case VarType::Long:
            return {VarType::Long, v.asLong()};
        case VarType::Single:
            return {VarType::Single, 0, v.asSingle()};
        case VarType::Double:
            return {VarType::Double, 0, v.asDouble()};
        case VarType::Currency:
            return {VarType::Currency, v.asCurrency().raw};
        case VarType::Date:
            return {VarType::Date, 0, v.asDate().value};
        case VarType::String:
            return {VarType::Double, 0, parseNumber(v.asString())};
        case VarType::Null:
            throw invalidUseOfNullError();
        case VarType::Object:
            break;
    }
    throw typeMismatchError();
}

Variant wholeResult(int64_t value, VarType kind) {
    if (kind == VarType::Integer && value >= std::numeric_limits<int16_t>::min() &&
        value <= std::numeric_limits<int16_t>::max())
        return Variant(static_cast<int16_t>(value));
    if (value >= std::numeric_limits<int32_t>::min() &&
        value <= std::numeric_limits<int32_t>::max())
        return Variant(static_cast<int32_t>(value));
    return Variant(static_cast<double>(value));
}

__int128 divideHalfEven(__int128 value, int64_t divisor) {
    __int128 q = value / divisor;
    const __int128 r = value % divisor;
    const __int128 twice = 2 * (r < 0 ? -r : r);
    if (twice > divisor || (twice == divisor && q % 2 != 0)) q += r < 0 ? -1 : 1;
    return q;
}

Currency currencyOf(__int128 raw) {
    if (raw < std::numeric_limits<int64_t>::min() || raw > std::numeric_limits<int64_t>::max())
        throw overflowError();
    return Currency{static_cast<int64_t>(raw)};
}

int64_t roundToWhole(double value, int64_t low, int64_t high) {
    const double r = std::nearbyint(checkedDouble(value));  // default mode: halves to even
    // Within [-2^63, 2^63) first: a bound near 2^63 has no exact double, and a conversion from
    // beyond that range has no result.
    if (!(r >= -0x1p63 && r < 0x1p63)) throw overflowError();
    const auto whole = static_cast<int64_t>(r);
    if (whole < low || whole > high) throw overflowError();
    return whole;
}

}  // namespace oleaut::detail
