#pragma once
// Helpers shared by the tests of the physical-property functions.

#include <gtest/gtest.h>

#include <cmath>

namespace kalvik::testing {

// Relative tolerance of the values given to single precision.
inline constexpr double kSingleTolerance = 1e-6;
// 1 kgf/cm² in MPa, to compare with tables in SI units.
inline constexpr double kMpaPerKgf = 0.0980665;

// got within a relative tolerance of expected.
inline ::testing::AssertionResult nearRelative(double got, double expected, double tolerance) {
    if (std::abs(got - expected) <= tolerance * std::abs(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << got << " differs from " << expected << " by more than a relative " << tolerance;
}

}  // namespace kalvik::testing
