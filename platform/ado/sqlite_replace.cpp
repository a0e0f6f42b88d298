// Replacing and removing a database file together with the side files SQLite keeps beside it.

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
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
// in its main file (its WAL recovered and folded in, a hot journal rolled back) and nobody can
// start on it; one that opened it meanwhile waits for the lock. The lock goes with the handle.
class ExclusiveHold {
  public:
    // Waits while the file is in use, calling whenInUse once first; without wait, fails instead.
    ExclusiveHold(const std::string& path, const std::string& target, bool wait,
                  const std::function<void()>& whenInUse = {})
        : path_(path), target_(target) {
        bool told = false;
        while (!tryLock()) {
            if (!wait) failReplace(target_, inQuotes(path_) + " is in use");
            if (!told && whenInUse) whenInUse();
            told = true;
            std::this_thread::sleep_for(kInUsePoll);
        }
        foldWal();
    }
    ~ExclusiveHold() { sqlite3_close_v2(db_); }
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;

    // Puts the whole content of the database source in place of the held file's, in one write
    // transaction of the held handle: a failure or a kill on the way leaves the earlier content.
    void takeContentOf(const std::string& source) {
        sqlite3* from = nullptr;
        int rc = sqlite3_open_v2(source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr);
        sqlite3* failed = from;
        if (rc == SQLITE_OK) {
            sqlite3_backup* copy = sqlite3_backup_init(db_, "main", from, "main");
            failed = db_;
            rc = copy ? sqlite3_backup_step(copy, -1) : sqlite3_errcode(db_);
            if (copy && sqlite3_backup_finish(copy) != SQLITE_OK && rc == SQLITE_DONE) {
                rc = sqlite3_errcode(db_);
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        const std::string why = failed ? sqlite3_errmsg(failed) : sqlite3_errstr(rc);
        sqlite3_close_v2(from);
        if (rc != SQLITE_OK) failReplace(target_, why);
        foldWal();
    }

  private:
    // Whether the lock is held; false, the file closed again, while another connection has it
    // open. Reading the file in exclusive locking mode takes the exclusive lock, and keeps the WAL
    // index in the handle's own memory, never in the -shm file that other connections share.
    bool tryLock() {
        int rc = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) fail(rc);
        rc = sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr,
                          nullptr, nullptr);
        if (rc == SQLITE_OK) return true;
        if ((rc & 0xff) != SQLITE_BUSY) fail(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }

    // Copies every committed page of the WAL into the main file and empties the WAL.
    void foldWal() {
        const int rc =
            sqlite3_exec(db_, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) fail(rc);
    }

    [[noreturn]] void fail(int rc) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        failReplace(target_, inQuotes(path_) + ": " + why);
    }

    std::string path_;
    std::string target_;
    sqlite3* db_ = nullptr;
};

// Gives source the name target unless a file has it: whether it did. A file system without the
// no-replace rename gets a second name and loses the first, which is as safe.
bool placeWhereNoFileIs(const std::string& source, const std::string& target) {
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS) {
        if (::link(source.c_str(), target.c_str()) == 0) {
            ::unlink(source.c_str());
            return true;
        }
    }
    if (errno != EEXIST) failReplace(target, std::strerror(errno));
    return false;
}

}  // namespace

void replaceSqliteDatabase(const std::string& source, const std::string& target,
                           const std::function<void()>& whenInUse) {
    std::error_code ec;
    // Side files without their main file belong to no database and are only removed.
    if (!std::filesystem::exists(source, ec)) removeSideFiles(source);
    if (!std::filesystem::exists(target, ec)) removeSideFiles(target);
    { const ExclusiveHold whole(source, target, false); }
    removeSideFiles(source);
    // Where no file is, the new one takes the name; renaming over a file is never done, since a
    // connection that opened the old file would go on working on it with the new file's WAL.
    if (placeWhereNoFileIs(source, target)) return;
    ExclusiveHold(target, target, true, whenInUse).takeContentOf(source);
    removeSqliteDatabase(source);
}

void removeSqliteDatabase(const std::string& path) noexcept {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    removeSideFiles(path);
}

}  // namespace ado
