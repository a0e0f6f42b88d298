#include "library/consumption/run_period.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/datetime.hpp"

namespace kalvik::consumption {
namespace {

using oleaut::DateSerial;

TEST(RunPeriod, PeriodHoursMonthHoursAndShare) {
    struct Case {
        oleaut::Date first, last;
        double monthHours;
        double periodHours, share;
    };
    const Case cases[] = {
        // A whole winter month.
        {DateSerial(2009, 1, 1), DateSerial(2009, 1, 31), 744, 744, 1},
        // One day.
        {DateSerial(2009, 1, 10), DateSerial(2009, 1, 10), 744, 24, 24.0 / 744},
        // Half of June.
        {DateSerial(2009, 6, 1), DateSerial(2009, 6, 15), 720, 360, 0.5},
        // Across a month's end: eleven days, shared out over May.
        {DateSerial(2009, 4, 25), DateSerial(2009, 5, 5), 744, 264, 264.0 / 744},
        // February of a leap year.
        {DateSerial(2008, 2, 1), DateSerial(2008, 2, 29), 696, 696, 1},
    };
    for (const Case& c : cases) {
        const RunPeriod v = runPeriod(c.first, c.last, c.monthHours);
        EXPECT_EQ(v.periodHours, c.periodHours);
        EXPECT_EQ(v.monthHours, c.monthHours);
        EXPECT_DOUBLE_EQ(v.periodShare, c.share);
    }
}

}  // namespace
}  // namespace kalvik::consumption
