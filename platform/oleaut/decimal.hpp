#pragma once
// Decimal digits of a double, as its shortest round-trip text gives them, and decimal rounding on
// those digits. Rounding, currency conversion and fixed-decimal formatting all judge "an exact
// half" on this text, so 2.675 is a half although its binary value lies a little below.

#include <cstdint>

namespace oleaut::detail {

enum class HalfRule { ToEven, AwayFromZero };

// value = (negative ? -1 : 1) * digits * 10^exponent; digits has no leading zeros ("" is zero).
struct Decimal {
    bool negative = false;
    char digits[40] = {};
    int count = 0;
    int exponent = 0;
};

// Shortest round-trip decimal of a finite value.
[[nodiscard]] Decimal shortestDecimal(double value);
// The value rounded to 15 (Double) or 7 (Single) significant digits, trailing zeros dropped.
[[nodiscard]] Decimal significantDecimal(double value, int significant);
// Rounds to `decimals` places (decimals >= 0); afterwards exponent >= -decimals or the value is 0.
void roundDecimal(Decimal& d, int decimals, HalfRule rule);
[[nodiscard]] double toDouble(const Decimal& d);
// The value scaled by 10^scale as an integer; false when it does not fit in 64 bits. The decimal
// must have no digits below 10^-scale.
[[nodiscard]] bool toScaledInteger(const Decimal& d, int scale, int64_t& out);

}  // namespace oleaut::detail
