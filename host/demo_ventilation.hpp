#pragma once
// The ventilation calculation of kalvik demo: Ras_Vent.Ras_Calc_Vent over the demonstration
// database's current period for each variant, before the consumption calculation sums its rows.

#include <string>

#include "platform/com/registry.hpp"

namespace host {

// Runs each variant through the registered library and prints per run the units, the result rows
// written and the elapsed time; a failed run prints its error. False when one failed.
bool runVentilationDemo(const com::Registry& registry, const std::string& connectionString);

// After the month: the revisions Ras_Calc_Vent_03_01_05 on the plan figures and
// Ras_Calc_Vent_23_10_04 on the contract figures, printed alike.
bool runVentilationRevisionsDemo(const com::Registry& registry,
                                 const std::string& connectionString);

}  // namespace host
