// The ventilation unit update, current and older form, over the units of 20,000 and 100,000
// generated consumers, beside a baseline that does only the database work such a run cannot avoid,
// straight through SQLite on the same database: it reads the rows of `pr_vent_obn` and updates
// the six written columns of each unit by its key, one statement per row in its own implicit
// transaction, as the update saves each row at once. Each method alternates with the baseline on
// fresh copies, three times; reported are the medians, the ratio, the units and the peak resident
// memory of the run. Targets: each run within 2 times the baseline, peak memory within the common
// target.

#include "bench/bench_support.hpp"
#include "library/load_update/vent.hpp"

namespace {

using namespace kalvik_bench;

constexpr double kRatioTarget = 2;
constexpr int16_t kDecimals = 3;
constexpr double kColdWater = 5;

// Returns the number of units.
std::size_t baseline(const std::string& path) {
    Sqlite db(path);
    const auto units = fetchAll(db.prepare(db.procedure("pr_vent_obn")));
    sqlite3_stmt* update = db.prepare(
        "UPDATE \"ВентУстановки\" SET \"Час_дн\" = ?, \"Qв_расч\" = ?, \"G_vent\" = ?, "
        "\"V_вент_р\" = ?, \"Ут_Вент\" = ?, \"Тпот_вент\" = ? WHERE \"NN_вент\" = ?");
    for (const auto& unit : units) {
        for (int i = 1; i <= 6; ++i)
            sqlite3_bind_double(update, i, unit[static_cast<std::size_t>(i) + 4].number + i);
        sqlite3_bind_int64(update, 7, static_cast<sqlite3_int64>(unit[0].number));
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    return units.size();
}

void BM_VentUnitUpdateBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
    measureBesideBaseline(state, database, "units",
                          [](const std::string& connection) {
                              kalvik::Vent().CalculationVent(connection, kDecimals);
                          },
                          baseline, {kRatioTarget});
}

void BM_VentUnitUpdateOldBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
    measureBesideBaseline(state, database, "units",
                          [](const std::string& connection) {
                              kalvik::Vent().CalculationVent_old(connection, kDecimals, kColdWater);
                          },
                          baseline, {kRatioTarget});
}

BENCHMARK(BM_VentUnitUpdateBesideBaseline)->Apply(measuredAt<20000>);
BENCHMARK(BM_VentUnitUpdateOldBesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
