#pragma once
// Enthalpy of water at the consumer's hot-water supply pressure.

#include "library/consumption/run.hpp"

namespace kalvik::consumption {

// `Fiz_par.Iv` at the absolute pressure `P1_гвс` + 1 and the temperature given, kcal/kg.
[[nodiscard]] KcalPerKg supplyWaterEnthalpy(Run& run, const oleaut::Variant& temperature);

}  // namespace kalvik::consumption
