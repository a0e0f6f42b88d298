#pragma once
// The floating steps of the variant arithmetic on doubles, for formulas written on plain numbers:
// each fails the classic way instead of giving a NaN or an infinity, so that a fault ends the call
// with an error. `checkedDouble` (variant.hpp) is the check every result goes through.

#include "platform/oleaut/variant.hpp"

namespace oleaut {

// base ^ exponent: 0 to a negative power fails with Division by zero, a negative base to a
// fractional power with Invalid procedure call, an infinite result with Overflow.
[[nodiscard]] double power(double base, double exponent);
// a / b: b = 0 fails with Division by zero, an infinite result with Overflow.
[[nodiscard]] double quotient(double a, double b);
[[nodiscard]] double Log(double x);  // natural logarithm; x <= 0 fails with Invalid procedure call
[[nodiscard]] double Exp(double x);  // an infinite result fails with Overflow
[[nodiscard]] double Sqr(double x);  // square root; x < 0 fails with Invalid procedure call
// The value rounded to single precision (a value beyond the largest Single by less than half its
// last step rounds to it); from there on it fails with Overflow.
[[nodiscard]] float single(double x);

// The same on variants: Null stays Null, other values are read as CDbl reads them.
[[nodiscard]] Variant Log(const Variant& x);
[[nodiscard]] Variant Exp(const Variant& x);
[[nodiscard]] Variant Sqr(const Variant& x);

}  // namespace oleaut
