// The revisions of 23.01.08 and 02.01.05 from the hot water to the hours row, worked by hand: the
// figures by the network temperatures, the climate row of the hot water, the flows, the loss and
// connection modes, the recalculation period and the hours row. Each test seeds the ventilation
// results it sums.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/library/consumption/demo_run.hpp"
#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::Variant;

RunParameters january(const ConsumptionDatabase& db, Revision r) {
    return revision(
        runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31)), r);
}

// One actual ventilation row of consumer 1 in January: 3.5 Gcal (3.1 by the network temperatures),
// losses 0.2 (0.18), connected losses 0.001 and load 0.05, 744 hours, leak 1.5.
void seedVentilation(ConsumptionDatabase& db) {
    db.execute(
        "INSERT INTO \"РезультатыВентиляция\" (\"Npotr\", \"NDOG\", \"NNВентОснТабл\", "
        "\"Qвент12\", \"Qвент26\", \"Потери\", \"ТПвподкл\", \"Qвподкл\", \"ТПвподкл_корр\", "
        "\"Qвподкл_корр\", \"ВрмРабЧас\", \"ВрмОтклЧас\", \"Твент\", \"Утвент26_п\", "
        "\"Утвент12_п\", \"План_Вент\", \"Qвент12T12\", \"Qвент26T12\", \"ПотериT12\") VALUES "
        "(1, 10, 1, 0, 3.5, 0.2, 0.001, 0.05, 0.001, 0.05, 744, 0, 744, 1.5, 0, 0, 0, 3.1, 0.18)");
    db.stampVentilationResults("2009-01-01", "2009-01-31");
}

// Empties a main result table and its hours table.
void clearResults(ConsumptionDatabase& db, const std::string& mainTable) {
    db.execute("DELETE FROM \"" + mainTable + "_Время\"");
    db.execute("DELETE FROM \"" + mainTable + "\"");
}

double number(const ConsumptionDatabase& db, const std::string& table, const std::string& column,
              int npotr = 1) {
    return oleaut::CDbl(db.scalar("SELECT \"" + column + "\" FROM \"" + table +
                                  "\" WHERE \"Npotr\" = " + std::to_string(npotr)));
}

