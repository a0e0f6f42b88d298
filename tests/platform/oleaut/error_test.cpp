#include "platform/oleaut/error.hpp"

#include <gtest/gtest.h>

namespace oleaut {
namespace {

TEST(Error, ClassicNumbersAndTexts) {
    struct Case {
        Error error;
        int32_t number;
        const char* text;
    };
    const Case cases[] = {
        {overflowError(), 6, "Overflow"},
        {divisionByZeroError(), 11, "Division by zero"},
        {typeMismatchError(), 13, "Type mismatch"},
        {invalidUseOfNullError(), 94, "Invalid use of Null"},
        {invalidProcedureCallError(), 5, "Invalid procedure call or argument"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.number(), c.number);
        EXPECT_EQ(c.error.description(), c.text);
    }
}

TEST(Error, ContextKeepsTheNumber) {
    Error e = invalidUseOfNullError().withContext("consumer 12, column PAR");
    EXPECT_EQ(e.number(), 94);
    EXPECT_EQ(e.description(), "consumer 12, column PAR: Invalid use of Null");
}

}  // namespace
}  // namespace oleaut
