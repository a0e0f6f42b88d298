#include "library/amount_in_words/kopecks.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::amount_words {
namespace {

using test::errorNumberOf;

oleaut::Currency cur(int64_t raw) {
    return oleaut::Currency{raw};
}

TEST(KopecksTest, WordAgreesWithTheLastTwoDigits) {
    const struct {
        int32_t k;
        const char* word;
    } cases[] = {
        {0, " копеек"},  {1, " копейка"},  {2, " копейки"},  {3, " копейки"},  {4, " копейки"},
        {5, " копеек"},  {10, " копеек"},  {11, " копеек"},  {12, " копеек"},  {13, " копеек"},
        {14, " копеек"}, {15, " копеек"},  {21, " копейка"}, {22, " копейки"}, {44, " копейки"},
        {99, " копеек"}, {100, " копеек"}, {-1, " копейка"}, {-11, " копеек"}, {-22, " копейки"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kopeckWord(c.k), c.word) << c.k;
    }
}

TEST(KopecksTest, KopeckWordOfAnAmount) {
    const struct {
        double amount;
        const char* word;
    } cases[] = {
        {0.01, " копейка"},  {0.21, " копейка"}, {0.11, " копеек"},   {0.12, " копеек"},
        {0.22, " копейки"},  {0.05, " копеек"},  {0.00, " копеек"},   {0.999, " копеек"},
        {12.03, " копейки"}, {5.14, " копеек"},  {3.1, " копеек"},    {1.5, " копеек"},
        {-0.21, " копейка"}, {-0.12, " копеек"}, {-7.02, " копейки"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kopeckWordOf(c.amount), c.word) << c.amount;
        EXPECT_EQ(kopeckWordOfLongRubles(oleaut::Variant(c.amount)), c.word) << c.amount;
    }
}

TEST(KopecksTest, LongRublesOverflowOutsideThe32BitRange) {
    EXPECT_EQ(kopeckWordOfLongRubles(oleaut::Variant(2147483647.01)), " копейка");
    EXPECT_EQ(errorNumberOf([] { kopeckWordOfLongRubles(oleaut::Variant(2147483648.01)); }),
              oleaut::kOverflow);
    EXPECT_EQ(errorNumberOf([] { kopeckWordOfLongRubles(oleaut::Variant(-2147483649.5)); }),
              oleaut::kOverflow);
}

TEST(KopecksTest, RublesDashKopecks) {
    const struct {
        double amount;
        const char* text;
    } cases[] = {
        {123.45, "123-45"},   {5.07, "5-07"},   {7, "7-00"},       {123.996, "124-00"},
        {0.5, "0-50"},        {0.125, "0-12"},  {0.375, "0-38"},   {12.625, "12-62"},
        {0, "0-00"},          {0.999, "1-00"},  {-5.999, "-6-00"}, {-0.5, "-0-50"},
        {-123.45, "-123-45"}, {-0.01, "-0-01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rublesDashKopecks(c.amount), c.text) << c.amount;
    }
}

TEST(KopecksTest, TwoKopeckDigits) {
    const struct {
        oleaut::Variant amount;
        const char* digits;
    } cases[] = {
        {12.05, "05"},
        {12.5, "50"},
        {12.999, "00"},
        {12.0, "00"},
        {12.1, "10"},
        {-12.05, "05"},
        {-12.5, "50"},
        {int32_t{7}, "00"},
        // A double carries its binary error, a currency amount is exact: 12.365 is
        // 12.36500000000000021 as a double (36.50000000000002 kopecks, 37) and an exact half
        // as currency (36.5 kopecks, to the even 36).
        {12.365, "37"},
        {cur(123650), "36"},
        {cur(120250), "02"},
        {cur(129999), "00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kopecksTwoDigits(c.amount), c.digits) << oleaut::CStr(c.amount);
    }
}

TEST(KopecksTest, RublesWithTheCarriedRuble) {
    const struct {
        oleaut::Variant amount;
        int32_t rubles;
    } cases[] = {
        {12.34, 12},
        {12.999, 13},
        {12.0, 12},
        {-12.34, -13},
        {-0.001, 0},
        {0.995, 1},
        {cur(9950), 1},
        {cur(9850), 0},
        {2147483646.999, 2147483647},
        {-2147483648.0, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rublesWithCarriedRuble(c.amount), c.rubles) << oleaut::CStr(c.amount);
    }
    EXPECT_EQ(errorNumberOf([] { rublesWithCarriedRuble(oleaut::Variant(2147483647.999)); }),
              oleaut::kOverflow);
    EXPECT_EQ(errorNumberOf([] { rublesWithCarriedRuble(oleaut::Variant(2147483648.0)); }),
              oleaut::kOverflow);
    EXPECT_EQ(errorNumberOf([] { rublesWithCarriedRuble(oleaut::Variant(-2147483648.5)); }),
              oleaut::kOverflow);
}

}  // namespace
}  // namespace kalvik::amount_words