// A default consumer in January (heating 0.2 at (20 + 3) / (20 + 26) = 0.5, by the network
// temperatures 20 / 25 = 0.8; hot water 0.05 at factor 1; 744 hours) with the seeded ventilation.
// 02.01.05: heating 74.4, T12 119.04; losses 0.744 / 1.1904 (heating) + 0.372 (hot water) + 0.2
// / 0.18 (ventilation) = 1.316 / 1.7424; "Всего Гкал" 3.5 + 74.4 + 37.2 + 1.316 = 116.416, by
// the network temperatures 3.1 + 119.04 + 37.2 + 1.7424 = 161.0824. 23.01.08 writes none of the
// T12 columns and takes the same heating by the source's −26 °C.
TEST(RevisionsLaterPhases, FiguresByNetworkTemperaturesOf02_01_05) {
    struct Expected {
        const char* column;
        double of02_01_05;
        bool in23_01_08;  // the same value there; else Null
    };
    const Expected expected[] = {
        {"Qот", 74.4, true},
        {"QотТ12", 119.04, false},
        {"Qгвс", 37.2, true},
        {"Птгвс_п_р", 0.372, true},
        {"Утгвс_п", 1.488, true},
        {"QтехТ12", 0, false},
        {"Пттех_п_рТ12", 0, false},
        {"Qвент26", 3.5, true},
        {"Птвент26_п_р", 0.2, true},
        {"Qвент12Т12", 0, false},
        {"Qвент26Т12", 3.1, false},
        {"Птвент26_п_рТ12", 0.18, false},
        {"Птвент12_п_рТ12", 0, false},
        {"Утечки_м3", 7.44 + 1.488 + 1.5, true},
        {"Потери", 1.316, true},
        {"ПотериТ12", 1.7424, false},
        {"Птпотр_п_р", 1.316, true},
        {"Всего Гкал", 116.416, true},
        {"Всего ГкалТ12", 161.0824, false},
        {"ТПподкл", 0.0035, true},
        {"ТПподкл_корр", 0.0035, true},
        {"SQподкл", 0.3035, true},
        {"SQподкл_корр", 0.3035, true},
        {"Год_Прасч", 2009, false},
        {"Месяц_Прасч", 1, false},
        {"Потери в тсетяхТ12", 0, false},
        {"ДоляУтечекТсетяхТ12", 0, false},
        {"ДоляТПУтечекТсетяхТ12", 0, false},
        {"ДоляТПотерьТсетяхТ12", 0, false},
        {"Q_Y_potr_sum12", 0, false},
        {"Время_тс", 744, true},
    };
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    seedVentilation(db);
    runOnce(january(db, Revision::Of02_01_05));
    runOnce(january(db, Revision::Of23_01_08));
    const auto rows = db.rows("SELECT * FROM \"РезультатыПотребитель\" ORDER BY \"NNрасчТепл\"");
    ASSERT_EQ(rows.size(), 2u);
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.column);
        EXPECT_NEAR(oleaut::CDbl(rows[0].at(e.column)), e.of02_01_05, 1e-9);
        if (e.in23_01_08)
            EXPECT_NEAR(oleaut::CDbl(rows[1].at(e.column)), e.of02_01_05, 1e-9);
        else
            EXPECT_TRUE(rows[1].at(e.column).isNull());
    }
    // Open system: 37.2 Gcal over the enthalpies of 60 °C and 5 °C water, about 55 kcal/kg.
    EXPECT_NEAR(oleaut::CDbl(rows[0].at("ГВС_Тн")), 37.2 / 55 * 1000, 4);
    EXPECT_EQ(oleaut::CDbl(db.scalar("SELECT \"Год_Прасч\" FROM \"РезультатыПотребитель_Время\" "
                                     "ORDER BY \"NNрасчТепл\" LIMIT 1")),
              2009);
}

// The hot water's reduction between heating seasons in the second half of June (`КотоплМО` 0,
// consumer 106 with "К сниж ГВС (K3)"): 02.01.05 takes `КоэффГВС` of its climate row, the norm
// table by text in the actual variant (0.82), `pr_Temp_mes` for the plan (0.8) and
// `pr_Temp_mes_SNiP` for the contract and the plan by the norms (0.82); 23.01.08 the source's
// `КоэффГВС_СНиП` (0.85).
TEST(RevisionsLaterPhases, HotWaterReductionByTheClimateRow) {
    struct Case {
        Revision method;
        int16_t plan;
        const char* dog;
        const char* plSn;
        const char* table;
        double reduction;
    };
    const Case cases[] = {
        {Revision::Of02_01_05, 0, "", "", "РезультатыПотребитель", 0.82},
        {Revision::Of02_01_05, 1, "", "", "РезультатыПотребитель_План", 0.8},
        {Revision::Of02_01_05, 1, "", "СНиП", "РезультатыПотребитель_План", 0.82},
        {Revision::Of02_01_05, 1, "Дог", "", "РезультатыПотребитель_Дог", 0.82},
        {Revision::Of23_01_08, 0, "", "", "РезультатыПотребитель", 0.85},
    };
    DemoRun run;
    run.choose(DemoPeriod::HalfJune);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " / " + c.plSn);
        RunParameters p = revision(run.parameters(), c.method);
        p.План = c.plan;
        p.Дог = c.dog;
        p.Пл_Сн = c.plSn;
        clearResults(run.db(), c.table);
        run.run(p);
        EXPECT_DOUBLE_EQ(run.number(106, "К_Сн_ГВС"), c.reduction);
    }
}

