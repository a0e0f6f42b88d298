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

}  // namespace
}  // namespace oleaut
