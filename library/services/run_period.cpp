#include "library/services/run_period.hpp"

#include "platform/oleaut/datetime.hpp"

namespace kalvik {

RunPeriod runPeriod(oleaut::Date Нач, oleaut::Date Кон, Hours monthHours) {
    RunPeriod period;
    period.periodHours = static_cast<double>(oleaut::DateDiff("h", Нач, oleaut::addDays(Кон, 1)));
    period.monthHours = monthHours;
    period.periodShare = period.periodHours / period.monthHours;
    return period;
}

}  // namespace kalvik
