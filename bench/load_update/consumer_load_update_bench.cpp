// The consumer load update over 20,000 and 100,000 generated consumers, beside a baseline that does
// only the database work such a run cannot avoid, straight through SQLite on the same database: it
// reads the rows of `pr_Potreb_Obnovl` and `pr_Obn_Sum_Qvent` and updates the written columns of
// each consumer by its key (a steam consumer's steam columns too), one statement per row in its own
// implicit transaction, as the update saves each row at once. The database is prepared by the
// ventilation unit update, whose values the consumers sum. The same for the revision of 13.11.04,
// through its work table. Targets: the run within 2 times the baseline, peak memory
// within the common target.

#include <array>

#include "bench/bench_support.hpp"
#include "library/load_update/potr.hpp"
#include "library/load_update/vent.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 2;
constexpr int16_t kDecimals = 3;

// Written for every consumer.
constexpr auto kWritten = std::to_array<std::string_view>({"QHEAT26",
                                                           "Vот_р",
                                                           "Vвент26_р",
                                                           "Vгвс_р",
                                                           "Vгвс_Пс_р",
                                                           "VтехГВС_р",
                                                           "Vтех_р",
                                                           "Vпотр_р",
                                                           "QVENT26",
                                                           "Утвент26_п",
                                                           "Птвент26_п",
                                                           "G_vent",
                                                           "SQсрчас",
                                                           "Qgvs",
                                                           "QGV_Пс",
                                                           "Qtgvs",
                                                           "QTS",
                                                           "ДоляУтечекТсетях",
                                                           "ДоляТПУтечекТсетях",
                                                           "ДоляТПотерьТсетях",
                                                           "ДоляПотерьТсетях",
                                                           "Утот_п",
                                                           "Утгвс_п",
                                                           "Утгвс_Пс_п",
                                                           "УттехГВС_п",
                                                           "Уттех_п",
                                                           "Утпотр_п",
                                                           "Птот_п",
                                                           "Птгвс_п",
                                                           "Птгвс_Пс_п",
                                                           "ПттехГВС_п",
                                                           "Пттех_п",
                                                           "Птпотр_п",
                                                           "SQсрчас с пот",
                                                           "G_ot",
                                                           "G_GV_Пс",
                                                           "G_tex",
                                                           "G_tex_gvs",
                                                           "G_GVS"});

// Written for a steam consumer besides.
constexpr auto kSteamWritten = std::to_array<std::string_view>(
    {"SQ_Пар",       "S_Q_пот_местн", "S_G_пот_местн", "S_G_пот_тсеть", "S_Q_пот_тсеть",
     "SG_пар",       "S_Gvkn_Конд",   "S_Qvkn_Конд",   "SG_Конд",       "QHEAT26_par",
     "QVENT12_par",  "QVENT26_par",   "QGVS_par",      "QGV_Пс_par",    "QTS_par",
     "QTGVS_par",    "QHEAT26_Gvkn",  "QVENT12_Gvkn",  "QVENT26_Gvkn",  "QGVS_Gvkn",
     "QGV_Пс_Gvkn",  "QTS_Gvkn",      "QTGVS_Gvkn",    "QHEAT26_Qvkn",  "QVENT12_Qvkn",
     "QVENT26_Qvkn", "QGVS_Qvkn",     "QGV_Пс_Qvkn",   "QTS_Qvkn",      "QTGVS_Qvkn"});

template <std::size_t N>
std::string updateStatement(const std::array<std::string_view, N>& columns,
                            std::string_view table) {
    std::string sql = "UPDATE \"" + std::string(table) + "\" SET ";
    for (std::size_t i = 0; i < N; ++i)
        sql += (i ? ", \"" : "\"") + std::string(columns[i]) + "\" = ?";
    return sql + " WHERE \"Npotr\" = ?";
}

int columnOf(sqlite3_stmt* s, std::string_view name) {
    for (int i = 0; i < sqlite3_column_count(s); ++i)
        if (name == sqlite3_column_name(s, i)) return i;
    throw std::runtime_error("no column " + std::string(name));
}

