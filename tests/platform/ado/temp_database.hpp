#pragma once
// A database file of a test's own in the temporary folder, removed with its WAL files after.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "platform/ado/connection.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace kalvik_test {

class TempDatabase {
  public:
    // Creates the file and runs the SQL text (any number of statements) in it.
    explicit TempDatabase(const std::string& sql = {}) {
        static std::atomic<int> counter{0};
        path_ =
            (std::filesystem::temp_directory_path() /
             ("kalvik-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".db"))
                .string();
        removeFiles();
        ado::createSqliteDatabase(path_);
        if (!sql.empty()) execute(sql);
    }
    ~TempDatabase() { removeFiles(); }
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    const std::string& path() const { return path_; }
    std::string connectionString() const { return "Provider=SQLite;Data Source=" + path_; }

    void execute(const std::string& sql) const {
        ado::Connection connection;
        connection.Open(connectionString());
        connection.Execute(sql, nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    }

    // The single value a query returns.
    oleaut::Variant scalar(const std::string& sql) const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connectionString());
        auto rows = connection->Execute(sql);
        return rows->Fields(0).Value();
    }

    // The rows of a query as a client-side batch recordset, disconnected once open.
    std::shared_ptr<ado::Recordset> disconnected(const std::string& sql) const {
        auto rows = std::make_shared<ado::Recordset>();
        rows->CursorLocation(ado::adUseClient);
        rows->Open(oleaut::Variant(sql), oleaut::Variant(connectionString()), ado::adOpenStatic,
                   ado::adLockBatchOptimistic, ado::adCmdText);
        rows->ActiveConnection(nullptr);
        return rows;
    }

    // Removes the database with its WAL files.
    void removeFiles() const {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::error_code ignored;
            std::filesystem::remove(path_ + suffix, ignored);
        }
    }

  private:
    std::string path_;
};

}  // namespace kalvik_test
