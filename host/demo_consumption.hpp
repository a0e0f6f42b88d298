#pragma once
// The consumption calculation of kalvik demo: Ras_Potr over the demonstration database's current
// period for each variant (the month) and, after the month's other calculations, for the revisions.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/registry.hpp"
#include "platform/oleaut/variant.hpp"

namespace host {

enum class ConsumptionRuns { Month, Revisions };

// Runs each calculation through the registered library and prints per run the consumers, the
// result rows written and the elapsed time; a failed run prints its error. False when one failed.
bool runConsumptionDemo(const com::Registry& registry, const std::string& connectionString,
                        ConsumptionRuns runs);

// Calls a method through the registered library and returns its seconds; a failure prints its
// error and gives none.
std::optional<double> timedCall(const com::Registry& registry, const char* className,
                                const char* method, std::vector<oleaut::Variant>& arguments);

// The number of rows of a table.
int32_t tableRows(const std::string& connectionString, const std::string& table);

}  // namespace host