// Binds made-up numbers (the baseline computes nothing) and the key, then runs the update.
template <std::size_t N>
void updateRow(sqlite3_stmt* update, double key) {
    for (std::size_t i = 1; i <= N; ++i)
        sqlite3_bind_double(update, static_cast<int>(i), key / 1000 + static_cast<double>(i));
    sqlite3_bind_int64(update, static_cast<int>(N) + 1, static_cast<sqlite3_int64>(key));
    sqlite3_step(update);
    sqlite3_reset(update);
}

// Updates each consumer's row of the table by its key, a steam consumer's steam columns too.
void updateConsumers(Sqlite& db, const std::vector<std::vector<Cell>>& consumers, std::size_t key,
                     std::size_t par, std::string_view table) {
    sqlite3_stmt* update = db.prepare(updateStatement(kWritten, table));
    sqlite3_stmt* steamUpdate = db.prepare(updateStatement(kSteamWritten, table));
    for (const auto& consumer : consumers) {
        updateRow<kWritten.size()>(update, consumer[key].number);
        if (consumer[par].number > 0)
            updateRow<kSteamWritten.size()>(steamUpdate, consumer[key].number);
    }
    sqlite3_finalize(update);
    sqlite3_finalize(steamUpdate);
}

// Returns the number of consumers.
std::size_t baseline(const std::string& path) {
    Sqlite db(path);
    sqlite3_stmt* read = db.prepare(db.procedure("pr_Potreb_Obnovl"));
    const auto key = static_cast<std::size_t>(columnOf(read, "Npotr"));
    const auto par = static_cast<std::size_t>(columnOf(read, "PAR"));
    const auto consumers = fetchAll(read);
    const auto sums = fetchAll(db.prepare(db.procedure("pr_Obn_Sum_Qvent")));
    benchmark::DoNotOptimize(sums.size());
    updateConsumers(db, consumers, key, par, "Потребители");
    return consumers.size();
}

// The revision of 13.11.04: the work table filled by `pr_Potreb_vrem`, read, each of its rows
// updated by its key, then copied back by `pr_Update_Potreb` and `pr_Update_Potreb_Par`. Returns
// the number of consumers.
std::size_t revisionBaseline(const std::string& path) {
    Sqlite db(path);
    db.exec(db.procedure("pr_Potreb_vrem"));
    sqlite3_stmt* read = db.prepare("SELECT * FROM \"Расчет_Потреб_Врем\"");
    const auto key = static_cast<std::size_t>(columnOf(read, "Npotr"));
    const auto par = static_cast<std::size_t>(columnOf(read, "PAR"));
    const auto consumers = fetchAll(read);
    const auto sums = fetchAll(db.prepare(db.procedure("pr_Obn_Sum_Qvent")));
    benchmark::DoNotOptimize(sums.size());
    updateConsumers(db, consumers, key, par, "Расчет_Потреб_Врем");
    db.exec(db.procedure("pr_Update_Potreb"));
    db.exec(db.procedure("pr_Update_Potreb_Par"));
    return consumers.size();
}

// The units' flows and volumes are the unit update's, as in use: it runs first.
void runUnitUpdate(const std::string& built) {
    kalvik::Vent units;
    units.CalculationVent(kalvik::demo::demoConnectionString(built), kDecimals);
}

void BM_ConsumerLoadUpdateBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)), runUnitUpdate);
    measureBesideBaseline(state, database, "consumers",
                          [](const std::string& connectionString) {
                              kalvik::Potr update;
                              oleaut::Variant updated = true;  // the update sets it False only
                              update.Calc_Potr(connectionString, kDecimals, "Санкт-Петербург",
                                               updated);
                              if (!oleaut::isTrue(updated))
                                  throw std::runtime_error("the update failed");
                          },
                          baseline, {kRatioTarget});
}
BENCHMARK(BM_ConsumerLoadUpdateBesideBaseline)->Apply(measuredAt<20000>);

void BM_ConsumerLoadUpdateRevisionBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)), runUnitUpdate);
    measureBesideBaseline(state, database, "consumers",
                          [](const std::string& connectionString) {
                              oleaut::Variant updated = true;  // the update sets it False only
                              kalvik::Potr().Calc_Potr_13_11_04(connectionString, kDecimals, 5, -26,
                                                                updated);
                              if (!oleaut::isTrue(updated))
                                  throw std::runtime_error("the update failed");
                          },
                          revisionBaseline, {kRatioTarget});
}
BENCHMARK(BM_ConsumerLoadUpdateRevisionBesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
