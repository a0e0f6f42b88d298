#pragma once
// The demonstration database, emptied of the consumption calculation's rows for each test to add
// the rows it needs, and a run over it that keeps every consumer's working values.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "demo/builder.hpp"
#include "library/consumption/pass_test_seam.hpp"
#include "library/consumption/run.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace kalvik::consumption::test {

// SQL of an OLE date: julianday(...) - 2415018.5.
inline std::string oleDate(const char* isoDate) {
    return std::string("(julianday('") + isoDate + "') - 2415018.5)";
}

// Ventilation results, per unit, that the consumption's tests were worked from.
inline constexpr const char* kVentilationResults = R"sql(
INSERT INTO "РезультатыВентиляция" ("Npotr", "NDOG", "NNВентОснТабл", "Qвент12", "Qвент26",
    "Потери", "ТПвподкл", "Qвподкл", "ТПвподкл_корр", "Qвподкл_корр", "ВрмРабЧас", "ВрмОтклЧас",
    "Твент", "Утвент26_п", "Утвент12_п", "План_Вент") VALUES
    (101, 1001, 1, 0, 3.5, 0.2, 0.001, 0.05, 0.001, 0.05, 744, 0, 744, 1.5, 0, 0),
    (114, 1014, 2, 0, 10.2, 0.4, 0.002, 0.2, 0.002, 0.2, 700, 100, 600, 2.0, 0, 0),
    (114, 1014, 3, 2.1, 0, 0.1, 0.001, 0.1, 0.001, 0.1, 300, 0, 300, 0, 0.5, 0);
INSERT INTO "РезультатыВентиляция_План" ("Npotr", "NDOG", "NNВентОснТабл", "Qвент12", "Qвент26",
    "Потери", "ТПвподкл", "Qвподкл", "ТПвподкл_корр", "Qвподкл_корр", "ВрмРабЧас", "ВрмОтклЧас",
    "Твент", "Утвент26_п", "Утвент12_п", "План_Вент") VALUES
    (114, 1014, 2, 0, 11, 0.4, 0.002, 0.2, 0.002, 0.2, 744, 0, 744, 2.0, 0, 1),
    (115, 1015, 4, 0, 1.5, 0, 0, 0.02, 0, 0.02, 744, 0, 744, 0.3, 0, 1);
INSERT INTO "РезультатыВентиляция_Дог" ("Npotr", "NDOG", "NNВентОснТабл", "Qвент12", "Qвент26",
    "Потери", "ТПвподкл", "Qвподкл", "ТПвподкл_корр", "Qвподкл_корр", "ВрмРабЧас", "ВрмОтклЧас",
    "Твент", "Утвент26_п", "Утвент12_п", "План_Вент") VALUES
    (114, 1014, 2, 0, 12, 0.4, 0.002, 0.2, 0.002, 0.2, 744, 0, 744, 2.0, 0, 1);)sql";

class ConsumptionDatabase : public kalvik_test::TempDatabase {
  public:
    // The demonstration database; unless `demoData`, without the consumption calculation's rows,
    // for a test to add its own.
    explicit ConsumptionDatabase(bool demoData = false) {
        removeFiles();
        kalvik::demo::buildDemoDatabase(path());
        if (demoData) {
            execute(kVentilationResults);
            stampVentilationResults("2009-01-01", "2009-01-31");
            return;
        }
        for (const char* table :
             {"Потребители", "ПериодРасчета", "Тарифы", "ОтключенияПотр", "ДлитОтключенияПотр",
              "Промывки", "Потребитель_K_G_gvs", "РезультатыВентиляция",
              "РезультатыВентиляция_План", "РезультатыВентиляция_Дог"}) {
            execute("DELETE FROM \"" + std::string(table) + "\"");
        }
    }

    // The ventilation results belong to the period first to last (ISO dates): the sums read only
    // the current period's.
    void stampVentilationResults(const char* first, const char* last) {
        for (const char* table :
             {"РезультатыВентиляция", "РезультатыВентиляция_План", "РезультатыВентиляция_Дог"}) {
            execute("UPDATE \"" + std::string(table) + "\" SET \"Период_н_табл\" = " +
                    oleDate(first) + ", \"Период_к_табл\" = " + oleDate(last));
        }
    }

