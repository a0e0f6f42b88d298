#pragma once
// The consumption calculation of kalvik demo: Ras_Potr over the demonstration database's current
// period for each variant (the month) and, after the month's other calculations, for the revisions.

#include <string>

#include "platform/com/registry.hpp"

namespace host {

enum class ConsumptionRuns { Month, Revisions };

// Runs each calculation through the registered library and prints per run the consumers, the
// result rows written and the elapsed time; a failed run prints its error. False when one failed.
bool runConsumptionDemo(const com::Registry& registry, const std::string& connectionString,
                        ConsumptionRuns runs);

}  // namespace host
