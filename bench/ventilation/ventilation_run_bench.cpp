// The monthly ventilation calculation over the units of 100,000 generated consumers (actual
// variant), beside a baseline that does only the database work such a run cannot avoid, straight
// through SQLite on the same database: it reads the same unit and outage rows and appends as many
// rows of the result's 37 columns, each in its own implicit transaction. Each starts from a fresh
// copy. Run and baseline alternate three times; reported are the medians, their ratio, the units
// and the run's peak resident memory. Targets: the run within 2 times the baseline, its peak
// memory under 1 GiB.

#include "bench/bench_support.hpp"
#include "library/ventilation_steam/columns.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 2;
constexpr double kPeakTargetMiB = 1024;

// Returns the number of units.
std::size_t baseline(const std::string& path) {
    Sqlite db(path);
    auto run = [&](const std::string& procedure) {
        sqlite3_stmt* s = db.prepare(db.procedure(procedure));
        const int index = sqlite3_bind_parameter_index(s, "@План");
        if (index > 0) sqlite3_bind_int(s, index, 0);
        return fetchAll(s);
    };
    const auto units = run("pr_Isx_Vent_Potr");
    benchmark::DoNotOptimize(run("pr_Otkl_vent_filtf"));
    benchmark::DoNotOptimize(run("pr_Otkl_vent_Dlit"));

    const auto columns = columnsBut<kalvik::ventilation::ResultRow>("");
    sqlite3_stmt* insert = db.prepare(insertStatement("РезультатыВентиляция", columns));
    for (const auto& unit : units) {
        for (int i = 1; i <= static_cast<int>(columns.size()); ++i)
            sqlite3_bind_double(insert, i, unit[static_cast<std::size_t>(i) % 20].number + i);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return units.size();
}

void BM_VentilationRunBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
    measureBesideBaseline(state, database, "units",
                          [](const std::string& connection) {
                              kalvik::Ras_Vent().Ras_Calc_Vent(
                                  connection, 0, 3, 3, 3, "", oleaut::DateSerial(2009, 1, 1),
                                  oleaut::DateSerial(2009, 1, 31), 0, 0);
                          },
                          baseline, {kRatioTarget, kPeakTargetMiB});
}
BENCHMARK(BM_VentilationRunBesideBaseline)
    ->Arg(100000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
