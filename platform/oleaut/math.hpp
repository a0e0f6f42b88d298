#pragma once
// The numeric functions of the variant arithmetic on doubles: each fails the classic way instead
// of giving a NaN or an infinity.

#include "platform/oleaut/variant.hpp"

namespace oleaut {

// base ^ exponent: 0 to a negative power fails with Division by zero, a negative base to a
// fractional power with Invalid procedure call, an infinite result with Overflow.
double power(double base, double exponent);
double Log(double x);  // natural logarithm; x <= 0 fails with Invalid procedure call
double Exp(double x);  // an infinite result fails with Overflow
double Sqr(double x);  // square root; x < 0 fails with Invalid procedure call

// The same on variants: Null stays Null, other values are read as CDbl reads them.
Variant Log(const Variant& x);
Variant Exp(const Variant& x);
Variant Sqr(const Variant& x);

}  // namespace oleaut
