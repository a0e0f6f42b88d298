// The actual variant over the demonstration data: complete main and hours rows of a handful of
// consumers, worked by hand from the rules of each phase; the coefficient rows written back; a
// second run; hours that never go negative.

#include "tests/library/consumption/consumption_results_fixture.hpp"

namespace kalvik::consumption::test::results {
namespace {

TEST_F(ConsumptionResults, HeatingOnlyInAWholeWinterMonth) {
    // 113: heating only (its hot-water masks are filled, its hot-water load is 0).
    runOnce(january());
    Expected main = januaryMainRow(113);
    // Heating: 0.2 × 28.5/46 × 744 h = 92.1913 Gcal; losses 0.002 × 28.5/46 × 744 = 0.92191;
    // leak 0.01 × 744 = 7.44 m³. Losses counted (mode 2): `Потери` is the heating loss.
    // Connected: losses 0.002 + 0.0005 (the hot-water loss counts though the load is 0) = 0.0025,
    // rounded half to even: 0.002; load 0.002 + 0.2 = 0.202.
    set(main, {{"Qgvs", n(0)},
               {"Qот", n(92.191)},
               {"Птот_п_р", n(0.922)},
               {"Утот_п", n(7.44)},
               {"Утечки_м3", n(7.44)},
               {"Потери", n(0.922)},
               {"Ут_потр_п", n(7.44)},
               {"Птпотр_п_р", n(0.922)},
               {"Всего Гкал", n(93.113)},
               {"Всего_тн", n(7.44)},
               {"ТПподкл", n(0.002)},
               {"ТПподкл_корр", n(0.002)},
               {"SQподкл", n(0.202)},
               {"SQподкл_корр", n(0.202)},
               {"Тотоп", n(744)},
               {"Тотоп_ЖСК", n(744)},
               {"Время_тс", n(744)},
               {"Примечание", t(remarkOf("744", "0", "0"))}});
    Expected hours = januaryHoursRow(113);
    set(hours, {{"Тотоп_r", n(744)}, {"Тотоп", n(744)}, {"t_max_ot", n(744)}, {"t_max", n(744)}});

    const auto mains = rowsOf(db, "РезультатыПотребитель", 113);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 113);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
    expectLinked(mains[0], hourRows[0]);
}

TEST_F(ConsumptionResults, OutagesBeyondTheWorkingHoursAndHotWaterSixteenHoursADay) {
    // 108: heating on the 22 working days (528 h) less 800 outage hours: 0; hot water 6 to 22 h
    // on 31 days (496 h) less 6: 490 h. Disconnections 48 (heating) and 6 (hot water).
    runOnce(january());
    const double G = h.flow(24.5);
    Expected main = januaryMainRow(108);
    set(main, {{"Qгвс", n(24.5)},  // 0.05 × 490
               {"Птгвс_п_р", n(0.245)},
               {"Утгвс_п", n(0.98)},
               {"ГВС_Тн", n(G)},
               {"Расх_ГВС_Тгсв", n(G)},
               {"ГВС_Тн_Nr", n(h.consumerFlow(24.5))},
               {"Утечки_м3", n(0.98)},
               {"Потери", n(0.245)},
               {"Ут_потр_п", n(0.98)},
               {"Птпотр_п_р", n(0.245)},
               {"Всего Гкал", n(24.745)},
               {"Всего_тн", n(0.98 + G)},
               {"ТПподкл", n(0.002)},
               {"ТПподкл_корр", n(0.002)},
               {"SQподкл", n(0.252)},
               {"SQподкл_корр", n(0.252)},
               {"Тгвс", n(490)},
               {"Тгвс_ЖСК", n(490)},
               {"Время_тс", n(738)},
               {"Примечание", t(remarkOf("0", "0", "490"))}});
    Expected hours = januaryHoursRow(108);
    // No heating heat: no actual heating hours; hot water 744 − 6.
    set(hours, {{"Тгвс_r", n(490)}, {"Тгвс", n(738)}, {"t_max_gv", n(738)}, {"t_max", n(738)}});

    const auto mains = rowsOf(db, "РезультатыПотребитель", 108);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 108);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
    expectLinked(mains[0], hourRows[0]);
}

