// The database work of a monthly calculation over 100,000 consumers, through the recordsets and
// as raw SQLite work beside it: fetching a month's rows, narrowing them to one consumer by a
// client-side filter, reading fields, appending result rows.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace {

constexpr int kConsumers = 100000;
constexpr int kRows = 100000;

// A database of 100,000 outage rows over 50,000 consumers (two each), built once per process.
class MonthDatabase {
  public:
    static const MonthDatabase& get() {
        static const MonthDatabase database;
        return database;
    }
    ~MonthDatabase() {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(path + suffix);
    }

    std::string path = (std::filesystem::temp_directory_path() /
                        ("kalvik-bench-" + std::to_string(getpid()) + ".db"))
                           .string();
    std::string connectionString = ado::sqliteConnectionString(path);

  private:
    MonthDatabase() {
        ado::createSqliteDatabase(path);
        ado::Connection connection;
        connection.Open(connectionString);
        connection.Execute(
            "CREATE TABLE Откл(id INTEGER PRIMARY KEY, Npotr INT, Часы REAL, Нач DATETIME, "
            "  Кон DATETIME, Вр_нед REAL, Дн_нед TEXT, Прим TEXT);"
            "CREATE INDEX Откл_Npotr ON Откл(Npotr);"
            "CREATE TABLE Рез(NN INTEGER PRIMARY KEY, Npotr INT, Q REAL, G REAL, Т REAL, "
            "  Прим TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                std::to_string(kRows - 1) +
                ") INSERT INTO Откл(Npotr, Часы, Нач, Кон, Вр_нед, Дн_нед, Прим) "
                "SELECT 1 + (i * 2) % " +
                std::to_string(kConsumers) +
                ", (i % 48) * 0.5, 39814 + i % 31, 39815 + i % 31, 24, '+++++++', "
                "'отключение' FROM n;",
            nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    }
};

std::shared_ptr<ado::Recordset> openMonth(const std::string& sql) {
    auto rows = std::make_shared<ado::Recordset>();
    rows->CursorLocation(ado::adUseClient);
    rows->Open(oleaut::Variant(sql), oleaut::Variant(MonthDatabase::get().connectionString),
               ado::adOpenStatic, ado::adLockBatchOptimistic, ado::adCmdText);
    rows->ActiveConnection(nullptr);
    return rows;
}

// Fetching the month's rows into a disconnected recordset.
void BM_OpenMonthRows(benchmark::State& state) {
    MonthDatabase::get();
    for (auto _ : state) {
        auto rows = openMonth("SELECT * FROM Откл");
        benchmark::DoNotOptimize(rows->RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_OpenMonthRows)->Unit(benchmark::kMillisecond);

void BM_RawStepMonthRows(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(MonthDatabase::get().path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Откл", -1, &statement, nullptr);
    for (auto _ : state) {
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                sum += sqlite3_column_type(statement, c) == SQLITE_TEXT
                           ? sqlite3_column_bytes(statement, c)
                           : sqlite3_column_double(statement, c);
            }
        }
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RawStepMonthRows)->Unit(benchmark::kMillisecond);

// One consumer's outages: the filter "[Npotr] = N" over 100,000 rows, then its rows summed.
void BM_FilterPerConsumer(benchmark::State& state) {
    auto rows = openMonth("SELECT * FROM Откл");
    const ado::Field hours = rows->Fields("Часы");
    int consumer = 0;
    for (auto _ : state) {
        consumer = consumer % kConsumers + 1;
        rows->Filter(oleaut::Variant("[Npotr] = " + std::to_string(consumer)));
        double sum = 0;
        if (rows->RecordCount() > 0) {
            for (; !rows->EndOfFile(); rows->MoveNext())
                sum += hours.Value().asDouble();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_FilterPerConsumer);

// The same through an indexed query per consumer, as raw SQLite work.
void BM_RawQueryPerConsumer(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(MonthDatabase::get().path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT Часы FROM Откл WHERE Npotr = ?", -1, &statement, nullptr);
    int consumer = 0;
    for (auto _ : state) {
        consumer = consumer % kConsumers + 1;
        sqlite3_bind_int(statement, 1, consumer);
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            sum += sqlite3_column_double(statement, 0);
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}
BENCHMARK(BM_RawQueryPerConsumer);

// A whole month: 100,000 consumers, each filtering the 100,000 outage rows once.
void BM_FilterWholeMonth(benchmark::State& state) {
    auto rows = openMonth("SELECT * FROM Откл");
    const ado::Field hours = rows->Fields("Часы");
    for (auto _ : state) {
        double sum = 0;
        for (int consumer = 1; consumer <= kConsumers; ++consumer) {
            rows->Filter(oleaut::Variant("[Npotr] = " + std::to_string(consumer)));
            for (; !rows->EndOfFile(); rows->MoveNext())
                sum += hours.Value().asDouble();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_FilterWholeMonth)->Unit(benchmark::kMillisecond);

// Reading five fields of every row: by name each time, and through Fields resolved once.
void BM_FieldsByName(benchmark::State& state) {
    auto rows = openMonth("SELECT * FROM Откл");
    for (auto _ : state) {
        double sum = 0;
        for (rows->MoveFirst(); !rows->EndOfFile(); rows->MoveNext()) {
            sum += oleaut::CDbl(rows->Fields("Npotr").Value()) +
                   oleaut::CDbl(rows->Fields("Часы").Value()) +
                   oleaut::CDbl(rows->Fields("Нач").Value()) +
                   oleaut::CDbl(rows->Fields("Кон").Value()) +
                   oleaut::CDbl(rows->Fields("Вр_нед").Value());
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRows * 5);
}
BENCHMARK(BM_FieldsByName)->Unit(benchmark::kMillisecond);

void BM_FieldsResolvedOnce(benchmark::State& state) {
    auto rows = openMonth("SELECT * FROM Откл");
    const ado::Field fields[] = {rows->Fields("Npotr"), rows->Fields("Часы"), rows->Fields("Нач"),
                                 rows->Fields("Кон"), rows->Fields("Вр_нед")};
    for (auto _ : state) {
        double sum = 0;
        for (rows->MoveFirst(); !rows->EndOfFile(); rows->MoveNext()) {
            for (const ado::Field& field : fields)
                sum += oleaut::CDbl(field.Value());
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRows * 5);
}
BENCHMARK(BM_FieldsResolvedOnce)->Unit(benchmark::kMillisecond);

// Appending result rows one by one through the always-empty selection, each saved at Update.
void BM_AppendRow(benchmark::State& state) {
    auto rows = std::make_shared<ado::Recordset>();
    rows->CursorLocation(ado::adUseClient);
    rows->Open(oleaut::Variant("SELECT Рез.* FROM Рез WHERE (((Рез.NN) Is Null))"),
               oleaut::Variant(MonthDatabase::get().connectionString), ado::adOpenStatic,
               ado::adLockOptimistic, ado::adCmdText);
    const ado::Field npotr = rows->Fields("Npotr"), q = rows->Fields("Q"), g = rows->Fields("G"),
                     t = rows->Fields("Т"), note = rows->Fields("Прим");
    int32_t consumer = 0;
    for (auto _ : state) {
        rows->AddNew();
        npotr.Value(++consumer);
        q.Value(consumer * 0.25);
        g.Value(consumer * 0.5);
        t.Value(744.0);
        note.Value("расчет");
        rows->Update();
    }
}
BENCHMARK(BM_AppendRow);

void BM_RawInsertRow(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(MonthDatabase::get().path.c_str(), &db);
    sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Рез(Npotr, Q, G, Т, Прим) VALUES (?, ?, ?, ?, ?)", -1,
                       &statement, nullptr);
    int consumer = 0;
    for (auto _ : state) {
        ++consumer;
        sqlite3_bind_int(statement, 1, consumer);
        sqlite3_bind_double(statement, 2, consumer * 0.25);
        sqlite3_bind_double(statement, 3, consumer * 0.5);
        sqlite3_bind_double(statement, 4, 744.0);
        sqlite3_bind_text(statement, 5, "расчет", -1, SQLITE_STATIC);
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}
BENCHMARK(BM_RawInsertRow);

}  // namespace
