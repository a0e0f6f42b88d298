// The SQLite provider's session: requests, procedures emulated from the "procedures" table, and
// the row writes of recordsets.

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>

#include "platform/ado/connection_string.hpp"
#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_database.hpp"
#include "platform/ado/sqlite_inserter.hpp"
#include "platform/ado/sqlite_open.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/ado/sqlite_values.hpp"

namespace ado {
namespace {

using sqlite::Database;
using sqlite::quoteIdentifier;
using sqlite::StatementReset;

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (isSpace(s.front()) || s.front() == ';'))
        s.remove_prefix(1);
    while (!s.empty() && (isSpace(s.back()) || s.back() == ';'))
        s.remove_suffix(1);
    return s;
}

// "[dbo].[name]", "dbo.name" and "[name]" all name the procedure or table "name".
std::string objectName(std::string_view name) {
    name = trim(name);
    auto unbracket = [](std::string_view part) {
        if (part.size() >= 2 && part.front() == '[' && part.back() == ']') {
            part = part.substr(1, part.size() - 2);
        }
        return part;
    };
    for (std::string_view schema : {"[dbo].", "dbo."}) {
        if (name.size() > schema.size() &&
            equalsIgnoringAsciiCase(name.substr(0, schema.size()), schema)) {
            name.remove_prefix(schema.size());
        }
    }
    return std::string(unbracket(name));
}

// The procedure name of an "exec NAME" text, or nothing when the text is not one.
std::optional<std::string> execTarget(std::string_view text) {
    text = trim(text);
    for (std::string_view verb : {"execute", "exec"}) {
        if (text.size() > verb.size() &&
            equalsIgnoringAsciiCase(text.substr(0, verb.size()), verb) &&
            isSpace(text[verb.size()])) {
            return objectName(text.substr(verb.size()));
        }
    }
    return std::nullopt;
}

std::string joined(const std::vector<ColumnValue>& values, const char* separator,
                   std::string (*term)(const ColumnValue&)) {
    std::string result;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) result += separator;
        result += term(values[i]);
    }
    return result;
}

std::string assignment(const ColumnValue& value) {
    return quoteIdentifier(value.column) + " = ?";
}

// A stored value compared as the recordset read it: currency to four decimals, a flag by zero or
// non-zero, anything else exactly; Null matches Null.
std::string matchTerm(const ColumnValue& value) {
    const std::string column = quoteIdentifier(value.column);
    switch (value.value.type()) {
        case oleaut::VarType::Currency:
            return "round(" + column + ", 4) IS ?";
        case oleaut::VarType::Boolean:
            return "(" + column + " <> 0) IS ?";
        default:
            return column + " IS ?";
    }
}

std::vector<Binding> positional(const std::vector<ColumnValue>& first,
                                const std::vector<ColumnValue>& second = {}) {
    std::vector<Binding> bindings;
    bindings.reserve(first.size() + second.size());
    for (const auto* list : {&first, &second}) {
        for (const ColumnValue& value : *list)
            bindings.push_back({{}, value.value});
    }
    return bindings;
}

class SqliteSession final : public Session {
  public:
    SqliteSession(std::shared_ptr<Database> database, SessionIdentity identity)
        : database_(std::move(database)), identity_(std::move(identity)) {}

    RowSet execute(const Request& request) override {
        switch (request.type) {
            case adCmdStoredProc:
                return runProcedure(objectName(request.text), request);
            case adCmdTable:
            case adCmdTableDirect:
                return runTable(request);
            case adCmdText:
                if (auto target = execTarget(request.text)) return runProcedure(*target, request);
                return run(request.text, request.bindings, request.timeoutSeconds,
                           inQuotes(request.text));
            default: {  // unknown: text when it has blanks, else a procedure or a table
                const std::string_view text = trim(request.text);
                if (std::any_of(text.begin(), text.end(), isSpace)) {
                    Request asText = request;
                    asText.type = adCmdText;
                    return execute(asText);
                }
                if (procedureBody(objectName(text))) {
                    return runProcedure(objectName(text), request);
                }
                return runTable(request);
            }
        }
    }

