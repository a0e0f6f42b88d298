#pragma once
// The period of a run in hours and as a share of its month: fixed for the whole run, computed
// before any query.

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

struct RunPeriod {
    Hours periodHours = 0;       // whole hours from `Нач` 00:00 to the day after `Кон` 00:00
    Hours monthHours = 0;        // hours of the month that holds `Кон`
    MonthShare periodShare = 0;  // period hours / month hours
};

// `monthHours` is `Ras_Vrem.Час_в_месяц` of `Кон`, which the run asks of its service.
[[nodiscard]] RunPeriod runPeriod(oleaut::Date Нач, oleaut::Date Кон, Hours monthHours);

// The period a run can bill, checked before it reads or writes anything. A period whose first day
// comes after its last would bill everything nothing: Invalid procedure call naming both dates. A
// period of more days than the working hours can count (about 89 years) would fail at the first
// consumer: Overflow naming both dates.
void requireBillablePeriod(oleaut::Date Нач, oleaut::Date Кон);

}  // namespace kalvik
