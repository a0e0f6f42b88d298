#pragma once
// What the ADO objects need of a data source. A provider opens sessions from a connection string;
// a session runs requests and the row writes of recordsets. The SQLite provider is the embedded
// one; a server provider implements the same interface without touching anything above it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/cell_blocks.hpp"
#include "platform/ado/connection_string.hpp"
#include "platform/ado/constants.hpp"
#include "platform/oleaut/variant.hpp"

namespace ado {

// A column of a row set and where its values come from.
struct ColumnInfo {
    std::string name;
    DataTypeEnum type = adVariant;  // adVariant: an expression, each value keeps its own kind
    std::string baseTable;          // empty for an expression
    std::string baseColumn;
};

// Rows as a provider hands them over, each value already of its column's kind.
struct RowSet {
    std::vector<ColumnInfo> columns;
    CellBlocks cells;          // row after row
    bool returnsRows = false;  // false when no statement returned rows
    int64_t recordsAffected = 0;

    size_t rowCount() const { return columns.empty() ? 0 : cells.size() / columns.size(); }
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

class Session {
  public:
    virtual ~Session() = default;

    // Runs a request: the rows of its last statement that returned rows.
    virtual RowSet execute(const Request& request) = 0;

    // The primary key columns of a table, in key order; fails when it has none.
    virtual const std::vector<std::string>& primaryKey(const std::string& table) = 0;

    // Inserts a row and returns the values the table then holds in the columns of readBack
    // (the key the database assigned and the defaults included).
    virtual std::vector<oleaut::Variant> insertRow(const std::string& table,
                                                   const std::vector<ColumnValue>& values,
                                                   const std::vector<ColumnInfo>& readBack,
                                                   int32_t timeoutSeconds) = 0;

    // Changes the rows whose columns hold the values of match (Null matching Null); returns how
    // many rows changed.
    virtual int64_t updateRows(const std::string& table, const std::vector<ColumnValue>& values,
                               const std::vector<ColumnValue>& match, int32_t timeoutSeconds) = 0;
    virtual int64_t deleteRows(const std::string& table, const std::vector<ColumnValue>& match,
                               int32_t timeoutSeconds) = 0;

    // Transactions nest; the return value of begin is the new nesting level.
    virtual int32_t beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
};

// Opens a session for a parsed connection string whose provider is this one.
using ProviderFactory =
    std::function<std::unique_ptr<Session>(const ConnectionString&, const SessionIdentity&)>;

// Adds a provider under a name ("SQLite" is always there); names ignore ASCII letter case.
void registerProvider(const std::string& name, ProviderFactory factory);

// Opens a session for a connection string; fails naming the provider when it is unknown.
std::unique_ptr<Session> openSession(const std::string& connectionString,
                                     const std::string& userId = {});

}  // namespace ado
