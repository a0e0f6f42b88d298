#pragma once
// The contract switch of the calculations: their argument `Дог` selects the contract figures only
// when it is exactly "Дог" (letter case and blanks count).

#include <string_view>

namespace kalvik {

[[nodiscard]] constexpr bool isContract(std::string_view dog) {
    return dog == "Дог";
}

}  // namespace kalvik
