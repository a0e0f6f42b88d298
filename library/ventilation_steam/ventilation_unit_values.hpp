#pragma once
// The working values of one ventilation unit, recomputed for each source row.

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

struct UnitValues {
    Hours working = 0;     // hours the unit works in the period
    Hours outage = 0;      // its short outages (rounded under the switch)
    Hours longOutage = 0;  // its long outages, weighted
    MonthShare share = 0;  // Доля: (period hours - long outages) / month hours, at least 0
    Hours net = 0;         // working less outage hours, at least 0

    // The design temperatures: the unit's row read as numbers, or the city's of a revision.
    Celsius Тнро_рт = 0;
    Celsius Тнрво = 0;
    Celsius Тнро_нач = 0;

    // Coefficients of the heat and leak products, read as numbers.
    double Кбал_кот = 0;
    double K_Q_sn_ny = 0;
    double Кбал_G = 0;
    double K_G_sn_ny = 0;
    double Кцирк = 0;
    double КциркМО = 0;
    double Коэфф_Перетопа = 0;
    double КотоплМО = 0;
    double heatingMultiplier = 0;  // `КотоплМО`, or 1 in summer ventilation

    double lossFactor = 0;  // the specific-load function of `Тпот_вент`
    double loadFactor = 0;  // the specific-load function of `Qв_расч`

    // net hours × Кбал_кот × Кцирк × КциркМО × heating multiplier × Коэфф_Перетопа × K_Q_sn_ny,
    // multiplied in this order.
    double coefficientProduct() const {
        return net * Кбал_кот * Кцирк * КциркМО * heatingMultiplier * Коэфф_Перетопа * K_Q_sn_ny;
    }
};

}  // namespace kalvik::ventilation
