#include "platform/oleaut/format.hpp"

#include <gtest/gtest.h>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

const RegionalSettings kDotComma{".", ",", 3, "dd.MM.yyyy", "HH:mm:ss"};
const RegionalSettings kCommaNbsp{",", "\u00a0", 3, "dd.MM.yyyy", "HH:mm:ss"};

TEST(Format, FixedDecimalsHalvesAwayFromZeroWithRegionalSeparators) {
    struct Case {
        double value;
        const char* dotComma;   // "." decimals, "," grouping
        const char* commaNbsp;  // "," decimals, no-break space grouping
    };
    const Case cases[] = {
        {1234567.891, "1,234,567.89", "1\u00a0234\u00a0567,89"},
        {1234.5, "1,234.50", "1\u00a0234,50"},
        {0.125, "0.13", "0,13"},  // a half goes away from zero here
        {2.675, "2.68", "2,68"},  // a half on its shortest text
        {-2.675, "-2.68", "-2,68"},
        {1.005, "1.01", "1,01"},
        {-0.001, "0.00", "0,00"},  // no sign on a zero result
        {999.995, "1,000.00", "1\u00a0000,00"},
        {0, "0.00", "0,00"},
        {75.5, "75.50", "75,50"},
        {75.5 / 60, "1.26", "1,26"},
        {123, "123.00", "123,00"},
        {-1234567, "-1,234,567.00", "-1\u00a0234\u00a0567,00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatFixed(c.value, 2, true, kDotComma), c.dotComma) << c.value;
        EXPECT_EQ(formatFixed(c.value, 2, true, kCommaNbsp), c.commaNbsp) << c.value;
        EXPECT_EQ(Format(Variant(c.value), "#,##0.00", kDotComma), c.dotComma) << c.value;
        EXPECT_EQ(Format(Variant(c.value), "#,##0.00", kCommaNbsp), c.commaNbsp) << c.value;
    }
}

TEST(Format, Patterns) {
    struct Case {
        Variant value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {Variant(0.5), "#.##", ".5"},
        {Variant(3), "0.000", "3.000"},
        {Variant(1234.5), "0", "1235"},
        {Variant(2.5), "0", "3"},
        {Variant(int16_t{12}), "000", "012"},
        {Variant(1.0), "#,##0.0#", "1.0"},
        {Variant(1.234), "#,##0.0#", "1.23"},
        {Variant(1.5), "0.00 сек", "1.50 сек"},
        {Variant(1234.5), "Standard", "1,234.50"},
        {Variant(1234.5), "Fixed", "1234.50"},
        {Variant(Currency{12345}), "0.00", "1.23"},
        {Variant("1.5"), "0.00", "1.50"},
        {Variant("abc"), "0.00", "abc"},
        {Variant(kNull), "0.00", ""},
        {Variant(), "0.00", ""},
        {Variant(1234567), "#,##0", "1,234,567"},
        {Variant(Date{39828.75}), "dd.MM.yyyy HH:mm", "15.01.2009 18:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern, kDotComma), c.text)
            << ::testing::PrintToString(c.value) << " " << c.pattern;
    }
    EXPECT_EQ(errorNumberOf([] { return Format(Variant(1.0), "abc", kDotComma); }),
              kInvalidProcedureCall);
}

TEST(Format, GeneralNumberText) {
    struct Case {
        double value;
        int significant;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, 15, "1234,5"},      {0.1f, 7, "0,1"},
        {1.0 / 3, 7, "0,3333333"},   {1e-5, 15, "1E-05"},
        {-1.5e100, 15, "-1,5E+100"}, {12345678, 7, "1,234568E+07"},
        {1234567, 7, "1234567"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(numberText(c.value, c.significant, kCommaNbsp), c.text) << c.value;
    }
    EXPECT_EQ(currencyText(Currency{-12345678}, kCommaNbsp), "-1234,5678");
    EXPECT_EQ(integerText(-32768), "-32768");
}

TEST(Format, ReadingNumbers) {
    EXPECT_EQ(parseNumber("1,234.5", kDotComma), 1234.5);
    EXPECT_EQ(parseNumber("1\u00a0234,5", kCommaNbsp), 1234.5);
    EXPECT_EQ(parseNumber(" -0,25 ", kCommaNbsp), -0.25);
    EXPECT_EQ(parseNumber("2,5E2", kCommaNbsp), 250.0);
    EXPECT_EQ(errorNumberOf([] { return parseNumber("1.5", kCommaNbsp); }), kTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { return parseNumber(",", kCommaNbsp); }), kTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { return parseNumber("1e400", kDotComma); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { return parseNumber("-1e400", kDotComma); }), kOverflow);
    EXPECT_EQ(parseNumber("1e-400", kDotComma), 0.0);
}

}  // namespace
}  // namespace oleaut
