#include "library/amount_in_words/letter_case.hpp"

#include <array>
#include <cstdint>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::amount_words {

namespace {

// Upper case first, lower case (first + offset) second, for `count` letters in a row.
struct CaseRange {
    char32_t upperFirst;
    char32_t lowerFirst;
    char32_t count;
};

constexpr std::array<CaseRange, 4> kCaseRanges = {{
    {U'A', U'a', 26},            // Latin
    {U'\u0410', U'\u0430', 32},  // А..Я / а..я
    {U'\u0400', U'\u0450', 16},  // Ѐ Ё Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ѝ Ў Џ
    {U'\u0490', U'\u0491', 1},   // Ґ / ґ
}};

constexpr int kLongestText = 32767;

}  // namespace

char32_t upperCase(char32_t c) noexcept {
    for (const CaseRange& r : kCaseRanges) {
        if (c >= r.lowerFirst && c < r.lowerFirst + r.count) return c - r.lowerFirst + r.upperFirst;
    }
    return c;
}

char32_t lowerCase(char32_t c) noexcept {
    for (const CaseRange& r : kCaseRanges) {
        if (c >= r.upperFirst && c < r.upperFirst + r.count) return c - r.upperFirst + r.lowerFirst;
    }
    return c;
}

bool isLatinLetter(char32_t c) noexcept {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

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
