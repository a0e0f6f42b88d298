#pragma once
// A variant read as a number for the operators: Empty as Integer 0, Boolean as Integer -1 / 0, a
// text as the Double it reads as. Null is handled by each operator before.

#include <cstdint>

#include "platform/oleaut/variant.hpp"

namespace oleaut::detail {

struct Operand {
    VarType kind;       // Integer, Long, Single, Double, Currency or Date
    int64_t whole = 0;  // Integer, Long; Currency as its scaled raw value
    double real = 0.0;  // Single, Double, Date

    [[nodiscard]] double toDouble() const;
    [[nodiscard]] Currency toCurrency() const;
    // Nearest whole number, halves to even; Overflow outside the 32-bit range.
    [[nodiscard]] int32_t toLong() const;
};

[[nodiscard]] Operand operand(const Variant& v);

// A whole result in the narrowest of Integer (when `kind` is Integer) or Long; Integer overflow
// becomes Long, Long overflow Double.
[[nodiscard]] Variant wholeResult(int64_t value, VarType kind);

// value / divisor (divisor > 0) to the nearest whole number, halves to even: the exact rounding of
// scaled currency values.
[[nodiscard]] __int128 divideHalfEven(__int128 value, int64_t divisor);

// A scaled value worked out in 128 bits as a Currency; Overflow outside the 64-bit range.
[[nodiscard]] Currency currencyOf(__int128 raw);

// Nearest whole number of a finite double, halves to even, checked against [low, high].
[[nodiscard]] int64_t roundToWhole(double value, int64_t low, int64_t high);

}  // namespace oleaut::detail