TEST_F(ConsumptionResults, VentilationFromTwoUnits) {
    // 114: ventilation only. Units: heat 0 + 2.1 (regime 12) and 10.2 + 0 (regime 26), losses
    // 0.4 + 0.1, connected losses 0.002 + 0.001 and loads 0.2 + 0.1, working hours 700 + 300
    // less 100 over two units: 450 h, the larger unit 600 h; leaks 2.0 (26) and 0.5 (12).
    runOnce(january());
    Expected main = januaryMainRow(114);
    set(main, {{"QHEAT26", n(0)},
               {"QVENT26", n(0.3)},
               {"Qgvs", n(0)},
               {"Qвент12", n(2.1)},
               {"Qвент26", n(10.2)},
               {"Птвент26_п_р", n(0.5)},
               {"Утвент26_п", n(2.0)},
               {"Утвент12_п", n(0.5)},
               {"Утечки_м3", n(2.5)},
               {"Потери", n(0.5)},
               {"Ут_потр_п", n(2.5)},
               {"Птпотр_п_р", n(0.5)},
               {"Всего Гкал", n(12.8)},
               {"Всего_тн", n(2.5)},
               // 0.003 + 0.0005 = 0.0035, half to even: 0.004; load 0.004 + 0.3.
               {"ТПподкл", n(0.004)},
               {"ТПподкл_корр", n(0.004)},
               {"SQподкл", n(0.304)},
               {"SQподкл_корр", n(0.304)},
               {"Твент", n(450)},
               {"Твент_ЖСК", n(450)},
               {"Время_тс", n(600)},
               {"Примечание", t(remarkOf("0", "450", "0"))}});
    Expected hours = januaryHoursRow(114);
    set(hours, {{"Твент_r", n(450)}, {"Твент", n(600)}, {"t_max_ot", n(600)}, {"t_max", n(600)}});

    const auto mains = rowsOf(db, "РезультатыПотребитель", 114);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 114);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
}

TEST_F(ConsumptionResults, WorkingDaysHeatingWithdrawalsAndConnectionMode1) {
    // 115: heating on 22 working days (528 h), hot water all month, a withdrawal of 1.2 Gcal and
    // 15 t (its flushing heat is Null: 0), connection mode 1 with a network share of 0.002.
    runOnce(january());
    const double G = h.flow(37.2);
    Expected main = januaryMainRow(115);
    set(main, {{"Qот", n(65.426)},  // 0.2 × 28.5/46 × 528 = 65.42609
               {"Птот_п_р", n(0.654)},
               {"Утот_п", n(5.28)},
               {"Qгвс", n(37.2)},  // 0.05 × 744
               {"Птгвс_п_р", n(0.372)},
               {"Утгвс_п", n(1.488)},
               {"ГВС_Тн", n(G)},
               {"Расх_ГВС_Тгсв", n(G)},
               {"ГВС_Тн_Nr", n(h.consumerFlow(37.2))},
               {"Утечки_м3", n(6.768)},
               {"Потери", n(1.026)},
               {"Otbor_Gk", n(1.2)},
               {"Otbor_Tn", n(15)},
               {"Ут_потр_п", n(6.768)},
               {"Птпотр_п_р", n(1.026)},
               {"Всего Гкал", n(104.852)},  // 65.426 + 37.2 + 1.026 + 1.2
               {"Всего_тн", n(6.768 + G + 15)},
               {"ТПподкл", n(0.002)},
               {"ТПподкл_корр", n(0.002)},
               {"SQподкл", n(0.252)},
               {"SQподкл_корр", n(0.252)},
               {"Тотоп", n(528)},
               {"Тгвс", n(744)},
               {"Тотоп_ЖСК", n(528)},
               {"Тгвс_ЖСК", n(744)},
               {"ДоляПотерьТсетях_подк", n(0.002)},
               {"Время_тс", n(744)},
               {"Примечание", t(remarkOf("528", "0", "744"))}});
    Expected hours = januaryHoursRow(115);
    // The actual hours are the period's, not the working days'.
    set(hours, {{"Тотоп_r", n(528)},
                {"Тгвс_r", n(744)},
                {"Тотоп", n(744)},
                {"Тгвс", n(744)},
                {"t_max_ot", n(744)},
                {"t_max_gv", n(744)},
                {"t_max", n(744)}});

    const auto mains = rowsOf(db, "РезультатыПотребитель", 115);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 115);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
}

