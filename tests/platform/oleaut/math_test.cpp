#include "platform/oleaut/math.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

TEST(Math, ValuesAndFailures) {
    EXPECT_EQ(power(2, 10), 1024.0);
    EXPECT_EQ(power(0, 0), 1.0);
    EXPECT_EQ(power(-8, 3), -512.0);
    EXPECT_EQ(power(4, -0.5), 0.5);
    EXPECT_EQ(Log(1.0), 0.0);
    EXPECT_EQ(Exp(0.0), 1.0);
    EXPECT_EQ(Sqr(2.25), 1.5);
    struct Failure {
        const char* what;
        std::function<void()> call;
        int number;
    };
    const Failure cases[] = {
        {"0 ^ -1", [] { return power(0, -1); }, kDivisionByZero},
        {"(-8) ^ 0.5", [] { return power(-8, 0.5); }, kInvalidProcedureCall},
        {"10 ^ 400", [] { return power(10, 400); }, kOverflow},
        {"Log(0)", [] { return Log(0.0); }, kInvalidProcedureCall},
        {"Log(-1)", [] { return Log(-1.0); }, kInvalidProcedureCall},
        {"Exp(1000)", [] { return Exp(1000.0); }, kOverflow},
        {"Sqr(-1)", [] { return Sqr(-1.0); }, kInvalidProcedureCall},
        {"Log(Empty)", [] { return Log(Variant()); }, kInvalidProcedureCall},
        {"Sqr(\"x\")", [] { return Sqr(Variant("x")); }, kTypeMismatch},
        {"Variant 0 ^ -2", [] { return pow(Variant(int16_t{0}), Variant(int16_t{-2})); },
         kDivisionByZero},
    };
    for (const Failure& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

TEST(Math, VariantsKeepNull) {
    EXPECT_TRUE(identical(Log(Variant(kNull)), Variant(kNull)));
    EXPECT_TRUE(identical(Exp(Variant(kNull)), Variant(kNull)));
    EXPECT_TRUE(identical(Sqr(Variant(int16_t{9})), Variant(3.0)));
    EXPECT_TRUE(identical(Exp(Variant(int16_t{0})), Variant(1.0)));
}

TEST(Math, PowersOfNegativeAndZeroBases) {
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

TEST(Math, FloatingFaultsBecomeTheVariantErrors) {
    struct Case {
        const char* what;
        std::function<void()> call;
        int32_t number;
    };
    const Case cases[] = {
        {"(-8) ^ 0.4", [] { return power(-8.0, 0.4); }, kInvalidProcedureCall},
        {"0 ^ -1", [] { return power(0.0, -1.0); }, kDivisionByZero},
        {"10 ^ 400", [] { return power(10.0, 400.0); }, kOverflow},
        {"1 / 0", [] { return quotient(1.0, 0.0); }, kDivisionByZero},
        {"1e300 / 1e-300", [] { return quotient(1e300, 1e-300); }, kOverflow},
        {"Log(0)", [] { return Log(0.0); }, kInvalidProcedureCall},
        {"Log(-1)", [] { return Log(-1.0); }, kInvalidProcedureCall},
        {"Exp(1000)", [] { return Exp(1000.0); }, kOverflow},
        {"CSng(1e39)", [] { return single(1e39); }, kOverflow},
        {"CSng(-2 * FLT_MAX)", [] { return single(-2.0 * FLT_MAX); }, kOverflow},
        {"CSng(2^128 - 2^103)", [] { return single(0x1.ffffffp127); }, kOverflow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

TEST(Math, SingleRoundsToNearest) {
    EXPECT_EQ(single(0.1), 0.1f);
    EXPECT_EQ(single(1.0 + 1e-9), 1.0f);
    EXPECT_EQ(single(FLT_MAX), FLT_MAX);
    EXPECT_EQ(single(0x1.fffffefffffffp127), FLT_MAX);  // just below the midpoint to infinity
    EXPECT_EQ(single(-0x1.fffffefffffffp127), -FLT_MAX);
}

}  // namespace
}  // namespace oleaut
