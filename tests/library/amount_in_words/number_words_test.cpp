#include "library/amount_in_words/number_words.hpp"

#include <gtest/gtest.h>

namespace kalvik::amount_words {
namespace {

struct UnitsCase {
    int64_t value;
    Gender gender;
    const char* word;
};

TEST(NumberWordsTest, UnitsAndTeensInBothGenders) {
    const UnitsCase cases[] = {
        {1, Gender::Masculine, "один "},
        {1, Gender::Feminine, "одна "},
        {2, Gender::Masculine, "два "},
        {2, Gender::Feminine, "две "},
        {3, Gender::Feminine, "три "},
        {4, Gender::Masculine, "четыре "},
        {5, Gender::Masculine, "пять "},
        {6, Gender::Feminine, "шесть "},
        {7, Gender::Masculine, "семь "},
        {8, Gender::Masculine, "восемь "},
        {9, Gender::Feminine, "девять "},
        {10, Gender::Masculine, "десять "},
        {11, Gender::Feminine, "одиннадцать "},
        {12, Gender::Masculine, "двенадцать "},
        {13, Gender::Masculine, "тринадцать "},
        {14, Gender::Masculine, "четырнадцать "},
        {15, Gender::Masculine, "пятнадцать "},
        {16, Gender::Masculine, "шестнадцать "},
        {17, Gender::Masculine, "семнадцать "},
        {18, Gender::Feminine, "восемнадцать "},
        {19, Gender::Masculine, "девятнадцать "},
        {0, Gender::Masculine, ""},
        {20, Gender::Masculine, ""},
        {21, Gender::Feminine, ""},
        {-1, Gender::Masculine, ""},
        {-2, Gender::Feminine, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unitsWord(c.value, c.gender), c.word) << c.value;
    }
}

TEST(NumberWordsTest, OnlyTheExactMasculineNameSelectsMasculine) {
    EXPECT_EQ(genderNamed("Мужской"), Gender::Masculine);
    EXPECT_EQ(genderNamed("мужской"), Gender::Feminine);
    EXPECT_EQ(genderNamed("Женский"), Gender::Feminine);
    EXPECT_EQ(genderNamed("Мужской "), Gender::Feminine);
    EXPECT_EQ(genderNamed(""), Gender::Feminine);
}

struct DigitCase {
    int64_t digit;
    const char* tens;
    const char* hundreds;
};

TEST(NumberWordsTest, TensAndHundreds) {
    const DigitCase cases[] = {
        {0, "", ""},
        {1, "", "сто "},
        {2, "двадцать ", "двести "},
        {3, "тридцать ", "триста "},
        {4, "сорок ", "четыреста "},
        {5, "пятьдесят ", "пятьсот "},
        {6, "шестьдесят ", "шестьсот "},
        {7, "семьдесят ", "семьсот "},
        {8, "восемьдесят ", "восемьсот "},
        {9, "девяносто ", "девятьсот "},
        {10, "", ""},
        {11, "", ""},
        {-3, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tensWord(c.digit), c.tens) << c.digit;
        EXPECT_EQ(hundredsWord(c.digit), c.hundreds) << c.digit;
    }
}

}  // namespace
}  // namespace kalvik::amount_words
