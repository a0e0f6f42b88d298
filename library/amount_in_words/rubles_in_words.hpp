#pragma once
// The whole rubles of a currency amount written out in words: "Пять тысяч двести тридцать
// четыре рубля". Kopecks are not written.

#include <cstdint>
#include <string>

#include "platform/oleaut/variant.hpp"

namespace kalvik::amount_words {

// The magnitude of the amount rounded to whole rubles, halves to the even neighbour. Unsigned,
// so that the lowest currency value, which has no positive counterpart, is covered too.
uint64_t wholeRublesOf(oleaut::Currency amount) noexcept;

// The words of a whole number of rubles below 10^15, lower case, ending in the ruble word.
std::string wholeRublesInWords(uint64_t rubles);

// The amount rounded to whole rubles in words, first letter capitalised; a negative amount
// (one that is not 0 in whole rubles) is preceded by "минус ".
std::string rublesInWords(oleaut::Currency amount);

}  // namespace kalvik::amount_words
