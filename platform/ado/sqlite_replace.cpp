// Replacing and removing a database file together with the side files SQLite keeps beside it.

#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace ado {
namespace {

// How often a database that another connection has open is tried again.
constexpr std::chrono::milliseconds kInUsePoll{100};

[[noreturn]] void failReplace(const std::string& target, const std::string& why) {
    throw adoError(adErrProviderFailed, "cannot replace database " + inQuotes(target) + ": " + why,
                   "SQLite");
}

void removeSideFiles(const std::string& path) noexcept {
    std::error_code ec;
    for (const char* suffix : kSqliteSideFiles)
        std::filesystem::remove(path + suffix, ec);
}

// A database file held with SQLite's exclusive lock, which SQLite grants only while no other
// connection, of this process or another, has the file open: in WAL mode every connection holds
// a shared lock on the file from its first read until it is closed. While held, the file is whole
// in its main file (its WAL recovered and folded in, a hot journal rolled back) and its side files
// are gone, and nobody can start on it. The lock goes with the handle when it is closed.
//
// In exclusive locking mode SQLite keeps the WAL index in its own memory, never in the -shm file,
// and with a persistent WAL it deletes no WAL when the handle is closed: closing touches nothing
// by its name, so that it is safe after another file has taken the held one's name.
class ExclusiveHold {
  public:
    // Waits while the file is in use, calling whenInUse once first; without wait, fails instead.
    ExclusiveHold(const std::string& path, const std::string& target, bool wait,
                  const std::function<void()>& whenInUse = {}) {
        bool told = false;
        while (!tryLock(path, target)) {
            if (!wait) failReplace(target, inQuotes(path) + " is in use");
            if (!told && whenInUse) whenInUse();
            told = true;
            std::this_thread::sleep_for(kInUsePoll);
        }
        const int rc =
            sqlite3_exec(db_, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) fail(rc, path, target);
        removeSideFiles(path);
    }
    ~ExclusiveHold() { sqlite3_close_v2(db_); }
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;

  private:
    // Whether the lock is held; false, the file closed again, while another connection has it
    // open. Reading the file in exclusive locking mode takes the exclusive lock.
    bool tryLock(const std::string& path, const std::string& target) {
        int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) fail(rc, path, target);
        int persistent = 1;
        sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &persistent);
        rc = sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr,
                          nullptr, nullptr);
        if (rc == SQLITE_OK) return true;
        if ((rc & 0xff) != SQLITE_BUSY) fail(rc, path, target);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }

    [[noreturn]] void fail(int rc, const std::string& path, const std::string& target) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        failReplace(target, inQuotes(path) + ": " + why);
    }

    sqlite3* db_ = nullptr;
};

}  // namespace

void replaceSqliteDatabase(const std::string& source, const std::string& target,
                           const std::function<void()>& whenInUse) {
    std::error_code ec;
    // Side files without their main file belong to no database and are only removed.
    if (!std::filesystem::exists(source, ec)) removeSideFiles(source);
    if (!std::filesystem::exists(target, ec)) removeSideFiles(target);
    { const ExclusiveHold whole(source, target, false); }
    // Held over the rename, so that nobody starts on the old file between the test and the rename.
    std::optional<ExclusiveHold> old;
    if (std::filesystem::exists(target, ec)) old.emplace(target, target, true, whenInUse);
    if (std::rename(source.c_str(), target.c_str()) != 0) {
        failReplace(target, std::strerror(errno));
    }
}

void removeSqliteDatabase(const std::string& path) noexcept {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    removeSideFiles(path);
}

}  // namespace ado
