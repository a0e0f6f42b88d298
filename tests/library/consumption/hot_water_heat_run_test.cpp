// Hot-water heat, losses and leaks of both kinds for the demonstration consumers, worked by hand.

#include <gtest/gtest.h>

#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

struct Expected {
    int npotr;
    double К_Сн_ГВС, Qгвс, Птгвс_п_р, Утгвс_п;
    double Qгвс_пс, Птгвс_Пс_п_р, Утгвс_Пс_п;
};

template <std::size_t N>
void expectHotWater(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_NEAR(run.number(e.npotr, "К_Сн_ГВС"), e.К_Сн_ГВС, 1e-12);
        EXPECT_NEAR(run.number(e.npotr, "Qгвс"), e.Qгвс, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Птгвс_п_р"), e.Птгвс_п_р, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Утгвс_п"), e.Утгвс_п, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Qгвс_пс"), e.Qгвс_пс, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Птгвс_Пс_п_р"), e.Птгвс_Пс_п_р, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Утгвс_Пс_п"), e.Утгвс_Пс_п, 1e-9);
        EXPECT_EQ(run.context(e.npotr).hotWater.Qгвс, run.number(e.npotr, "Qгвс"));
        EXPECT_EQ(run.context(e.npotr).hotWater.Qгвс_пс, run.number(e.npotr, "Qгвс_пс"));
    }
}

// Consumers of the tests' own: 207 with `К_ГВС` 0.9 and a second hot water; 208 a norm in tonnes
// without a coefficient row; 209 a norm in Gcal with a coefficient; 211 without hot water between
// heating seasons, with a second hot water.
void addConsumers(DemoRun& run) {
    run.db().addConsumer(207, "\"К_ГВС\", \"QGV_Пс\"", "0.9, 0.02");
    run.db().addConsumer(208, "\"QUS\", \"Norma_Gk\", \"Ed_izm_Gk\"", "100, 2, 'Тонн'");
    run.db().addConsumer(209, "\"QUS\", \"Norma_Gk\", \"Ed_izm_Gk\"", "10, 0.5, 'Гкал/чел'");
    run.db().execute(
        "INSERT INTO \"Потребитель_K_G_gvs\" (\"Npotr\", \"K_G_gvs\") VALUES (209, 0.05)");
    run.db().addConsumer(211, "\"ГВС в меж  отоп\", \"QGV_Пс\"", "0, 0.02");
}

// January, actual: the heating coefficient is 1, so no inter-heating rule; the temperature factor
// is (60 − 5) / (60 − 5) = 1. 744 hours less outages.
TEST(HotWaterHeatRun, WinterMonth) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    addConsumers(run);
    run.run();
    const double share102 = 742.5 / 744;
    const Expected cases[] = {
        {101, 1, 0.05 * 744, 0.0005 * 744, 0.002 * 744, 0, 0, 0},
        // A norm in tonnes through the coefficient 0.06: 120 × 3.6 t × 0.06 over the share.
        {102, 1, 432 * 0.06 * share102, 0.0005 * 742.5, 0.002 * 742.5, 0, 0, 0},
        // A norm in Gcal without a coefficient row; losses cleared by the loss mode 0.
        {103, 1, 80 * 0.2, 0, 0, 0, 0, 0},
        {104, 1, 0, 0, 0, 0, 0, 0},
        // The second hot water over 744 − 12 hours.
        {106, 1, 0.05 * 744, 0.0005 * 744, 0.002 * 744, 0.02 * 732, 0.0002 * 732, 0.001 * 732},
        // Hot water 6 to 22 h: 496 hours less 6.
        {108, 1, 0.05 * 490, 0.0005 * 490, 0.002 * 490, 0, 0, 0},
        // A zero load with filled masks.
        {113, 1, 0, 0, 0, 0, 0, 0},
        {207, 0.9, 0.9 * 0.05 * 744, 0.0005 * 744 * 0.9, 0.002 * 0.9 * 744, 0.9 * 0.02 * 744, 0, 0},
        {208, 1, 200, 0.0005 * 744, 0.002 * 744, 0, 0, 0},
        {209, 1, 5, 0.0005 * 744, 0.002 * 744, 0, 0, 0},
        {211, 1, 0.05 * 744, 0.0005 * 744, 0.002 * 744, 0.02 * 744, 0, 0},
    };
    expectHotWater(run, cases);
    // The tonne norm 120 × 3.6 t is a value of the pass alone; the row shows it through `Qгвс`.
    EXPECT_NEAR(run.number(102, "Qгвс") / (0.06 * share102), 432, 1e-9);
    EXPECT_EQ(run.context(101).hotWater.temperatureFactor, 1);
}

// The revision of 21.04.08 takes the share of the month's hours for a norm-based consumer's
// losses and leak, and no temperature factor on the losses.
TEST(HotWaterHeatRun, RevisionOf21_04_08) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    addConsumers(run);
    RunParameters p = run.parameters();
    p.revision = Revision::Of21_04_08;
    run.run(p);
    const double share102 = 742.5 / 744;
    const Expected cases[] = {
        {101, 1, 0.05 * 744, 0.0005 * 744, 0.002 * 744, 0, 0, 0},
        {102, 1, 432 * 0.06 * share102, 0.0005 * share102, 0.002 * share102, 0, 0, 0},
        {208, 1, 200, 0.0005, 0.002, 0, 0, 0},
        {209, 1, 5, 0.0005, 0.002, 0, 0, 0},
    };
    expectHotWater(run, cases);
}

