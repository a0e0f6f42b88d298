#pragma once
// What the ADO objects need of a data source. A provider opens sessions from a connection string;
// a session runs requests and the row writes of recordsets. The SQLite provider is the embedded
// one; a server provider implements the same interface without touching anything above it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ado/cell_store.hpp"
#include "platform/ado/column_set.hpp"
#include "platform/ado/connection_string.hpp"
#include "platform/ado/constants.hpp"
#include "platform/oleaut/variant.hpp"

namespace ado {

// Rows as a provider hands them over, each value already of its column's kind.
struct RowSet {
    std::shared_ptr<const ColumnSet> columns = std::make_shared<const ColumnSet>();
    CellStore cells;           // row after row
    bool returnsRows = false;  // false when no statement returned rows
    int64_t recordsAffected = 0;

    size_t rowCount() const { return columns->empty() ? 0 : cells.size() / columns->size(); }
};

// A parameter value: a named one binds "@name" (the "@" may be left out), an unnamed one the next
// positional placeholder.
struct Binding {
    std::string name;
    oleaut::Variant value;
};

struct Request {
    CommandTypeEnum type = adCmdText;  // text, table, stored procedure, or unknown (guessed)
    std::string text;                  // SQL text, table name or procedure name
    std::vector<Binding> bindings;
    int32_t timeoutSeconds = 30;  // 0: no limit
};

// One column's value in a row write.
struct ColumnValue {
    std::string column;
    oleaut::Variant value;
};

// Who is connected, for the functions that report it.
struct SessionIdentity {
    std::string userId;           // "User ID" of the connection string or Open's argument
    std::string applicationName;  // "Application Name" of the connection string
};

// Adds rows of one shape to one table, prepared once for many rows.
class RowInserter {
  public:
    virtual ~RowInserter() = default;
    // Inserts a row with the values of the set columns, in their order. Returns what the
    // database itself gave the row, by position among the prepared columns: the key it assigned,
    // the defaults of columns the row did not set, and whatever else it changed.
    [[nodiscard]] virtual std::vector<std::pair<size_t, oleaut::Variant>> insert(
        const std::vector<oleaut::Variant>& values, int32_t timeoutSeconds) = 0;
};

class Session {
  public:
    virtual ~Session() = default;

    // Tells sessions apart for the life of the process, as an address may be reused.
    uint64_t serial() const noexcept { return serial_; }

    // Runs a request: the rows of its last statement that returned rows.
    virtual RowSet execute(const Request& request) = 0;

    // The primary key columns of a table, in key order; fails when it has none.
    virtual const std::vector<std::string>& primaryKey(const std::string& table) = 0;

    // Prepares the adding of rows to a table: columns are the table's columns a row carries
    // (baseColumn names each), set says which of them the rows set.
    virtual std::unique_ptr<RowInserter> prepareInsert(const std::string& table,
                                                       const std::vector<ColumnInfo>& columns,
                                                       const std::vector<bool>& set) = 0;

    // Changes the rows whose columns hold the values of match (Null matching Null); returns how
    // many rows changed.
    [[nodiscard]] virtual int64_t updateRows(const std::string& table,
                                             const std::vector<ColumnValue>& values,
                                             const std::vector<ColumnValue>& match,
                                             int32_t timeoutSeconds) = 0;
    [[nodiscard]] virtual int64_t deleteRows(const std::string& table,
                                             const std::vector<ColumnValue>& match,
                                             int32_t timeoutSeconds) = 0;

    // Transactions nest; the return value of begin is the new nesting level.
    virtual int32_t beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;

  private:
    static uint64_t nextSerial() noexcept {
        static std::atomic<uint64_t> next{1};
        return next++;
    }
    uint64_t serial_ = nextSerial();
};

// Opens a session for a parsed connection string whose provider is this one.
using ProviderFactory =
    std::function<std::unique_ptr<Session>(const ConnectionString&, const SessionIdentity&)>;

// Adds a provider under a name ("SQLite" is always there); names ignore ASCII letter case.
void registerProvider(const std::string& name, ProviderFactory factory);

// Adds a driver of the ODBC provider, which serves a connection string that names no Provider
// (or "MSDASQL") and picks the driver its "Driver" key names; names ignore ASCII letter case.
void registerOdbcDriver(const std::string& name, ProviderFactory driver);

// Opens a session for a connection string; fails naming the provider or driver when it is unknown.
std::unique_ptr<Session> openSession(const std::string& connectionString,
                                     const std::string& userId = {});

}  // namespace ado
