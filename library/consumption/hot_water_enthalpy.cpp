// The hot-water enthalpy of the consumer, after its technology heat.

#include "library/consumption/hot_water_enthalpy.hpp"

#include "library/consumption/phases.hpp"
#include "library/services/network_water.hpp"

namespace kalvik::consumption {

KcalPerKg supplyWaterEnthalpy(Run& run, const oleaut::Variant& temperature) {
    // `Iv` may write its Null defaults back into its arguments; they are copies here.
    oleaut::Variant pressure = absolutePressure(run.source()[src::P1_гвс]);
    oleaut::Variant t = temperature;
    return run.fizPar().Iv(pressure, t);
}

void hotWaterEnthalpy(Run& run, ConsumerContext& c, MainRecordset&) {
    c.hotWaterEnthalpy = supplyWaterEnthalpy(run, run.source()[src::Тгв]);
}

}  // namespace kalvik::consumption
