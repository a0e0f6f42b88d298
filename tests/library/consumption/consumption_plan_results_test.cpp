// The plan and contract variants over the demonstration data: the rows go to their own tables
// and carry the plan figures of the month.

#include "tests/library/consumption/consumption_results_fixture.hpp"

namespace kalvik::consumption::test::results {
namespace {

RunParameters planVariant(const ConsumptionDatabase& db, const char* dog) {
    RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
    p.Okryg = 0;
    p.План = 1;
    p.Дог = dog;
    return p;
}

// The plan figures of January: outdoor temperature -10, network 85/62.
Expected planMainRow(int npotr) {
    Expected e = januaryMainRow(npotr);
    set(e, {{"Тнврасч", n(-10)}, {"Тн", n(-10)}, {"Т1ц", n(85)}, {"Т2ц", n(62)}, {"План", n(1)}});
    return e;
}

Expected ventilationOnlyInAPlan(double ventilationHeat) {
    // 114 with one plan unit: heat 0 + the unit's regime-26 heat, losses 0.4, connected loss
    // 0.002 and load 0.2, 744 h, leak 2.0. Connected losses 0.002 + 0.0005 = 0.0025, half to
    // even: 0.002.
    Expected main = planMainRow(114);
    set(main, {{"QHEAT26", n(0)},
               {"QVENT26", n(0.3)},
               {"Qgvs", n(0)},
               {"Qвент26", n(ventilationHeat)},
               {"Птвент26_п_р", n(0.4)},
               {"Утвент26_п", n(2.0)},
               {"Утечки_м3", n(2.0)},
               {"Потери", n(0.4)},
               {"Ут_потр_п", n(2.0)},
               {"Птпотр_п_р", n(0.4)},
               {"Всего Гкал", n(ventilationHeat + 0.4)},
               {"Всего_тн", n(2.0)},
               {"ТПподкл", n(0.002)},
               {"ТПподкл_корр", n(0.002)},
               {"SQподкл", n(0.202)},
               {"SQподкл_корр", n(0.202)},
               {"Твент", n(744)},
               {"Твент_ЖСК", n(744)},
               {"Время_тс", n(744)},
               {"Примечание", t(remarkOf("0", "744", "0"))}});
    return main;
}

Expected ventilationOnlyHoursInAPlan() {
    Expected hours = januaryHoursRow(114);
    set(hours, {{"План", n(1)},
                {"Твент_r", n(744)},
                {"Твент", n(744)},
                {"t_max_ot", n(744)},
                {"t_max", n(744)}});
    return hours;
}

TEST_F(ConsumptionResults, ThePlanVariant) {
    runOnce(planVariant(db, ""));
    EXPECT_EQ(db.count("РезультатыПотребитель") + db.count("РезультатыПотребитель_Дог"), 0);

    auto mains = rowsOf(db, "РезультатыПотребитель_План", 114);
    auto hourRows = rowsOf(db, "РезультатыПотребитель_План_Время", 114);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], ventilationOnlyInAPlan(11));
    expectRow(hourRows[0], ventilationOnlyHoursInAPlan());
    expectLinked(mains[0], hourRows[0]);

    // 115 in the plan: 24 plan outage hours (504 heating hours, ratio 30/46), a plan flushing
    // of 2 Gcal and 0.5 t, a plan ventilation unit of 1.5 Gcal with a load of 0.02 and a leak
    // of 0.3.
    const double G = h.flow(37.2);
    Expected main = planMainRow(115);
    set(main, {{"Qот", n(65.739)},  // 0.2 × 30/46 × 504 = 65.73913
               {"Птот_п_р", n(0.657)},
               {"Утот_п", n(5.04)},
               {"Qгвс", n(37.2)},
               {"Птгвс_п_р", n(0.372)},
               {"Утгвс_п", n(1.488)},
               {"Qвент26", n(1.5)},
               {"Утвент26_п", n(0.3)},
               {"ГВС_Тн", n(G)},
               {"Расх_ГВС_Тгсв", n(G)},
               {"ГВС_Тн_Nr", n(h.consumerFlow(37.2))},
               {"Утечки_м3", n(6.828)},  // 5.04 + 1.488 + 0.3
               {"Потери", n(1.029)},     // 0.657 + 0.372
               {"Промывки Гкал", n(2)},
               {"Промывки т/час", n(0.5)},
               {"Ут_потр_п", n(6.828)},
               {"Птпотр_п_р", n(1.029)},
               {"Всего Гкал", n(107.468)},  // 1.5 + 65.739 + 37.2 + 1.029 + 2
               {"Всего_тн", n(6.828 + G + 0.5)},
               {"ТПподкл", n(0.002)},
               {"ТПподкл_корр", n(0.002)},
               {"SQподкл", n(0.272)},  // 0.002 + 0.2 + 0.02 + 0.05
               {"SQподкл_корр", n(0.272)},
               {"Тотоп", n(504)},
               {"Твент", n(744)},
               {"Тгвс", n(744)},
               {"Тотоп_ЖСК", n(504)},
               {"Твент_ЖСК", n(744)},
               {"Тгвс_ЖСК", n(744)},
               {"ДоляПотерьТсетях_подк", n(0.002)},
               {"Время_тс", n(744)},
               {"Примечание", t(remarkOf("504", "744", "744"))}});
    Expected hours = januaryHoursRow(115);
    set(hours, {{"План", n(1)},
                {"Тотоп_r", n(504)},
                {"Твент_r", n(744)},
                {"Тгвс_r", n(744)},
                {"Тотоп", n(720)},  // 744 less the 24 disconnected hours
                {"Твент", n(744)},
                {"Тгвс", n(744)},
                {"t_max_ot", n(744)},
                {"t_max_gv", n(744)},
                {"t_max", n(744)}});
    mains = rowsOf(db, "РезультатыПотребитель_План", 115);
    hourRows = rowsOf(db, "РезультатыПотребитель_План_Время", 115);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
}

TEST_F(ConsumptionResults, TheContractVariant) {
    runOnce(planVariant(db, "Дог"));
    EXPECT_EQ(db.count("РезультатыПотребитель") + db.count("РезультатыПотребитель_План"), 0);
    const auto mains = rowsOf(db, "РезультатыПотребитель_Дог", 114);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Дог_Время", 114);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    // The contract unit carries 12 Gcal.
    expectRow(mains[0], ventilationOnlyInAPlan(12));
    expectRow(hourRows[0], ventilationOnlyHoursInAPlan());
    expectLinked(mains[0], hourRows[0]);
}

}  // namespace
}  // namespace kalvik::consumption::test::results
