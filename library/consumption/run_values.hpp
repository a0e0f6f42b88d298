#pragma once
// Values fixed for a whole run, computed before any query.

#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

struct RunValues {
    double periodHours = 0;  // whole hours from `Нач` 00:00 to the day after `Кон` 00:00
    double monthHours = 0;   // hours of the month that holds `Кон`
    double periodShare = 0;  // period hours / month hours
};

// `monthHours` is `Ras_Vrem.Час_в_месяц` of `Кон`, which the run asks of its service.
RunValues runValues(oleaut::Date Нач, oleaut::Date Кон, double monthHours);

}  // namespace kalvik::consumption
