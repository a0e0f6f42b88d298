#pragma once
// Upper and lower case of the letters of the Russian Windows code page (Latin A-Z and the
// Cyrillic letters, Ё and the other letters of the Slavic alphabets included) by a fixed
// table, so that results never depend on the machine's locale. Other characters have no case.
// Names that "ignore letter case" (databases on the server, tables of a workstation file) are
// compared by this table.

#include <string>
#include <string_view>

namespace oleaut {

[[nodiscard]] char32_t upperCase(char32_t c) noexcept;
[[nodiscard]] char32_t lowerCase(char32_t c) noexcept;

// "A" to "Z" or "a" to "z" by character code.
[[nodiscard]] bool isLatinLetter(char32_t c) noexcept;

// The text with every letter in lower case.
[[nodiscard]] std::string lowerCaseText(std::string_view text);

// Whether two texts are equal when letter case is ignored.
[[nodiscard]] bool sameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace oleaut