// `Ras_GVS` 1: the denominator of the temperature factor takes the consumer's 55 °C:
// (60 − 5) / (55 − 5) = 1.1. The leak has no temperature factor.
TEST(HotWaterHeatRun, ConsumerTemperature) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    RunParameters p = run.parameters();
    p.Ras_GVS = 1;
    // The steam consumer 104 has no temperature of its own: the factor cannot be computed.
    expectFailure([&] { run.run(p); }, oleaut::kInvalidUseOfNull, {"consumer 104", "Т_гв_потр"});
    run.db().execute("DELETE FROM \"РезультатыПотребитель\"");
    run.db().execute("DELETE FROM \"РезультатыПотребитель_Время\"");
    run.db().execute("UPDATE \"Потребители\" SET \"Т_гв_потр\" = 55 WHERE \"Npotr\" = 104");
    run.run(p);
    const Expected cases[] = {
        {101, 1, 0.05 * 1.1 * 744, 0.0005 * 744 * 1.1, 0.002 * 744, 0, 0, 0},
    };
    expectHotWater(run, cases);
    EXPECT_DOUBLE_EQ(run.context(101).hotWater.temperatureFactor, 1.1);
}

// Half of June, actual: the heating coefficient is 0, so the inter-heating rule applies with
// `КоэффГВС_СНиП` 0.85; the temperature factor is (60 − 15) / (60 − 5). 360 hours.
TEST(HotWaterHeatRun, BetweenHeatingSeasons) {
    DemoRun run;
    run.choose(DemoPeriod::HalfJune);
    addConsumers(run);
    run.run();
    const double tf = 45.0 / 55;
    const Expected cases[] = {
        {101, 1, 0.05 * tf * 360, 0.0005 * 360 * tf, 0.002 * 360, 0, 0, 0},
        // No hot water between seasons: everything 0 (the losses also by the loss mode 0).
        {103, 0, 0, 0, 0, 0, 0, 0},
        // Reduced by 0.85; the second hot water is not reduced. 348 hours of the second.
        {106, 0.85, 0.85 * 0.05 * tf * 360, 0.0005 * 360 * tf * 0.85, 0.002 * 0.85 * 360,
         0.02 * 348, 0.0002 * 348, 0.001 * 348},
        // The rule makes the factor 1 whatever `К_ГВС` was.
        {207, 1, 0.05 * tf * 360, 0.0005 * 360 * tf, 0.002 * 360, 0.02 * 360, 0, 0},
        {211, 0, 0, 0, 0, 0, 0, 0},
    };
    expectHotWater(run, cases);
    EXPECT_EQ(run.context(211).hotWater.factor.type(), oleaut::VarType::Integer);
}

// A plan tests the month's outdoor temperature (16 °C) instead of the heating coefficient and
// reduces by `КоэффГВС` 0.8, or by `КоэффГВС_СНиП` 0.85 when planned by the norms; a negative
// `План` takes the test of the actual variant.
TEST(HotWaterHeatRun, PlanVariants) {
    struct Case {
        const char* name;
        int16_t plan;
        const char* plSn;
        double reduction;
        double secondHours;
    };
    // A negative `План` also takes the actual outages: 12 hours of the second hot water.
    const Case cases[] = {
        {"plan", 1, "", 0.8, 360},
        {"plan by the norms", 1, "СНиП", 0.85, 360},
        {"negative plan", -1, "", 0.85, 348},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DemoRun run;
        run.choose(DemoPeriod::HalfJune);
        RunParameters p = run.parameters();
        p.План = c.plan;
        p.Пл_Сн = c.plSn;
        run.run(p);
        const double tf = 45.0 / 55;
        const double h = c.secondHours;
        const Expected expected[] = {
            {106, c.reduction, c.reduction * 0.05 * tf * 360, 0.0005 * 360 * tf * c.reduction,
             0.002 * c.reduction * 360, 0.02 * h, 0.0002 * h, 0.001 * h},
        };
        expectHotWater(run, expected);
    }
}

// A Null `К_ГВС` outside the inter-heating rule makes the hot-water heat Null, which cannot be held
// as a number.
TEST(HotWaterHeatRun, NullReductionEndsTheRun) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().addConsumer(224, "\"К_ГВС\"", "NULL");
    expectFailure([&] { run.run(); }, oleaut::kInvalidUseOfNull, {"consumer 224", "column Qгвс"});
}

TEST(HotWaterHeatRun, RoundedUnderOkryg0) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.runRounded(2, 2);
    // 25.8677..., 0.37125, and 1.485 exactly half-way: to the even 1.48.
    EXPECT_EQ(run.number(102, "Qгвс"), 25.87);
    EXPECT_EQ(run.number(102, "Птгвс_п_р"), 0.37);
    EXPECT_EQ(run.number(102, "Утгвс_п"), 1.48);
    EXPECT_EQ(run.context(102).hotWater.Qгвс, 25.87);
    // 0.02 × 732 = 14.64, 0.1464 and 0.732.
    EXPECT_EQ(run.number(106, "Qгвс_пс"), 14.64);
    EXPECT_EQ(run.number(106, "Птгвс_Пс_п_р"), 0.15);
    EXPECT_EQ(run.number(106, "Утгвс_Пс_п"), 0.73);
}

}  // namespace
}  // namespace kalvik::consumption::test
