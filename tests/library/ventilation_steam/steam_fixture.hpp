#pragma once
// The demonstration database with the steam procedures reading a table of the test's own rows,
// one source row per consumer, so that each case gives its row whole.

#include <map>
#include <string>
#include <vector>

#include "library/ventilation_steam/ras_potr_par.hpp"
#include "library/ventilation_steam/steam_columns.hpp"
#include "platform/oleaut/datetime.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::steam::test {

// Source values as SQL literals by column name.
using SqlRow = std::map<std::string, std::string>;

// Heating only, 148.8 Gcal over 0.2 Gcal/h (k1 = 744); every other kind without load or steam.
inline SqlRow heatingSource(int npotr) {
    SqlRow row;
    for (std::string_view name : SourceRow::kNames)
        row[std::string(name)] = "0";
    const std::string n = std::to_string(npotr);
    row["NNрасчТепл"] = n + "00";
    row["NDOG"] = n + "0";
    row["Главная"] = "1";
    row["Nobkt"] = n;
    row["Npotr"] = n;
    row["Период_н_табл"] = "(julianday('2009-01-01') - 2415018.5)";
    row["Период_к_табл"] = "(julianday('2009-01-31') - 2415018.5)";
    row["Users"] = "'оператор'";
    row["Parole"] = "NULL";
    row["Qот"] = "148.8";
    row["QHEAT26"] = "0.2";
    row["QHEAT26_par"] = "0.35";
    row["QHEAT26_Gvkn"] = "0.2";
    row["QHEAT26_Qvkn"] = "0.012";
    row["Всего Гкал"] = "148.8";
    row["Ут_потр_п"] = "0.5";
    row["Птпотр_п_р"] = "0.1";
    row["ДоляУтечекТсетях"] = "0.01";
    row["Потери в тсетях"] = "0.02";
    row["PAR"] = "1";
    return row;
}

class SteamDatabase : public consumption::test::ConsumptionDatabase {
  public:
    SteamDatabase() : ConsumptionDatabase(true) {
        std::string columns;
        for (std::string_view name : SourceRow::kNames) {
            const bool text = name == "Users" || name == "Parole";
            const bool date = name.starts_with("Период");
            columns += (columns.empty() ? "\"" : ", \"") + std::string(name) + "\" " +
                       (text   ? "TEXT"
                        : date ? "DATETIME"
                               : "REAL");
        }
        execute("CREATE TABLE \"SteamSource\" (" + columns + ")");
        execute(
            "UPDATE procedures SET body = 'SELECT * FROM \"SteamSource\" ORDER BY \"Npotr\"' "
            "WHERE name LIKE 'pr_Isxod_Potr_Par%'");
    }

    void addSource(const SqlRow& row) {
        std::string names;
        std::string values;
        for (const auto& [name, value] : row) {
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
            values += (values.empty() ? "" : ", ") + value;
        }
        execute("INSERT INTO \"SteamSource\" (" + names + ") VALUES (" + values + ")");
    }

    // A run of January 2009 with three decimals; `Okryg` 0, `Qpk_znk` 3.
    void run(int16_t plan = 0, const std::string& dog = "",
             oleaut::Date last = oleaut::DateSerial(2009, 1, 31), int16_t okryg = 0,
             int16_t qpk = 3, int16_t decimals = 3) const {
        Ras_Potr_Par calculation;
        calculation.Расчет_Пар_ADO(connectionString(), okryg, qpk, decimals, decimals,
                                   oleaut::DateSerial(2009, 1, 1), last, dog, plan);
    }

    std::vector<std::string> journal() const {
        std::vector<std::string> lines;
        for (const Row& row : rows("SELECT \"Имя_Проц_Форм\" FROM FSB WHERE \"Имя_Проц_Форм\" "
                                   "LIKE 'Расчет_Пар_ADO%' ORDER BY id"))
            lines.push_back(oleaut::CStr(row.at("Имя_Проц_Форм")));
        return lines;
    }
};

}  // namespace kalvik::steam::test
