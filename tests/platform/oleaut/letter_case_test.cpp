#include "platform/oleaut/letter_case.hpp"

#include <gtest/gtest.h>

namespace oleaut {
namespace {

TEST(LetterCase, CaseTableCoversLatinAndCyrillic) {
    const struct {
        char32_t lower;
        char32_t upper;
    } pairs[] = {
        {U'a', U'A'}, {U'z', U'Z'}, {U'а', U'А'}, {U'я', U'Я'}, {U'ё', U'Ё'},
        {U'ж', U'Ж'}, {U'ў', U'Ў'}, {U'і', U'І'}, {U'џ', U'Џ'}, {U'ѐ', U'Ѐ'},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(upperCase(p.lower), p.upper);
        EXPECT_EQ(lowerCase(p.upper), p.lower);
        EXPECT_EQ(upperCase(p.upper), p.upper);
        EXPECT_EQ(lowerCase(p.lower), p.lower);
    }
    for (char32_t c : {U'1', U' ', U'@', U'[', U'`', U'{', U'ß', U'é', U'Ѡ'}) {
        EXPECT_EQ(upperCase(c), c);
        EXPECT_EQ(lowerCase(c), c);
    }
}

TEST(LetterCase, NamesCompareIgnoringLatinAndCyrillicCase) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Virsel_demo", "Virsel_Demo", true},
        {"Таблицы_АРМов", "таблицы_армов", true},
        {"ЁЖ", "ёж", true},
        {"Virsel", "Virsel ", false},
        {"е", "ё", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sameTextIgnoringCase(c.a, c.b), c.same) << c.a << " / " << c.b;
    }
}

}  // namespace
}  // namespace oleaut
