#pragma once
// Kopecks of an amount and the short texts built from them: the kopeck word that follows an
// amount in words, "123-45", two kopeck digits, whole rubles with the carried ruble.
//
// The kopecks are (amount − the whole rubles taken off it) × 100, rounded to the nearest
// integer with halves to the even neighbour, in the arithmetic of the amount's own kind (a
// currency amount stays exact). A result of 100 (.995 and more) stands for a carried ruble.

#include <cstdint>
#include <string>

#include "platform/oleaut/variant.hpp"

namespace kalvik::amount_words {

int32_t kopecksAbove(const oleaut::Variant& amount, const oleaut::Variant& wholeRubles);

// " копейка", " копейки" or " копеек", agreeing with the last two digits of k (sign ignored;
// 100 reads as 00).
const std::string& kopeckWord(int32_t kopecks);

// The kopeck word of the amount, whole rubles taken toward zero.
std::string kopeckWordOf(double amount);
// The same, the whole rubles taken toward zero as a 32-bit integer (Overflow outside its range).
std::string kopeckWordOfLongRubles(const oleaut::Variant& amount);

// Whole rubles and two kopeck digits joined by "-" ("123-45", "124-00" for 123.996); a negative
// amount is "-" followed by the text of its magnitude.
std::string rublesDashKopecks(double amount);

// The kopecks as two digits, sign dropped ("05" for 12.05 and −12.05, "00" for a carried ruble).
std::string kopecksTwoDigits(const oleaut::Variant& amount);

// The whole rubles toward minus infinity as a 32-bit integer, plus the carried ruble.
int32_t rublesWithCarriedRuble(const oleaut::Variant& amount);

}  // namespace kalvik::amount_words
