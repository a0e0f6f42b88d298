#pragma once
// The loss modes of a consumer ("Расчет с потерями" for its own losses and leaks, "Подкл с
// потерями" for the losses of its connected load): a small integer 0 to 3.

#include <cstdint>
#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// The mode the field holds, 0 to 3. Any other value, Null included, would leave the columns of
// the mode unset and the row wrong; it fails at once naming the column and the value.
[[nodiscard]] int16_t lossMode(const oleaut::Variant& value, std::string_view column);

// Under modes 0 and 1 a consumer's own losses and leaks are not counted; under 2 and 3 the loss
// total goes into `Потери`.
[[nodiscard]] inline bool ownLossesCounted(int16_t mode) {
    return mode >= 2;
}

}  // namespace kalvik::consumption
