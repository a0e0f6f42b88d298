#include <gtest/gtest.h>

#include <cstdint>

#include "platform/oleaut/variant.hpp"
#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbourJudgedOnTheShortestText) {
    struct Case {
        double in;
        int decimals;
        double out;
    };
    const Case cases[] = {
        {2.5, 0, 2.0},      {3.5, 0, 4.0},    {-2.5, 0, -2.0},     {0.5, 0, 0.0},
        {1.5, 0, 2.0},      {0.125, 2, 0.12}, {0.135, 2, 0.14},    {2.675, 2, 2.68},
        {2.665, 2, 2.66},   {1.005, 2, 1.0},  {9.995, 2, 10.0},    {123.456, 1, 123.5},
        {-0.001, 2, 0.0},   {1e20, 2, 1e20},  {0.1 + 0.2, 2, 0.3}, {1234.5678, 3, 1234.568},
        {-2.675, 2, -2.68}, {0.0, 3, 0.0},    {7.0, 0, 7.0},       {0.25, 1, 0.2},
        {0.35, 1, 0.4},     {0.0005, 3, 0.0}, {0.0015, 3, 0.002},  {5e-324, 2, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundHalfEven(c.in, c.decimals), c.out) << c.in << " at " << c.decimals;
        EXPECT_TRUE(identical(Round(Variant(c.in), c.decimals), Variant(c.out))) << c.in;
    }
    EXPECT_EQ(roundHalfEven(2.675f, 2), 2.68f);
}

TEST(Rounding, KindsNullAndNegativeDecimals) {
    EXPECT_TRUE(identical(Round(Variant(kNull), 2), Variant(kNull)));
    EXPECT_TRUE(identical(Round(Variant(), 2), Variant(int16_t{0})));
    EXPECT_TRUE(identical(Round(Variant(int16_t{7}), 2), Variant(int16_t{7})));
    EXPECT_TRUE(identical(Round(Variant("2.5")), Variant(2.0)));
    EXPECT_TRUE(identical(Round(Variant(2.675f), 2), Variant(2.68f)));
    EXPECT_TRUE(identical(Round(Variant(Currency{25000})), Variant(Currency{20000})));
    EXPECT_TRUE(identical(Round(Variant(Currency{12345}), 3), Variant(Currency{12340})));
    EXPECT_TRUE(identical(Round(Variant(Currency{12355}), 3), Variant(Currency{12360})));
    EXPECT_TRUE(identical(Round(Variant(Currency{-15000})), Variant(Currency{-20000})));
    // 922337203685477.5807 rounds up to a whole number beyond the largest Currency.
    EXPECT_EQ(errorNumberOf([] { return Round(Variant(Currency{INT64_MAX}), 0); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { return Round(Variant(1.5), -1); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return Round(Variant(kNull), -1); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return roundHalfEven(1.5, -2); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return Round(Variant(std::make_shared<Object>())); }),
              kTypeMismatch);
}

TEST(Rounding, FixIntAbs) {
    struct Case {
        const char* what;
        Variant got, expected;
    };
    const Case cases[] = {
        {"Fix(-2.5)", Fix(Variant(-2.5)), Variant(-2.0)},
        {"Int(-2.5)", Int(Variant(-2.5)), Variant(-3.0)},
        {"Int(2.5)", Int(Variant(2.5)), Variant(2.0)},
        {"Fix(Currency -2.5)", Fix(Variant(Currency{-25000})), Variant(Currency{-20000})},
        {"Int(Currency -2.5)", Int(Variant(Currency{-25000})), Variant(Currency{-30000})},
        {"Int(Currency -2)", Int(Variant(Currency{-20000})), Variant(Currency{-20000})},
        {"Fix(Null)", Fix(Variant(kNull)), Variant(kNull)},
        {"Int(Date 61.75)", Int(Variant(Date{61.75})), Variant(Date{61.0})},
        {"Fix(Single -1.5)", Fix(Variant(-1.5f)), Variant(-1.0f)},
        {"Fix(True)", Fix(Variant(true)), Variant(int16_t{-1})},
        {"Fix(Empty)", Fix(Variant()), Variant(int16_t{0})},
        {"Fix(\"3.7\")", Fix(Variant("3.7")), Variant(3.0)},
        {"Abs(-32768)", Abs(Variant(int16_t{-32768})), Variant(int32_t{32768})},
        {"Abs(Null)", Abs(Variant(kNull)), Variant(kNull)},
        {"Abs(-1.5)", Abs(Variant(-1.5)), Variant(1.5)},
        {"Abs(Currency -1)", Abs(Variant(Currency{-10000})), Variant(Currency{10000})},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(c.got, c.expected))
            << c.what << " gave " << ::testing::PrintToString(c.got);
    }
}

}  // namespace
}  // namespace oleaut
