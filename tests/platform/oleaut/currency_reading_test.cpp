#include "platform/oleaut/currency_reading.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace oleaut {
namespace {

using Outcome = CurrencyReading::Outcome;

TEST(CurrencyReading, ReadsTheWholeRangeExactly) {
    struct Case {
        const char* text;
        Outcome outcome;
        int64_t raw;  // ten-thousandths, when read
    };
    const Case cases[] = {
        {"922337203685477.5807", Outcome::Read, std::numeric_limits<int64_t>::max()},
        {"-922337203685477.5808", Outcome::Read, std::numeric_limits<int64_t>::min()},
        {"922337203685477.5808", Outcome::OutOfRange, 0},
        {"-922337203685477.5809", Outcome::OutOfRange, 0},
        {"10000000000000000", Outcome::OutOfRange, 0},
        {"1234.56", Outcome::Read, 12345600},
        {"+.25", Outcome::Read, 2500},
        {"7.", Outcome::Read, 70000},
        {"-0", Outcome::Read, 0},
        {"000000000000000000000000012", Outcome::Read, 120000},
        {"1.234500", Outcome::Read, 12345},
        {"0.00001", Outcome::FifthDecimal, 0},
        {"1.23456", Outcome::FifthDecimal, 0},
        {"", Outcome::NotADecimal, 0},
        {"-", Outcome::NotADecimal, 0},
        {".", Outcome::NotADecimal, 0},
        {"1e3", Outcome::NotADecimal, 0},
        {"1.2.3", Outcome::NotADecimal, 0},
        {" 1", Outcome::NotADecimal, 0},
        {"--1", Outcome::NotADecimal, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CurrencyReading reading = readCurrency(c.text);
        EXPECT_EQ(reading.outcome, c.outcome);
        if (c.outcome == Outcome::Read) {
            EXPECT_EQ(reading.value.raw, c.raw);
        }
    }
}

}  // namespace
}  // namespace oleaut
