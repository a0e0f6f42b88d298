// The monthly ventilation calculation over the units of 20,000 and 100,000 generated consumers,
// beside a baseline that does only the database work such a run cannot avoid, straight through
// SQLite on the same database: it reads the same unit and outage rows and appends as many result
// rows, each in its own implicit transaction. Each starts from a fresh copy. Run and baseline
// alternate three times; reported are the medians, their ratio, the units and the run's peak
// resident memory. Targets: the run within 2 times the baseline, its peak memory within the common
// target.
//   BM_VentilationRunBesideBaseline       Ras_Calc_Vent, actual variant, the 37 columns it writes
//   BM_VentilationRevisionBesideBaseline  Ras_Calc_Vent_23_10_04 on the plan figures, 43 columns

#include <algorithm>
#include <initializer_list>

#include "bench/bench_support.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "library/ventilation_steam/ventilation_columns.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 2;

// The result columns a method writes: all of them, or all but the revisions' T12 columns.
std::vector<std::string_view> resultColumns(bool withT12) {
    std::vector<std::string_view> columns = columnsBut<kalvik::ventilation::ResultRow>("");
    if (!withT12) {
        std::erase_if(columns, [](std::string_view name) {
            return std::ranges::find(kalvik::ventilation::kT12Columns, name) !=
                   kalvik::ventilation::kT12Columns.end();
        });
    }
    return columns;
}

// Reads the units of the variant and the outage sets, and inserts one row of the columns per
// unit into the table; returns the number of units.
std::size_t baseline(const std::string& path, int plan,
                     std::initializer_list<const char*> outageProcedures, const char* table,
                     const std::vector<std::string_view>& columns) {
    Sqlite db(path);
    auto run = [&](const std::string& procedure) {
        sqlite3_stmt* s = db.prepare(db.procedure(procedure));
        const int index = sqlite3_bind_parameter_index(s, "@План");
        if (index > 0) sqlite3_bind_int(s, index, plan);
        return fetchAll(s);
    };
    const auto units = run("pr_Isx_Vent_Potr");
    for (const char* procedure : outageProcedures)
        benchmark::DoNotOptimize(run(procedure));

    sqlite3_stmt* insert = db.prepare(insertStatement(table, columns));
    for (const auto& unit : units) {
        for (int i = 1; i <= static_cast<int>(columns.size()); ++i)
            sqlite3_bind_double(insert, i, unit[static_cast<std::size_t>(i) % 20].number + i);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return units.size();
}

// Alternates the calculation and the baseline on fresh copies and reports both.
template <class Calculation, class Baseline>
void besideBaseline(benchmark::State& state, Calculation calculation, Baseline base) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
    measureBesideBaseline(state, database, "units", calculation, base, {kRatioTarget});
}

void BM_VentilationRunBesideBaseline(benchmark::State& state) {
    besideBaseline(
        state,
        [](const std::string& connectionString) {
            kalvik::Ras_Vent calculation;
            calculation.Ras_Calc_Vent(connectionString, 0, 3, 3, 3, "",
                                      oleaut::DateSerial(2009, 1, 1),
                                      oleaut::DateSerial(2009, 1, 31), 0, 0);
        },
        [](const std::string& path) {
            return baseline(path, 0, {"pr_Otkl_vent_filtf", "pr_Otkl_vent_Dlit"},
                            "РезультатыВентиляция", resultColumns(false));
        });
}
BENCHMARK(BM_VentilationRunBesideBaseline)->Apply(measuredAt<20000>);

void BM_VentilationRevisionBesideBaseline(benchmark::State& state) {
    besideBaseline(
        state,
        [](const std::string& connectionString) {
            kalvik::Ras_Vent calculation;
            calculation.Ras_Calc_Vent_23_10_04(connectionString, 0, 3, 3, 3, -26, -25, 8, "", 2009,
                                               1, oleaut::DateSerial(2009, 1, 1),
                                               oleaut::DateSerial(2009, 1, 31), 1);
        },
        [](const std::string& path) {
            return baseline(path, 1, {"pr_Otkl_vent_Plan"}, "РезультатыВентиляция_План",
                            resultColumns(true));
        });
}
BENCHMARK(BM_VentilationRevisionBesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
