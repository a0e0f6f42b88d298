// A connection of its own that holds a database file in use.

#include <sqlite3.h>

#include <utility>

#include "platform/ado/sqlite_open.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace ado {

SqliteHold::SqliteHold(const std::string& path) {
    std::string why;
    db_ = sqlite::openFile(path, SQLITE_OPEN_READWRITE, why);
    if (db_) {
        sqlite3_busy_timeout(db_, 30000);
        if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) ==
            SQLITE_OK) {
            return;
        }
    }
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

SqliteHold::~SqliteHold() {
    sqlite3_close_v2(db_);
}

SqliteHold::SqliteHold(SqliteHold&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

SqliteHold& SqliteHold::operator=(SqliteHold&& other) noexcept {
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

}  // namespace ado
