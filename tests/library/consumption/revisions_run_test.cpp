// The revisions of 23.01.08 and 02.01.05 over their hours, main row and heating, worked by hand:
// where they part from the current calculation and from each other.

#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "library/services/procedure_command.hpp"
#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::Variant;

void clearResults(ConsumptionDatabase& db) {
    db.execute("DELETE FROM \"РезультатыПотребитель_Время\"");
    db.execute("DELETE FROM \"РезультатыПотребитель\"");
}

// The climate sources of the demonstration: the plan period's own figures, the norm of the month
// in which the plan period starts, and the norm table by month.
TEST(RevisionsRun, ClimateSourcesOfTheDemonstration) {
    DemoRun run;
    auto first = [&](const std::string& procedure) {
        ProcedureCommand command(run.db().connectionString(), procedure);
        auto rows = std::dynamic_pointer_cast<ado::Command>(command.command())->Execute();
        return std::pair{oleaut::CDbl(rows->Fields("TMO").Value()),
                         oleaut::CDbl(rows->Fields("КоэффГВС").Value())};
    };
    run.choose(DemoPeriod::HalfJune);
    EXPECT_EQ(first("pr_Temp_mes"), (std::pair{16.0, 0.8}));
    EXPECT_EQ(first("pr_Temp_mes_SNiP"), (std::pair{16.5, 0.82}));
    run.choose(DemoPeriod::AprilToMay);
    EXPECT_EQ(first("pr_Temp_mes_SNiP"), (std::pair{4.5, 0.88}));
    EXPECT_EQ(oleaut::CDbl(run.db().scalar(climateSelection(6))), 0.82);
}

// A Null hot-water load is not 0: 23.01.08 gives it hours; the current calculation reads it as a
// number and fails naming it.
TEST(RevisionsRun, NullHotWaterLoadGetsHours) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1, "\"Qgvs\", \"Norma_Gk\", \"Дубль_ГВС\"", "NULL, 0.2, 1");
    const RunParameters p =
        runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31));
    const auto kept = runAndKeep(revision(p, Revision::Of23_01_08));
    EXPECT_EQ(kept.at(1).workingHours.hotWater, 744);
    EXPECT_TRUE(kept.at(1).Qgvs.isNull());
    // 02.01.05 has no norm-based hot water: the Null load makes `Qгвс` Null, which it reads as a
    // number.
    expectFailure([&] { runOnce(revision(p, Revision::Of02_01_05)); }, oleaut::kInvalidUseOfNull,
                  {"consumer 1", "Qгвс"});
    expectFailure([&] { runOnce(p); }, oleaut::kInvalidUseOfNull, {"consumer 1", "Qgvs"});
}

// January, 744 hours: outages of 2.5 (101) and 3.5 (102) heating hours, rounded to whole hours
// (halves to even) by 23.01.08 only; 02.01.05 counts no outages for "Дог", and long outages (102:
// 48 hours at 0.75 heating and 0.5 hot water) in the actual variant only.
TEST(RevisionsRun, OutagesAndLongOutages) {
    struct Case {
        Revision method;
        int16_t plan;
        const char* dog;
        double net101, net102;           // heating net hours
        double heating102, hotWater102;  // long-outage factors
    };
    const Case cases[] = {
        {Revision::Of23_01_08, 0, "", 742, 740, 708.0 / 744, 720.0 / 744},
        {Revision::Of02_01_05, 0, "", 741.5, 740.5, 708.0 / 744, 720.0 / 744},
        {Revision::Of23_01_08, 0, "Дог", 742, 740, 708.0 / 744, 720.0 / 744},
        {Revision::Of02_01_05, 0, "Дог", 744, 744, 708.0 / 744, 720.0 / 744},
        // Plan: 101 has a plan outage of 5 hours; long outages only in 23.01.08.
        {Revision::Of23_01_08, 1, "", 739, 744, 708.0 / 744, 720.0 / 744},
        {Revision::Of02_01_05, 1, "", 739, 744, 1, 1},
    };
    DemoRun run;
    run.choose(DemoPeriod::January);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.method)) + " / " + std::to_string(c.plan) +
                     " / " + c.dog);
        RunParameters p = revision(run.parameters(), c.method);
        p.Okryg = 0;
        p.Q_znk = 0;
        p.План = c.plan;
        p.Дог = c.dog;
        run.run(p);
        EXPECT_EQ(run.context(101).netHours.heating, c.net101);
        EXPECT_EQ(run.context(102).netHours.heating, c.net102);
        EXPECT_DOUBLE_EQ(run.context(102).monthShares.heating, c.heating102);
        EXPECT_DOUBLE_EQ(run.context(102).monthShares.hotWater, c.hotWater102);
    }
}

