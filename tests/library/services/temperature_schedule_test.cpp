#include "library/services/temperature_schedule.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::temperature_schedule {
namespace {

using oleaut::kNull;

// The schedule 150/70 with 95 entering the installation, indoor 18, design outdoor -26:
// δ = 80, θ = 25, Δ = (95 + 70) / 2 - 18 = 64.5, so δ - θ/2 = 67.5 and θ/2 = 12.5.
Temperatures schedule(const Variant& tv, const Variant& tn) {
    return ТемперГрафик(tv, tn, int16_t{18}, int16_t{-26}, int16_t{150}, int16_t{70}, int16_t{95});
}

TEST(ТемперГрафик, SupplyAndReturnTemperatures) {
    // 0.5^0.8 = 2^-0.8 = 0.574349177498517..., so 64.5 * 0.5^0.8 = 37.045521948654...
    constexpr double kLoadHalf = 37.04552194865435;
    struct Case {
        double tn;
        double T1, T2;
    };
    const Case cases[] = {
        {-26, 150, 70},                                       // Q = 1: the design temperatures
        {18, 18, 18},                                         // Q = 0: indoor temperature
        {-4, 18 + kLoadHalf + 33.75, 18 + kLoadHalf - 6.25},  // Q = 0.5
        {25, 18, 18},                                         // Q < 0: indoor temperature
        {40, 18, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tn);
        const Temperatures t = schedule(int16_t{18}, c.tn);
        EXPECT_NEAR(oleaut::CDbl(t.T1), c.T1, 1e-9);
        EXPECT_NEAR(oleaut::CDbl(t.T2), c.T2, 1e-9);
    }
}

TEST(ТемперГрафик, BeyondTheDesignPointTheFormulasExtend) {
    // tn = -70: Q = 88 / 44 = 2, 2^0.8 = 1.741101126592248...
    const Temperatures t = schedule(int16_t{18}, -70.0);
    EXPECT_NEAR(oleaut::CDbl(t.T1), 18 + 64.5 * 1.741101126592248 + 67.5 * 2, 1e-9);
    EXPECT_NEAR(oleaut::CDbl(t.T2), 18 + 64.5 * 1.741101126592248 - 12.5 * 2, 1e-9);
}

TEST(ТемперГрафик, AtOrBelowZeroLoadBothAreTheDesignIndoorValue) {
    const Temperatures t = schedule(int16_t{18}, int16_t{18});
    EXPECT_TRUE(identical(t.T1, Variant(int16_t{18})));
    EXPECT_TRUE(identical(t.T2, Variant(int16_t{18})));
}

TEST(ТемперГрафик, NullLoadGivesNull) {
    for (const Temperatures& t : {schedule(kNull, int16_t{-4}), schedule(int16_t{18}, kNull)}) {
        EXPECT_TRUE(t.T1.isNull());
        EXPECT_TRUE(t.T2.isNull());
    }
}

TEST(ТемперГрафик, Failures) {
    // Design indoor equal to design outdoor.
    EXPECT_EQ(test::errorNumberOf([] {
                  ТемперГрафик(int16_t{18}, int16_t{-4}, int16_t{18}, int16_t{18}, int16_t{150},
                               int16_t{70}, int16_t{95});
              }),
              11);
    // A design temperature that is no number, even where the load is 0.
    EXPECT_EQ(test::errorNumberOf([] {
                  ТемперГрафик(int16_t{18}, int16_t{18}, int16_t{18}, int16_t{-26}, "сто",
                               int16_t{70}, int16_t{95});
              }),
              oleaut::kTypeMismatch);
}

}  // namespace
}  // namespace kalvik::temperature_schedule