// The flows of an open system: 118 (`PAR` −1, `Кбал_кот` 1.05, hot water 0.05 × 744 × 1.05 =
// 39.06 Gcal) keeps them in the revisions, where the current calculation gives 0; 02.01.05
// divides the two main flows by `Кбал_кот`, not the consumer's. The steam consumer 104 gets 0.
TEST(RevisionsLaterPhases, FlowsByPARAndBoilerBalance) {
    DemoRun run;
    run.choose(DemoPeriod::January);
    std::map<Revision, std::pair<double, double>> flows;  // ГВС_Тн, ГВС_Тн_Nr of 118
    for (Revision r : {Revision::Current, Revision::Of23_01_08, Revision::Of02_01_05}) {
        clearResults(run.db(), "РезультатыПотребитель");
        run.run(revision(run.parameters(), r));
        EXPECT_NEAR(run.number(118, "Qгвс"), 39.06, 1e-9);
        EXPECT_EQ(run.number(104, "ГВС_Тн"), 0);
        EXPECT_EQ(run.number(104, "Расх_ГВС_Тгсв"), 0);
        flows[r] = {run.number(118, "ГВС_Тн"), run.number(118, "ГВС_Тн_Nr")};
    }
    EXPECT_EQ(flows[Revision::Current], (std::pair{0.0, 0.0}));
    // 60 °C water against the consumer's 55 °C over 5 °C cold water: about 55 and 50 kcal/kg.
    EXPECT_NEAR(flows[Revision::Of23_01_08].first, 39.06 / 55 * 1000, 4);
    EXPECT_NEAR(flows[Revision::Of23_01_08].second, 39.06 / 50 * 1000, 4);
    EXPECT_NEAR(flows[Revision::Of02_01_05].first, flows[Revision::Of23_01_08].first / 1.05, 1e-9);
    EXPECT_DOUBLE_EQ(flows[Revision::Of02_01_05].second, flows[Revision::Of23_01_08].second);
}

// Loss modes 0 and 1 keep the loss total in `Птпотр_п_р` in the revisions; connection mode 1
// with a corrected loss sum of 0 (119) gives 0 corrected losses in 23.01.08 but the network share
// 0.001 × 1 in 02.01.05.
TEST(RevisionsLaterPhases, LossAndConnectionModes) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1, "\"Расчет с потерями\"", "0");
    db.addConsumer(2, "\"Птот_п\", \"Птгвс_п\", \"Подкл с потерями\"", "0, 0, 1");
    for (Revision r : {Revision::Current, Revision::Of23_01_08, Revision::Of02_01_05}) {
        SCOPED_TRACE(static_cast<int>(r));
        clearResults(db, "РезультатыПотребитель");
        runOnce(january(db, r));
        const char* t = "РезультатыПотребитель";
        // 0.002 × 744 × 0.5 (heating; 02.01.05 by its −26 °C, the same) + 0.0005 × 744.
        EXPECT_NEAR(number(db, t, "Птпотр_п_р"), r == Revision::Current ? 0 : 0.744 + 0.372, 1e-9);
        EXPECT_EQ(number(db, t, "Потери"), 0);
        EXPECT_EQ(number(db, t, "Утечки_м3"), 0);
        EXPECT_EQ(number(db, t, "ТПподкл", 2), 0.001);
        EXPECT_EQ(number(db, t, "ТПподкл_корр", 2), r == Revision::Of02_01_05 ? 0.001 : 0);
    }
}

