#pragma once
// Capitalisation of texts by the fixed case table of platform/oleaut/letter_case.hpp.

#include <string>

namespace kalvik::amount_words {

// The text with its first character in upper case, the rest as it is.
std::string capitaliseFirst(const std::string& text);

// Each character in lower case when the character before it is a Latin letter, in upper case
// otherwise (the first character included). Texts longer than 32 767 characters fail with
// Overflow.
std::string properCase(const std::string& text);

}  // namespace kalvik::amount_words
