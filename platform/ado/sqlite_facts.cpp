#include "platform/ado/sqlite_facts.hpp"

#include "platform/ado/sqlite_open.hpp"
#include "platform/files/identity.hpp"

namespace ado::sqlite {

std::optional<std::vector<std::string>> tablesThrough(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                           "'sqlite\\_%' ESCAPE '\\' ORDER BY rowid",
                           -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    std::vector<std::string> tables;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto* name = sqlite3_column_text(statement, 0);
        tables.emplace_back(name ? reinterpret_cast<const char*>(name) : "");
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) return std::nullopt;
    return tables;
}

std::optional<nlink_t> namesThrough(sqlite3* db, const std::string& path) {
    const std::optional<nlink_t> names = files::linkCount(path);
    int moved = 1;
    if (!names || sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK ||
        moved) {
        return std::nullopt;
    }
    return names;
}

}  // namespace ado::sqlite

namespace ado {

SqliteFileFacts sqliteFileFacts(const std::string& path) {
    SqliteFileFacts facts;
    facts.applicationId = sqliteApplicationId(path);
    facts.names = files::linkCount(path).value_or(0);
    if (!facts.applicationId) return facts;
    // A connection that may write leaves nothing behind: the last one to close removes the WAL
    // and its index, where a read-only one would leave them. It only reads.
    std::string why;
    if (sqlite3* db = sqlite::openFile(path, SQLITE_OPEN_READWRITE, why)) {
        facts.tables = sqlite::tablesThrough(db);
        sqlite3_close_v2(db);
    }
    return facts;
}

}  // namespace ado