// A loss or connection mode of 5 leaves its columns Null, and the run fails where it reads them
// back, naming the consumer, the column and the mode; none of that consumer's rows stay.
TEST(RevisionsLaterPhases, UnknownModeFailsWhereItIsReadBack) {
    struct Case {
        const char* modeColumn;
        const char* readBack;
    };
    for (const Case& c :
         {Case{"Расчет с потерями", "Потери"}, Case{"Подкл с потерями", "ТПподкл_корр"}}) {
        for (Revision r : {Revision::Of23_01_08, Revision::Of02_01_05}) {
            SCOPED_TRACE(std::string(c.modeColumn) + " / " + std::to_string(static_cast<int>(r)));
            ConsumptionDatabase db;
            db.addPeriod("2009-01-01", "2009-01-31");
            db.addConsumer(1);
            db.addConsumer(2, "\"" + std::string(c.modeColumn) + "\"", "5");
            expectFailure([&] { runOnce(january(db, r)); }, oleaut::kInvalidUseOfNull,
                          {"consumer 2", c.readBack, " 5 "});
            EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 2"), 0);
            EXPECT_EQ(db.count("РезультатыПотребитель_Время", "\"Npotr\" = 2"), 0);
            EXPECT_EQ(db.count("РезультатыПотребитель"), 1);
        }
    }
}

// An empty `pr_Temp_mes` fails a plan run of 02.01.05 at its first consumer, naming it; without
// consumers the run never reads the climate row and succeeds.
TEST(RevisionsLaterPhases, EmptyClimateProcedure) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.execute(
        "UPDATE procedures SET body = 'SELECT \"TMO\", \"КоэффГВС\" FROM "
        "\"ПериодРасчета\" WHERE 0' WHERE name = 'pr_Temp_mes'");
    RunParameters p = january(db, Revision::Of02_01_05);
    p.План = 1;
    runOnce(p);
    db.addConsumer(1);
    expectFailure([&] { runOnce(p); }, ado::adErrNoCurrentRecord, {"consumer 1", "pr_Temp_mes"});
}

// A Null consumer's hot-water temperature in an open system ends a run whose flows need it
// (`PAR` 0) and not one whose flows are 0 (`PAR` 1).
TEST(RevisionsLaterPhases, NullConsumerTemperatureOfAnOpenSystem) {
    for (Revision r : {Revision::Of23_01_08, Revision::Of02_01_05}) {
        ConsumptionDatabase db;
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(1, "\"Т_гв_потр\", \"PAR\"", "NULL, 1");
        runOnce(january(db, r));
        EXPECT_EQ(db.count("РезультатыПотребитель"), 1);
        db.execute("UPDATE \"Потребители\" SET \"PAR\" = 0");
        expectFailure([&] { runOnce(january(db, r)); }, oleaut::kInvalidUseOfNull,
                      {"consumer 1", "Т_гв_потр"});
    }
}

// The hours row of 02.01.05, all 27 columns, for a default consumer with 800 calendar outage
// hours of heating in January: its heating supply hours are 0, not 744 − 800; the recalculation
// period is written as given, 0 or a fraction.
TEST(RevisionsLaterPhases, HoursRowOf02_01_05) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    db.execute(
        "INSERT INTO \"ОтключенияПотр\" (\"Npotr\", \"План\", \"ОтВр_откл\", "
        "\"ГвсВр_откл\", \"ГвсВр_откл_Пс\", \"ТехВр_откл\", \"ТгвсВр_откл\", \"От_откл\", "
        "\"ГВС_откл\", \"Тех_откл\", \"Техгвс_откл\") VALUES (1, 0, 0, 0, 0, 0, 0, 800, 0, "
        "0, 0)");
    for (double year : {0.0, 2008.5}) {
        SCOPED_TRACE(year);
        clearResults(db, "РезультатыПотребитель");
        RunParameters p = january(db, Revision::Of02_01_05);
        p.Год_Перерасч = year;
        runOnce(p);
        const auto rows = db.rows("SELECT * FROM \"РезультатыПотребитель_Время\"");
        ASSERT_EQ(rows.size(), 1u);
        const auto& h = rows[0];
        const Variant key = db.scalar("SELECT \"NNрасчТепл\" FROM \"РезультатыПотребитель\"");
        EXPECT_EQ(oleaut::CDbl(h.at("NNрасчТепл")), oleaut::CDbl(key));
        const std::pair<const char*, double> expected[] = {
            {"NDOG", 10},     {"Главная", 1},      {"Nobkt", 1},       {"Npotr", 1},
            {"План", 0},      {"Год_Прасч", year}, {"Месяц_Прасч", 1}, {"Год", 2009},
            {"Месяц", 1},     {"Тотоп_r", 744},    {"Твент_r", 0},     {"Тгвс_r", 744},
            {"Тгвс_Пс_r", 0}, {"Ттех_r", 0},       {"ТтехГВС_r", 0},   {"Тотоп", 0},
            {"Твент", 0},     {"Тгвс", 744},       {"Тгвс_Пс", 0},     {"Ттех", 0},
            {"ТтехГВС", 0},   {"t_max_ot", 0},     {"t_max_gv", 744},  {"t_max", 744},
        };
        for (const auto& [column, value] : expected)
            EXPECT_EQ(oleaut::CDbl(h.at(column)), value) << column;
        // OLE dates of 1 and 31 January 2009.
        EXPECT_EQ(oleaut::CDbl(h.at("Период_н_табл")), 39814);
        EXPECT_EQ(oleaut::CDbl(h.at("Период_к_табл")), 39844);
        EXPECT_EQ(h.size(), 27u);
        EXPECT_EQ(number(db, "РезультатыПотребитель", "Время_тс"), 744);
        EXPECT_EQ(number(db, "РезультатыПотребитель", "Год_Прасч"), year);
    }
}

