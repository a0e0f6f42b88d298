#include <gtest/gtest.h>

#include <cfloat>
#include <functional>

#include "platform/oleaut/variant.hpp"
#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

const Variant kN(kNull), kE;
const Variant kObject(std::make_shared<Object>());
const RegionalSettings kComma{",", "\u00a0", 3, "dd.MM.yyyy", "HH:mm:ss"};

class Conversion : public PinnedRegional {};

TEST_F(Conversion, EveryConversionFailsOnNullTextAndObjects) {
    using Convert = std::function<void(const Variant&)>;
    struct Named {
        const char* name;
        Convert convert;
    };
    const Named conversions[] = {
        {"CDbl", [](const Variant& v) { return CDbl(v); }},
        {"CSng", [](const Variant& v) { return CSng(v); }},
        {"CInt", [](const Variant& v) { return CInt(v); }},
        {"CLng", [](const Variant& v) { return CLng(v); }},
        {"CCur", [](const Variant& v) { return CCur(v); }},
        {"CDate", [](const Variant& v) { return CDate(v); }},
        {"CStr", [](const Variant& v) { return CStr(v); }},
        {"CBool", [](const Variant& v) { return CBool(v); }},
    };
    for (const Named& c : conversions) {
        EXPECT_EQ(errorNumberOf([&] { c.convert(kN); }), kInvalidUseOfNull) << c.name;
        EXPECT_EQ(errorNumberOf([&] { c.convert(kObject); }), kTypeMismatch) << c.name;
        if (std::string(c.name) != "CStr") {
            EXPECT_EQ(errorNumberOf([&] { c.convert(Variant("abc")); }), kTypeMismatch) << c.name;
        }
    }
}

TEST_F(Conversion, OutOfRangeIsOverflow) {
    struct Case {
        const char* what;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"CSng(1e39)", [] { return CSng(Variant(1e39)); }},
        {"CInt(32767.5) rounds to 32768", [] { return CInt(Variant(32767.5)); }},
        {"CInt(-32769)", [] { return CInt(Variant(int32_t{-32769})); }},
        {"CInt(Currency 40000)", [] { return CInt(Variant(Currency{400000000})); }},
        {"CLng(2147483647.5)", [] { return CLng(Variant(2147483647.5)); }},
        {"CLng(1e10)", [] { return CLng(Variant(1e10)); }},
        {"CCur(1e15)", [] { return CCur(Variant(1e15)); }},
        {"CDate(3e6)", [] { return CDate(Variant(3e6)); }},
        {"CDbl(\"1e999\")", [] { return CDbl(Variant("1e999")); }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), kOverflow) << c.what;
}

