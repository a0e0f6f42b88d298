// Adding rows to a table: the INSERT statement is prepared once for the columns the rows set.
// After each row the database's own contributions are read back: the key it assigned comes
// from the row id, and only columns whose value the database chooses (a default, a generated
// value, whatever a trigger writes, a column of no fixed kind) are selected again.

#include "platform/ado/sqlite_inserter.hpp"

#include "platform/ado/connection_string.hpp"
#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_values.hpp"

namespace ado::sqlite {
namespace {

// What the database tells of a table's columns.
struct TableFacts {
    struct ColumnFacts {
        std::string name;
        bool chosenByDatabase = false;  // a default or a generated value
    };
    std::vector<ColumnFacts> columns;
    std::string rowidAlias;  // the INTEGER PRIMARY KEY column of a rowid table, if any
    bool hasTriggers = false;
};

// Runs a one-parameter query and calls row for each of its rows.
template <class F>
void eachRow(sqlite3* db, const char* sql, const std::string& table, F row) {
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK) raise(db, rc, "reading the columns of " + inQuotes(table));
    sqlite3_bind_text(raw, 1, table.data(), static_cast<int>(table.size()), SQLITE_STATIC);
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        row(raw);
    if (rc != SQLITE_DONE) raise(db, rc, "reading the columns of " + inQuotes(table));
}

std::string textColumn(sqlite3_stmt* statement, int index) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    return text ? text : "";
}

TableFacts factsOf(sqlite3* db, const std::string& table) {
    TableFacts facts;
    std::vector<std::string> keyColumns;
    std::string keyType;
    eachRow(db, "SELECT name, type, dflt_value IS NOT NULL, pk, hidden FROM pragma_table_xinfo(?1)",
            table, [&](sqlite3_stmt* row) {
                TableFacts::ColumnFacts column;
                column.name = textColumn(row, 0);
                column.chosenByDatabase =
                    sqlite3_column_int(row, 2) != 0 || sqlite3_column_int(row, 4) != 0;
                if (sqlite3_column_int(row, 3) > 0) {
                    keyColumns.push_back(column.name);
                    keyType = textColumn(row, 1);
                }
                facts.columns.push_back(std::move(column));
            });
    bool withoutRowid = false;
    eachRow(db, "SELECT wr FROM pragma_table_list(?1)", table,
            [&](sqlite3_stmt* row) { withoutRowid = sqlite3_column_int(row, 0) != 0; });
    if (keyColumns.size() == 1 && equalsIgnoringAsciiCase(keyType, "INTEGER") && !withoutRowid) {
        facts.rowidAlias = keyColumns[0];
    }
    eachRow(db,
            "SELECT 1 FROM sqlite_schema WHERE type = 'trigger' AND tbl_name = ?1 COLLATE NOCASE",
            table, [&](sqlite3_stmt*) { facts.hasTriggers = true; });
    return facts;
}

class SqliteInserter final : public RowInserter {
  public:
    SqliteInserter(std::shared_ptr<Database> database, const SessionIdentity& identity,
                   const std::string& table, const std::vector<ColumnInfo>& columns,
                   const std::vector<bool>& set)
        : database_(std::move(database)), identity_(identity), table_(table) {
        const TableFacts facts = factsOf(database_->handle(), table);
        std::string names;
        std::string places;
        std::string selected;
        for (size_t i = 0; i < columns.size(); ++i) {
            const ColumnInfo& column = columns[i];
            if (set[i]) {
                names += (names.empty() ? "" : ", ") + quoteIdentifier(column.baseColumn);
                places += places.empty() ? "?" : ", ?";
            }
            const bool isKey = !facts.rowidAlias.empty() &&
                               equalsIgnoringAsciiCase(column.baseColumn, facts.rowidAlias);
            if (!set[i] && isKey) {
                keyColumn_ = i;
            } else if (readBack(column, set[i], facts)) {
                selected += (selected.empty() ? "" : ", ") + quoteIdentifier(column.baseColumn);
                selectedColumns_.push_back(i);
            }
        }
        const std::string target = quoteIdentifier(table);
        insert_.emplace(names.empty()
                            ? "INSERT INTO " + target + " DEFAULT VALUES"
                            : "INSERT INTO " + target + " (" + names + ") VALUES (" + places + ")");
        if (!selected.empty()) {
            select_.emplace("SELECT " + selected + " FROM " + target + " WHERE rowid = ?");
        }
    }

    std::vector<std::pair<size_t, oleaut::Variant>> insert(
        const std::vector<oleaut::Variant>& values, int32_t timeoutSeconds) override {
        sqlite3* db = database_->handle();
        Database::Running running(*database_, identity_, timeoutSeconds);
        addRow(values);
        const sqlite3_int64 rowid = sqlite3_last_insert_rowid(db);
        std::vector<std::pair<size_t, oleaut::Variant>> given;
        if (keyColumn_) given.emplace_back(*keyColumn_, static_cast<double>(rowid));
        if (select_) readBackSelected(rowid, given);
        return given;
    }

  private:
    // Whether a column's value after the insert may differ from what the row holds.
    static bool readBack(const ColumnInfo& column, bool set, const TableFacts& facts) {
        if (facts.hasTriggers || column.type == adVariant) return true;
        if (set) return false;
        for (const TableFacts::ColumnFacts& known : facts.columns) {
            if (equalsIgnoringAsciiCase(known.name, column.baseColumn)) {
                return known.chosenByDatabase;
            }
        }
        return true;  // not a plain column of the table: let the database say
    }

    void addRow(const std::vector<oleaut::Variant>& values) {
        sqlite3* db = database_->handle();
        sqlite3_stmt* statement = insert_->statement(db, 0);
        StatementReset reset(statement);
        for (size_t i = 0; i < values.size(); ++i)
            bindValue(statement, static_cast<int>(i + 1), values[i]);
        const int rc = sqlite3_step(statement);
        if (rc != SQLITE_DONE) raise(db, rc, "running adding a row to " + inQuotes(table_));
    }

    void readBackSelected(sqlite3_int64 rowid,
                          std::vector<std::pair<size_t, oleaut::Variant>>& given) {
        sqlite3* db = database_->handle();
        sqlite3_stmt* statement = select_->statement(db, 0);
        StatementReset reset(statement);
        sqlite3_bind_int64(statement, 1, rowid);
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) {
            throw adoError(adErrCommandFailed,
                           "the row added to " + inQuotes(table_) + " cannot be read back",
                           "SQLite");
        }
        if (rc != SQLITE_ROW) {
            raise(db, rc, "running reading back the row added to " + inQuotes(table_));
        }
        const ColumnSet& columns = *select_->columns(0);
        for (size_t i = 0; i < selectedColumns_.size(); ++i) {
            given.emplace_back(selectedColumns_[i],
                               readValue(statement, static_cast<int>(i), columns[i]));
        }
    }

    std::shared_ptr<Database> database_;  // outlives the statements below
    SessionIdentity identity_;
    std::string table_;
    std::optional<Batch> insert_;
    std::optional<Batch> select_;
    std::optional<size_t> keyColumn_;      // the key the database assigns, from the row id
    std::vector<size_t> selectedColumns_;  // read back by the select, in its order
};

}  // namespace

std::unique_ptr<RowInserter> prepareInserter(std::shared_ptr<Database> database,
                                             const SessionIdentity& identity,
                                             const std::string& table,
                                             const std::vector<ColumnInfo>& columns,
                                             const std::vector<bool>& set) {
    return std::make_unique<SqliteInserter>(std::move(database), identity, table, columns, set);
}

}  // namespace ado::sqlite
