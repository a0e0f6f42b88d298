#include "library/amount_in_words/rubles_in_words.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace kalvik::amount_words {
namespace {

// Amounts given as the raw scaled currency value (ten-thousandths of a ruble).
constexpr int64_t rub(int64_t whole) {
    return whole * 10000;
}

struct WordsCase {
    int64_t raw;
    const char* words;
};

TEST(RublesInWordsTest, WholeAmounts) {
    const WordsCase cases[] = {
        {0, "Рублей"},
        {rub(1), "Один рубль"},
        {rub(2), "Два рубля"},
        {rub(4), "Четыре рубля"},
        {rub(5), "Пять рублей"},
        {rub(10), "Десять рублей"},
        {rub(14), "Четырнадцать рублей"},
        {rub(20), "Двадцать рублей"},
        {rub(21), "Двадцать один рубль"},
        {rub(100), "Сто рублей"},
        {rub(111), "Сто одиннадцать рублей"},
        {rub(112), "Сто двенадцать рублей"},
        {rub(1000), "Одна тысяча рублей"},
        {rub(2000), "Две тысячи рублей"},
        {rub(5234), "Пять тысяч двести тридцать четыре рубля"},
        {rub(11000), "Одиннадцать тысяч рублей"},
        {rub(21000), "Двадцать одна тысяча рублей"},
        {rub(310000), "Триста десять тысяч рублей"},
        {rub(1000001), "Один миллион один рубль"},
        {rub(2000000), "Два миллиона рублей"},
        {rub(2002002), "Два миллиона две тысячи два рубля"},
        {rub(1000000000), "Один миллиард рублей"},
        {rub(1000000000000), "Один триллион рублей"},
        {rub(14000000000000), "Четырнадцать триллионов рублей"},
        {rub(1001000), "Один миллион одна тысяча рублей"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rublesInWords(oleaut::Currency{c.raw}), c.words) << c.raw;
    }
}

TEST(RublesInWordsTest, FractionsRoundToWholeRublesHalvesToEven) {
    const WordsCase cases[] = {
        {52500, "Пять рублей"},
        {57500, "Шесть рублей"},
        {25000, "Два рубля"},
        {35000, "Четыре рубля"},
        {25001, "Три рубля"},
        {4999, "Рублей"},
        {9997500, "Одна тысяча рублей"},                // 999.75 carries into the thousands
        {192500, "Девятнадцать рублей"},                // 19.25
        {10192500, "Одна тысяча девятнадцать рублей"},  // 1 019.25
        {9999999997500, "Один миллиард рублей"},        // 999 999 999.75
        {19999999997500, "Два миллиарда рублей"},       // 1 999 999 999.75
        {std::numeric_limits<int64_t>::max(),
         "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят восемь рублей"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rublesInWords(oleaut::Currency{c.raw}), c.words) << c.raw;
    }
}

TEST(RublesInWordsTest, NegativeAmountsReadAsMinusTheirMagnitude) {
    const WordsCase cases[] = {
        {rub(-5), "Минус пять рублей"},
        {rub(-1), "Минус один рубль"},
        {rub(-21000), "Минус двадцать одна тысяча рублей"},
        {-57500, "Минус шесть рублей"},
        {-2500, "Рублей"},  // rounds to no rubles at all
        {-5000, "Рублей"},
        {std::numeric_limits<int64_t>::min(),
         "Минус девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
         "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят восемь рублей"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rublesInWords(oleaut::Currency{c.raw}), c.words) << c.raw;
    }
}

TEST(RublesInWordsTest, WholeRublesOfTheExtremes) {
    EXPECT_EQ(wholeRublesOf(oleaut::Currency{std::numeric_limits<int64_t>::max()}),
              922337203685478u);
    EXPECT_EQ(wholeRublesOf(oleaut::Currency{std::numeric_limits<int64_t>::min()}),
              922337203685478u);
    EXPECT_EQ(wholeRublesOf(oleaut::Currency{-15000}), 2u);
    EXPECT_EQ(wholeRublesOf(oleaut::Currency{-5000}), 0u);
}

}  // namespace
}  // namespace kalvik::amount_words
