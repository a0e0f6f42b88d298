#pragma once
// Floating-point steps that fail the way the variant arithmetic does instead of producing a NaN or
// an infinity: division by zero, a fractional power or logarithm of a negative number, overflow.
// The property formulas are written with these so that a fault ends the call with an error.

namespace kalvik::checked {

// a / b; fails with Division by zero when b is 0.
double quotient(double a, double b);

// base ^ exponent; a negative base with a fractional exponent fails with Invalid procedure call,
// 0 to a negative power with Division by zero, an infinite result with Overflow.
double power(double base, double exponent);

// Natural logarithm; 0 or a negative argument fails with Invalid procedure call.
double naturalLog(double x);

// e ^ x; an infinite result fails with Overflow.
double exponential(double x);

// The value itself when finite; infinity fails with Overflow, NaN with Invalid procedure call.
double finite(double x);

// The value rounded to single precision; out of its range fails with Overflow.
float single(double x);

}  // namespace kalvik::checked