TEST_F(Conversion, ToDouble) {
    struct Case {
        Variant in;
        double out;
    };
    const Case cases[] = {
        {Variant("1.5"), 1.5},         {Variant(" -2.25 "), -2.25},
        {Variant("1,234.5"), 1234.5},  {Variant("1e3"), 1000.0},
        {Variant("+.5"), 0.5},         {kE, 0.0},
        {Variant(true), -1.0},         {Variant(Currency{12345}), 1.2345},
        {Variant(Date{61.25}), 61.25}, {Variant(int16_t{-7}), -7.0},
        {Variant("1e-400"), 0.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDbl(c.in), c.out) << ::testing::PrintToString(c.in);
    for (const char* bad : {"", " ", "1.2.3", "1 2", "e5", "1e", "--1", "0x10"}) {
        EXPECT_EQ(errorNumberOf([&] { return CDbl(Variant(bad)); }), kTypeMismatch) << bad;
    }
}

TEST_F(Conversion, TextIsReadWithTheRegionalDecimalSeparator) {
    ScopedRegionalSettings comma(kComma);
    EXPECT_EQ(CDbl(Variant("1,5")), 1.5);
    EXPECT_EQ(CDbl(Variant("1\u00a0234,5")), 1234.5);
    EXPECT_EQ(errorNumberOf([] { return CDbl(Variant("1.5")); }), kTypeMismatch);
    EXPECT_EQ(CInt(Variant("2,5")), 2);
}

TEST_F(Conversion, WholeNumbersSendHalvesToTheEvenNeighbour) {
    struct Case {
        double in;
        int32_t out;
    };
    const Case cases[] = {{2.5, 2},  {3.5, 4},           {-2.5, -2},  {0.5, 0},
                          {1.5, 2},  {-1.5, -2},         {2.4999, 2}, {32767.4, 32767},
                          {-0.4, 0}, {-32768.5, -32768}, {12.5, 12}};
    for (const Case& c : cases) {
        EXPECT_EQ(CInt(Variant(c.in)), c.out) << c.in;
        EXPECT_EQ(CLng(Variant(c.in)), c.out) << c.in;
    }
    EXPECT_EQ(CInt(Variant(Currency{25000})), 2);
    EXPECT_EQ(CInt(Variant(Currency{35000})), 4);
    EXPECT_EQ(CInt(Variant(Currency{-25001})), -3);
    EXPECT_EQ(CInt(Variant(true)), -1);
    EXPECT_EQ(CInt(kE), 0);
    EXPECT_EQ(CInt(Variant("12")), 12);
    EXPECT_EQ(CLng(Variant(-2147483648.5)), -2147483647 - 1);
    EXPECT_EQ(CLng(Variant(Date{61.5})), 62);
}

TEST_F(Conversion, SingleIsNearestWithAnOverflowCheck) {
    EXPECT_EQ(CSng(Variant(0.1)), 0.1f);
    EXPECT_EQ(CSng(Variant(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(CSng(Variant(-static_cast<double>(FLT_MAX))), -FLT_MAX);
    // 1 + 2^-24 lies exactly between 1 and the next Single: ties to the even 1.
    EXPECT_EQ(CSng(Variant(1.0 + 0x1p-24)), 1.0f);
    EXPECT_EQ(CSng(Variant(1.0 + 0x1p-24 + 0x1p-40)), 1.0f + 0x1p-23f);
}

TEST_F(Conversion, CurrencyKeepsFourDecimalsHalvesToEven) {
    struct Case {
        Variant in;
        int64_t raw;
    };
    const Case cases[] = {
        {Variant(1.23456), 12346},
        {Variant(1.23445), 12344},
        {Variant(1.23455), 12346},
        {Variant(-1.23445), -12344},
        {Variant("2.5"), 25000},
        {Variant(int16_t{3}), 30000},
        {Variant(true), -10000},
        {kE, 0},
        {Variant(922337203685477.0), 9223372036854770000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCur(c.in).raw, c.raw) << ::testing::PrintToString(c.in);
}

TEST_F(Conversion, ToDate) {
    struct Case {
        Variant in;
        double serial;
    };
    const Case cases[] = {
        {Variant(61.5), 61.5},
        {Variant("1900-03-01"), 61.0},
        {Variant("01.03.1900"), 61.0},
        {Variant("2009-01-15 12:00"), 39828.5},
        {Variant("2009-01-15T06:00:00"), 39828.25},
        {Variant("15.01.09 18:00"), 39828.75},
        {Variant("12:00"), 0.5},
        {kE, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDate(c.in).value, c.serial) << ::testing::PrintToString(c.in);
    for (const char* bad : {"31.02.2009", "2009-13-01", "24:00", "1.2", "01.03.1900 x"}) {
        EXPECT_EQ(errorNumberOf([&] { return CDate(Variant(bad)); }), kTypeMismatch) << bad;
    }
}

TEST_F(Conversion, ToText) {
    struct Case {
        Variant in;
        const char* out;
    };
    const Case cases[] = {
        {kE, ""},
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant(int16_t{-5}), "-5"},
        {Variant(int32_t{100000}), "100000"},
        {Variant(0.1 + 0.2), "0.3"},
        {Variant(1.0 / 3), "0.333333333333333"},
        {Variant(2.0 / 3), "0.666666666666667"},
        {Variant(1e20), "1E+20"},
        {Variant(123456789012345678.0), "1.23456789012346E+17"},
        {Variant(0x1p-20), "9.5367431640625E-07"},
        {Variant(0.0001), "0.0001"},
        {Variant(0.00001), "1E-05"},
        {Variant(1e15), "1E+15"},
        {Variant(999999999999999.0), "999999999999999"},
        {Variant(-0.0), "0"},
        {Variant(-1234.5), "-1234.5"},
        {Variant(0.1f), "0.1"},
        {Variant(1.0f / 3), "0.3333333"},
        {Variant(Currency{15000}), "1.5"},
        {Variant(Currency{12345678}), "1234.5678"},
        {Variant(Currency{-1}), "-0.0001"},
        {Variant(Date{61.5}), "01.03.1900 12:00:00"},
        {Variant(Date{61.0}), "01.03.1900"},
        {Variant(Date{0.25}), "06:00:00"},
        {Variant("Тонн"), "Тонн"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStr(c.in), c.out) << ::testing::PrintToString(c.in);
    ScopedRegionalSettings comma(kComma);
    EXPECT_EQ(CStr(Variant(1234.5)), "1234,5");
    EXPECT_EQ(CStr(Variant(Currency{15000})), "1,5");
}

TEST_F(Conversion, ToBoolean) {
    struct Case {
        Variant in;
        bool out;
    };
    const Case cases[] = {{kE, false},
                          {Variant(0.0), false},
                          {Variant(0.5), true},
                          {Variant("TRUE"), true},
                          {Variant("False"), false},
                          {Variant("-1"), true},
                          {Variant(Currency{0}), false},
                          {Variant(Date{1.0}), true}};
    for (const Case& c : cases)
        EXPECT_EQ(CBool(c.in), c.out) << ::testing::PrintToString(c.in);
}

}  // namespace
}  // namespace oleaut
