#pragma once
// The variants of the steam calculation: the source procedure and the result table of each, and
// the rule that chooses one by `План` and `Дог`.

#include <cstdint>
#include <string_view>

#include "library/services/contract_switch.hpp"

namespace kalvik::steam {

struct SteamVariant {
    std::string_view procedure;  // source rows, no parameters
    std::string_view table;      // result rows, appended

    friend bool operator==(const SteamVariant&, const SteamVariant&) = default;
};

inline constexpr SteamVariant kActual{"pr_Isxod_Potr_Par", "Res_Potreb_Par"};
inline constexpr SteamVariant kContract{"pr_Isxod_Potr_Par_Dog", "Res_Potreb_Par_Dog"};
inline constexpr SteamVariant kPlan{"pr_Isxod_Potr_Par_Plan", "Res_Potreb_Par_Plan"};

// `План` 0 is the actual variant whatever `Дог` holds; otherwise "Дог" selects the contract
// variant and anything else the plan variant.
[[nodiscard]] constexpr SteamVariant chooseSteamVariant(int16_t plan, std::string_view dog) {
    if (plan == 0) return kActual;
    return isContract(dog) ? kContract : kPlan;
}

}  // namespace kalvik::steam
