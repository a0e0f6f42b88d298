#include "library/amount_in_words/letter_case.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/letter_case.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::amount_words {

namespace {

constexpr int kLongestText = 32767;

}  // namespace

using oleaut::isLatinLetter;
using oleaut::lowerCase;
using oleaut::upperCase;

std::string capitaliseFirst(const std::string& text) {
    std::u32string chars = oleaut::decodeUtf8(text);
    if (!chars.empty()) chars.front() = upperCase(chars.front());
    return oleaut::encodeUtf8(chars);
}

std::string properCase(const std::string& text) {
    const std::u32string original = oleaut::decodeUtf8(text);
    if (original.size() > kLongestText) throw oleaut::overflowError();
    std::u32string result(original.size(), U'\0');
    for (std::size_t i = 0; i < original.size(); ++i) {
        const bool followsLetter = i > 0 && isLatinLetter(original[i - 1]);
        result[i] = followsLetter ? lowerCase(original[i]) : upperCase(original[i]);
    }
    return oleaut::encodeUtf8(result);
}

}  // namespace kalvik::amount_words
