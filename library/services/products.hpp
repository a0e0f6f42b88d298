#pragma once
// A product of the heat formulas, evaluated from left to right in variant arithmetic: a Null
// factor makes it Null, an overflow fails. Numbers of the pass (hours, coefficients) and fields
// of the rows may be mixed freely.

#include "platform/oleaut/variant.hpp"

namespace kalvik {

template <class... Factors>
[[nodiscard]] oleaut::Variant product(const oleaut::Variant& first, const Factors&... factors) {
    oleaut::Variant result = first;
    ((result = result * oleaut::Variant(factors)), ...);
    return result;
}

}  // namespace kalvik
