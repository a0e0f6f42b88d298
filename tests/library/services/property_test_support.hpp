#pragma once
// Helpers shared by the tests of the physical-property functions.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "platform/oleaut/error.hpp"

namespace kalvik::testing {

// The error number a call fails with, or 0 when it returns.
template <class Call>
int32_t errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const oleaut::Error& e) {
        return e.number();
    }
    return 0;
}

// got within a relative tolerance of expected.
inline ::testing::AssertionResult nearRelative(double got, double expected, double tolerance) {
    if (std::abs(got - expected) <= tolerance * std::abs(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << got << " differs from " << expected << " by more than a relative " << tolerance;
}

}  // namespace kalvik::testing
