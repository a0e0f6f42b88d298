#pragma once
// Upper and lower case of the letters of the Russian Windows code page (Latin A-Z and the
// Cyrillic letters, Ё and the other letters of the Slavic alphabets included) by a fixed
// table, so that results never depend on the machine's locale. Other characters have no case.

#include <string>

namespace kalvik::amount_words {

char32_t upperCase(char32_t c) noexcept;
char32_t lowerCase(char32_t c) noexcept;

// "A" to "Z" or "a" to "z" by character code.
bool isLatinLetter(char32_t c) noexcept;

// The text with its first character in upper case, the rest as it is.
std::string capitaliseFirst(const std::string& text);

// Each character in lower case when the character before it is a Latin letter, in upper case
// otherwise (the first character included). Texts longer than 32 767 characters fail with
// Overflow.
std::string properCase(const std::string& text);

}  // namespace kalvik::amount_words
