#pragma once
// The Russian number words that amounts in words are built from: units and teens in both genders,
// tens, hundreds, and the scale words (thousands ... trillions, rubles) in their three forms.
// Every word but the ruble words ends in one blank, so words are simply appended.

#include <cstdint>
#include <string>

namespace kalvik::amount_words {

enum class Gender { Masculine, Feminine };

// The gender a caller names: only the exact text "Мужской" selects the masculine forms.
Gender genderNamed(const std::string& name);

// 1 to 19 in the given gender; anything else has no word ("").
const std::string& unitsWord(int64_t value, Gender gender);
// Tens digit 2 to 9; anything else has no word.
const std::string& tensWord(int64_t digit);
// Hundreds digit 1 to 9; anything else has no word.
const std::string& hundredsWord(int64_t digit);

enum class Scale { Units, Thousands, Millions, Billions, Trillions };

// The scale word agreeing with the count: 1 takes the first form, 2 to 4 the second, every
// other count (0, 5 and more, 11 to 19, negative) the third. The units scale gives the ruble
// word, which has no trailing blank.
const std::string& scaleWord(Scale scale, int64_t count);

}  // namespace kalvik::amount_words
