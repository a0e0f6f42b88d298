#pragma once
// Numbers to text and back with the regional settings: the general form of CStr and "&", the
// fixed-decimal form of Format(x, "#,##0.00"), and the reading of number text.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/oleaut/regional.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {

// General form: no grouping, the regional decimal separator, at most `significant` significant
// digits (15 for Double, 7 for Single), trailing zeros dropped; in exponent form ("1E+20",
// "9.5E-07") below 1E-4 and from 10^significant on.
[[nodiscard]] std::string numberText(double value, int significant = 15,
                                     const RegionalSettings& settings = regionalSettings());
[[nodiscard]] std::string integerText(int64_t value);
[[nodiscard]] std::string currencyText(Currency value,
                                       const RegionalSettings& settings = regionalSettings());

// Exactly `decimals` decimals, halves away from zero (judged on the shortest round-trip text),
// the regional separators, grouping when asked; "-" only on a non-zero result.
[[nodiscard]] std::string formatFixed(double value, int decimals, bool grouping = true,
                                      const RegionalSettings& settings = regionalSettings());

// Format(x, pattern) for numeric patterns built of "0", "#", "," and "." with literal text before
// and after ("#,##0.00", "0.000", "#.##", "0 сек"), and the named forms "Fixed" and "Standard".
// A Date is written with the pattern as a date pattern (datetime.hpp: "dd.MM.yyyy HH:mm").
// Null and Empty give "", a text that is not a number is returned as it is.
[[nodiscard]] std::string Format(const Variant& value, std::string_view pattern,
                                 const RegionalSettings& settings = regionalSettings());

// Reads a number written with the regional decimal separator (grouping separators, a sign and an
// exponent allowed, blanks around ignored). Not a number: Type mismatch; too large: Overflow.
[[nodiscard]] double parseNumber(std::string_view text,
                                 const RegionalSettings& settings = regionalSettings());

}  // namespace oleaut
