#include "library/services/run_period.hpp"

#include <string>

#include "library/services/working_time.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/error.hpp"

namespace kalvik {

RunPeriod runPeriod(oleaut::Date Нач, oleaut::Date Кон, Hours monthHours) {
    RunPeriod period;
    period.periodHours = static_cast<double>(oleaut::DateDiff("h", Нач, oleaut::addDays(Кон, 1)));
    period.monthHours = monthHours;
    period.periodShare = period.periodHours / period.monthHours;
    return period;
}

void requireBillablePeriod(oleaut::Date Нач, oleaut::Date Кон) {
    if (oleaut::DateDiff("d", Кон, Нач) > 0) {
        throw oleaut::Error(oleaut::kInvalidProcedureCall,
                            "Invalid procedure call or argument: the period is reversed: Нач " +
                                oleaut::isoDate(Нач) + " is after Кон " + oleaut::isoDate(Кон));
    }
    if (working_time::periodDays(Нач, Кон) > working_time::kMostPeriodDays) {
        throw oleaut::Error(oleaut::kOverflow,
                            "Overflow: the period from Нач " + oleaut::isoDate(Нач) + " to Кон " +
                                oleaut::isoDate(Кон) + " is too long: more than " +
                                std::to_string(working_time::kMostPeriodDays) + " days");
    }
}

}  // namespace kalvik
