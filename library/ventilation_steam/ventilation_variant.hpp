#pragma once
// The database objects of a ventilation run and the variant rule that chooses its result table.

#include <cstdint>
#include <string_view>

#include "library/services/contract_switch.hpp"

namespace kalvik::ventilation {

// Unit rows, one per ventilation unit; parameter "План", timeout 1200 seconds.
inline constexpr std::string_view kSourceProcedure = "pr_Isx_Vent_Potr";
inline constexpr std::string_view kOutagesProcedure = "pr_Otkl_vent_filtf";
inline constexpr std::string_view kLongOutagesProcedure = "pr_Otkl_vent_Dlit";
// Plan outages of the revisions, the unit given as `NN_вент`.
inline constexpr std::string_view kPlanOutagesProcedure = "pr_Otkl_vent_Plan";

// Client-side filters that narrow an outage set to one unit, followed by its `NN_вент`.
inline constexpr std::string_view kOutageFilter = "[NNвентотк] = ";
inline constexpr std::string_view kLongOutageFilter = "[NNВентТабл] = ";
inline constexpr std::string_view kPlanOutageFilter = "[NN_вент] = ";

// `Дог` exactly "Дог" (case included) -> the contract table whatever `План` is; otherwise
// `План` not 0 -> the plan table; otherwise the actual table.
[[nodiscard]] std::string_view resultTable(int16_t plan, std::string_view dog);

}  // namespace kalvik::ventilation
