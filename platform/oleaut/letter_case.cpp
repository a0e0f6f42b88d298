#include "platform/oleaut/letter_case.hpp"

#include <array>

#include "platform/oleaut/text.hpp"

namespace oleaut {

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

std::string lowerCaseText(std::string_view text) {
    std::u32string chars = decodeUtf8(text);
    for (char32_t& c : chars)
        c = lowerCase(c);
    return encodeUtf8(chars);
}

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a == b || lowerCaseText(a) == lowerCaseText(b);
}

}  // namespace oleaut
