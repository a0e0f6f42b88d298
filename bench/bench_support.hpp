#pragma once
// What the calculation benchmarks share: a large generated demonstration database copied afresh
// for each run and baseline, a thin SQLite handle for the baselines, and the measures, each taken
// in a process of its own (wall and CPU seconds, medians, peak resident memory).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "demo/builder.hpp"
#include "platform/ado/sqlite_provider.hpp"

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
    int32_t consumers;

    // `prepare` may change the built database (through SQLite) before it is kept.
    explicit LargeDatabase(int32_t consumers,
                           const std::function<void(const std::string&)>& prepare = {})
        : consumers(consumers) {
        const std::string built = temporaryFile("built");
        kalvik::demo::buildDemoDatabase(built, consumers);
        if (prepare) prepare(built);
        removeDatabase(pristine);
        sqlite3* db = nullptr;
        sqlite3_open(built.c_str(), &db);
        sqlite3_exec(db, ("VACUUM INTO '" + pristine + "'").c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        removeDatabase(built);
        connectionString = ado::sqliteConnectionString(work);
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

// The peak resident memory since the last reset (VmHWM).
inline void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double peakResidentMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;  // kB
    return 0;
}

// CPU time of the whole process, every thread of it.
inline double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What one piece of work measured in a process of its own.
struct Measured {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakMiB = 0;
    std::size_t count = 0;  // what the work returned
};

// Runs `work` (returning a count) in a child process, so that its peak resident memory is its
// own: memory that an earlier benchmark or baseline freed stays resident in this process, and a
// high-water mark reset here would count it. The child hands its free heap back to the system
// and resets its high-water mark before it starts. A failure of the work fails here with its
// message.
template <class Work>
Measured inChildProcess(Work work) {
    struct Report {
        Measured measured;
        bool ok = false;
        char message[512] = {};
    };
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("cannot make a pipe");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("cannot fork");
    if (child == 0) {
        close(pipeEnds[0]);
        Report report;
        try {
            malloc_trim(0);
            resetPeakResident();
            const double cpuBefore = processCpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            report.measured.count = work();
            report.measured.wallSeconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            report.measured.cpuSeconds = processCpuSeconds() - cpuBefore;
            report.measured.peakMiB = peakResidentMiB();
            report.ok = true;
        } catch (const std::exception& e) {
            std::snprintf(report.message, sizeof report.message, "%s", e.what());
        }
        const bool sent = write(pipeEnds[1], &report, sizeof report) == sizeof report;
        _exit(sent && report.ok ? 0 : 1);  // none of this process's destructors run twice
    }
    close(pipeEnds[1]);
    Report report;
    const bool received = read(pipeEnds[0], &report, sizeof report) == sizeof report;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!received) throw std::runtime_error("the measured process ended without a report");
    if (!report.ok) throw std::runtime_error(report.message);
    return report.measured;
}

// The peak resident memory that every calculation's run stays within.
inline constexpr double kPeakTargetMiB = 320;

// Targets of a run beside its baseline.
struct Targets {
    double ratio;
    double peakMiB = kPeakTargetMiB;
};

// The largest number of generated consumers every calculation is measured at.
inline constexpr int64_t kLargestSize = 100000;

// Registers a run beside its baseline once at `Smaller` generated consumers and once at the
// largest size, each timed by its measured wall time, in seconds:
// `BENCHMARK(BM_X)->Apply(measuredAt<20000>)`.
template <int64_t Smaller>
void measuredAt(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(Smaller)
        ->Arg(kLargestSize)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
}

// Runs `calculate(connectionString)` and `baseline(file)` alternately, each in a process of its
// own on a fresh copy of the database, three rounds; reports their wall and CPU medians and
// ratios, the time per generated consumer of each, the run's peak resident memory (the largest
// of its rounds) and what the baseline counted (`counted` names it).
template <class Calculate, class Baseline>
void measureBesideBaseline(benchmark::State& state, const LargeDatabase& database,
                           const char* counted, Calculate calculate, Baseline baseline,
                           Targets targets) {
    constexpr int kRounds = 3;
    for (auto _ : state) {
        std::vector<double> runs, runCpu, baselines, baselineCpu;
        double peak = 0;
        double baselinePeak = 0;
        std::size_t count = 0;
        for (int round = 0; round < kRounds; ++round) {
            database.fresh();
            const Measured run = inChildProcess([&] {
                calculate(database.connectionString);
                return std::size_t{0};
            });
            const std::string& copy = database.fresh();
            const Measured base = inChildProcess([&] { return baseline(copy); });
            runs.push_back(run.wallSeconds);
            runCpu.push_back(run.cpuSeconds);
            baselines.push_back(base.wallSeconds);
            baselineCpu.push_back(base.cpuSeconds);
            peak = std::max(peak, run.peakMiB);
            baselinePeak = std::max(baselinePeak, base.peakMiB);
            count = base.count;
        }
        const double run = median(runs);
        const double base = median(baselines);
        const double cpu = median(runCpu);
        const double baseCpu = median(baselineCpu);
        const auto consumers = static_cast<double>(database.consumers);
        state.SetIterationTime(run);
        state.counters[counted] = static_cast<double>(count);
        state.counters["run_s"] = run;
        state.counters["baseline_s"] = base;
        state.counters["ratio"] = run / base;
        state.counters["run_cpu_s"] = cpu;
        state.counters["baseline_cpu_s"] = baseCpu;
        state.counters["cpu_ratio"] = cpu / baseCpu;
        state.counters["ratio_target"] = targets.ratio;
        state.counters["run_us_per_consumer"] = run * 1e6 / consumers;
        state.counters["baseline_us_per_consumer"] = base * 1e6 / consumers;
        state.counters["run_peak_MiB"] = peak;
        state.counters["baseline_peak_MiB"] = baselinePeak;
        state.counters["peak_target_MiB"] = targets.peakMiB;
    }
}

}  // namespace kalvik_bench