TEST_F(ConsumptionResults, OpenSystemWithACoefficientVentilationOutageAndFlushings) {
    // 101: an outage of 2.5 heating hours (741.5 h left), ventilation 3.5 Gcal with losses 0.2
    // and a leak of 1.5, flushings of 1.234 + 2.345 Gcal and 0.26 + 0.33 t, and a coefficient
    // of 0.0625 Gcal/t: the hot-water flow is 37.2 / 0.0625 = 595.2 t.
    runOnce(january());
    Expected main = januaryMainRow(101);
    set(main, {{"Qот", n(91.882)},  // 0.2 × 28.5/46 × 741.5 = 91.88152
               {"Птот_п_р", n(0.919)},
               {"Утот_п", n(7.415)},
               {"Qгвс", n(37.2)},
               {"Птгвс_п_р", n(0.372)},
               {"Утгвс_п", n(1.488)},
               {"Qвент26", n(3.5)},
               {"Птвент26_п_р", n(0.2)},
               {"Утвент26_п", n(1.5)},
               {"ГВС_Тн", n(595.2)},
               {"Расх_ГВС_Тгсв", n(595.2)},
               {"ГВС_Тн_Nr", n(h.consumerFlow(37.2))},
               {"Утечки_м3", n(10.403)},  // 7.415 + 1.488 + 1.5
               {"Потери", n(1.491)},      // 0.919 + 0.372 + 0.2
               {"Промывки Гкал", n(3.579)},
               {"Промывки т/час", n(0.59)},
               {"Ут_потр_п", n(10.403)},
               {"Птпотр_п_р", n(1.491)},
               {"Всего Гкал", n(137.652)},  // 3.5 + 91.882 + 37.2 + 1.491 + 3.579
               {"Всего_тн", n(606.193)},    // 10.403 + 595.2 + 0.59
               // 0.002 + 0.001 + 0.0005 = 0.0035 to 0.004; load 0.004 + 0.2 + 0.05 + 0.05.
               {"ТПподкл", n(0.004)},
               {"ТПподкл_корр", n(0.004)},
               {"SQподкл", n(0.304)},
               {"SQподкл_корр", n(0.304)},
               {"Тотоп", n(741.5)},
               {"Твент", n(744)},
               {"Тгвс", n(744)},
               {"Тотоп_ЖСК", n(741.5)},
               {"Твент_ЖСК", n(744)},
               {"Тгвс_ЖСК", n(744)},
               {"Время_тс", n(744)},
               {"Примечание", t(remarkOf("741.5", "744", "744"))}});
    Expected hours = januaryHoursRow(101);
    set(hours, {{"Тотоп_r", n(741.5)},
                {"Твент_r", n(744)},
                {"Тгвс_r", n(744)},
                {"Тотоп", n(741.5)},  // 744 less the 2.5 disconnected hours
                {"Твент", n(744)},
                {"Тгвс", n(744)},
                {"t_max_ot", n(744)},
                {"t_max_gv", n(744)},
                {"t_max", n(744)}});

    const auto mains = rowsOf(db, "РезультатыПотребитель", 101);
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 101);
    ASSERT_EQ(mains.size(), 1u);
    ASSERT_EQ(hourRows.size(), 1u);
    expectRow(mains[0], main);
    expectRow(hourRows[0], hours);
    expectLinked(mains[0], hourRows[0]);
}

