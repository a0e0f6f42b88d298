// Hot-water flows of the demonstration consumers. Enthalpies are those of the water properties
// at the supply pressure 4 + 1 kgf/cm².

#include <gtest/gtest.h>

#include "library/services/water_properties.hpp"
#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

double h(double t) {
    return water::Iv(5, t);
}

struct Expected {
    int npotr;
    double ГВС_Тн, Техн_ГВС_Тн, ГВС_Тн_Nr, Техн_ГВС_Тн_Nr;
};

template <std::size_t N>
void expectFlows(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_NEAR(run.number(e.npotr, "ГВС_Тн"), e.ГВС_Тн, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Техн_ГВС_Тн"), e.Техн_ГВС_Тн, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "ГВС_Тн_Nr"), e.ГВС_Тн_Nr, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Техн_ГВС_Тн_Nr"), e.Техн_ГВС_Тн_Nr, 1e-9);
        EXPECT_EQ(run.number(e.npotr, "Расх_ГВС_Тгсв"),
                  run.number(e.npotr, "Техн_ГВС_Тн") + run.number(e.npotr, "ГВС_Тн"));
        const HotWaterFlows& f = run.context(e.npotr).flows;
        EXPECT_EQ(f.hotWater, run.number(e.npotr, "ГВС_Тн"));
        EXPECT_EQ(f.technologicalHotWater, run.number(e.npotr, "Техн_ГВС_Тн"));
    }
}

// January: hot water 60 °C, cold 5 °C, the consumers' own 55 °C; 37.2 Gcal of hot water for the
// default consumer.
TEST(HotWaterFlowsRun, ByEnthalpiesAndByCoefficient) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    // 215: water coefficients and multipliers: 0.05 × 744 × 2 = 74.4 Gcal of hot water,
    // 0.01 × 744 × 1.5 = 11.16 Gcal of technological hot water.
    run.db().addConsumer(215, "\"Кбал_G\", \"K_G_sn_ny\", \"QGVS_pr\", \"Qtgvs\", \"QTGVS_pr\"",
                         "1.1, 0.9, 2, 0.01, 1.5");
    // Closed systems need no consumer temperature: 0, 2 and Null are all closed.
    run.db().addConsumer(217, "\"Закр_Отк_Обк\", \"Т_гв_потр\"", "0, NULL");
    run.db().addConsumer(218, "\"Закр_Отк_Обк\"", "2");
    run.db().addConsumer(219, "\"Закр_Отк_Обк\"", "NULL");
    run.run();
    const double dh = h(60) - h(5), dhNr = h(55) - h(5);
    const double tech106 = run.context(106).technology.Qтехгвс;
    const Expected cases[] = {
        // 37.2 Gcal at 0.0625 Gcal/t.
        {101, 595.2, 0, 37.2 / dhNr * 1000, 0},
        {102, 0, 0, 0, 0},
        // Steam, with a Null consumer temperature.
        {104, 0, 0, 0, 0},
        // A coefficient row holding 0: by the enthalpies.
        {105, 37.2 / dh * 1000, 0, 37.2 / dhNr * 1000, 0},
        {106, 37.2 / 0.065, tech106 / 0.065, 37.2 / dhNr * 1000, tech106 / dhNr * 1000},
        {215, 74.4 / dh * 1000 * 1.1 * 0.9 * 2, 11.16 / dh * 1000 * 1.1 * 0.9 * 1.5,
         74.4 / dhNr * 1000, 11.16 / dhNr * 1000},
        {217, 0, 0, 0, 0},
        {218, 0, 0, 0, 0},
        {219, 0, 0, 0, 0},
    };
    expectFlows(run, cases);

    const HotWaterFlows& f101 = run.context(101).flows;
    EXPECT_NEAR(f101.loadBasedHotWater, 37.2 / dh * 1000, 1e-9);
    EXPECT_EQ(f101.coefficientHotWater, 595.2);
    EXPECT_EQ(f101.coldEnthalpy, h(5));
    // The consumer's enthalpy h(55) shows in `ГВС_Тн_Nr` above.
    EXPECT_EQ(f101.hotEnthalpy, h(60));
    EXPECT_EQ(run.context(105).flows.loadBasedHotWater, 0);
    EXPECT_EQ(run.context(105).flows.coefficientHotWater, 0);
    // A steam consumer keeps the hot-water enthalpy and gets only the cold one here.
    EXPECT_EQ(run.context(104).hotWaterEnthalpy, h(60));
    EXPECT_EQ(run.context(104).flows.hotEnthalpy, h(60));
    EXPECT_EQ(run.context(104).flows.coldEnthalpy, h(5));
}

// Hot water of 38 °C has an enthalpy below 40.1 kcal/kg: 42 is taken instead, for the flows only
// at the hot-water temperature.
TEST(HotWaterFlowsRun, EnthalpyFloor) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().execute("UPDATE \"ПериодРасчета\" SET \"Тгв\" = 38");
    ASSERT_LT(h(38) - 40, 0.1);
    run.run();
    EXPECT_EQ(run.context(105).flows.hotEnthalpy, 42);
    EXPECT_EQ(run.context(105).hotWaterEnthalpy, h(38));
    // (38 − 5) / (38 − 5): 37.2 Gcal as before.
    const Expected cases[] = {
        {105, 37.2 / (42 - h(5)) * 1000, 0, 37.2 / (h(55) - h(5)) * 1000, 0},
    };
    expectFlows(run, cases);
}

TEST(HotWaterFlowsRun, RoundedUnderOkryg0) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.runRounded(3, 2);
    const double tech106 = run.context(106).technology.Qтехгвс;
    const double dhNr = h(55) - h(5);
    EXPECT_EQ(run.number(101, "ГВС_Тн"), 595.2);
    EXPECT_EQ(run.number(101, "ГВС_Тн_Nr"), oleaut::roundHalfEven(37.2 / dhNr * 1000, 2));
    // 37.2 / 0.065 = 572.3077...
    EXPECT_EQ(run.number(106, "ГВС_Тн"), 572.31);
    EXPECT_EQ(run.number(106, "Техн_ГВС_Тн"), oleaut::roundHalfEven(tech106 / 0.065, 2));
    EXPECT_EQ(run.number(106, "Расх_ГВС_Тгсв"), oleaut::roundHalfEven(tech106 / 0.065, 2) + 572.31);
    EXPECT_EQ(run.context(106).flows.coefficientHotWater, 572.31);
    // The flows by enthalpy kept for the write-back stay unrounded.
    EXPECT_NEAR(run.context(106).flows.loadBasedHotWater, 37.2 / (h(60) - h(5)) * 1000, 1e-9);
}

// An open system's flows need the consumer's own temperature: a Null ends the run at that
// consumer, and the earlier consumers stay saved.
TEST(HotWaterFlowsRun, NullConsumerTemperatureOfAnOpenSystemEndsTheRun) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().addConsumer(216, "\"Т_гв_потр\"", "NULL");
    expectFailure([&] { run.run(); }, oleaut::kInvalidUseOfNull, {"consumer 216", "Т_гв_потр"});
    EXPECT_EQ(run.db().count("РезультатыПотребитель"), 16);
    EXPECT_EQ(run.db().count("РезультатыПотребитель", "\"Npotr\" = 216"), 0);
}

}  // namespace
}  // namespace kalvik::consumption::test
