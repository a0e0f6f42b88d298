#pragma once
// The embedded provider: "Provider=SQLite;Data Source=PATH".

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ado/provider.hpp"

namespace ado {

// Opens a session on an existing SQLite database file; a missing or unreadable file, or one that
// is not a database, fails with a message that names it.
std::unique_ptr<Session> openSqliteSession(const ConnectionString& connectionString,
                                           const SessionIdentity& identity);

// Creates a new, empty database file in WAL mode, its header marked with applicationId; fails when
// the file exists.
void createSqliteDatabase(const std::string& path, uint32_t applicationId = 0);

// The application id in the header of a SQLite file, read without opening it as a database;
// nothing when the file is missing or is not a SQLite database.
std::optional<uint32_t> sqliteApplicationId(const std::string& path);

// Puts the database in the file source in the place of target, so that target is at every moment
// the one whole database or the other. Where no file is, source takes the name; a target that is
// there gets the whole content of source in one write transaction, the file itself staying, so
// that a connection that has opened it but not yet read it reads the new content. A target that
// another connection has open, of this process or another, is in use: the replacement waits until
// it is closed, calling whenInUse once before it waits, and holds it locked from then to the end,
// so that nobody starts on it in between. Either way source is gone after. Fails when source is
// in use.
void replaceSqliteDatabase(const std::string& source, const std::string& target,
                           const std::function<void()>& whenInUse = {});

// The files SQLite keeps beside a database file while it writes it, by the suffix of their names.
inline constexpr const char* kSqliteSideFiles[] = {"-wal", "-shm", "-journal"};

// Removes a database file with its side files; a missing one is no error.
void removeSqliteDatabase(const std::string& path) noexcept;

}  // namespace ado
