#pragma once
// A SQLite handle with its prepared statements, shared by the connections of one thread to one
// file.

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ado/provider.hpp"

namespace ado::sqlite {

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// Resets a statement and clears its bindings when it goes out of use, whatever happened.
class StatementReset {
  public:
    explicit StatementReset(sqlite3_stmt* statement) : statement_(statement) {}
    ~StatementReset() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

  private:
    sqlite3_stmt* statement_;
};

// The statements of one SQL text, prepared one after another as they first run: a statement may
// use what an earlier one of the same text created.
class Batch {
  public:
    explicit Batch(std::string text) : text_(std::move(text)) {}

    // The statement at index, prepared on first use; null past the last one.
    sqlite3_stmt* statement(sqlite3* db, size_t index);

    // The columns the statement at index (already prepared) returns. Kept, and shared with the
    // row sets it returns, until SQLite compiles the statement again after a change of the
    // schema, which may change its columns.
    const std::shared_ptr<const ColumnSet>& columns(size_t index);

  private:
    struct Description {
        int compilations = -1;  // the statement's recompile count when described; -1: never
        std::shared_ptr<const ColumnSet> columns;
    };

    std::string text_;
    size_t preparedTo_ = 0;  // offset of the text not prepared yet
    bool complete_ = false;
    std::vector<Statement> statements_;
    std::vector<Description> descriptions_;  // one per statement
};

class Database {
  public:
    // The calling thread's handle on a file. Connection pool: every connection of one thread to
    // one file shares this handle, reference-counted, so that opening a connection per consumer
    // costs nothing, and a transaction begun through one of them covers the writes of all of them
    // (and of their recordsets) until it ends.
    static std::shared_ptr<Database> acquire(const std::filesystem::path& file);

    explicit Database(sqlite3* db, std::filesystem::path file);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const noexcept { return db_; }
    const std::filesystem::path& file() const noexcept { return file_; }

    // The prepared statements of a text, kept for the next run of the same text.
    Batch& batch(const std::string& sql);

    // Who runs the current statement, for HOST_NAME(), SUSER_SNAME() and APP_NAME().
    const SessionIdentity* identity() const noexcept { return identity_; }

    // A statement running past the deadline is interrupted.
    bool pastDeadline() const noexcept {
        return hasDeadline_ && std::chrono::steady_clock::now() > deadline_;
    }

    std::unordered_map<std::string, std::vector<std::string>>& primaryKeys() {
        return primaryKeys_;
    }
    int32_t& transactionLevel() noexcept { return transactionLevel_; }

    // Marks the span of one request: its identity and its time limit (0: none).
    class Running {
      public:
        Running(Database& db, const SessionIdentity& identity, int32_t timeoutSeconds);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

      private:
        Database& db_;
    };

  private:
    sqlite3* db_;
    std::filesystem::path file_;
    std::unordered_map<std::string, std::unique_ptr<Batch>> batches_;
    std::unordered_map<std::string, std::vector<std::string>> primaryKeys_;
    const SessionIdentity* identity_ = nullptr;
    bool hasDeadline_ = false;
    std::chrono::steady_clock::time_point deadline_{};
    int32_t transactionLevel_ = 0;
};

// Fails with the database's message for a result code, after what was being done; an interrupted
// statement fails as a query timeout.
[[noreturn]] void raise(sqlite3* db, int code, const std::string& doing);

// Registers HOST_NAME(), SUSER_SNAME(), APP_NAME(), GETDATE() and OLE_DATE(text).
void registerFunctions(Database& database);

}  // namespace ado::sqlite
