#include "library/services/run_period.hpp"

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

void requireForwardPeriod(oleaut::Date Нач, oleaut::Date Кон) {
    if (oleaut::DateDiff("d", Кон, Нач) > 0) {
        throw oleaut::Error(oleaut::kInvalidProcedureCall,
                            "Invalid procedure call or argument: the period is reversed: Нач " +
                                oleaut::isoDate(Нач) + " is after Кон " + oleaut::isoDate(Кон));
    }
}

}  // namespace kalvik