// 105 (`R_tn_t12` 1, `Коэфф_Перетопа` 1.15, heating in summer) in January: 23.01.08 takes the T12
// ratio 20 / 25 and writes the overheating coefficient 1 whatever `tn_t12`; 02.01.05 takes
// (20 + 8.5) / (20 + 26) with 1.15, and its figure by the network temperatures has seven factors.
TEST(RevisionsRun, OverheatingAndHeatingRatioOfConsumer105) {
    struct Case {
        Revision method;
        int16_t tn_t12;
        double overheating, Qот, Птот_п_р;
        std::optional<double> QотТ12;  // none: not written
    };
    const Case cases[] = {
        {Revision::Of23_01_08, 0, 1, 0.8 * 0.2 * 744, 0.8 * 0.002 * 744, std::nullopt},
        {Revision::Of23_01_08, 1, 1, 0.8 * 0.2 * 744, 0.8 * 0.002 * 744, std::nullopt},
        {Revision::Of02_01_05, 0, 1.15, 28.5 / 46 * 0.2 * 744 * 1.15,
         28.5 / 46 * 0.002 * 744 * 1.15, 0.8 * 0.2 * 744},
    };
    DemoRun run;
    run.choose(DemoPeriod::January);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.method)) + " / " + std::to_string(c.tn_t12));
        RunParameters p = revision(run.parameters(), c.method);
        p.tn_t12 = c.tn_t12;
        clearResults(run.db());
        run.run(p);
        EXPECT_DOUBLE_EQ(run.number(105, "Коэфф_Перетопа_Потр"), c.overheating);
        EXPECT_NEAR(run.number(105, "Qот"), c.Qот, 1e-9);
        EXPECT_NEAR(run.number(105, "Птот_п_р"), c.Птот_п_р, 1e-9);
        EXPECT_NEAR(run.number(105, "Утот_п"), 0.01 * 744, 1e-9);
        if (!c.QотТ12) {
            EXPECT_TRUE(run.column(105, "QотТ12").isNull());
        } else {
            EXPECT_NEAR(run.number(105, "QотТ12"), *c.QотТ12, 1e-9);
            EXPECT_NEAR(run.number(105, "Птот_п_рТ12"), 0.8 * 0.002 * 744, 1e-9);
            EXPECT_EQ(run.context(105).heating.QотТ12, run.number(105, "QотТ12"));
        }
    }
}

// A period with Т1_р = Т2_р: the figure by the network temperatures takes the ratio 1 in 02.01.05,
// while 23.01.08 under the T12 switch divides by zero. A warm month (indoor −5 °C against −3)
// zeroes `Qот` but keeps `QотТ12`; with equal ratios (`GorTnror` −8.75 gives 23 / 28.75 = 0.8)
// `Qот` is the overheating coefficient times `QотТ12`.
TEST(RevisionsRun, FigureByNetworkTemperatures) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");  // Тн −3, Т1 80, Т2 60, Т1_р 95, Т2_р 70
    db.addConsumer(1, "\"Твн TVNUT\"", "-5");
    db.addConsumer(2, "\"Коэфф_Перетопа\"", "1.15");
    RunParameters p =
        revision(runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31)),
                 Revision::Of02_01_05);
    p.GorTnror = -8.75;
    runOnce(p);
    const auto rows =
        db.rows("SELECT \"Qот\", \"QотТ12\" FROM \"РезультатыПотребитель\" ORDER BY \"Npotr\"");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(oleaut::CDbl(rows[0].at("Qот")), 0);
    EXPECT_NEAR(oleaut::CDbl(rows[0].at("QотТ12")), 0.8 * 0.2 * 744, 1e-9);
    EXPECT_NEAR(oleaut::CDbl(rows[1].at("QотТ12")), 0.8 * 0.2 * 744, 1e-9);
    EXPECT_NEAR(oleaut::CDbl(rows[1].at("Qот")), 1.15 * 0.8 * 0.2 * 744, 1e-9);

    db.execute("UPDATE \"ПериодРасчета\" SET \"Т2_р\" = 95");
    clearResults(db);
    runOnce(p);
    EXPECT_NEAR(oleaut::CDbl(db.scalar("SELECT \"QотТ12\" FROM \"РезультатыПотребитель\" "
                                       "WHERE \"Npotr\" = 2")),
                0.2 * 744, 1e-9);
    db.execute("UPDATE \"Потребители\" SET \"R_tn_t12\" = 1 WHERE \"Npotr\" = 2");
    expectFailure([&] { runOnce(revision(p, Revision::Of23_01_08)); }, oleaut::kDivisionByZero,
                  {"consumer 2"});
}

