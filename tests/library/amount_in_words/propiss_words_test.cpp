// The word functions and the amount in words as the class offers them to front-ends.
#include <gtest/gtest.h>

#include <limits>

#include "library/amount_in_words/propiss.hpp"

namespace kalvik {
namespace {

TEST(PropissWordsTest, EmptyCellsOfTheWordTables) {
    Propiss p;
    int32_t one = 1, ten = 10, twenty = 20, two = 2, zero = 0, minusOne = -1;
    std::string masculine = "Мужской", lowerMasculine = "мужской", feminine = "Женский";
    EXPECT_EQ(p.Десятки(one), "");
    EXPECT_EQ(p.Десятки(ten), "");
    EXPECT_EQ(p.Сотни(ten), "");
    EXPECT_EQ(p.Сотни(zero), "");
    EXPECT_EQ(p.Единицы(twenty, masculine), "");
    EXPECT_EQ(p.Единицы(zero, masculine), "");
    EXPECT_EQ(p.Единицы(minusOne, feminine), "");
    EXPECT_EQ(p.Единицы(two, lowerMasculine), "две ");
    EXPECT_EQ(p.Единицы(two, masculine), "два ");
    EXPECT_EQ(p.Единицы(one, feminine), "одна ");
    // Arguments passed by reference come back unchanged.
    EXPECT_EQ(one, 1);
    EXPECT_EQ(twenty, 20);
    EXPECT_EQ(lowerMasculine, "мужской");
}

struct ScaleCase {
    int32_t count;
    const char* thousands;
    const char* millions;
    const char* billions;
    const char* trillions;
    const char* rubles;
};

TEST(PropissWordsTest, ScaleRule) {
    const ScaleCase cases[] = {
        {1, "тысяча ", "миллион ", "миллиард ", "триллион ", "рубль"},
        {2, "тысячи ", "миллиона ", "миллиарда ", "триллиона ", "рубля"},
        {4, "тысячи ", "миллиона ", "миллиарда ", "триллиона ", "рубля"},
        {3, "тысячи ", "миллиона ", "миллиарда ", "триллиона ", "рубля"},
        {5, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {0, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {12, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {11, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {14, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {21, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
        {-1, "тысяч ", "миллионов ", "миллиардов ", "триллионов ", "рублей"},
    };
    Propiss p;
    for (const auto& c : cases) {
        int32_t n = c.count;
        EXPECT_EQ(p.Тысячи(n), c.thousands) << c.count;
        EXPECT_EQ(p.Миллионы(n), c.millions) << c.count;
        EXPECT_EQ(p.Миллиарды(n), c.billions) << c.count;
        EXPECT_EQ(p.Триллионы(n), c.trillions) << c.count;
        EXPECT_EQ(p.Рубли(n), c.rubles) << c.count;
        EXPECT_EQ(n, c.count);
    }
}

TEST(PropissWordsTest, AmountInWordsLeavesTheAmountAlone) {
    Propiss p;
    const struct {
        int64_t raw;
        const char* words;
    } cases[] = {
        {52340000, "Пять тысяч двести тридцать четыре рубля"},
        {192500, "Девятнадцать рублей"},
        {std::numeric_limits<int64_t>::min(),
         "Минус девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
         "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят восемь рублей"},
    };
    for (const auto& c : cases) {
        oleaut::Currency amount{c.raw};
        EXPECT_EQ(p.СуммаПрописью(amount), c.words);
        EXPECT_EQ(amount.raw, c.raw);
    }
}

}  // namespace
}  // namespace kalvik
