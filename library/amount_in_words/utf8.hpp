#pragma once
// UTF-8 text as characters and back. A byte that starts no valid sequence reads as U+FFFD.

#include <string>
#include <string_view>

namespace kalvik::amount_words {

std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view chars);

}  // namespace kalvik::amount_words
