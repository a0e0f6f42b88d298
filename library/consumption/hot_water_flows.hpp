#pragma once
// Hot-water flows of an open system: the masses of water that the month's hot-water and
// technological hot-water heat stand for, from the enthalpy difference of hot and cold water, or
// from the consumer's coefficient in Gcal per tonne.

#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// A hot-water enthalpy (kcal/kg) that is not at least 0.1 above 40 counts as 42.
double hotWaterEnthalpyFloor(double enthalpy);

struct FlowInputs {
    double Qгвс = 0;     // Gcal of the month
    double Qтехгвс = 0;  // Gcal of the month
    double Кбал_G = 0;
    double K_G_sn_ny = 0;
    double K_G_gvs = 0;        // Gcal per tonne; 0 when the consumer has none
    oleaut::Variant QGVS_pr;   // multiplier of the hot-water flow
    oleaut::Variant QTGVS_pr;  // multiplier of the technological hot-water flow
    double hotEnthalpy = 0;    // after the floor
    double coldEnthalpy = 0;
    double consumerEnthalpy = 0;  // at the consumer's own hot-water temperature
};

// Tonnes of the month, unrounded.
struct OpenSystemFlows {
    double hotWater = 0;               // by the coefficient when there is one
    double technologicalHotWater = 0;  // by the coefficient when there is one
    double hotWaterAtConsumer = 0;     // by the consumer's enthalpy, no coefficient
    double technologicalHotWaterAtConsumer = 0;
    double loadBasedHotWater = 0;  // by the enthalpies, with the coefficients of water
    double loadBasedTechnologicalHotWater = 0;
};

// Heat × 1000 / enthalpy difference × `Кбал_G` × `K_G_sn_ny` × multiplier; with a coefficient,
// heat / `K_G_gvs` × the same coefficients. A zero difference fails with Division by zero, a Null
// multiplier naming its column.
OpenSystemFlows openSystemFlows(const FlowInputs& in);

}  // namespace kalvik::consumption
