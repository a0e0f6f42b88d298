// The whole calculation over the demonstration data: complete main and hours rows of a handful of
// consumers for each variant, worked by hand from the rules of each phase; the coefficient rows
// written back; the revision of 21.04.08 beside the current method; a second run.
//
// Period of the actual run: 1 to 31 January 2009 (744 hours, the whole month). Outdoor
// temperature -8.5, indoor 20, design -26: the heating ratio is 28.5 / 46. Results rounded to
// three decimals (Okryg 0). The enthalpies of the flows come from the water properties at the
// hot-water pressure (4 + 1 kgf/cm²): hot water at 60, the consumer's at 55, cold at 5 °C.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "library/com/ifiz_par.hpp"
#include "library/com/service.hpp"
#include "library/consumption/closing_columns.hpp"
#include "platform/oleaut/regional.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;
using oleaut::Variant;

// An expected value: a number, a text or Null.
struct Value {
    enum class Kind { Number, Text, Null } kind;
    double number = 0;
    std::string text;
};
Value n(double v) {
    return {Value::Kind::Number, v, {}};
}
Value t(std::string v) {
    return {Value::Kind::Text, 0, std::move(v)};
}
Value null() {
    return {Value::Kind::Null, 0, {}};
}

// The columns that only the revision of 02.01.05 writes: Null in the current method's rows.
constexpr const char* kMainColumnsOf02_01_05[] = {"QотТ12",
                                                  "Птот_п_рТ12",
                                                  "QтехТ12",
                                                  "Пттех_п_рТ12",
                                                  "Qвент12Т12",
                                                  "Qвент26Т12",
                                                  "Птвент26_п_рТ12",
                                                  "Птвент12_п_рТ12",
                                                  "ПотериТ12",
                                                  "Всего ГкалТ12",
                                                  "Потери в тсетяхТ12",
                                                  "ДоляУтечекТсетяхТ12",
                                                  "ДоляТПУтечекТсетяхТ12",
                                                  "ДоляТПотерьТсетяхТ12",
                                                  "Q_Y_potr_sum12",
                                                  "Год_Прасч",
                                                  "Месяц_Прасч"};

using Expected = std::map<std::string, Value>;
using Row = ConsumptionDatabase::Row;

void set(Expected& e, std::initializer_list<std::pair<const std::string, Value>> values) {
    for (const auto& [column, value] : values)
        e[column] = value;
}

// The rows of a table for one consumer, in the order they were written.
std::vector<Row> rowsOf(const ConsumptionDatabase& db, const std::string& table, int npotr) {
    return db.rows("SELECT * FROM \"" + table + "\" WHERE \"Npotr\" = " + std::to_string(npotr) +
                   " ORDER BY \"NNрасчТепл\"");
}

// Every column of the row but the key is expected, and has its value.
void expectRow(const Row& actual, const Expected& expected) {
    for (const auto& [column, value] : actual) {
        if (column == "NNрасчТепл") continue;
        SCOPED_TRACE(column);
        const auto e = expected.find(column);
        if (e == expected.end()) {
            ADD_FAILURE() << "no expected value for column " << column;
            continue;
        }
        switch (e->second.kind) {
            case Value::Kind::Text:
                EXPECT_EQ(oleaut::CStr(value), e->second.text) << oleaut::typeName(value.type());
                break;
            case Value::Kind::Null:
                EXPECT_TRUE(value.isNull()) << oleaut::typeName(value.type());
                break;
            case Value::Kind::Number: {
                if (!value.isNumeric()) {
                    ADD_FAILURE() << "not a number: " << oleaut::typeName(value.type());
                    break;
                }
                const double x = e->second.number;
                EXPECT_NEAR(oleaut::CDbl(value), x, 1e-9 * std::max(1.0, std::abs(x)));
                break;
            }
        }
    }
    EXPECT_EQ(actual.size(), expected.size() + 1) << "columns expected but not in the table";
}

// The hours row's link to its main row.
void expectLinked(const Row& main, const Row& hours) {
    EXPECT_EQ(oleaut::CLng(hours.at("NNрасчТепл")), oleaut::CLng(main.at("NNрасчТепл")));
}

double iv(double pressure, double temperature) {
    Service<IFiz_par> fizPar;
    Variant p(pressure), t(temperature);
    return fizPar->Iv(p, t);
}

// Flows of an open system, tonnes, rounded to three decimals.
struct Enthalpies {
    double hot = iv(5, 60), consumer = iv(5, 55), cold = iv(5, 5);
    double flow(double heat) const { return oleaut::roundHalfEven(heat / (hot - cold) * 1000, 3); }
    double consumerFlow(double heat) const {
        return oleaut::roundHalfEven(heat / (consumer - cold) * 1000, 3);
    }
};

constexpr double kJanuaryFirst = 39814;  // 1 January 2009
constexpr double kJanuaryLast = 39844;   // 31 January 2009

