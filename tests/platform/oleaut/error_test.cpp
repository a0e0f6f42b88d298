#include "platform/oleaut/error.hpp"

#include <gtest/gtest.h>

#include <string>

namespace oleaut {
namespace {

TEST(Error, ClassicNumbersAndTexts) {
    struct Case {
        Error error;
        int32_t number;
        const char* text;
    };
    const Case cases[] = {
        {overflowError(), kOverflow, "Overflow"},
        {divisionByZeroError(), kDivisionByZero, "Division by zero"},
        {typeMismatchError(), kTypeMismatch, "Type mismatch"},
        {invalidUseOfNullError(), kInvalidUseOfNull, "Invalid use of Null"},
        {invalidProcedureCallError(), kInvalidProcedureCall, "Invalid procedure call or argument"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.number(), c.number);
        EXPECT_EQ(c.error.description(), c.text);
    }
}

TEST(Error, ContextKeepsTheNumber) {
    Error e = invalidUseOfNullError().withContext("consumer 12, column PAR");
    EXPECT_EQ(e.number(), kInvalidUseOfNull);
    EXPECT_EQ(e.description(), "consumer 12, column PAR: Invalid use of Null");
}

// An error's description is one line of valid UTF-8 of at most 1,000 bytes; what() says the same.
TEST(Error, DescriptionIsOneBoundedLineOfValidText) {
    const std::string ordinary =
        "Невозможно открыть \"/дом/BD/Virsel_Demo.mdf\": 'x' (C:\\BD) — 100 %";
    const std::string x997(997, 'x');
    struct Case {
        std::string given, expected;
    };
    const Case cases[] = {
        {ordinary, ordinary},
        {std::string(1000, 'x'), std::string(1000, 'x')},
        {"File a\nb.mdf", "File a\\nb.mdf"},
        {"a\r\tb\x1b\x7f", "a\\r\\tb\\x1B\\x7F"},
        {"a\u0085b\u2028c\u2029", "a\\u0085b\\u2028c\\u2029"},
        // Each byte that starts no character: stray, overlong, cut short, a surrogate.
        {"a\xff\xc0\x80", "a\uFFFD\uFFFD\uFFFD"},
        {"\xe2\x82|\xed\xa0\x80", "\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD"},
        {std::string(5000, 'x'), x997 + "…"},
        {[] {
             std::string s;
             for (int i = 0; i < 2500; ++i)
                 s += "ж";
             return s;
         }(),
         [] {
             std::string s;
             for (int i = 0; i < 498; ++i)
                 s += "ж";
             return s + "…";
         }()},
    };
    for (const Case& c : cases) {
        const Error e(kFileAlreadyExists, c.given);
        EXPECT_EQ(e.description(), c.expected);
        EXPECT_EQ(std::string(e.what()), c.expected);
    }
    // Context added to a cut description is cut again.
    EXPECT_EQ(Error(kOverflow, std::string(5000, 'x')).withContext("c").description(),
              "c: " + std::string(994, 'x') + "…");
}

}  // namespace
}  // namespace oleaut
