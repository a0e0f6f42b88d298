#pragma once
// Rules of the network's water that the consumption calculation and the load update share.

#include <cstdint>

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

// A row's gauge pressure (kgf/cm²) as the water and steam properties take it: absolute, the
// gauge value + 1. A Null pressure stays Null.
[[nodiscard]] inline oleaut::Variant absolutePressure(const oleaut::Variant& gauge) {
    return gauge + oleaut::Variant(int16_t{1});
}

// A hot-water enthalpy (kcal/kg) that is not at least 0.1 above 40 counts as 42.
[[nodiscard]] constexpr KcalPerKg hotWaterEnthalpyFloor(KcalPerKg enthalpy) {
    return enthalpy - 40 < 0.1 ? 42 : enthalpy;
}

}  // namespace kalvik
