// The hot-water enthalpy of the consumer, after its technology heat.

#include "library/consumption/hot_water_enthalpy.hpp"

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

KcalPerKg supplyWaterEnthalpy(Run& run, const oleaut::Variant& temperature) {
    // Gauge pressure plus 1: absolute. `Iv` may write its Null defaults back into its arguments;
    // they are copies here.
    oleaut::Variant pressure = run.source()[src::P1_гвс] + oleaut::Variant(int16_t{1});
    oleaut::Variant t = temperature;
    return run.fizPar().Iv(pressure, t);
}

void hotWaterEnthalpy(Run& run, ConsumerContext& c, MainRecordset&) {
    c.hotWaterEnthalpy = supplyWaterEnthalpy(run, run.source()[src::Тгв]);
}

}  // namespace kalvik::consumption
