#include "library/amount_in_words/rubles_in_words.hpp"

#include <array>

#include "library/amount_in_words/letter_case.hpp"
#include "library/amount_in_words/number_words.hpp"

namespace kalvik::amount_words {

namespace {

struct TriadScale {
    Scale scale;
    uint64_t value;
    Gender gender;
};

// From the highest scale down; thousands are feminine ("одна тысяча", "две тысячи").
constexpr std::array<TriadScale, 5> kTriadScales = {{
    {Scale::Trillions, 1'000'000'000'000, Gender::Masculine},
    {Scale::Billions, 1'000'000'000, Gender::Masculine},
    {Scale::Millions, 1'000'000, Gender::Masculine},
    {Scale::Thousands, 1'000, Gender::Feminine},
    {Scale::Units, 1, Gender::Masculine},
}};

// Hundreds, then tens above 19, then units or teens, then the scale word agreeing with what the
// units part says (21 thousand takes "тысяча", 11 to 19 the third form). A zero triad adds
// nothing, except the ruble word of the units triad.
std::string triadInWords(uint64_t triad, const TriadScale& scale) {
    std::string words;
    if (triad == 0) return scale.scale == Scale::Units ? scaleWord(Scale::Units, 0) : words;
    const auto hundreds = static_cast<int64_t>(triad / 100);
    auto belowHundred = static_cast<int64_t>(triad % 100);
    words += hundredsWord(hundreds);
    if (belowHundred > 19) {
        words += tensWord(belowHundred / 10);
        belowHundred %= 10;
    }
    words += unitsWord(belowHundred, scale.gender);
    words += scaleWord(scale.scale, belowHundred);
    return words;
}

}  // namespace

uint64_t wholeRublesOf(oleaut::Currency amount) noexcept {
    const uint64_t magnitude =
        amount.raw < 0 ? 0 - static_cast<uint64_t>(amount.raw) : static_cast<uint64_t>(amount.raw);
    const auto scale = static_cast<uint64_t>(oleaut::Currency::kScale);
    uint64_t rubles = magnitude / scale;
    const uint64_t fraction = magnitude % scale;
    const uint64_t half = scale / 2;
    if (fraction > half || (fraction == half && rubles % 2 == 1)) ++rubles;
    return rubles;
}

std::string wholeRublesInWords(uint64_t rubles) {
    std::string words;
    for (const TriadScale& scale : kTriadScales) {
        words += triadInWords(rubles / scale.value % 1000, scale);
    }
    return words;
}

std::string rublesInWords(oleaut::Currency amount) {
    const uint64_t rubles = wholeRublesOf(amount);
    const bool negative = amount.raw < 0 && rubles != 0;
    return capitaliseFirst((negative ? "минус " : "") + wholeRublesInWords(rubles));
}

}  // namespace kalvik::amount_words
