#pragma once
// Hot-water flows of an open system: the masses of water that the month's hot-water and
// technological hot-water heat stand for, from the enthalpy difference of hot and cold water, or
// from the consumer's coefficient in Gcal per tonne.

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

struct FlowInputs {
    Gcal Qгвс = 0;     // of the month
    Gcal Qтехгвс = 0;  // of the month
    double Кбал_G = 0;
    double K_G_sn_ny = 0;
    GcalPerTonne K_G_gvs = 0;   // 0 when the consumer has none
    oleaut::Variant QGVS_pr;    // multiplier of the hot-water flow
    oleaut::Variant QTGVS_pr;   // multiplier of the technological hot-water flow
    KcalPerKg hotEnthalpy = 0;  // after the floor
    KcalPerKg coldEnthalpy = 0;
    KcalPerKg consumerEnthalpy = 0;  // at the consumer's own hot-water temperature
    // Divides the hot-water and technological hot-water flows by the boiler balance.
    bool perBoilerBalance = false;
    double Кбал_кот = 1;
};

// Tonnes of the month, unrounded.
struct OpenSystemFlows {
    Tonnes hotWater = 0;               // by the coefficient when there is one
    Tonnes technologicalHotWater = 0;  // by the coefficient when there is one
    Tonnes hotWaterAtConsumer = 0;     // by the consumer's enthalpy, no coefficient
    Tonnes technologicalHotWaterAtConsumer = 0;
    Tonnes loadBasedHotWater = 0;  // by the enthalpies, with the coefficients of water
    Tonnes loadBasedTechnologicalHotWater = 0;
};

// Heat × 1000 / enthalpy difference × `Кбал_G` × `K_G_sn_ny` × multiplier; with a coefficient,
// heat / `K_G_gvs` × the same coefficients; per boiler balance, divided by `Кбал_кот` at the end.
// A zero difference (or balance) fails with Division by zero, a Null
// multiplier naming its column.
[[nodiscard]] OpenSystemFlows openSystemFlows(const FlowInputs& in);

}  // namespace kalvik::consumption
