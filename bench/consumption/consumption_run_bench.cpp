// The monthly consumption calculation over 10,000 and 100,000 generated consumers (actual
// variant), beside a baseline that does only the database work such a run cannot avoid, straight
// through SQLite on the same database: it reads the same source and auxiliary rows and each
// consumer's coefficient row, and appends the same number of main and hours rows with the same
// columns, one consumer per transaction. Each starts from a fresh copy of the database. Run and
// baseline alternate three times each, so that a noisy machine disturbs both alike; reported are
// the median of each, the ratio of the medians, the time per consumer of both (a cost that grows
// faster than the consumers shows between the two sizes) and the run's peak resident memory.
// Targets: the run within 1.5 times the baseline, its peak memory at most 320 MiB.

#include "bench/bench_support.hpp"
#include "library/consumption/columns.hpp"
#include "library/consumption/ras_potr.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 1.5;
constexpr double kPeakTargetMiB = 320;
constexpr int kRounds = 3;

// The ventilation results of the month, which the consumption sums.
void runVentilation(const std::string& file) {
    kalvik::Ras_Vent ventilation;
    ventilation.Ras_Calc_Vent("Provider=SQLite;Data Source=" + file, 0, 3, 3, 3, "",
                              oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31), 0,
                              0);
}

// Returns the number of consumers.
std::size_t baseline(const std::string& path) {
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

    const auto mainColumns = columnsBut<kalvik::consumption::MainRow>("NNрасчТепл");
    const auto hoursColumns = columnsBut<kalvik::consumption::HoursRow>("NNрасчТепл");
    sqlite3_stmt* coefficient = db.prepare(db.procedure("pr_Потребитель_K_G_gvs"));
    sqlite3_stmt* main = db.prepare(insertStatement("РезультатыПотребитель", mainColumns));
    std::vector<std::string_view> hoursWithKey{"NNрасчТепл"};
    hoursWithKey.insert(hoursWithKey.end(), hoursColumns.begin(), hoursColumns.end());
    sqlite3_stmt* hours = db.prepare(insertStatement("РезультатыПотребитель_Время", hoursWithKey));

    for (const auto& consumer : source) {
        db.exec("BEGIN");
        sqlite3_bind_double(coefficient, 1, consumer[0].number);
        while (sqlite3_step(coefficient) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_double(coefficient, 1));
        sqlite3_reset(coefficient);

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

void BM_ConsumptionRunBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)), runVentilation);
    for (auto _ : state) {
        std::vector<double> runs;
        std::vector<double> baselines;
        double peak = 0;
        std::size_t consumers = 0;
        for (int round = 0; round < kRounds; ++round) {
            database.fresh();
            resetPeakResident();
            runs.push_back(secondsOf([&] {
                kalvik::Ras_Potr calculation;
                calculation.Ras_Calc_Potr(database.connectionString, 0, 3, 3, 3, "", "", 0.18, 0.05,
                                          oleaut::DateSerial(2009, 1, 1),
                                          oleaut::DateSerial(2009, 1, 31), 0, 0, 0);
            }));
            peak = std::max(peak, peakResidentMiB());
            const std::string& copy = database.fresh();
            baselines.push_back(secondsOf([&] { consumers = baseline(copy); }));
        }
        const double run = median(runs);
        const double base = median(baselines);
        state.SetIterationTime(run);
        state.counters["consumers"] = static_cast<double>(consumers);
        state.counters["run_s"] = run;
        state.counters["baseline_s"] = base;
        state.counters["ratio"] = run / base;
        state.counters["ratio_target"] = kRatioTarget;
        state.counters["run_us_per_consumer"] = run * 1e6 / static_cast<double>(consumers);
        state.counters["baseline_us_per_consumer"] = base * 1e6 / static_cast<double>(consumers);
        state.counters["run_peak_MiB"] = peak;
        state.counters["peak_target_MiB"] = kPeakTargetMiB;
    }
}
BENCHMARK(BM_ConsumptionRunBesideBaseline)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
