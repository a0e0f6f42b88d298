// Heating ratio, heating factor, warm month and construction factors.

#include "library/consumption/heating_heat.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/datetime.hpp"
#include "tests/library/consumption/expect_failure.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::consumption {
namespace {

using kalvik::test::errorNumberOf;
using oleaut::DateSerial;
using oleaut::kNull;
using oleaut::Variant;

TEST(HeatingHeat, HeatingRatio) {
    struct Case {
        const char* name;
        int16_t t12;
        HeatingTemperatures t;
        double Тнро_рт;
        double expected;
    };
    const Case cases[] = {
        {"winter", 0, {-3.0, 20.0, kNull, kNull, kNull, kNull}, -26, 0.5},
        {"summer-like", 0, {10.0, 20.0, kNull, kNull, kNull, kNull}, -26, 10.0 / 46},
        {"above the indoor temperature",
         0,
         {21.0, 20.0, kNull, kNull, kNull, kNull},
         -26,
         -1.0 / 46},
        {"below the design temperature",
         0,
         {-30.0, 20.0, kNull, kNull, kNull, kNull},
         -26,
         50.0 / 46},
        {"network temperatures", 1, {kNull, kNull, 70.0, 45.0, 95.0, 70.0}, -26, 1},
        {"network temperatures, switch 2", 2, {kNull, kNull, 80.0, 60.0, 95.0, 70.0}, -26, 0.8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(heatingRatio(c.t12, c.t, c.Тнро_рт), c.expected);
    }
}

TEST(HeatingHeat, HeatingRatioFailures) {
    struct Case {
        const char* name;
        int16_t t12;
        HeatingTemperatures t;
        int32_t error;
    };
    const Case cases[] = {
        {"outdoor temperature Null",
         0,
         {kNull, 20.0, 70.0, 45.0, 95.0, 70.0},
         oleaut::kInvalidUseOfNull},
        {"indoor temperature Null",
         0,
         {-3.0, kNull, 70.0, 45.0, 95.0, 70.0},
         oleaut::kInvalidUseOfNull},
        {"indoor = design outdoor",
         0,
         {-3.0, -26.0, kNull, kNull, kNull, kNull},
         oleaut::kDivisionByZero},
        {"indoor = design outdoor, warm month",
         0,
         {30.0, -26.0, kNull, kNull, kNull, kNull},
         oleaut::kDivisionByZero},
        {"Т1 Null", 1, {-3.0, 20.0, kNull, 45.0, 95.0, 70.0}, oleaut::kInvalidUseOfNull},
        {"Т2_р Null", 1, {-3.0, 20.0, 70.0, 45.0, 95.0, kNull}, oleaut::kInvalidUseOfNull},
        {"design supply = return",
         1,
         {-3.0, 20.0, 70.0, 45.0, 70.0, 70.0},
         oleaut::kDivisionByZero},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorNumberOf([&] { (void)heatingRatio(c.t12, c.t, -26); }), c.error);
    }
}

TEST(HeatingHeat, NullOutdoorTemperatureFailureNamesTheColumn) {
    expectFailure(
        [] {
            (void)heatingRatio(0, {kNull, 20.0, kNull, kNull, kNull, kNull}, -26);
        },
        oleaut::kInvalidUseOfNull, {"column Тн"});
}

TEST(HeatingHeat, SeasonAndSteamRules) {
    struct Case {
        const char* name;
        double ratio;
        Variant Тн;
        bool Ot_leto;
        double PAR, QHEAT26_pr;
        double expected;
    };
    const Case cases[] = {
        {"winter", 0.5, -3.0, false, 0, 1, 0.5},
        {"heating start temperature reached", 12.0 / 46, 8.0, false, 0, 1, 0},
        {"summer-like without Ot_leto", 10.0 / 46, 10.0, false, 0, 1, 0},
        {"summer-like with Ot_leto", 10.0 / 46, 10.0, true, 0, 1, 10.0 / 46},
        {"negative ratio", -1.0 / 46, 21.0, true, 0, 1, 0},
        {"water consumer, multiplier", 0.5, -3.0, false, 0, 0.8, 0.4},
        {"water consumer, multiplier 0", 0.5, -3.0, false, 0, 0, 0},
        {"steam, multiplier 0, winter", 0.5, -3.0, false, 1, 0, 1},
        {"steam, multiplier 0, summer", 10.0 / 46, 10.0, false, 1, 0, 1},
        {"steam, multiplier 0, negative ratio", -1.0 / 46, 21.0, true, 1, 0, 1},
        {"steam, multiplier", 0.5, -3.0, false, 1, 0.5, 0.25},
        {"Null outdoor temperature (T12) without Ot_leto", 1, kNull, false, 0, 1, 0},
        {"Null outdoor temperature (T12) with Ot_leto", 1, kNull, true, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(heatingFactor(c.ratio, c.Тн, 8, c.Ot_leto, c.PAR, c.QHEAT26_pr),
                         c.expected);
    }
}

TEST(HeatingHeat, WarmMonth) {
    struct Case {
        Variant Тн, Твн;
        bool expected;
    };
    const Case cases[] = {
        {21.0, 20.0, true}, {20.0, 20.0, true},   {19.9, 20.0, false},
        {12.0, 12.0, true}, {kNull, 20.0, false}, {-3.0, kNull, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(warmMonth(c.Тн, c.Твн), c.expected);
}

TEST(HeatingHeat, ConstructionHours) {
    struct Case {
        const char* name;
        oleaut::Date first, last;
        Variant start, end;
        double expected;
    };
    const oleaut::Date jan1 = DateSerial(2009, 1, 1), jan31 = DateSerial(2009, 1, 31);
    const Case cases[] = {
        {"open on both sides", jan1, jan31, kNull, kNull, 744},
        {"from the 16th", jan1, jan31, DateSerial(2009, 1, 16), kNull, 384},
        {"started before the period", jan1, jan31, DateSerial(2008, 11, 1), kNull, 744},
        {"ended on the last day", jan1, jan31, kNull, jan31, 744},
        {"ended after the period", jan1, jan31, kNull, DateSerial(2009, 3, 1), 744},
        {"three days", jan1, jan31, DateSerial(2009, 1, 10), DateSerial(2009, 1, 12), 72},
        {"ended before the period", jan1, jan31, DateSerial(2008, 12, 1), DateSerial(2008, 12, 20),
         0},
        {"ended the day before", jan1, jan31, kNull, DateSerial(2008, 12, 31), 0},
        {"starts after the period", jan1, jan31, DateSerial(2009, 2, 5), kNull, 0},
        {"half of June", DateSerial(2009, 6, 1), DateSerial(2009, 6, 15), kNull, kNull, 360},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(constructionHours(c.first, c.last, c.start, c.end), c.expected);
    }
}

TEST(HeatingHeat, ConstructionFactors) {
    struct Case {
        const char* name;
        Construction construction;
        oleaut::Date first, last;
        double monthHours;
        double factor, connectionFactor;
    };
    const oleaut::Date jan1 = DateSerial(2009, 1, 1), jan31 = DateSerial(2009, 1, 31);
    const Case cases[] = {
        {"no construction", {int16_t{0}, int16_t{0}, kNull, kNull}, jan1, jan31, 744, 1, 1},
        {"Null surcharges", {kNull, kNull, DateSerial(2009, 1, 16), kNull}, jan1, jan31, 744, 1, 1},
        {"the whole month", {10.0, kNull, kNull, kNull}, jan1, jan31, 744, 1.1, 1},
        {"from the 16th",
         {10.0, 5.0, DateSerial(2009, 1, 16), kNull},
         jan1,
         jan31,
         744,
         1 + 10 * (384.0 / 744) / 100,
         1 + 5 * (384.0 / 744) / 100},
        {"connection only", {int16_t{0}, 5.0, kNull, kNull}, jan1, jan31, 744, 1, 1.05},
        {"ended before the period",
         {10.0, 5.0, kNull, DateSerial(2008, 12, 20)},
         jan1,
         jan31,
         744,
         1,
         1},
        // The share is of the month's hours, not of the period's.
        {"half of June",
         {10.0, kNull, kNull, kNull},
         DateSerial(2009, 6, 1),
         DateSerial(2009, 6, 15),
         720,
         1.05,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ConstructionFactors f =
            constructionFactors(c.construction, c.first, c.last, c.monthHours);
        EXPECT_DOUBLE_EQ(f.construction, c.factor);
        EXPECT_DOUBLE_EQ(f.connection, c.connectionFactor);
    }
}

}  // namespace
}  // namespace kalvik::consumption
