#include "library/services/fiz_par.hpp"

#include <cstdint>

#include "library/services/air_properties.hpp"
#include "library/services/saturation_steam.hpp"
#include "library/services/water_properties.hpp"

namespace kalvik {
namespace {

// A Null argument is replaced in the caller's variable by an Integer value.
void replaceNull(oleaut::Variant& argument, int16_t value) {
    if (argument.isNull()) argument = oleaut::Variant(value);
}

struct PressureAndTemperature {
    double PV;
    double tv;
};

// A Null pressure becomes 1 kgf/cm² before it is read, a Null temperature 0 °C after the pressure
// was read: with both arguments one Null variable, the call computes at 1 °C.
PressureAndTemperature readWaterState(oleaut::Variant& PV, oleaut::Variant& tv) {
    replaceNull(PV, 1);
    const double pressure = oleaut::CDbl(PV);
    replaceNull(tv, 0);
    return {pressure, oleaut::CDbl(tv)};
}

}  // namespace

// The arguments are read as numbers: Null fails with Invalid use of Null, Empty counts as 0.

float Fiz_par::Ivs(oleaut::Variant& tv) {
    return water::Ivs(oleaut::CDbl(tv));
}

float Fiz_par::Vvs(oleaut::Variant& tv) {
    return water::Vvs(oleaut::CDbl(tv));
}

float Fiz_par::Tsp(oleaut::Variant& pp) {
    return steam::Tsp(oleaut::CDbl(pp));
}

float Fiz_par::Isp(oleaut::Variant& pp) {
    return steam::Isp(oleaut::CDbl(pp));
}

float Fiz_par::Iv(oleaut::Variant& PV, oleaut::Variant& tv) {
    const PressureAndTemperature state = readWaterState(PV, tv);
    return water::Iv(state.PV, state.tv);
}

float Fiz_par::Vsp(oleaut::Variant& pp) {
    return steam::Vsp(oleaut::CDbl(pp));
}

float Fiz_par::Vv(oleaut::Variant& PV, oleaut::Variant& tv) {
    const PressureAndTemperature state = readWaterState(PV, tv);
    return water::Vv(state.PV, state.tv);
}

oleaut::Variant Fiz_par::Muvs(oleaut::Variant& tv) {
    return oleaut::Variant(steam::Muvs(oleaut::CDbl(tv)));
}

float Fiz_par::nu_vozd(oleaut::Variant& tvozd) {
    return air::nu_vozd(oleaut::CDbl(tvozd));
}

float Fiz_par::lb_vozd(oleaut::Variant& tvozd) {
    return air::lb_vozd(oleaut::CDbl(tvozd));
}

float Fiz_par::Pr_vozd(oleaut::Variant& tvozd) {
    return air::Pr_vozd(oleaut::CDbl(tvozd));
}

}  // namespace kalvik
