#pragma once
// A decimal text read exactly as a currency: digit by digit into the scaled 64-bit integer, never
// through a double, so that every value from -922337203685477.5808 to 922337203685477.5807 is
// reached and none is rounded.

#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace oleaut {

struct CurrencyReading {
    enum class Outcome {
        Read,
        NotADecimal,   // not a sign, digits and a point
        OutOfRange,    // beyond the smallest or the largest currency value
        FifthDecimal,  // a digit other than 0 below the fourth decimal
    };
    Outcome outcome = Outcome::NotADecimal;
    Currency value;  // when read
};

// An optional sign, digits, an optional point and decimals, with a digit on at least one side of
// the point ("-12.5", "+.25", "7."); zeros past the fourth decimal change nothing.
[[nodiscard]] CurrencyReading readCurrency(std::string_view text);

}  // namespace oleaut
