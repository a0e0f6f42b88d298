// Ventilation of the demonstration consumers from the summed ventilation results.

#include <gtest/gtest.h>

#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

struct Expected {
    int npotr;
    double Qвент12, Qвент26, Птвент26_п_р, Утвент26_п, Утвент12_п;
    // Kept values.
    double loss, leak, heat, connectedLoss, connectedLoad, maximumHours, hours;
};

template <std::size_t N>
void expectVentilation(const DemoRun& run, const Expected (&cases)[N]) {
    for (const Expected& e : cases) {
        SCOPED_TRACE("consumer " + std::to_string(e.npotr));
        EXPECT_DOUBLE_EQ(run.number(e.npotr, "Qвент12"), e.Qвент12);
        EXPECT_DOUBLE_EQ(run.number(e.npotr, "Qвент26"), e.Qвент26);
        EXPECT_DOUBLE_EQ(run.number(e.npotr, "Птвент26_п_р"), e.Птвент26_п_р);
        EXPECT_EQ(run.number(e.npotr, "Птвент12_п_р"), 0);
        EXPECT_DOUBLE_EQ(run.number(e.npotr, "Утвент26_п"), e.Утвент26_п);
        EXPECT_DOUBLE_EQ(run.number(e.npotr, "Утвент12_п"), e.Утвент12_п);
        const VentilationValues& v = run.context(e.npotr).ventilation;
        EXPECT_DOUBLE_EQ(v.loss, e.loss);
        EXPECT_DOUBLE_EQ(v.leak, e.leak);
        EXPECT_DOUBLE_EQ(v.heat, e.heat);
        EXPECT_DOUBLE_EQ(v.connectedLoss, e.connectedLoss);
        EXPECT_DOUBLE_EQ(v.connectedLoad, e.connectedLoad);
        EXPECT_DOUBLE_EQ(v.correctedConnectedLoss, e.connectedLoss);
        EXPECT_DOUBLE_EQ(v.correctedConnectedLoad, e.connectedLoad);
        EXPECT_DOUBLE_EQ(v.maximumHours, e.maximumHours);
        EXPECT_DOUBLE_EQ(v.hours, e.hours);
    }
}

TEST(VentilationHeatRun, ActualSums) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    // Copies are not rounded, whatever the switch says.
    run.runRounded(0, 0);
    const Expected cases[] = {
        {101, 0, 3.5, 0.2, 1.5, 0, 0.2, 1.5, 3.5, 0.001, 0.05, 744, 744},
        // Two units: 700 − 100 and 300 − 0 working hours, the largest unit's 600 hours.
        {114, 2.1, 10.2, 0.5, 2.0, 0.5, 0.5, 2.5, 12.3, 0.003, 0.3, 600, 450},
        // No ventilation results.
        {102, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {115, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    expectVentilation(run, cases);
}

TEST(VentilationHeatRun, PlanAndContractSums) {
    struct Case {
        const char* dog;
        double Qвент26;
    };
    for (const Case& c : {Case{"", 11}, Case{"Дог", 12}}) {
        SCOPED_TRACE(c.dog);
        DemoRun run;
        run.choose(DemoPeriod::January);
        RunParameters p = run.parameters();
        p.План = 1;
        p.Дог = c.dog;
        run.run(p);
        const Expected cases[] = {
            {114, 0, c.Qвент26, 0.4, 2.0, 0, 0.4, 2.0, c.Qвент26, 0.002, 0.2, 744, 744},
        };
        expectVentilation(run, cases);
    }
}

TEST(VentilationHeatRun, NoRowsForAnyConsumer) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    run.db().execute("DELETE FROM \"РезультатыВентиляция\"");
    run.run();
    const Expected cases[] = {{114, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    expectVentilation(run, cases);
}

TEST(VentilationHeatRun, ZeroCountEndsTheRun) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    // Sums that count no rows.
    run.db().execute(
        "UPDATE procedures SET body = 'SELECT \"Npotr\", \"Sum-Qвент12\", \"Sum-Qвент26\", "
        "\"Sum-Потери\", \"Sum-ТПвподкл\", \"Sum-Qвподкл\", \"Sum-ТПвподкл_корр\", "
        "\"Sum-Qвподкл_корр\", \"Твент\", \"Max_Tvent_tc\", \"Sum-ВрмРабЧас\", "
        "\"Sum-ВрмОтклЧас\", 0 AS \"Count-NNрасчТеплВент\", \"Sum-Утвент26_п\", "
        "\"Sum-Утвент12_п\" FROM \"СуммыВентиляции\" WHERE \"Вариант\" = ''Факт''' "
        "WHERE name = 'pr_Sum_Qvent'");
    expectFailure([&] { run.run(); }, oleaut::kDivisionByZero,
                  {"consumer 101", "Count-NNрасчТеплВент"});
}

}  // namespace
}  // namespace kalvik::consumption::test
