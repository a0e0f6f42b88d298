#pragma once
// The load update of kalvik demo, the month's first step: Vent.CalculationVent_old with the
// current period's cold-water temperature, then Vent.CalculationVent, whose values stand for the
// calculations that follow.

#include <string>

#include "platform/com/registry.hpp"

namespace host {

// Runs both through the registered library and prints per run the units updated and the elapsed
// time; a failed run prints its error. False when one failed.
bool runLoadUpdateDemo(const com::Registry& registry, const std::string& connectionString);

}  // namespace host
