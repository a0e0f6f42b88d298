// The local loss spreading over the consumers with contract local losses among 20,000 and 100,000
// generated ones (every third), beside a baseline that does only the database work such a run
// cannot avoid, straight through SQLite on the same database: it reads the rows of
// `pr_Dog_Obnovl_Potr_Poteri_Out` and updates the 20 written columns of each consumer by its
// key, one statement per row in its own implicit transaction, as the run saves each row when it
// moves off it. Targets: within 2 times the baseline, peak memory within the common target.

#include <string>
#include <vector>

#include "bench/bench_support.hpp"
#include "library/load_update/loss_spreading_columns.hpp"
#include "library/load_update/poteri_vneshn.hpp"

namespace {

using namespace kalvik_bench;
namespace col = kalvik::loss_spreading::col;

constexpr double kRatioTarget = 2;
constexpr int16_t kDecimals = 6;

// The loss and leak columns of the seven loads, their totals and the four network shares.
std::vector<std::string_view> writtenColumns() {
    std::vector<std::string_view> names;
    for (const auto& kind : kalvik::loss_spreading::kLoadShares)
        names.push_back(kind.loss.name);
    for (const auto& kind : kalvik::loss_spreading::kLoadShares)
        names.push_back(kind.leak.name);
    names.push_back(col::Птпотр_п.name);
    names.push_back(col::Утпотр_п.name);
    for (const auto& share : kalvik::loss_spreading::kNetworkShares)
        names.push_back(share.to.name);
    return names;
}

// Returns the number of consumers.
std::size_t baseline(const std::string& path) {
    Sqlite db(path);
    const auto rows = fetchAll(db.prepare(db.procedure("pr_Dog_Obnovl_Potr_Poteri_Out")));
    const std::vector<std::string_view> columns = writtenColumns();
    std::string sql = "UPDATE \"Потребители\" SET ";
    for (std::size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", \"" : "\"") + std::string(columns[i]) + "\" = ?";
    sql += " WHERE \"Npotr\" = ?";
    sqlite3_stmt* update = db.prepare(sql);
    const int key = static_cast<int>(columns.size()) + 1;
    for (const auto& row : rows) {
        for (int i = 1; i < key; ++i)
            sqlite3_bind_double(update, i, row[static_cast<std::size_t>(i) % row.size()].number);
        sqlite3_bind_int64(update, key, static_cast<sqlite3_int64>(row[0].number));
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    return rows.size();
}

void BM_LocalLossSpreadingBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
    measureBesideBaseline(state, database, "consumers",
                          [](const std::string& connection) {
                              kalvik::Poteri_vneshn().Obnovl_mest_Poter(connection, kDecimals);
                          },
                          baseline, {kRatioTarget});
}
BENCHMARK(BM_LocalLossSpreadingBesideBaseline)->Apply(measuredAt<20000>);

}  // namespace
