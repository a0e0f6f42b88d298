#include "platform/oleaut/text.hpp"

#include <gtest/gtest.h>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

TEST(Text, LengthsAndCutsCountCharacters) {
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("Тонн"), 4);
    EXPECT_EQ(Len("a€𝄞"), 3);
    EXPECT_EQ(Len("\xff"
                  "a"),
              2);  // a stray byte is one character
    struct Case {
        std::string got, expected;
    };
    const Case cases[] = {
        {Left("Обновление", 4), "Обно"},
        {Left("Обновление", 40), "Обновление"},
        {Left("abc", 0), ""},
        {Right("Обновление", 3), "ние"},
        {Right("Обновление", 30), "Обновление"},
        {Mid("Обновление", 3, 4), "новл"},
        {Mid("Обновление", 3), "новление"},
        {Mid("abc", 5), ""},
        {Mid("a€𝄞b", 2, 2), "€𝄞"},
        {Left("\xff"
              "ab",
              2),
         "\xff"
         "a"},
        {Trim("  Гкал  "), "Гкал"},
        {LTrim("  x "), "x "},
        {RTrim(" x  "), " x"},
        {Trim("   "), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected);
    EXPECT_EQ(errorNumberOf([] { return Mid("abc", 0); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return Left("abc", -1); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return Mid("abc", 1, -1); }), kInvalidProcedureCall);
}

TEST(Text, InStrGivesCharacterPositions) {
    EXPECT_EQ(InStr(1, "Кол-во - 15", "-"), 4);
    EXPECT_EQ(InStr(5, "Кол-во - 15", "-"), 8);
    EXPECT_EQ(InStr(1, "abc", ""), 1);
    EXPECT_EQ(InStr(1, "abc", "z"), 0);
    EXPECT_EQ(InStr(9, "abc", "a"), 0);
}

TEST(Text, FixedLengthStringsOfCyrillicText) {
    const std::string label = "Обновление. Calc_Potr. конец.  Кол-во - 15";  // 42 characters
    const std::string padded = fixedLength(label, 80);
    EXPECT_EQ(Len(padded), 80);
    EXPECT_EQ(padded, label + std::string(38, ' '));
    std::string long85;
    for (int i = 0; i < 85; ++i)
        long85 += i % 2 ? "ж" : "Я";
    const std::string cut = fixedLength(long85, 80);
    EXPECT_EQ(Len(cut), 80);
    EXPECT_EQ(cut.size(), 160u);  // two bytes each: never cut inside a character
    EXPECT_EQ(cut, Left(long85, 80));
    FixedString buffer(8);
    EXPECT_EQ(buffer.str(), "        ");
    buffer = "Расчет";
    EXPECT_EQ(buffer.str(), "Расчет  ");
    buffer = "Расчет потребления";
    EXPECT_EQ(buffer.str(), "Расчет п");
}

TEST(Text, LikeIsCaseSensitiveWithWildcards) {
    struct Case {
        const char* text;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"Гкал/Тонн", "*Тонн*", true},
        {"Тонн", "*Тонн*", true},
        {"тонн", "*Тонн*", false},
        {"ТОНН", "*Тонн*", false},
        {"", "*", true},
        {"", "?", false},
        {"abc", "a?c", true},
        {"abc", "a*", true},
        {"abc", "*c", true},
        {"abc", "*b", false},
        {"aXbXc", "a*b*c", true},
        {"abcbd", "a*b?", true},
        {"a1", "a#", true},
        {"ab", "a#", false},
        {"b", "[a-c]", true},
        {"d", "[!a-c]", true},
        {"b", "[!a-c]", false},
        {"ё", "[а-я]", false},
        {"Я", "?", true},
        {"ЯЯ", "?", false},
        {"a*b", "a[*]b", true},
        {"abc", "abc", true},
        {"abc", "ab", false},
        {"ab", "abc", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Like(c.text, c.pattern), c.matches) << c.text << " Like " << c.pattern;
    }
    EXPECT_EQ(errorNumberOf([] { return Like("a", "[a"); }), kInvalidProcedureCall);
    EXPECT_TRUE(identical(likeOrNull(Variant(kNull), Variant("*Тонн*")), Variant(kNull)));
    EXPECT_FALSE(isTrue(likeOrNull(Variant(kNull), Variant("*Тонн*"))));
    EXPECT_TRUE(identical(likeOrNull(Variant("Тонн"), Variant("*Тонн*")), Variant(true)));
}

TEST(Text, VariantForms) {
    EXPECT_TRUE(identical(likeOrNull(Variant("a"), Variant(kNull)), Variant(kNull)));
    EXPECT_TRUE(identical(likeOrNull(Variant(int16_t{15}), Variant("1#")), Variant(true)));
    EXPECT_EQ(encodeUtf8(decodeUtf8("a€𝄞Я")), "a€𝄞Я");
    EXPECT_EQ(decodeUtf8("Я"), U"Я");
}

}  // namespace
}  // namespace oleaut
