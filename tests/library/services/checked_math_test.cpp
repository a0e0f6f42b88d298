#include "library/services/checked_math.hpp"

#include <gtest/gtest.h>

#include <cfloat>

#include "platform/oleaut/error.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::checked {
namespace {

using kalvik::test::errorNumberOf;

TEST(CheckedMath, PowersOfNegativeAndZeroBases) {
    struct Case {
        double base;
        double exponent;
        double expected;
    };
    const Case cases[] = {{-2.0, 3.0, -8.0}, {-2.0, -2.0, 0.25}, {0.0, 0.0, 1.0},
                          {0.0, 2.0, 0.0},   {4.0, 0.5, 2.0},    {2.0, -1.0, 0.5}};
    for (const Case& c : cases) {
        EXPECT_EQ(power(c.base, c.exponent), c.expected) << c.base << " ^ " << c.exponent;
    }
}

TEST(CheckedMath, FaultsBecomeTheVariantErrors) {
    struct Case {
        const char* what;
        void (*call)();
        int32_t number;
    };
    const Case cases[] = {
        {"(-8) ^ 0.4", [] { power(-8.0, 0.4); }, oleaut::kInvalidProcedureCall},
        {"0 ^ -1", [] { power(0.0, -1.0); }, oleaut::kDivisionByZero},
        {"10 ^ 400", [] { power(10.0, 400.0); }, oleaut::kOverflow},
        {"1 / 0", [] { quotient(1.0, 0.0); }, oleaut::kDivisionByZero},
        {"1e300 / 1e-300", [] { quotient(1e300, 1e-300); }, oleaut::kOverflow},
        {"Log(0)", [] { naturalLog(0.0); }, oleaut::kInvalidProcedureCall},
        {"Log(-1)", [] { naturalLog(-1.0); }, oleaut::kInvalidProcedureCall},
        {"Exp(1000)", [] { exponential(1000.0); }, oleaut::kOverflow},
        {"CSng(1e39)", [] { single(1e39); }, oleaut::kOverflow},
        {"CSng(-2 * FLT_MAX)", [] { single(-2.0 * FLT_MAX); }, oleaut::kOverflow},
        {"CSng(2^128 - 2^103)", [] { single(0x1.ffffffp127); }, oleaut::kOverflow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

TEST(CheckedMath, SingleRoundsToNearest) {
    EXPECT_EQ(single(0.1), 0.1f);
    EXPECT_EQ(single(1.0 + 1e-9), 1.0f);
    EXPECT_EQ(single(FLT_MAX), FLT_MAX);
    EXPECT_EQ(single(0x1.fffffefffffffp127), FLT_MAX);  // just below the midpoint to infinity
    EXPECT_EQ(single(-0x1.fffffefffffffp127), -FLT_MAX);
}

}  // namespace
}  // namespace kalvik::checked