    const std::vector<std::string>& primaryKey(const std::string& table) override {
        auto& cache = database_->primaryKeys();
        const std::string key = asciiLower(table);
        if (auto found = cache.find(key); found != cache.end()) return found->second;
        const RowSet info = run("SELECT name, pk FROM pragma_table_info(?1) ORDER BY pk",
                                {{{}, table}}, 0, "reading the key of " + inQuotes(table));
        std::vector<std::string> columns;
        for (size_t row = 0; row < info.rowCount(); ++row) {
            if (oleaut::CLng(info.cells.get(row * 2 + 1)) > 0) {
                columns.push_back(info.cells.get(row * 2).asString());
            }
        }
        if (info.rowCount() == 0) {
            throw adoError(adErrCommandFailed, "no such table: " + table, "SQLite");
        }
        if (columns.empty()) {
            throw adoError(adErrCommandFailed, "table " + inQuotes(table) + " has no primary key",
                           "SQLite");
        }
        return cache.emplace(key, std::move(columns)).first->second;
    }

    std::unique_ptr<RowInserter> prepareInsert(const std::string& table,
                                               const std::vector<ColumnInfo>& columns,
                                               const std::vector<bool>& set) override {
        return sqlite::prepareInserter(database_, identity_, table, columns, set);
    }

    int64_t updateRows(const std::string& table, const std::vector<ColumnValue>& values,
                       const std::vector<ColumnValue>& match, int32_t timeoutSeconds) override {
        const std::string sql = "UPDATE " + quoteIdentifier(table) + " SET " +
                                joined(values, ", ", assignment) + " WHERE " +
                                joined(match, " AND ", matchTerm);
        return run(sql, positional(values, match), timeoutSeconds,
                   "updating a row of " + inQuotes(table))
            .recordsAffected;
    }

    int64_t deleteRows(const std::string& table, const std::vector<ColumnValue>& match,
                       int32_t timeoutSeconds) override {
        const std::string sql =
            "DELETE FROM " + quoteIdentifier(table) + " WHERE " + joined(match, " AND ", matchTerm);
        return run(sql, positional(match), timeoutSeconds, "deleting a row of " + inQuotes(table))
            .recordsAffected;
    }

    // A transaction takes the write lock as it begins, waiting up to the busy timeout while
    // another connection writes: one that began by reading could not wait for the lock later.
    int32_t beginTransaction() override {
        int32_t& level = database_->transactionLevel();
        run(level == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT kalvik_" + std::to_string(level + 1), {}, 0,
            "beginning a transaction");
        return ++level;
    }

    void commitTransaction() override {
        int32_t& level = requireTransaction("commit");
        run(level == 1 ? "COMMIT" : "RELEASE kalvik_" + std::to_string(level), {}, 0,
            "committing a transaction");
        --level;
    }

    void rollbackTransaction() override {
        int32_t& level = requireTransaction("roll back");
        const std::string savepoint = "kalvik_" + std::to_string(level);
        run(level == 1 ? "ROLLBACK" : "ROLLBACK TO " + savepoint + "; RELEASE " + savepoint, {}, 0,
            "rolling back a transaction");
        --level;
    }

  private:
    int32_t& requireTransaction(const char* action) {
        int32_t& level = database_->transactionLevel();
        if (level == 0) {
            throw adoError(adErrIllegalOperation,
                           std::string("no transaction is active to ") + action, "SQLite");
        }
        return level;
    }

    RowSet runTable(const Request& request) {
        return run("SELECT * FROM " + quoteIdentifier(objectName(request.text)), {},
                   request.timeoutSeconds, "opening table " + inQuotes(objectName(request.text)));
    }

    std::optional<std::string> procedureBody(const std::string& name) {
        try {
            RowSet found =
                // The name as spelled through the key's index; letter case aside only when
                // no procedure has it exactly.
                run("SELECT coalesce((SELECT body FROM procedures WHERE name = ?1), "
                    "(SELECT body FROM procedures WHERE name = ?1 COLLATE NOCASE LIMIT 1))",
                    {{{}, name}}, 0, "looking up procedure " + inQuotes(name));
            if (found.rowCount() == 1) {
                const oleaut::Variant body = found.cells.get(0);
                if (body.isString()) return body.asString();
            }
        } catch (const oleaut::Error&) {
            // Without a procedures table no procedure exists; any other failure is itself.
            if (hasProceduresTable()) throw;
        }
        return std::nullopt;
    }

