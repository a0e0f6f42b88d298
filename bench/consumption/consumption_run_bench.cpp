// The monthly consumption calculation over 10,000 and 100,000 generated consumers (actual
// variant), beside a baseline that does only the database work such a run cannot avoid, straight
// through SQLite on the same database: it reads the same source and auxiliary rows and each
// consumer's coefficient row, and appends the same number of main and hours rows with the same
// columns, one consumer per transaction. Each starts from a fresh copy of the database. Run and
// baseline alternate three times each, so that a noisy machine disturbs both alike; reported are
// the median of each, the ratio of the medians, the time per consumer of both (a cost that grows
// faster than the consumers shows between the two sizes) and the run's peak resident memory.
// Targets: the run within 1.5 times the baseline, its peak memory within the common target.
//
// The revisions of 23.01.08 and 02.01.05 run over 20,000 and 100,000 consumers beside the same
// baseline without the coefficient rows; for 02.01.05 it also reads the month's climate row and
// writes the wider rows (the figures by the network temperatures and the recalculation period).
// Targets: each within 2 times its baseline, peak memory within the common target.

#include <algorithm>

#include "bench/bench_support.hpp"
#include "library/consumption/columns.hpp"
#include "library/consumption/ras_potr.hpp"
#include "library/consumption/variant_rule.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 1.5;
constexpr double kRevisionRatioTarget = 2;

// The ventilation results of the month, which the consumption sums.
void runVentilation(const std::string& file) {
    kalvik::Ras_Vent ventilation;
    ventilation.Ras_Calc_Vent(ado::sqliteConnectionString(file), 0, 3, 3, 3, "",
                              oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31), 0,
                              0);
}

// What a run's unavoidable database work holds besides the source rows and the result rows.
struct BaselineWork {
    bool coefficientRows = true;
    bool climateRow = false;
    // Main-row columns the method never writes.
    std::vector<std::string_view> unwritten;
};

// The main row's columns of the figures by the network temperatures and the recalculation period.
const std::vector<std::string_view> kOf02_01_05Only = {"QтехТ12",
                                                       "Пттех_п_рТ12",
                                                       "Qвент12Т12",
                                                       "Qвент26Т12",
                                                       "Птвент26_п_рТ12",
                                                       "Птвент12_п_рТ12",
                                                       "ПотериТ12",
                                                       "Всего ГкалТ12",
                                                       "Год_Прасч",
                                                       "Месяц_Прасч",
                                                       "Потери в тсетяхТ12",
                                                       "ДоляУтечекТсетяхТ12",
                                                       "ДоляТПУтечекТсетяхТ12",
                                                       "ДоляТПотерьТсетяхТ12",
                                                       "Q_Y_potr_sum12",
                                                       "QотТ12",
                                                       "Птот_п_рТ12"};

std::vector<std::string_view> mainColumnsOf(const BaselineWork& work) {
    std::vector<std::string_view> columns;
    for (std::string_view name : columnsBut<kalvik::consumption::MainRow>("NNрасчТепл"))
        if (std::find(work.unwritten.begin(), work.unwritten.end(), name) == work.unwritten.end())
            columns.push_back(name);
    return columns;
}

