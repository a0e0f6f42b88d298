#include "library/consumption/hours_row.hpp"

#include <gtest/gtest.h>

namespace kalvik::consumption {
namespace {

struct Heat {
    double heating, ventilation, hotWater, secondHotWater, technology, technologicalHotWater;
};

ConsumerContext consumer(const Heat& q, const LoadHours& off, double ventilationMaximum) {
    ConsumerContext c;
    c.heating.Qот = q.heating;
    c.ventilation.heat = q.ventilation;
    c.ventilation.maximumHours = ventilationMaximum;
    c.hotWater.Qгвс = q.hotWater;
    c.hotWater.Qгвс_пс = q.secondHotWater;
    c.technology.Qтех = q.technology;
    c.technology.Qтехгвс = q.technologicalHotWater;
    c.disconnectionHours = off;
    return c;
}

TEST(HoursRow, ActualHoursAndMaximaByLoad) {
    struct Case {
        const char* name;
        Heat heat;
        LoadHours off;  // disconnection sums (the second hot water has none)
        double ventilationMaximum;
        double P;
        ActualHours expected;
        double maxHeating, maxHotWater;
    };
    const Case cases[] = {
        {"heating only, no outages",
         {92.191, 0, 0, 0, 0, 0},
         {},
         0,
         744,
         {744, 0, 0, 0, 0, 0},
         744,
         0},
        {"heating disconnected 48 hours",
         {92.191, 0, 0, 0, 0, 0},
         {48, 0, 0, 0, 0},
         0,
         744,
         {696, 0, 0, 0, 0, 0},
         696,
         0},
        // Heat of exactly 0 (or below) gives no hours, whatever the disconnections.
        {"no heat", {0, 0, -1, 0, 0, 0}, {48, 6, 0, 0, 0}, 600, 744, {0, 0, 0, 0, 0, 0}, 0, 0},
        // Ventilation takes its units' largest hours, nothing subtracted; it may be the largest.
        {"ventilation largest",
         {10, 12.3, 0, 0, 1, 0},
         {700, 0, 0, 200, 0},
         600,
         744,
         {44, 600, 0, 0, 544, 0},
         600,
         0},
        {"ventilation alone", {0, 12.3, 0, 0, 0, 0}, {}, 600, 744, {0, 600, 0, 0, 0, 0}, 600, 0},
        // The second hot water gets the period hours and raises no maximum.
        {"second hot water",
         {0, 0, 0, 1.5, 0, 0},
         {0, 0, 12, 0, 0},
         0,
         360,
         {0, 0, 0, 360, 0, 0},
         0,
         0},
        {"hot-water kinds",
         {0, 0, 24.5, 0, 0, 2},
         {0, 6, 0, 0, 2},
         0,
         744,
         {0, 0, 738, 0, 0, 742},
         0,
         742},
        {"technology", {0, 0, 0, 0, 3, 0}, {0, 0, 0, 4, 0}, 0, 264, {0, 0, 0, 0, 260, 0}, 260, 0},
        // Disconnections beyond the period would give negative hours: they give 0.
        {"disconnections beyond the period",
         {5, 0, 3, 0, 2, 1},
         {800, 745, 0, 1000, 744.5},
         0,
         744,
         {0, 0, 0, 0, 0, 0},
         0,
         0},
        {"one load beyond the period",
         {5, 0, 3, 0, 0, 0},
         {800, 10, 0, 0, 0},
         0,
         744,
         {0, 0, 734, 0, 0, 0},
         0,
         734},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const ActualHours a = actualHours(consumer(k.heat, k.off, k.ventilationMaximum), k.P);
        EXPECT_EQ(a.heating, k.expected.heating);
        EXPECT_EQ(a.ventilation, k.expected.ventilation);
        EXPECT_EQ(a.hotWater, k.expected.hotWater);
        EXPECT_EQ(a.secondHotWater, k.expected.secondHotWater);
        EXPECT_EQ(a.technology, k.expected.technology);
        EXPECT_EQ(a.technologicalHotWater, k.expected.technologicalHotWater);
        const HourMaxima m = hourMaxima(a);
        EXPECT_EQ(m.heating, k.maxHeating);
        EXPECT_EQ(m.hotWater, k.maxHotWater);
    }
}

}  // namespace
}  // namespace kalvik::consumption
