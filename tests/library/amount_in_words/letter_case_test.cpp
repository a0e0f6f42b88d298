#include "library/amount_in_words/letter_case.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::amount_words {
namespace {

using test::errorNumberOf;

struct TextCase {
    const char* text;
    const char* expected;
};

TEST(LetterCaseTest, ProperJudgesEachCharacterByTheLatinLetterBeforeIt) {
    const TextCase cases[] = {
        {"john SMITH", "John Smith"},
        {"o'neil", "O'Neil"},
        {"иван", "ИВАН"},
        {"", ""},
        {"123abc", "123Abc"},
        {"ёлка Ёж", "ЁЛКА ЁЖ"},
        {"Жenя", "ЖEnя"},  // e and n are Latin: only what follows a Latin letter is lowered
        {"xЁx", "XёX"},    // Ё follows x and is lowered; x follows Ё and is raised
        {"aБВ", "AбВ"},
        {"мcDONALD", "МCdonald"},
        {"їжак", "ЇЖАК"},
        {"ґ", "Ґ"},
        {"straße", "StraßE"},  // ß has no case and is no Latin letter
        {"a-b c_d", "A-B C_D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(properCase(c.text), c.expected) << c.text;
    }
}

TEST(LetterCaseTest, ProperCountsCharactersNotBytes) {
    std::string longest;
    for (int i = 0; i < 32767; ++i)
        longest += "ж";
    EXPECT_EQ(properCase(longest).substr(0, 4), "ЖЖ");
    EXPECT_EQ(errorNumberOf([&] { properCase(longest + "ж"); }), oleaut::kOverflow);
}

TEST(LetterCaseTest, CapitaliseFirstTouchesOnlyTheFirstCharacter) {
    const TextCase cases[] = {
        {"рублей", "Рублей"}, {"ёж ёж", "Ёж ёж"}, {"", ""}, {"one two", "One two"}, {"1 а", "1 а"}};
    for (const auto& c : cases) {
        EXPECT_EQ(capitaliseFirst(c.text), c.expected) << c.text;
    }
}

}  // namespace
}  // namespace kalvik::amount_words
