#pragma once
// The whole calculation over the demonstration data, shared by the tests of its result rows:
// the expected values of a row, the rows of a consumer as written, and the January run.
//
// Period of the actual run: 1 to 31 January 2009 (744 hours, the whole month). Outdoor
// temperature -8.5, indoor 20, design -26: the heating ratio is 28.5 / 46. Results rounded to
// three decimals (Okryg 0). The enthalpies of the flows come from the water properties at the
// hot-water pressure (4 + 1 kgf/cm²): hot water at 60, the consumer's at 55, cold at 5 °C.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "library/com/ifiz_par.hpp"
#include "library/com/service.hpp"
#include "library/consumption/closing_columns.hpp"
#include "platform/oleaut/regional.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test::results {

using oleaut::DateSerial;
using oleaut::Variant;

// An expected value: a number, a text or Null.
struct Value {
    enum class Kind { Number, Text, Null } kind;
    double number = 0;
    std::string text;
};
inline Value n(double v) {
    return {Value::Kind::Number, v, {}};
}
inline Value t(std::string v) {
    return {Value::Kind::Text, 0, std::move(v)};
}
inline Value null() {
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

inline void set(Expected& e, std::initializer_list<std::pair<const std::string, Value>> values) {
    for (const auto& [column, value] : values)
        e[column] = value;
}

// The rows of a table for one consumer, in the order they were written.
inline std::vector<Row> rowsOf(const ConsumptionDatabase& db, const std::string& table, int npotr) {
    return db.rows("SELECT * FROM \"" + table + "\" WHERE \"Npotr\" = " + std::to_string(npotr) +
                   " ORDER BY \"NNрасчТепл\"");
}

// Every column of the row but the key is expected, and has its value.
inline void expectRow(const Row& actual, const Expected& expected) {
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
inline void expectLinked(const Row& main, const Row& hours) {
    EXPECT_EQ(oleaut::CLng(hours.at("NNрасчТепл")), oleaut::CLng(main.at("NNрасчТепл")));
}

inline double iv(double pressure, double temperature) {
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
inline Expected januaryMainRow(int npotr) {
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

inline Expected januaryHoursRow(int npotr) {
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

inline std::string remarkOf(const char* heating, const char* ventilation, const char* hotWater) {
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

}  // namespace kalvik::consumption::test::results
