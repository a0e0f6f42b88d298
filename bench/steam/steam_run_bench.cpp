// The steam calculation over 20,000 and 100,000 source rows (actual variant): every generated
// consumer made a steam consumer with design steam columns and one main consumption row of the
// current period, through SQL. Beside it a baseline straight through SQLite on a copy of the same
// database: it reads the same procedure rows and inserts as many rows of the 58 result columns,
// each in its own implicit transaction, as the run saves each row by itself. Run and baseline
// alternate three times on fresh copies; reported are the medians, their ratio, the rows and the
// run's peak resident memory. Targets: the run within 2 times the baseline, its peak
// within the common target.

#include "bench/bench_support.hpp"
#include "demo/demo_files.hpp"
#include "library/ventilation_steam/ras_potr_par.hpp"
#include "library/ventilation_steam/steam_columns.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 2.0;

// Every generated consumer a steam consumer, with the steam columns of the demonstration's
// generator, and a main row of the current actual period whose month heats follow its loads.
constexpr const char* kSteamConsumers = R"sql(
UPDATE "Потребители" SET "PAR" = 1 WHERE "Npotr" > 100000;
INSERT INTO "РезультатыПотребитель" ("Npotr", "NDOG", "Главная", "Nobkt", "Период_н_табл",
    "Период_к_табл", "Qот", "Qвент12", "Qвент26", "Qгвс", "Qгвс_пс", "Qтех", "Qтехгвс",
    "Всего Гкал", "Потери", "Промывки Гкал", "Otbor_Gk", "Ут_потр_п", "Птпотр_п_р",
    "ДоляУтечекТсетях", "Потери в тсетях")
SELECT п."Npotr", п."NDOG", п."Главная", п."Nobkt", р."Период_н", р."Период_к",
    п."QHEAT26" * 744, п."QVENT26" * 120, п."QVENT26" * 500, п."Qgvs" * 700, п."QGV_Пс" * 700,
    п."QTS" * 198, п."Qtgvs" * 240,
    п."QHEAT26" * 744 + п."QVENT26" * 620 + п."Qgvs" * 700 + п."QTS" * 198 + 1.5,
    0.5, 0.25 * (п."Npotr" % 3), 0.1 * (п."Npotr" % 2), 0.01, 0.002, 0.0001, 0.3
FROM "Потребители" п
JOIN "ПериодРасчета" р ON р."Текущий" <> 0 AND р."План" = 0
WHERE п."Npotr" > 100000;
)sql";

std::string_view demoFile(std::string_view path) {
    for (const kalvik::demo::DemoFile& file : kalvik::demo::demoFiles())
        if (file.path == path) return file.text;
    throw std::runtime_error("no demonstration file " + std::string(path));
}

void makeSteamConsumers(const std::string& path) {
    Sqlite db(path);
    db.exec(kSteamConsumers);
    db.exec(std::string(demoFile("steam/generate.sql")));
}

// The connection's login, as the provider gives it to the procedures.
void userName(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_text(context, "bench", -1, SQLITE_STATIC);
}

// Returns the number of rows written.
std::size_t baseline(const std::string& path) {
    Sqlite db(path);
    sqlite3_create_function(db.handle(), "SUSER_SNAME", 0, SQLITE_UTF8, nullptr, userName, nullptr,
                            nullptr);
    const auto source = fetchAll(db.prepare(db.procedure("pr_Isxod_Potr_Par")));
    std::vector<std::string_view> columns(kalvik::steam::ResultRow::kNames.begin(),
                                          kalvik::steam::ResultRow::kNames.end());
    sqlite3_stmt* insert = db.prepare(insertStatement("Res_Potreb_Par", columns));
    for (const auto& row : source) {
        for (int i = 1; i <= static_cast<int>(columns.size()); ++i)
            sqlite3_bind_double(insert, i,
                                row[static_cast<std::size_t>(i) % row.size()].number * i);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return source.size();
}

void BM_SteamRunBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)), makeSteamConsumers);
    measureBesideBaseline(state, database, "rows",
                          [](const std::string& connection) {
                              kalvik::Ras_Potr_Par().Расчет_Пар_ADO(
                                  connection, 0, 3, 3, 3, oleaut::DateSerial(2009, 1, 1),
                                  oleaut::DateSerial(2009, 1, 31), "", 0);
                          },
                          baseline, {kRatioTarget});
}
BENCHMARK(BM_SteamRunBesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
