#pragma once
// The embedded provider: "Provider=SQLite;Data Source=PATH".

#include <memory>
#include <string>

#include "platform/ado/provider.hpp"

namespace ado {

// Opens a session on an existing SQLite database file; a missing or unreadable file, or one that
// is not a database, fails with a message that names it.
std::unique_ptr<Session> openSqliteSession(const ConnectionString& connectionString,
                                           const SessionIdentity& identity);

// Creates a new, empty database file in WAL mode; fails when the file exists.
void createSqliteDatabase(const std::string& path);

}  // namespace ado
