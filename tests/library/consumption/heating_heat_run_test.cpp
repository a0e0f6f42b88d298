// Heating heat, losses and leaks of the demonstration consumers, worked by hand.

#include <gtest/gtest.h>

#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

struct Expected {
    int npotr;
    double Qот, Птот_п_р, Утот_п;
};

template <std::size_t N>
void expectHeating(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_NEAR(run.number(e.npotr, "Qот"), e.Qот, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Птот_п_р"), e.Птот_п_р, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Утот_п"), e.Утот_п, 1e-9);
        EXPECT_EQ(run.context(e.npotr).heating.Qот, run.number(e.npotr, "Qот"));
    }
}

// January: Тн −8.5, indoor 20, design −26, so the ratio is 28.5 / 46; Т1 80, Т2 60 against 95 and
// 70 under T12 (0.8). Consumers have 744 heating hours less their outages.
TEST(HeatingHeatRun, WinterMonth) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    // 206: every coefficient differs from 1, and an overheating coefficient without T12.
    run.db().addConsumer(206,
                         "\"Кцирк\", \"Кбал_кот\", \"КциркМО\", \"Коэфф_Перетопа\", \"K_Q_sn_ny\", "
                         "\"Кбал_G\", \"K_G_sn_ny\"",
                         "1.05, 0.98, 1.1, 1.15, 0.97, 1.02, 0.99");
    run.run();
    const double r = 28.5 / 46;
    const double k = 1 + 10 * (384.0 / 744) / 100;  // construction from the 16th
    const Expected cases[] = {
        {101, r * 0.2 * 741.5, r * 0.002 * 741.5, 0.01 * 741.5},
        {102, r * 0.2 * 740.5, r * 0.002 * 740.5, 0.01 * 740.5},
        // Losses and leaks cleared by the loss mode 0.
        {103, r * 0.2 * 744, 0, 0},
        // Steam with `QHEAT26_pr` 0: the factor is 1; loss mode 1 clears losses and leaks.
        {104, 0.2 * 744, 0, 0},
        // T12: its overheating coefficient 1.15 does not count.
        {105, 0.8 * 0.2 * 744, 0.8 * 0.002 * 744, 0.01 * 744},
        {107, r * 0.2 * 744 * k, r * 0.002 * 744 * k, 0.01 * 744 * k},
        // Outages longer than the working hours.
        {108, 0, 0, 0},
        // Kept at 12 °C.
        {112, 20.5 / 38 * 0.1 * 744, 20.5 / 38 * 0.002 * 744, 0.01 * 744},
        // Heating on 22 working days.
        {115, r * 0.2 * 528, r * 0.002 * 528, 0.01 * 528},
        {206, r * 0.2 * 744 * 1.05 * 0.98 * 1.1 * 1.15 * 0.97,
         r * 0.002 * 744 * 1.05 * 0.98 * 1.1 * 1.15 * 0.97, 0.01 * 744 * 1.02 * 0.99},
    };
    expectHeating(run, cases);
    EXPECT_DOUBLE_EQ(run.context(107).heating.constructionFactor, k);
    EXPECT_DOUBLE_EQ(run.context(107).heating.connectionConstructionFactor,
                     1 + 5 * (384.0 / 744) / 100);
    EXPECT_EQ(run.context(101).heating.constructionFactor, 1);
    EXPECT_EQ(run.context(101).heating.connectionConstructionFactor, 1);
}

// Half of June: Тн 17, heating coefficient 0; 360 hours of a 720-hour month.
TEST(HeatingHeatRun, SummerLikeAndWarmMonths) {
    DemoRun run;
    run.choose(DemoPeriod::HalfJune);
    // 201: Ot_leto, so (20 − 17) / 46 applies and the heating-season coefficient is 1.
    run.db().addConsumer(201, "\"Ot_leto\"", "1");
    // 202: T12 with Ot_leto in a building kept at 12 °C: a warm month clears the heat, not the
    // leak.
    run.db().addConsumer(202, "\"Ot_leto\", \"R_tn_t12\", \"Твн TVNUT\"", "1, 1, 12");
    // 203: steam with a factor of 1 in a warm month.
    run.db().addConsumer(203, "\"PAR\", \"QHEAT26_pr\", \"Твн TVNUT\"", "1, 0, 16");
    // 204: a water consumer with `QHEAT26_pr` 0.
    run.db().addConsumer(204, "\"QHEAT26_pr\", \"Ot_leto\"", "0, 1");
    // 205: steam with `QHEAT26_pr` 0 and Ot_leto: the factor 1, not the ratio.
    run.db().addConsumer(205, "\"PAR\", \"QHEAT26_pr\", \"Ot_leto\"", "1, 0, 1");
    run.run();
    const Expected cases[] = {
        // Without Ot_leto: no heat, and the heating coefficient 0 clears the leak.
        {101, 0, 0, 0},
        {113, 0, 0, 0},
        // Steam with `QHEAT26_pr` 0 has the factor 1, but the heating coefficient is 0.
        {104, 0, 0, 0},
        // T12 and Ot_leto: (70 − 45) / (95 − 70) = 1.
        {105, 0.2 * 360, 0.002 * 360, 0.01 * 360},
        {112, 0, 0, 0},
        {201, 3.0 / 46 * 0.2 * 360, 3.0 / 46 * 0.002 * 360, 0.01 * 360},
        {202, 0, 0, 0.01 * 360},
        {203, 0, 0, 0},
        {204, 0, 0, 0.01 * 360},
        {205, 0.2 * 360, 0.002 * 360, 0.01 * 360},
    };
    expectHeating(run, cases);
    // Construction over the whole half month: 360 of the month's 720 hours.
    EXPECT_DOUBLE_EQ(run.context(107).heating.constructionFactor, 1.05);
    EXPECT_DOUBLE_EQ(run.context(107).heating.connectionConstructionFactor, 1.025);
}

TEST(HeatingHeatRun, RoundedUnderOkryg0) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.runRounded(3, 1);
    // 28.5 / 46 × 0.2 × 741.5 = 91.88152..., × 0.002 / 0.2 = 0.91881...; 7.415 to one decimal.
    EXPECT_EQ(run.number(101, "Qот"), 91.882);
    EXPECT_EQ(run.number(101, "Птот_п_р"), 0.919);
    EXPECT_EQ(run.number(101, "Утот_п"), 7.4);
    EXPECT_EQ(run.context(101).heating.Qот, 91.882);
}

TEST(HeatingHeatRun, NullIndoorTemperatureEndsTheRunNamingConsumerAndColumn) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    db.addConsumer(2, "\"Твн TVNUT\"", "NULL");
    expectFailure(
        [&] {
            runOnce(
                runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31)));
        },
        oleaut::kInvalidUseOfNull, {"consumer 2", "Твн TVNUT"});
    EXPECT_EQ(db.count("РезультатыПотребитель"), 1);
}

}  // namespace
}  // namespace kalvik::consumption::test
