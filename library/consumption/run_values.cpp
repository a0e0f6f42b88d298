#include "library/consumption/run_values.hpp"

#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {

RunValues runValues(oleaut::Date Нач, oleaut::Date Кон, double monthHours) {
    RunValues v;
    v.periodHours = static_cast<double>(oleaut::DateDiff("h", Нач, oleaut::addDays(Кон, 1)));
    v.monthHours = monthHours;
    v.periodShare = v.periodHours / v.monthHours;
    return v;
}

}  // namespace kalvik::consumption
