#pragma once
// The loss modes of a consumer ("Расчет с потерями" for its own losses and leaks, "Подкл с
// потерями" for the losses of its connected load): a small integer 0 to 3.

#include <cstdint>
#include <optional>
#include <string_view>

#include "library/consumption/revision_traits.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// The mode the field holds, 0 to 3, or none for any other value, Null included.
[[nodiscard]] std::optional<int16_t> knownMode(const oleaut::Variant& value,
                                               std::string_view column);

// The mode the field holds, 0 to 3. Any other value, Null included, would leave the columns of
// the mode unset and the row wrong; it fails at once naming the column and the value.
[[nodiscard]] int16_t lossMode(const oleaut::Variant& value, std::string_view column);

// The mode under the method's rule: a method that does not fail at once on an unknown mode gets
// none and leaves the mode's columns as the new row holds them.
[[nodiscard]] std::optional<int16_t> modeOf(const RevisionTraits& traits,
                                            const oleaut::Variant& value, std::string_view column);

// A column that an unknown mode left unwritten, read back as a number: when the row holds no
// number there, the failure names the column and the mode's value.
[[nodiscard]] double numberAfterMode(const oleaut::Variant& written, std::string_view column,
                                     std::optional<int16_t> mode, std::string_view modeColumn,
                                     const oleaut::Variant& modeValue);

// Under modes 0 and 1 a consumer's own losses and leaks are not counted; under 2 and 3 the loss
// total goes into `Потери`.
[[nodiscard]] inline bool ownLossesCounted(int16_t mode) {
    return mode >= 2;
}

}  // namespace kalvik::consumption