// 23.01.08 beside the current calculation in January, unrounded: the columns that differ for each
// demonstration consumer are those its traits predict. The coefficient consumers' flows come by
// enthalpies (101, 106), and 102's tonne norm goes without the coefficient, its norm losses and
// leak by the month's share with their totals; 103 and 104 (loss modes 0 and 1) keep their loss
// total; 118 (`PAR` −1) keeps its flows.
TEST(RevisionsLaterPhases, ColumnsThatDifferFromTheCurrentCalculation) {
    const std::set<std::string> flows{"ГВС_Тн", "Расх_ГВС_Тгсв", "Всего_тн"};
    const std::map<int, std::set<std::string>> predicted{
        {101, flows},
        {102,
         {"Qгвс", "Птгвс_п_р", "Утгвс_п", "Утечки_м3", "Потери", "Птпотр_п_р", "Ут_потр_п",
          "Всего Гкал", "Всего_тн"}},
        {103, {"Птпотр_п_р"}},
        {104, {"Птпотр_п_р"}},
        {106, {"ГВС_Тн", "Техн_ГВС_Тн", "Расх_ГВС_Тгсв", "Всего_тн"}},
        {118, {"ГВС_Тн", "Расх_ГВС_Тгсв", "ГВС_Тн_Nr", "Всего_тн"}},
    };
    ConsumptionDatabase db(true);
    db.execute("UPDATE \"ПериодРасчета\" SET \"Текущий\" = (\"id\" IN (1, 2))");
    RunParameters p =
        runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31));
    runOnce(p);
    runOnce(revision(p, Revision::Of23_01_08));
    const auto rows =
        db.rows("SELECT * FROM \"РезультатыПотребитель\" ORDER BY \"Npotr\", \"NNрасчТепл\"");
    ASSERT_EQ(rows.size(), 2 * static_cast<std::size_t>(db.count("Потребители")));
    for (std::size_t i = 0; i < rows.size(); i += 2) {
        const int npotr = oleaut::CLng(rows[i].at("Npotr"));
        std::set<std::string> differing;
        for (const auto& [column, value] : rows[i]) {
            const Variant& other = rows[i + 1].at(column);
            if (column == "NNрасчТепл" || (value.isNull() && other.isNull())) continue;
            if (value.isNull() || other.isNull() || oleaut::CStr(value) != oleaut::CStr(other))
                differing.insert(column);
        }
        const auto it = predicted.find(npotr);
        EXPECT_EQ(differing, it == predicted.end() ? std::set<std::string>{} : it->second)
            << "consumer " << npotr;
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
