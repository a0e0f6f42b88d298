// Leak and loss totals, loss modes, flushings and withdrawals of the demonstration consumers.

#include <gtest/gtest.h>

#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

struct Expected {
    int npotr;
    double leaks, losses;  // "Утечки_м3" and `Потери`
    double flushingHeat, flushingWater, withdrawalHeat, withdrawalWater;
};

template <std::size_t N>
void expectTotals(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_NEAR(run.number(e.npotr, "Утечки_м3"), e.leaks, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Потери"), e.losses, 1e-9);
        EXPECT_EQ(run.number(e.npotr, "Ут_потр_п"), run.number(e.npotr, "Утечки_м3"));
        EXPECT_EQ(run.number(e.npotr, "Птпотр_п_р"), run.number(e.npotr, "Потери"));
        EXPECT_NEAR(run.number(e.npotr, "Промывки Гкал"), e.flushingHeat, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Промывки т/час"), e.flushingWater, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Otbor_Gk"), e.withdrawalHeat, 1e-9);
        EXPECT_NEAR(run.number(e.npotr, "Otbor_Tn"), e.withdrawalWater, 1e-9);
        EXPECT_EQ(run.context(e.npotr).rowLosses, run.number(e.npotr, "Потери"));
    }
}

// 221: losses and leaks cleared by the loss mode 0, with ventilation, whose columns stay.
void addVentilatedConsumerWithoutLosses(DemoRun& run) {
    run.db().addConsumer(221, "\"Расчет с потерями\"", "0");
    run.db().execute(
        "INSERT INTO \"РезультатыВентиляция\" (\"Npotr\", \"NDOG\", \"NNВентОснТабл\", "
        "\"Qвент12\", \"Qвент26\", \"Потери\", \"ТПвподкл\", \"Qвподкл\", \"ТПвподкл_корр\", "
        "\"Qвподкл_корр\", \"ВрмРабЧас\", \"ВрмОтклЧас\", \"Твент\", \"Утвент26_п\", "
        "\"Утвент12_п\", \"План_Вент\") VALUES "
        "(221, 2210, 5, 0, 1.0, 0.3, 0, 0.1, 0, 0.1, 744, 0, 744, 0.7, 0, 0)");
}

TEST(LeakLossTotalsRun, LossModes) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    addVentilatedConsumerWithoutLosses(run);
    run.run();
    const double r = 28.5 / 46;
    const Expected cases[] = {
        // Loss mode 2: heating, hot water and ventilation; two flushings.
        {101, 0.01 * 741.5 + 0.002 * 744 + 1.5, r * 0.002 * 741.5 + 0.0005 * 744 + 0.2, 3.579, 0.59,
         0, 0},
        // Loss modes 0 and 1 clear everything of the consumer's own.
        {103, 0, 0, 0, 0, 0, 0},
        {104, 0, 0, 0, 0, 0, 0},
        // Loss mode 3 acts as 2.
        {105, 0.01 * 744 + 0.002 * 744, 0.8 * 0.002 * 744 + 0.0005 * 744, 0, 0, 0, 0},
        // Ventilation only.
        {114, 2.5, 0.5, 0, 0, 0, 0},
        // Withdrawals; a Null flushing heat counts as 0.
        {115, 0.01 * 528 + 0.002 * 744, r * 0.002 * 528 + 0.0005 * 744, 0, 0, 1.2, 15},
        {221, 0, 0, 0, 0, 0, 0},
    };
    expectTotals(run, cases);

    // The ventilation columns are not cleared by a loss mode.
    EXPECT_EQ(run.number(221, "Птвент26_п_р"), 0.3);
    EXPECT_EQ(run.number(221, "Утвент26_п"), 0.7);
    for (const char* column :
         {"Утот_п", "Утгвс_п", "Утгвс_Пс_п", "Уттех_п", "УттехГВС_п", "Птот_п_р", "Птгвс_п_р",
          "Птгвс_Пс_п_р", "Пттех_п_р", "ПттехГВС_п_р"}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(run.number(221, column), 0);
        EXPECT_EQ(run.number(104, column), 0);
    }
    EXPECT_GT(run.number(104, "Qтех"), 0);
}

// A Null leak makes the leak total Null, and nothing fails.
TEST(LeakLossTotalsRun, NullLeak) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().addConsumer(222, "\"Утгвс_п\"", "NULL");
    run.run();
    EXPECT_TRUE(run.column(222, "Утгвс_п").isNull());
    EXPECT_TRUE(run.column(222, "Утечки_м3").isNull());
    EXPECT_TRUE(run.column(222, "Ут_потр_п").isNull());
    EXPECT_NEAR(run.number(222, "Потери"), 28.5 / 46 * 0.002 * 744 + 0.0005 * 744, 1e-9);
}

TEST(LeakLossTotalsRun, RoundedUnderOkryg0) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.runRounded(3, 1);
    // Rounded leaks 7.4 + 1.5 + 1.5 are summed as they stand; the loss total 0.919 + 0.372 + 0.2
    // is rounded again.
    EXPECT_NEAR(run.number(101, "Утечки_м3"), 10.4, 1e-12);
    EXPECT_EQ(run.number(101, "Потери"), 1.491);
    EXPECT_EQ(run.number(101, "Промывки Гкал"), 3.579);
    EXPECT_EQ(run.number(101, "Промывки т/час"), 0.6);
}

// A loss mode outside 0 to 3, or Null, ends the run at that consumer naming the column and value.
TEST(LeakLossTotalsRun, UnknownLossModeEndsTheRun) {
    struct Case {
        const char* value;
        int32_t error;
        const char* shown;
    };
    for (const Case& c : {Case{"5", oleaut::kInvalidProcedureCall, "5"},
                          Case{"NULL", oleaut::kInvalidUseOfNull, "Null"}}) {
        SCOPED_TRACE(c.value);
        DemoRun run;
        run.choose(DemoPeriod::January);
        run.db().addConsumer(223, "\"Расчет с потерями\"", c.value);
        expectFailure([&] { run.run(); }, c.error, {"consumer 223", "Расчет с потерями", c.shown});
        EXPECT_EQ(run.db().count("РезультатыПотребитель", "\"Npotr\" = 223"), 0);
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
