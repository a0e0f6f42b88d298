// Ventilation hours from the summed ventilation results.

#include "library/consumption/ventilation_heat.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::consumption {
namespace {

using kalvik::test::errorNumberOf;
using oleaut::kNull;
using oleaut::Variant;

TEST(VentilationHeat, HoursAreTheMeanNetHoursOfOneRow) {
    struct Case {
        Variant working, outage, count;
        double expected;
    };
    const Case cases[] = {
        {700.0, 100.0, int32_t{2}, 300},
        {744.0, 0.0, int32_t{1}, 744},
        // Two units of 700 − 100 and 300 − 0 hours.
        {1000.0, 100.0, int32_t{2}, 450},
        {100.0, 0.0, int32_t{3}, 100.0 / 3},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ventilationHours(c.working, c.outage, c.count), c.expected);
}

TEST(VentilationHeat, HoursFailOnNullOrNoRows) {
    EXPECT_EQ(errorNumberOf([] { (void)ventilationHours(700.0, 100.0, int32_t{0}); }),
              oleaut::kDivisionByZero);
    EXPECT_EQ(errorNumberOf([] { (void)ventilationHours(kNull, 100.0, int32_t{2}); }),
              oleaut::kInvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { (void)ventilationHours(700.0, 100.0, kNull); }),
              oleaut::kInvalidUseOfNull);
}

}  // namespace
}  // namespace kalvik::consumption
