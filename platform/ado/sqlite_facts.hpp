#pragma once
// What a database file is, read through a connection that has it open.

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ado/sqlite_provider.hpp"

namespace ado::sqlite {

// The tables of the database a handle has open, SQLite's own aside; nothing when they cannot be
// read.
[[nodiscard]] std::optional<std::vector<std::string>> tablesThrough(sqlite3* db);

// The number of names of the file a handle has open as main database, counted at path; nothing
// when SQLite finds that the path no longer leads to the file it holds.
[[nodiscard]] std::optional<nlink_t> namesThrough(sqlite3* db, const std::string& path);

}  // namespace ado::sqlite