// The columns every January main row of a default consumer (a dwelling house with heating and
// hot water, tariff 1) carries, before the consumer's own values. Heat, losses, leaks and flows
// start at 0 here.
Expected januaryMainRow(int npotr) {
    Expected e = {
        {"NDOG", n(900 + npotr)},
        {"Главная", n(1)},
        {"Главная1", n(1)},
        {"Nobkt", n(npotr - 100)},
        {"Npotr", n(npotr)},
        {"НДС_пар", n(0.18)},
        {"Спец налог_пар", n(0.05)},
        {"Зона", t("Центр")},
        {"NN ЦТП сч", n(1)},
        {"Тнврасч", n(-8.5)},
        {"Период_н_табл", n(kJanuaryFirst)},
        {"Период_к_табл", n(kJanuaryLast)},
        {"NNтарифа", n(1)},
        {"Тариф", n(1250.5)},
        {"ТарифЗаПодкл", n(350000)},
        {"ТарифВода", n(25.3)},
        {"ТарифГВС", n(1300)},
        {"Кчел", n(100)},
        {"Км2", n(2500)},
        {"Тгр", n(150)},
        {"Т1ц", n(80)},
        {"Т2ц", n(60)},
        {"Тгвц", n(60)},
        {"Тхв", n(5)},
        {"Тн", n(-8.5)},
        {"K_Q_sn_ny", n(1)},
        {"Кбал_G", n(1)},
        {"K_G_sn_ny", n(1)},
        {"Год", n(2009)},
        {"Месяц", n(1)},
        {"Т_гв_потр", n(55)},
        {"Кцирк", n(1)},
        {"Коэфф_Перетопа_Потр", n(1)},
        {"КциркМО", n(1)},
        {"К_Сн_ГВС", n(1)},
        {"ПериодИзмПодкл", t("")},
        {"Ккот", n(1)},
        {"QHEAT26", n(0.2)},
        {"QVENT26", n(0)},
        {"Qgvs", n(0.05)},
        {"QGV_Пс", n(0)},
        {"QTS", n(0)},
        {"Qtgvs", n(0)},
        {"k_ctr", n(1)},
        {"k_ctr_пдкл", n(1)},
        {"Доп_потери", n(0)},
        {"План", n(0)},
        {"SQсрчас", n(0.25)},
        {"SQсрчас с пот", n(0.26)},
        {"Утпотр_п_подк", n(0.012)},
        {"Птпотр_п_подк", n(0.0025)},
        {"ДоляУтечекТсетях_подк", n(0.0001)},
        {"ДоляПотерьТсетях_подк", n(0.001)},
        {"PAR", n(0)},
        {"ПодклОтоп", n(1)},
        {"ПодклГВС", n(1)},
    };
    // Everything this calculation computes starts at 0; so do the cleared columns.
    for (const char* column : {"Qот",           "Птот_п_р",       "Утот_п",       "Qгвс",
                               "Птгвс_п_р",     "Утгвс_п",        "Qгвс_пс",      "Птгвс_Пс_п_р",
                               "Утгвс_Пс_п",    "Qтех",           "Пттех_п_р",    "Уттех_п",
                               "Qтехгвс",       "ПттехГВС_п_р",   "УттехГВС_п",   "Qвент12",
                               "Qвент26",       "Птвент26_п_р",   "Птвент12_п_р", "Утвент26_п",
                               "Утвент12_п",    "ГВС_Тн",         "Техн_ГВС_Тн",  "Расх_ГВС_Тгсв",
                               "ГВС_Тн_Nr",     "Техн_ГВС_Тн_Nr", "Утечки_м3",    "Потери",
                               "Промывки Гкал", "Промывки т/час", "Otbor_Gk",     "Otbor_Tn",
                               "Ут_потр_п",     "Птпотр_п_р",     "Всего Гкал",   "Всего_тн",
                               "ТПподкл",       "ТПподкл_корр",   "SQподкл",      "SQподкл_корр",
                               "Тотоп",         "Твент",          "Тгвс",         "Тгвс_Пс",
                               "Ттех",          "ТтехГВС",        "Тотоп_ЖСК",    "Твент_ЖСК",
                               "Тгвс_ЖСК",      "Время_тс"})
        e[column] = n(0);
    for (const Column<MainRow>& column : kClearedColumns)
        e[std::string(column.name)] = n(0);
    for (const Column<MainRow>& column : kClearedTonneColumns)
        e[std::string(column.name)] = n(0);
    for (const char* column : kMainColumnsOf02_01_05)
        e[column] = null();
    return e;
}

Expected januaryHoursRow(int npotr) {
    Expected e = {
        {"NDOG", n(900 + npotr)},
        {"Главная", n(1)},
        {"Nobkt", n(npotr - 100)},
        {"Npotr", n(npotr)},
        {"План", n(0)},
        {"Период_н_табл", n(kJanuaryFirst)},
        {"Период_к_табл", n(kJanuaryLast)},
        {"Год", n(2009)},
        {"Месяц", n(1)},
    };
    for (const char* column :
         {"Тотоп_r", "Твент_r", "Тгвс_r", "Тгвс_Пс_r", "Ттех_r", "ТтехГВС_r", "Тотоп", "Твент",
          "Тгвс", "Тгвс_Пс", "Ттех", "ТтехГВС", "t_max_ot", "t_max_gv", "t_max"})
        e[column] = n(0);
    e["Год_Прасч"] = null();
    e["Месяц_Прасч"] = null();
    return e;
}

std::string remarkOf(const char* heating, const char* ventilation, const char* hotWater) {
    return std::string("ВрОт= ") + heating + " СрВрВент. " + ventilation + "ВрГвс= " + hotWater +
           " ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0";
}

class ConsumptionResults : public ::testing::Test {
  protected:
    ConsumptionResults() : db(true), settings(oleaut::RegionalSettings::invariant()) {}

    RunParameters january() const {
        RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
        p.Okryg = 0;
        return p;
    }

    ConsumptionDatabase db;
    oleaut::ScopedRegionalSettings settings;
    Enthalpies h;
};

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
}  // namespace kalvik::consumption::test
