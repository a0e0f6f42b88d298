#pragma once
// What the calculation benchmarks share: a large generated demonstration database copied afresh
// for each run and baseline, a thin SQLite handle for the baselines, and the measures (seconds,
// median, peak resident memory).

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/builder.hpp"

namespace kalvik_bench {

// The size the benchmark names; KALVIK_BENCH_CONSUMERS sets another number for a quick look.
inline int32_t consumersToGenerate(int64_t named) {
    const char* text = std::getenv("KALVIK_BENCH_CONSUMERS");
    return text ? std::stoi(text) : static_cast<int32_t>(named);
}

inline std::string temporaryFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("kalvik-bench-" + std::to_string(getpid()) + "-" + name + ".db"))
        .string();
}

inline void removeDatabase(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
}

// The demonstration database with the generated consumers, kept whole; each run and each
// baseline works on a fresh copy of it.
struct LargeDatabase {
    std::string pristine = temporaryFile("pristine");
    std::string work = temporaryFile("work");
    std::string connectionString;

    // `prepare` may change the built database (through SQLite) before it is kept.
    explicit LargeDatabase(int32_t consumers,
                           const std::function<void(const std::string&)>& prepare = {}) {
        const std::string built = temporaryFile("built");
        kalvik::demo::buildDemoDatabase(built, consumers);
        if (prepare) prepare(built);
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
inline std::vector<std::vector<Cell>> fetchAll(sqlite3_stmt* s) {
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

inline std::string insertStatement(std::string_view table,
                                   const std::vector<std::string_view>& columns) {
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

// The peak resident memory since the last reset (VmHWM), so that building the database before
// the run does not count into the run's peak.
inline void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double peakResidentMiB() {
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

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Targets of a run beside its baseline.
struct Targets {
    double ratio;
    double peakMiB;
};

// Runs `calculate(connectionString)` and `baseline(file)` alternately, each on a fresh copy of the
// database, three rounds; reports their medians, the ratio, the run's peak resident memory and
// what the baseline counted (`counted` names it; with `perItem`, the times per item too).
template <class Calculate, class Baseline>
void measureBesideBaseline(benchmark::State& state, const LargeDatabase& database,
                           const char* counted, Calculate calculate, Baseline baseline,
                           Targets targets, const char* perItem = nullptr) {
    constexpr int kRounds = 3;
    for (auto _ : state) {
        std::vector<double> runs;
        std::vector<double> baselines;
        double peak = 0;
        std::size_t count = 0;
        for (int round = 0; round < kRounds; ++round) {
            database.fresh();
            resetPeakResident();
            runs.push_back(secondsOf([&] { calculate(database.connectionString); }));
            peak = std::max(peak, peakResidentMiB());
            const std::string& copy = database.fresh();
            baselines.push_back(secondsOf([&] { count = baseline(copy); }));
        }
        const double run = median(runs);
        const double base = median(baselines);
        state.SetIterationTime(run);
        state.counters[counted] = static_cast<double>(count);
        state.counters["run_s"] = run;
        state.counters["baseline_s"] = base;
        state.counters["ratio"] = run / base;
        state.counters["ratio_target"] = targets.ratio;
        if (perItem) {
            state.counters[std::string("run_us_per_") + perItem] =
                run * 1e6 / static_cast<double>(count);
            state.counters[std::string("baseline_us_per_") + perItem] =
                base * 1e6 / static_cast<double>(count);
        }
        state.counters["run_peak_MiB"] = peak;
        state.counters["peak_target_MiB"] = targets.peakMiB;
    }
}

}  // namespace kalvik_bench