    bool hasProceduresTable() {
        return run("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'procedures' "
                   "COLLATE NOCASE",
                   {}, 0, "looking for the procedures table")
                   .rowCount() > 0;
    }

    RowSet runProcedure(const std::string& name, const Request& request) {
        const auto body = procedureBody(name);
        if (!body) {
            throw adoError(adErrCommandFailed, "Could not find stored procedure '" + name + "'",
                           "SQLite");
        }
        return run(*body, request.bindings, request.timeoutSeconds, "procedure " + inQuotes(name));
    }

    // Runs every statement of a text; the rows of the last one that returned rows.
    RowSet run(const std::string& sql, const std::vector<Binding>& bindings, int32_t timeoutSeconds,
               const std::string& what) {
        sqlite3* db = database_->handle();
        Database::Running running(*database_, identity_, timeoutSeconds);
        sqlite::Batch& batch = database_->batch(sql);
        RowSet result;
        size_t nextPositional = 0;
        const sqlite3_int64 changesBefore = sqlite3_total_changes64(db);
        for (size_t index = 0;; ++index) {
            sqlite3_stmt* statement = batch.statement(db, index);
            if (!statement) break;
            StatementReset reset(statement);
            sqlite::bindParameters(statement, bindings, &nextPositional, what);
            // The first step recompiles a statement the schema changed under; its columns are
            // known only after it.
            int rc = sqlite3_step(statement);
            if (rc != SQLITE_ROW && rc != SQLITE_DONE) sqlite::raise(db, rc, "running " + what);
            const bool returnsRows = sqlite3_column_count(statement) > 0;
            if (returnsRows) {
                result.columns = batch.columns(index);
                result.cells.clear();
                result.returnsRows = true;
            }
            const std::vector<ColumnInfo>& columns = result.columns->list();
            for (; rc == SQLITE_ROW; rc = sqlite3_step(statement)) {
                if (!returnsRows) continue;
                for (size_t i = 0; i < columns.size(); ++i) {
                    sqlite::readInto(statement, static_cast<int>(i), columns[i], result.cells);
                }
            }
            if (rc != SQLITE_DONE) sqlite::raise(db, rc, "running " + what);
        }
        result.recordsAffected = sqlite3_total_changes64(db) - changesBefore;
        return result;
    }

    std::shared_ptr<Database> database_;
    SessionIdentity identity_;
};

}  // namespace

std::unique_ptr<Session> openSqliteSession(const ConnectionString& connectionString,
                                           const SessionIdentity& identity) {
    const auto file = connectionString.get("Data Source");
    if (!file || file->empty()) {
        throw adoError(adErrInvalidConnection,
                       "the SQLite connection string names no Data Source (database file)",
                       "SQLite");
    }
    return std::make_unique<SqliteSession>(Database::acquire(*file), identity);
}

void createSqliteDatabase(const std::string& path, uint32_t applicationId) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        throw adoError(adErrProviderFailed,
                       "cannot create database " + pathInQuotes(path) + ": the file exists",
                       "SQLite");
    }
    // The mark goes into the file's header before WAL holds any page, so that it is there to read
    // at once.
    const std::string setUp =
        "PRAGMA application_id=" + std::to_string(applicationId) + "; PRAGMA journal_mode=WAL";
    std::string why;
    sqlite3* db = sqlite::openFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, why);
    int rc = db ? sqlite3_exec(db, setUp.c_str(), nullptr, nullptr, nullptr) : SQLITE_CANTOPEN;
    if (db && rc != SQLITE_OK) why = sqlite::whyFailed(db, rc);
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        throw adoError(adErrProviderFailed,
                       "cannot create database " + pathInQuotes(path) + ": " + why, "SQLite");
    }
}

std::optional<uint32_t> sqliteApplicationId(const std::string& path) {
    // The header: 16 bytes of format text, ..., the application id big-endian at offset 68.
    constexpr std::string_view kFormat("SQLite format 3\0", 16);
    constexpr size_t kIdOffset = 68;
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, kIdOffset + 4> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return std::nullopt;
    if (std::string_view(reinterpret_cast<const char*>(header.data()), kFormat.size()) != kFormat) {
        return std::nullopt;
    }
    uint32_t id = 0;
    for (size_t i = kIdOffset; i < header.size(); ++i)
        id = id << 8 | header[i];
    return id;
}

}  // namespace ado
