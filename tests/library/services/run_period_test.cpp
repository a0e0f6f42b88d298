#include "library/services/run_period.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/datetime.hpp"

namespace kalvik {
namespace {

using oleaut::DateSerial;

TEST(RunPeriod, PeriodHoursMonthHoursAndShare) {
    struct Case {
        oleaut::Date first, last;
        Hours monthHours = 0;
        Hours periodHours = 0;
        MonthShare share = 0;
    };
    const Case cases[] = {
        // A whole winter month.
        {.first = DateSerial(2009, 1, 1),
         .last = DateSerial(2009, 1, 31),
         .monthHours = 744,
         .periodHours = 744,
         .share = 1},
        // One day.
        {.first = DateSerial(2009, 1, 10),
         .last = DateSerial(2009, 1, 10),
         .monthHours = 744,
         .periodHours = 24,
         .share = 24.0 / 744},
        // Half of June.
        {.first = DateSerial(2009, 6, 1),
         .last = DateSerial(2009, 6, 15),
         .monthHours = 720,
         .periodHours = 360,
         .share = 0.5},
        // Across a month's end: eleven days, shared out over May.
        {.first = DateSerial(2009, 4, 25),
         .last = DateSerial(2009, 5, 5),
         .monthHours = 744,
         .periodHours = 264,
         .share = 264.0 / 744},
        // February of a leap year.
        {.first = DateSerial(2008, 2, 1),
         .last = DateSerial(2008, 2, 29),
         .monthHours = 696,
         .periodHours = 696,
         .share = 1},
    };
    for (const Case& c : cases) {
        const RunPeriod v = runPeriod(c.first, c.last, c.monthHours);
        EXPECT_EQ(v.periodHours, c.periodHours);
        EXPECT_EQ(v.monthHours, c.monthHours);
        EXPECT_DOUBLE_EQ(v.periodShare, c.share);
    }
}

}  // namespace
}  // namespace kalvik
