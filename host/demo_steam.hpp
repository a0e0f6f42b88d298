#pragma once
// The steam calculation of kalvik demo: Ras_Potr_Par over the consumption results of the current
// period, for the actual, plan and contract variants.

#include <string>

#include "platform/com/registry.hpp"

namespace host {

// Runs each variant through the registered library and prints the steam consumers, the result
// rows written and the elapsed time; a failed run prints its error. False when one failed.
bool runSteamDemo(const com::Registry& registry, const std::string& connectionString);

}  // namespace host