    // A current period with winter figures (actual and plan rows).
    void addPeriod(const char* first, const char* last) {
        for (int plan : {0, 1}) {
            execute(
                "INSERT INTO \"ПериодРасчета\" (\"План\", \"Текущий\", \"Период_н\", "
                "\"Период_к\", \"Тн\", \"Тгр\", \"Т1\", \"Т2\", \"Т1_р\", \"Т2_р\", \"Тгв\", "
                "\"Тхв\", \"Тхвот\", \"Тнро_рт\", \"Тнро_нач\", \"КотоплМО\", \"TMO\", "
                "\"TMO_СНиП\", \"КоэффГВС\", \"КоэффГВС_СНиП\") VALUES (" +
                std::to_string(plan) + ", 1, " + oleDate(first) + ", " + oleDate(last) +
                ", -3, 150, 80, 60, 95, 70, 60, 5, 5, -26, 8, 1, -3, -3, 1, 1)");
        }
        execute(
            "INSERT OR IGNORE INTO \"Тарифы\" (\"NTAX\", \"Стоимость 1 Гкал\") VALUES (1, 1000)");
    }

    // A consumer of the default kind with the columns given ("\"QHEAT26\", \"Qgvs\"" and
    // "0.3, 0"); NDOG and Nobkt follow the consumer number.
    void addConsumer(int npotr, const std::string& columns = {}, const std::string& values = {}) {
        const std::string n = std::to_string(npotr);
        execute("INSERT INTO \"Потребители\" (\"Npotr\", \"NDOG\", \"Nobkt\"" +
                (columns.empty() ? "" : ", " + columns) + ") VALUES (" + n + ", " + n + "0, " + n +
                (values.empty() ? "" : ", " + values) + ")");
    }

    int64_t count(const std::string& table, const std::string& where = "1") const {
        return oleaut::CLng(scalar("SELECT COUNT(*) FROM \"" + table + "\" WHERE " + where));
    }

    // Every row a query returns, each as its values by column name.
    using Row = std::map<std::string, oleaut::Variant>;
    std::vector<Row> rows(const std::string& sql) const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connectionString());
        auto rs = connection->Execute(sql);
        std::vector<Row> result;
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            Row row;
            ado::Fields fields = rs->Fields();
            for (int32_t i = 0; i < fields.Count(); ++i)
                row[fields.Item(i).Name()] = fields.Item(i).Value();
            result.push_back(std::move(row));
        }
        return result;
    }
};

// Run arguments for a period given as ISO dates; rounding switched off unless a test sets it.
inline RunParameters runParameters(const kalvik_test::TempDatabase& db, oleaut::Date first,
                                   oleaut::Date last) {
    RunParameters p;
    p.ConnString_Fin = db.connectionString();
    p.Okryg = 1;
    p.Qpk_znk = 3;
    p.Q_znk = 3;
    p.G_znk = 3;
    p.D_NDS_p = 0.18;
    p.D_Cpec_N_p = 0.05;
    p.Нач = first;
    p.Кон = last;
    return p;
}

// The arguments of a revision: for 02.01.05 the city's −26 °C for heating from 8 °C, cold water
// at 5 °C, recalculation January 2009.
inline RunParameters revision(RunParameters p, Revision r) {
    p.revision = r;
    p.GorTnror = -26;
    p.GorTnror_n_ot = 8;
    p.GorTxv = 5;
    p.Год_Перерасч = 2009;
    p.Месяц_Перерасч = 1;
    return p;
}

// Runs the phases built so far.
inline void runOnce(const RunParameters& p) {
    Run run(p);
    run.execute();
}

// Runs the phases built so far and returns every consumer's working values by `Npotr`.
inline std::map<int, ConsumerContext> runAndKeep(const RunParameters& p) {
    std::map<int, ConsumerContext> kept;
    const ScopedPassListener listener(
        [&](int32_t npotr, const ConsumerContext& c) { kept[npotr] = c; });
    Run run(p);
    run.execute();
    return kept;
}

}  // namespace kalvik::consumption::test
