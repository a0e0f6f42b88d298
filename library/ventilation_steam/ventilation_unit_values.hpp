#pragma once
// The values of one ventilation unit that its phases compute and pass on, each returned by the
// one phase that computes it (ventilation_phases.hpp).

#include "library/units/units.hpp"

namespace kalvik::ventilation {

// The T12 load and loss factors of the revisions, never assigned: every T12 heat and loss column
// comes out 0, as the stored rows hold them and as the consumption revision of 02.01.05 reads them
// back. They could not come from `ФРасчВентТ12` anyway, since the revisions read neither `Т1` nor
// `Т2`. Hence no T12 heat is ever computed. Were it computed one day, note that the revisions put
// the leak product into `Утвент12_п` when `Тнач` is -11 or `GorTnrvr`, else into `Утвент26_п`:
// a `Тнач` of -11 that is not `GorTnrvr` has its leaks in `Утвент26_п` already, so both columns
// would hold them and `Утечки_вент_м3` would count them twice.
inline constexpr double kT12Factor = 0;

// The design temperatures: the unit's row read as numbers, or the city's of a revision.
struct DesignTemperatures {
    Celsius Тнро_рт = 0;   // design outdoor temperature of heating
    Celsius Тнрво = 0;     // design outdoor temperature of ventilation
    Celsius Тнро_нач = 0;  // outdoor temperature at which heating starts
};

// Coefficients of the heat and leak products, read as numbers.
struct UnitCoefficients {
    double Кбал_кот = 0;
    double K_Q_sn_ny = 0;
    double Кбал_G = 0;
    double K_G_sn_ny = 0;
    double Кцирк = 0;
    double КциркМО = 0;
    double Коэфф_Перетопа = 0;
    double КотоплМО = 0;
    double heatingMultiplier = 0;  // `КотоплМО`, or 1 in summer ventilation
};

// The specific-load factors: the specific-load function of `Тпот_вент` and of `Qв_расч`.
struct LoadFactors {
    double loss = 0;
    double load = 0;
};

// net hours × Кбал_кот × Кцирк × КциркМО × heating multiplier × Коэфф_Перетопа × K_Q_sn_ny,
// multiplied in this order.
[[nodiscard]] inline double coefficientProduct(Hours net, const UnitCoefficients& k) {
    return net * k.Кбал_кот * k.Кцирк * k.КциркМО * k.heatingMultiplier * k.Коэфф_Перетопа *
           k.K_Q_sn_ny;
}

}  // namespace kalvik::ventilation
