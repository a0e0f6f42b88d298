#include "platform/dao/jet_sql.hpp"

#include <optional>
#include <string_view>

#include "platform/ado/sqlite_values.hpp"
#include "platform/dao/dao_errors.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/oleaut/enclosed.hpp"
#include "platform/oleaut/letter_case.hpp"

namespace dao {
namespace {

using ado::sqlite::File;
using oleaut::Variant;

constexpr const char* kConnectionTable = "tbl_str_conn";

// Reads a text from the start: fixed parts byte for byte, enclosed values between them.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool fixed(std::string_view part) {
        if (text_.substr(pos_, part.size()) != part) return false;
        pos_ += part.size();
        return true;
    }

    std::optional<std::string> bracketed() {
        return oleaut::readEnclosed(text_, pos_, '[', ']', false);
    }
    std::optional<std::string> quotedValue() {
        return oleaut::readEnclosed(text_, pos_, '"', '"', true);
    }

    bool atEnd() const { return pos_ == text_.size(); }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

void requireConnectionTable(File& file) {
    if (!file.hasTable(kConnectionTable)) {
        throw daoError(kInputTableNotFound, "The engine cannot find the input table or query " +
                                                jetQuoted(kConnectionTable) + ".");
    }
}

std::optional<Link> findLink(File& file, const std::string& name) {
    for (Link& link : readLinks(file)) {
        if (oleaut::sameTextIgnoringCase(link.name, name)) return link;
    }
    return std::nullopt;
}

std::optional<std::string> findLocalTable(File& file, const std::string& name) {
    for (const std::string& table : file.tables()) {
        if (!isEngineTable(table) && oleaut::sameTextIgnoringCase(table, name)) return table;
    }
    return std::nullopt;
}

// Removes the indexes of a table from the engine's list.
void dropIndexesOf(File& file, const std::string& table) {
    const ado::RowSet rows = file.run("SELECT Name, TableName FROM dao_indexes");
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        if (oleaut::sameTextIgnoringCase(ado::sqlite::textAt(rows, row, 1), table)) {
            file.run("DELETE FROM dao_indexes WHERE Name = ?",
                     {Variant(ado::sqlite::textAt(rows, row, 0))});
        }
    }
}

// DROP TABLE [T]: a link with its indexes, or a local table; 3376 when there is neither.
void dropTable(File& file, const std::string& name) {
    ado::sqlite::FileTransaction transaction(file);
    if (const auto link = findLink(file, name)) {
        file.run("DELETE FROM dao_links WHERE Name = ?", {Variant(link->name)});
    } else if (const auto table = findLocalTable(file, name)) {
        file.run("DROP TABLE " + ado::sqlite::quoteIdentifier(*table));
    } else {
        throw daoError(kTableNotFound, "Table " + jetQuoted(name) + " does not exist.");
    }
    dropIndexesOf(file, name);
    transaction.commit();
}

// CREATE  INDEX [I] ON [T] ([C], …) WITH PRIMARY; on a link.
void createPrimaryIndex(File& file, const std::string& index, const std::string& table,
                        const std::vector<std::string>& columns) {
    const auto link = findLink(file, table);
    if (!link) {
        if (findLocalTable(file, table)) {
            throw daoError(kInvalidStatement,
                           "not implemented: an index on the local table " + jetQuoted(table));
        }
        throw daoError(kTableNotFound, "Table " + jetQuoted(table) + " does not exist.");
    }
    for (const std::string& column : columns) {
        bool known = false;
        for (const std::string& own : link->columns)
            known = known || oleaut::sameTextIgnoringCase(own, column);
        if (!known) {
            throw daoError(kItemNotFound, "Field " + jetQuoted(column) + " is not a field of " +
                                              jetQuoted(table) + ".");
        }
    }
    const ado::RowSet existing = file.run("SELECT Name, TableName, IsPrimary FROM dao_indexes");
    for (size_t row = 0; row < existing.rowCount(); ++row) {
        if (oleaut::sameTextIgnoringCase(ado::sqlite::textAt(existing, row, 0), index)) {
            throw daoError(kIndexExists,
                           "Table already has an index named " + jetQuoted(index) + ".");
        }
        if (oleaut::sameTextIgnoringCase(ado::sqlite::textAt(existing, row, 1), table) &&
            ado::sqlite::textAt(existing, row, 2) != "0") {
            throw daoError(kPrimaryKeyExists,
                           "Primary key already exists on " + jetQuoted(table) + ".");
        }
    }
    file.run("INSERT INTO dao_indexes VALUES (?, ?, ?, 1)",
             {Variant(index), Variant(link->name), Variant(joinColumns(columns))});
}

bool runDrop(File& file, const std::string& text) {
    Reader r(text);
    std::optional<std::string> table;
    if (!(r.fixed("DROP TABLE ") && (table = r.bracketed()) && r.atEnd())) return false;
    dropTable(file, *table);
    return true;
}

bool runDelete(File& file, const std::string& text) {
    if (text != "DELETE tbl_str_conn.* FROM tbl_str_conn") return false;
    requireConnectionTable(file);
    file.run("DELETE FROM tbl_str_conn");
    return true;
}

bool runInsert(File& file, const std::string& text) {
    Reader r(text);
    std::optional<std::string> connection, server, database;
    if (!(r.fixed("INSERT INTO tbl_str_conn ( ConnectionString, ServerName, DBName )SELECT ") &&
          (connection = r.quotedValue()) && r.fixed(" AS ConnectionString, ") &&
          (server = r.quotedValue()) && r.fixed(" AS ServerName, ") &&
          (database = r.quotedValue()) && r.fixed(" AS DBName;") && r.atEnd())) {
        return false;
    }
    requireConnectionTable(file);
    file.run("INSERT INTO tbl_str_conn (ConnectionString, ServerName, DBName) VALUES (?, ?, ?)",
             {Variant(*connection), Variant(*server), Variant(*database)});
    return true;
}

bool runCreateIndex(File& file, const std::string& text) {
    Reader r(text);
    std::optional<std::string> index, table, column;
    if (!(r.fixed("CREATE  INDEX ") && (index = r.bracketed()) && r.fixed(" ON ") &&
          (table = r.bracketed()) && r.fixed(" (") && (column = r.bracketed()))) {
        return false;
    }
    std::vector<std::string> columns{*column};
    while (r.fixed(", ")) {
        if (!(column = r.bracketed())) return false;
        columns.push_back(*column);
    }
    if (!(r.fixed(") WITH PRIMARY;") && r.atEnd())) return false;
    createPrimaryIndex(file, *index, *table, columns);
    return true;
}

}  // namespace

void executeJetSql(File& file, const std::string& text) {
    for (auto run : {runDrop, runDelete, runInsert, runCreateIndex}) {
        if (run(file, text)) return;
    }
    throw daoError(kInvalidStatement, "Invalid SQL statement: " + jetQuoted(text) + ".");
}

}  // namespace dao
