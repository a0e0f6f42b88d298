// The monthly consumption calculation over 10,000 and 100,000 generated consumers (actual
// variant), beside a baseline that does only the database work such a run cannot avoid, straight
// through SQLite on the same database: it reads the same source and auxiliary rows and each
// consumer's coefficient row, and appends the same number of main and hours rows with the same
// columns, one consumer per transaction. Each starts from a fresh copy of the database. Run and
// baseline alternate three times each, so that a noisy machine disturbs both alike; reported are
// the median of each, the ratio of the medians, the time per consumer of both (a cost that grows
// faster than the consumers shows between the two sizes) and the run's peak resident memory.
// Targets: the run within 1.5 times the baseline, its peak memory at most 320 MiB.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/builder.hpp"
#include "library/consumption/columns.hpp"
#include "library/consumption/ras_potr.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "platform/oleaut/datetime.hpp"

namespace {

constexpr double kRatioTarget = 1.5;
constexpr double kPeakTargetMiB = 320;
constexpr int kRounds = 3;

// The size the benchmark names; KALVIK_BENCH_CONSUMERS sets another number for a quick look.
int32_t consumersToGenerate(int64_t named) {
    const char* text = std::getenv("KALVIK_BENCH_CONSUMERS");
    return text ? std::stoi(text) : static_cast<int32_t>(named);
}

std::string temporaryFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("kalvik-bench-" + std::to_string(getpid()) + "-" + name + ".db"))
        .string();
}

void removeDatabase(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
}

// The demonstration database with the generated consumers, kept whole; each run and each
// baseline works on a fresh copy of it.
struct LargeDatabase {
    std::string pristine = temporaryFile("pristine");
    std::string work = temporaryFile("work");
    std::string connectionString;

    explicit LargeDatabase(int32_t consumers) {
        const std::string built = temporaryFile("built");
        kalvik::demo::buildDemoDatabase(built, consumers);
        // The ventilation results that the consumption sums.
        kalvik::Ras_Vent ventilation;
        ventilation.Ras_Calc_Vent("Provider=SQLite;Data Source=" + built, 0, 3, 3, 3, "",
                                  oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31),
                                  0, 0);
        removeDatabase(pristine);
        sqlite3* db = nullptr;
        sqlite3_open(built.c_str(), &db);
        sqlite3_exec(db, ("VACUUM INTO '" + pristine + "'").c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        removeDatabase(built);
        connectionString = "Provider=SQLite;Data Source=" + work;
    }
    ~LargeDatabase() {
        removeDatabase(pristine);
        removeDatabase(work);
    }
    // A fresh copy to work on.
    const std::string& fresh() const {
        removeDatabase(work);
        std::filesystem::copy_file(pristine, work);
        return work;
    }
};

// --- The baseline, straight through SQLite ---

class Sqlite {
  public:
    explicit Sqlite(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
        exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
    }
    ~Sqlite() { sqlite3_close(db_); }
    void exec(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "?";
            sqlite3_free(message);
            throw std::runtime_error(text + ": " + sql);
        }
    }
    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
        return s;
    }
    // The body of an emulated stored procedure.
    std::string procedure(const std::string& name) {
        sqlite3_stmt* s = prepare("SELECT body FROM procedures WHERE name = ?");
        sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        std::string body;
        if (sqlite3_step(s) == SQLITE_ROW)
            body = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        sqlite3_finalize(s);
        return body;
    }
    sqlite3* handle() { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

// One value of a fetched row, kept as a client-side recordset keeps it.
struct Cell {
    int type;
    double number;
    std::string text;
};

// Reads every row and every column of a statement into memory.
std::vector<std::vector<Cell>> fetchAll(sqlite3_stmt* s) {
    std::vector<std::vector<Cell>> rows;
    const int columns = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        std::vector<Cell> row(static_cast<std::size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            Cell& c = row[static_cast<std::size_t>(i)];
            c.type = sqlite3_column_type(s, i);
            if (c.type == SQLITE_TEXT)
                c.text = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
            else
                c.number = sqlite3_column_double(s, i);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(s);
    return rows;
}

std::string insertStatement(std::string_view table, const std::vector<std::string_view>& columns) {
    std::string sql = "INSERT INTO \"" + std::string(table) + "\" (";
    std::string values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? ", \"" : "\"") + std::string(columns[i]) + "\"";
        values += i ? ", ?" : "?";
    }
    return sql + ") VALUES (" + values + ")";
}

template <class Row>
std::vector<std::string_view> columnsBut(std::string_view key) {
    std::vector<std::string_view> columns;
    for (std::string_view name : Row::kNames)
        if (name != key) columns.push_back(name);
    return columns;
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

// The peak resident memory since the last reset (VmHWM), so that building the database before
// the run does not count into the run's peak.
void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;  // kB
    return 0;
}

template <class F>
double secondsOf(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_ConsumptionRunBesideBaseline(benchmark::State& state) {
    const LargeDatabase database(consumersToGenerate(state.range(0)));
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
