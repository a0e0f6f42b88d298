#pragma once
// The two kinds of series the property fits are written in, evaluated in double precision with
// checked steps.

#include <span>

namespace kalvik::series {

// Σ c[k]·T_k(x), k ascending, with T_0 = 1, T_1 = x, T_k = 2x·T_(k−1) − T_(k−2).
double chebyshev(double x, std::span<const double> c);

// Σ c[i]·x^i, i ascending, each power taken as a power (not by nesting).
double powers(double x, std::span<const double> c);

}  // namespace kalvik::series
