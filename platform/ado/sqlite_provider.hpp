#pragma once
// The embedded provider: "Provider=SQLite;Data Source=PATH".

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/provider.hpp"

struct sqlite3;

namespace ado {

// "Provider=SQLite;Data Source=PATH", the path quoted so that it reaches exactly that file.
std::string sqliteConnectionString(const std::filesystem::path& file);

// The longest path of a database file that SQLite opens, in bytes, its links resolved.
[[nodiscard]] size_t longestSqlitePath() noexcept;

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

// What a database file is, as the caller of a replacement judges it: the mark in its header
// (nothing when it has no SQLite header), its number of names (hard links), and its tables,
// SQLite's own aside (nothing when it cannot be read as a database, as a damaged one).
struct SqliteFileFacts {
    std::optional<uint32_t> applicationId;
    nlink_t names = 0;
    std::optional<std::vector<std::string>> tables;
};

// Fails, with the caller's own error, for a file that may not be replaced.
using SqliteFileJudge = std::function<void(const SqliteFileFacts&)>;

// The facts of the file at path as it lies, before anything holds it: its header and names as
// they are, its tables read through a connection that only reads and leaves no side file behind,
// when it has a SQLite header (nothing when they cannot be read, or a writer keeps readers off).
[[nodiscard]] SqliteFileFacts sqliteFileFacts(const std::string& path);

// A connection of its own to a database file that has read it. While it lives the file is in use
// as SQLite counts it (in WAL mode a connection holds a shared lock on the file from its first
// read until it is closed), so that a replacement waits for it; it keeps no reader or writer
// waiting. It holds nothing when the file cannot be read.
class SqliteHold {
  public:
    SqliteHold() = default;
    explicit SqliteHold(const std::string& path);
    ~SqliteHold();
    SqliteHold(SqliteHold&& other) noexcept;
    SqliteHold& operator=(SqliteHold&& other) noexcept;
    SqliteHold(const SqliteHold&) = delete;
    SqliteHold& operator=(const SqliteHold&) = delete;

    [[nodiscard]] bool holds() const noexcept { return db_ != nullptr; }

  private:
    sqlite3* db_ = nullptr;
};

// Puts the database in the file source in the place of target, so that target is at every moment
// the one whole database or the other. Where no file is, source takes the name; a target that is
// there gets the whole content of source in one write transaction, the file itself staying, so
// that a connection that has opened it but not yet read it reads the new content. A target that
// another connection has open, of this process or another, is in use: the replacement waits until
// it is closed, calling whenInUse once before it waits, and holds it locked from then to the end,
// so that nobody starts on it in between. Under that hold, before anything of it is changed, judge
// is asked what the file is, read through the hold (its mark and tables through the held
// connection, its names at its path once SQLite confirms that the path still leads to the file
// it holds): a file it refuses stays as it was, and its error is the replacement's. Returns a hold
// of target taken as the replacement ends, for a caller that goes on working on it.
// Either way source is gone after; its side files are the caller's, removed with it.
// A target whose page size differs from source's gets it. A copy that is committed is the
// replacement even when folding its WAL into the file fails (a full disk): target is the new
// database through its WAL, which the next connection folds in. A damaged target (one SQLite
// finds malformed, or not a database) is written over with source's bytes, under SQLite's
// exclusive lock on it, once no connection has it open, when its header carries source's
// application id (not 0) and judge takes it, its tables unknown; else it fails, saying that the
// file is damaged. Fails when source is in use, and when target is not there but one of its side
// files is, which stays as it is.
SqliteHold replaceSqliteDatabase(const std::string& source, const std::string& target,
                                 const SqliteFileJudge& judge,
                                 const std::function<void()>& whenInUse = {});

// The files SQLite keeps beside a database file while it writes it, by the suffix of their names.
inline constexpr const char* kSqliteSideFiles[] = {"-wal", "-shm", "-journal"};

// Removes a database file with its side files; a missing one is no error.
void removeSqliteDatabase(const std::string& path) noexcept;

}  // namespace ado
