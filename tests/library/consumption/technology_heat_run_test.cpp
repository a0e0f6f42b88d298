// Technology and technological hot-water heat of the demonstration consumers, worked by hand.

#include <gtest/gtest.h>

#include "tests/library/consumption/demo_run.hpp"

namespace kalvik::consumption::test {
namespace {

struct Expected {
    int npotr;
    double Qтех, Пттех_п_р, Уттех_п;
    double Qтехгвс, ПттехГВС_п_р, УттехГВС_п;
};

template <std::size_t N>
void expectTechnology(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_NEAR(run.number(e.npotr, "Qтех"), e.Qтех, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Пттех_п_р"), e.Пттех_п_р, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Уттех_п"), e.Уттех_п, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Qтехгвс"), e.Qтехгвс, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "ПттехГВС_п_р"), e.ПттехГВС_п_р, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "УттехГВС_п"), e.УттехГВС_п, 1e-9);
        EXPECT_EQ(run.context(e.npotr).technology.Qтех, run.number(e.npotr, "Qтех"));
        EXPECT_EQ(run.context(e.npotr).technology.Qтехгвс, run.number(e.npotr, "Qтехгвс"));
    }
}

// 212: every coefficient and multiplier differs from 1.
void addConsumers(DemoRun& run) {
    run.db().addConsumer(
        212,
        "\"QTS\", \"QTS_pr\", \"Кцирк\", \"Кбал_кот\", \"K_Q_sn_ny\", \"Кбал_G\", "
        "\"K_G_sn_ny\", \"Пттех_п\", \"Уттех_п\", \"Qtgvs\", \"QTGVS_pr\", "
        "\"ПттехГВС_п\", \"УттехГВС_п\"",
        "0.1, 2, 1.1, 0.9, 0.95, 1.05, 0.98, 0.001, 0.01, 0.02, 0.5, 0.002, 0.003");
    // 213: technology and technological hot water, no hot water between heating seasons.
    run.db().addConsumer(213, "\"QTS\", \"Qtgvs\", \"ГВС в меж  отоп\", \"УттехГВС_п\"",
                         "0.1, 0.02, 0, 0.001");
}

// January: temperature factor 1, hot-water factor 1.
TEST(TechnologyHeatRun, WinterMonth) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    addConsumers(run);
    run.run();
    // Hours on working days and windows: taken as the pass computed them.
    const double h104 = run.context(104).netHours.technology;
    const double hT = run.context(106).netHours.technology;
    const double hG = run.context(106).netHours.technologicalHotWater;
    const double heat = 1.1 * 0.9 * 0.95, water = 1.05 * 0.98;
    const Expected cases[] = {
        // No technology and a zero technological hot-water load.
        {101, 0, 0, 0, 0, 0, 0},
        // Losses and leaks cleared by the loss mode 1.
        {104, 0.5 * h104, 0, 0, 0, 0, 0},
        {106, 0.1 * hT, 0.0004 * hT, 0.002 * hT, 0.03 * hG, 0.0003 * hG, 0.001 * hG},
        {109, 0.05 * 744, 0, 0, 0.01 * 744, 0, 0},
        {212, 0.1 * 744 * heat * 2, 0.001 * 744 * heat * 2, 0.01 * 744 * water * 2,
         0.02 * 744 * heat * 0.5, 0.002 * 744 * heat * 0.5, 0.003 * 744 * water * 0.5},
    };
    expectTechnology(run, cases);
    EXPECT_GT(h104, 0);
    EXPECT_GT(hG, 0);
}

// Half of June: the temperature factor (60 − 15) / (60 − 5) applies to technological hot water
// and its losses, not to its leak; the reduction 0.85 of consumer 106 does not apply at all.
TEST(TechnologyHeatRun, BetweenHeatingSeasons) {
    DemoRun run;
    run.choose(DemoPeriod::HalfJune);
    addConsumers(run);
    run.run();
    const double tf = 45.0 / 55;
    const double hT = run.context(106).netHours.technology;
    const double hG = run.context(106).netHours.technologicalHotWater;
    const Expected cases[] = {
        {106, 0.1 * hT, 0.0004 * hT, 0.002 * hT, 0.03 * tf * hG, 0.0003 * tf * hG, 0.001 * hG},
        // Without hot water between seasons technological hot water stops; technology does not.
        {213, 0.1 * 360, 0, 0, 0, 0, 0},
    };
    expectTechnology(run, cases);
    EXPECT_EQ(run.number(106, "К_Сн_ГВС"), 0.85);
}

TEST(TechnologyHeatRun, RoundedUnderOkryg0) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().addConsumer(214, "\"QTS\", \"Пттех_п\", \"Уттех_п\", \"Qtgvs\"",
                         "0.0123, 0.0001, 0.00077, 0.00456");
    run.runRounded(2, 1);
    // 9.1512, 0.0744, 0.57288 and 3.39264 over 744 hours.
    EXPECT_EQ(run.number(214, "Qтех"), 9.15);
    EXPECT_EQ(run.number(214, "Пттех_п_р"), 0.07);
    EXPECT_EQ(run.number(214, "Уттех_п"), 0.6);
    EXPECT_EQ(run.number(214, "Qтехгвс"), 3.39);
    EXPECT_EQ(run.context(214).technology.Qтехгвс, 3.39);
}

}  // namespace
}  // namespace kalvik::consumption::test
