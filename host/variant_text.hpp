#pragma once
// The host's words for values: reading a command-line argument into a variant and writing a
// variant as "TYPE VALUE".

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace host {

// A command-line word that is no valid argument.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// null, empty, true, false, int:N, long:N, single:X, double:X, cy:X, date:YYYY-MM-DD,
// date:YYYY-MM-DDTHH:MM[:SS], str:TEXT; a bare number is a Double, a bare YYYY-MM-DD a Date, any
// other word a String. A malformed or out-of-range typed word: UsageError; so is a bare number
// with more than one sign ("+-1", "--1"). cy:X is read exactly (a sign, digits, a point, at most
// four decimals), never through a double. UsageError is the only failure.
oleaut::Variant parseArgument(std::string_view word);

// "TYPE VALUE": numbers in their shortest round-trip form with "." as the decimal separator, dates
// as YYYY-MM-DD HH:MM:SS, text as it is; Empty, Null and Object as the type name alone.
std::string describe(const oleaut::Variant& value);

}  // namespace host