// Returns the number of consumers.
std::size_t baseline(const std::string& path, const BaselineWork& work) {
    Sqlite db(path);
    auto run = [&](const std::string& procedure, int plan) {
        sqlite3_stmt* s = db.prepare(db.procedure(procedure));
        const int index = sqlite3_bind_parameter_index(s, "@План");
        if (index > 0) sqlite3_bind_int(s, index, plan);
        return fetchAll(s);
    };
    const auto source = run("pr_Isxod_Potr", 0);
    benchmark::DoNotOptimize(run("pr_Otkl_Potr_filtr", 0));
    benchmark::DoNotOptimize(run("pr_Sum_Qvent", 0));
    benchmark::DoNotOptimize(run("pr_Potr_Dl_Otkl", 0));
    benchmark::DoNotOptimize(run("pr_Promyvki", 0));
    if (work.climateRow) {
        sqlite3_stmt* climate = db.prepare(kalvik::consumption::climateSelection(1));
        benchmark::DoNotOptimize(fetchAll(climate));
    }

    const auto mainColumns = mainColumnsOf(work);
    const auto hoursColumns = columnsBut<kalvik::consumption::HoursRow>("NNрасчТепл");
    sqlite3_stmt* coefficient = db.prepare(db.procedure("pr_Потребитель_K_G_gvs"));
    sqlite3_stmt* main = db.prepare(insertStatement("РезультатыПотребитель", mainColumns));
    std::vector<std::string_view> hoursWithKey{"NNрасчТепл"};
    hoursWithKey.insert(hoursWithKey.end(), hoursColumns.begin(), hoursColumns.end());
    sqlite3_stmt* hours = db.prepare(insertStatement("РезультатыПотребитель_Время", hoursWithKey));

    for (const auto& consumer : source) {
        db.exec("BEGIN");
        if (work.coefficientRows) {
            sqlite3_bind_double(coefficient, 1, consumer[0].number);
            while (sqlite3_step(coefficient) == SQLITE_ROW)
                benchmark::DoNotOptimize(sqlite3_column_double(coefficient, 1));
            sqlite3_reset(coefficient);
        }

        for (int i = 1; i <= static_cast<int>(mainColumns.size()); ++i)
            sqlite3_bind_double(main, i, consumer[static_cast<std::size_t>(i) % 20].number + i);
        sqlite3_step(main);
        sqlite3_reset(main);
        const sqlite3_int64 key = sqlite3_last_insert_rowid(db.handle());

        sqlite3_bind_int64(hours, 1, key);
        for (int i = 2; i <= static_cast<int>(hoursWithKey.size()); ++i)
            sqlite3_bind_double(hours, i, 744.0 - i);
        sqlite3_step(hours);
        sqlite3_reset(hours);
        db.exec("COMMIT");
    }
    sqlite3_finalize(coefficient);
    sqlite3_finalize(main);
    sqlite3_finalize(hours);
    return source.size();
}

// A method's run over the generated consumers beside its baseline, alternating.
template <class Calculate>
void runBesideBaseline(benchmark::State& state, Calculate calculate, const BaselineWork& work,
                       double ratioTarget) {
    const LargeDatabase database(consumersToGenerate(state.range(0)), runVentilation);
    measureBesideBaseline(state, database, "consumers", calculate,
                          [&](const std::string& copy) { return baseline(copy, work); },
                          {ratioTarget});
}

const oleaut::Date kFirst = oleaut::DateSerial(2009, 1, 1);
const oleaut::Date kLast = oleaut::DateSerial(2009, 1, 31);

void BM_ConsumptionRunBesideBaseline(benchmark::State& state) {
    runBesideBaseline(
        state,
        [](const std::string& connection) {
            kalvik::Ras_Potr().Ras_Calc_Potr(connection, 0, 3, 3, 3, "", "", 0.18, 0.05, kFirst,
                                             kLast, 0, 0, 0);
        },
        {true, false, kOf02_01_05Only}, kRatioTarget);
}

void BM_Revision23_01_08BesideBaseline(benchmark::State& state) {
    runBesideBaseline(
        state,
        [](const std::string& connection) {
            kalvik::Ras_Potr().Ras_Calc_Potr_23_01_08(connection, 0, 3, 3, 3, "", "", 0.18, 0.05,
                                                      kFirst, kLast, 0, 0, 0);
        },
        {false, false, kOf02_01_05Only}, kRevisionRatioTarget);
}

void BM_Revision02_01_05BesideBaseline(benchmark::State& state) {
    runBesideBaseline(
        state,
        [](const std::string& connection) {
            kalvik::Ras_Potr().Ras_Calc_Potr_02_01_05(connection, 0, 3, 3, 3, -26, -15, 8, 5, "",
                                                      "", 2009, 1, 0.18, 0.05, kFirst, kLast, 0, 0);
        },
        {false, true, {}}, kRevisionRatioTarget);
}

BENCHMARK(BM_ConsumptionRunBesideBaseline)->Apply(measuredAt<10000>);
BENCHMARK(BM_Revision23_01_08BesideBaseline)->Apply(measuredAt<20000>);
BENCHMARK(BM_Revision02_01_05BesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