TEST_F(ConsumptionResults, TheCoefficientRowIsWrittenBackOnlyForANonZeroCoefficient) {
    runOnce(january());
    auto coefficientRow = [&](int npotr) {
        return db
            .rows("SELECT * FROM \"Потребитель_K_G_gvs\" WHERE \"Npotr\" = " +
                  std::to_string(npotr))
            .at(0);
    };
    // 101: 37.2 Gcal of hot water; 595.2 t by its coefficient, 37.2 / (hot − cold) × 1000 t by
    // the enthalpies, which give (hot − cold) / 1000 Gcal/t.
    const Row written = coefficientRow(101);
    const Expected expected = {
        {"Npotr", n(101)},
        {"K_G_gvs", n(0.0625)},
        {"Q_gvs_K_G_gvs_r", n(37.2)},
        {"G_gvs_K_G_gvs_r", n(595.2)},
        {"Q_texgvs_K_G_gvs_r", n(0)},
        {"G_texgvs_K_G_gvs_r", n(0)},
        {"Q_gvs_пр_r", n(37.2)},
        {"G_gvs_пр_r", n(37.2 / (h.hot - h.cold) * 1000)},
        {"Q_texgvs_пр_r", n(0)},
        {"G_texgvs_пр_r", n(0)},
        {"K_G_fiz", n((h.hot - h.cold) / 1000)},
    };
    for (const auto& [column, value] : expected) {
        SCOPED_TRACE(column);
        EXPECT_NEAR(oleaut::CDbl(written.at(column)), value.number, 1e-9);
    }
    // 105 has a coefficient row holding 0: left alone.
    const Row untouched = coefficientRow(105);
    for (const auto& [column, value] : untouched) {
        if (column != "Npotr" && column != "K_G_gvs") {
            EXPECT_TRUE(value.isNull()) << column;
        }
    }
}

TEST_F(ConsumptionResults, ASecondRunAppendsASecondSetAndReplacesNothing) {
    runOnce(january());
    const int64_t consumers = db.count("Потребители");
    ASSERT_EQ(db.count("РезультатыПотребитель"), consumers);
    const auto first = rowsOf(db, "РезультатыПотребитель", 101);
    runOnce(january());
    EXPECT_EQ(db.count("РезультатыПотребитель"), 2 * consumers);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 2 * consumers);
    EXPECT_EQ(oleaut::CLng(db.scalar(
                  "SELECT COUNT(DISTINCT \"NNрасчТепл\") FROM \"РезультатыПотребитель_Время\"")),
              2 * consumers);
    const auto both = rowsOf(db, "РезультатыПотребитель", 101);
    ASSERT_EQ(both.size(), 2u);
    // The first row is as it was; the second has a key of its own and the same values.
    for (const auto& [column, value] : first[0]) {
        SCOPED_TRACE(column);
        EXPECT_TRUE(oleaut::isTrue(oleaut::eq(both[0].at(column), value)) ||
                    (value.isNull() && both[0].at(column).isNull()));
        if (column == "NNрасчТепл") {
            EXPECT_NE(oleaut::CLng(both[1].at(column)), oleaut::CLng(value));
        } else {
            EXPECT_TRUE(oleaut::isTrue(oleaut::eq(both[1].at(column), value)) ||
                        (value.isNull() && both[1].at(column).isNull()));
        }
    }
}

TEST_F(ConsumptionResults, ActualHoursNeverGoNegative) {
    // A disconnection of 800 hours of a consumer with heating heat: 744 − 800 would be −56.
    db.execute(
        "INSERT INTO \"ОтключенияПотр\" (\"Npotr\", \"План\", \"ОтВр_откл\", \"От_откл\") "
        "VALUES (113, 0, 10, 800)");
    runOnce(january());
    const auto hourRows = rowsOf(db, "РезультатыПотребитель_Время", 113);
    ASSERT_EQ(hourRows.size(), 1u);
    EXPECT_EQ(oleaut::CDbl(hourRows[0].at("Тотоп_r")), 734);
    EXPECT_EQ(oleaut::CDbl(hourRows[0].at("Тотоп")), 0);
    EXPECT_EQ(oleaut::CDbl(hourRows[0].at("t_max_ot")), 0);
    EXPECT_EQ(oleaut::CDbl(hourRows[0].at("t_max")), 0);
    EXPECT_EQ(oleaut::CDbl(rowsOf(db, "РезультатыПотребитель", 113)[0].at("Время_тс")), 0);
}

}  // namespace
}  // namespace kalvik::consumption::test::results
