#include "library/amount_in_words/number_words.hpp"

#include <array>

namespace kalvik::amount_words {

namespace {

const std::string kNoWord;

// Index = value; index 0 is "no word".
const std::array<std::string, 20> kUnitsMasculine = {"",
                                                     "один ",
                                                     "два ",
                                                     "три ",
                                                     "четыре ",
                                                     "пять ",
                                                     "шесть ",
                                                     "семь ",
                                                     "восемь ",
                                                     "девять ",
                                                     "десять ",
                                                     "одиннадцать ",
                                                     "двенадцать ",
                                                     "тринадцать ",
                                                     "четырнадцать ",
                                                     "пятнадцать ",
                                                     "шестнадцать ",
                                                     "семнадцать ",
                                                     "восемнадцать ",
                                                     "девятнадцать "};

// Only one and two differ in the feminine.
const std::string kOneFeminine = "одна ";
const std::string kTwoFeminine = "две ";

const std::array<std::string, 10> kTens = {"",
                                           "",
                                           "двадцать ",
                                           "тридцать ",
                                           "сорок ",
                                           "пятьдесят ",
                                           "шестьдесят ",
                                           "семьдесят ",
                                           "восемьдесят ",
                                           "девяносто "};

const std::array<std::string, 10> kHundreds = {"",           "сто ",      "двести ",   "триста ",
                                               "четыреста ", "пятьсот ",  "шестьсот ", "семьсот ",
                                               "восемьсот ", "девятьсот "};

// Forms for a count of 1, of 2 to 4, and of anything else; row = Scale.
const std::array<std::array<std::string, 3>, 5> kScaleWords = {{
    {"рубль", "рубля", "рублей"},
    {"тысяча ", "тысячи ", "тысяч "},
    {"миллион ", "миллиона ", "миллионов "},
    {"миллиард ", "миллиарда ", "миллиардов "},
    {"триллион ", "триллиона ", "триллионов "},
}};

template <std::size_t N>
const std::string& lookUp(const std::array<std::string, N>& table, int64_t index) {
    if (index < 0 || index >= static_cast<int64_t>(N)) return kNoWord;
    return table[static_cast<std::size_t>(index)];
}

std::size_t formFor(int64_t count) {
    if (count == 1) return 0;
    if (count >= 2 && count <= 4) return 1;
    return 2;
}

}  // namespace

Gender genderNamed(const std::string& name) {
    return name == "Мужской" ? Gender::Masculine : Gender::Feminine;
}

const std::string& unitsWord(int64_t value, Gender gender) {
    if (gender == Gender::Feminine) {
        if (value == 1) return kOneFeminine;
        if (value == 2) return kTwoFeminine;
    }
    return lookUp(kUnitsMasculine, value);
}

const std::string& tensWord(int64_t digit) {
    return lookUp(kTens, digit);
}

const std::string& hundredsWord(int64_t digit) {
    return lookUp(kHundreds, digit);
}

const std::string& scaleWord(Scale scale, int64_t count) {
    return kScaleWords[static_cast<std::size_t>(scale)][formFor(count)];
}

}  // namespace kalvik::amount_words