// The columns of the main row's identity, tariffs, coefficients and heating of 23.01.08 are the
// current calculation's for every demonstration consumer.
TEST(RevisionsRun, SameMainRowAndHeatingAsTheCurrentCalculation) {
    static constexpr Column<MainRow> kCompared[] = {
        main_row::NDOG,          main_row::Главная,
        main_row::Главная1,      main_row::Nobkt,
        main_row::НДС_пар,       main_row::Спец_налог_пар,
        main_row::Зона,          main_row::NN_ЦТП_сч,
        main_row::Тнврасч,       main_row::Период_н_табл,
        main_row::Период_к_табл, main_row::NNтарифа,
        main_row::Тариф,         main_row::ТарифЗаПодкл,
        main_row::ТарифВода,     main_row::ТарифГВС,
        main_row::Кчел,          main_row::Км2,
        main_row::Тгр,           main_row::Т1ц,
        main_row::Т2ц,           main_row::Тгвц,
        main_row::Тхв,           main_row::Тн,
        main_row::K_Q_sn_ny,     main_row::Кбал_G,
        main_row::K_G_sn_ny,     main_row::Год,
        main_row::Месяц,         main_row::Т_гв_потр,
        main_row::Кцирк,         main_row::Коэфф_Перетопа_Потр,
        main_row::КциркМО,       main_row::ПериодИзмПодкл,
        main_row::Ккот,          main_row::Qот,
        main_row::Птот_п_р,      main_row::Утот_п,
    };
    DemoRun run;
    for (DemoPeriod period : {DemoPeriod::January, DemoPeriod::HalfJune, DemoPeriod::AprilToMay}) {
        run.choose(period);
        auto rowsOf = [&](Revision r) {
            RunParameters p = run.parameters();
            p.revision = r;
            run.run(p);
            auto rows = run.db().rows("SELECT * FROM \"РезультатыПотребитель\" ORDER BY \"Npotr\"");
            clearResults(run.db());
            return rows;
        };
        // The loss modes 0 and 1 of the current calculation clear the losses and leak later on.
        std::set<std::string> cleared;
        for (const auto& row : run.db().rows("SELECT \"Npotr\" FROM \"Потребители\" WHERE "
                                             "\"Расчет с потерями\" IN (0, 1)"))
            cleared.insert(oleaut::CStr(row.at("Npotr")));
        const auto current = rowsOf(Revision::Current);
        const auto revised = rowsOf(Revision::Of23_01_08);
        ASSERT_EQ(current.size(), 18u);
        ASSERT_EQ(revised.size(), current.size());
        for (std::size_t i = 0; i < current.size(); ++i) {
            const std::string npotr = oleaut::CStr(current[i].at("Npotr"));
            for (const Column<MainRow> column : kCompared) {
                const std::string name(column.name);
                if (cleared.count(npotr) && (name == "Птот_п_р" || name == "Утот_п")) continue;
                const Variant& a = current[i].at(name);
                const Variant& b = revised[i].at(name);
                EXPECT_TRUE(a.isNull() ? b.isNull() : oleaut::isTrue(oleaut::eq(a, b)))
                    << "consumer " << npotr << ", " << name;
            }
        }
    }
}

// A Null `PAR` at the second consumer: the first consumer's rows stay, the second has none.
TEST(RevisionsRun, FailureKeepsEarlierConsumers) {
    for (Revision r : {Revision::Of23_01_08, Revision::Of02_01_05}) {
        ConsumptionDatabase db;
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(1);
        db.addConsumer(2, "\"PAR\"", "NULL");
        db.addConsumer(3);
        const RunParameters p = revision(
            runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31)), r);
        expectFailure([&] { runOnce(p); }, oleaut::kInvalidUseOfNull, {"consumer 2", "PAR"});
        EXPECT_EQ(db.count("РезультатыПотребитель"), 1);
        EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 1);
        EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 2"), 0);
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
