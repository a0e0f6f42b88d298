#pragma once
// The heating network's temperature schedule: supply and return water temperatures at an outdoor
// temperature, from the schedule's design temperatures and the relative heat load.

#include "platform/oleaut/variant.hpp"

namespace kalvik::temperature_schedule {

using oleaut::Variant;

struct Temperatures {
    Variant T1;  // supply
    Variant T2;  // return
};

// tv, tn: indoor and outdoor temperature; tvr, tnro: design indoor and outdoor temperature;
// t1r, t2r: design supply and return temperature; t3r: design temperature entering the heating
// installation. A Null among tv, tn, tvr, tnro gives Null temperatures; tvr = tnro fails with
// Division by zero.
Temperatures ТемперГрафик(const Variant& tv, const Variant& tn, const Variant& tvr,
                          const Variant& tnro, const Variant& t1r, const Variant& t2r,
                          const Variant& t3r);

}  // namespace kalvik::temperature_schedule
