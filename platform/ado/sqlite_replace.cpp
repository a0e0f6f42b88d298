// Replacing and removing a database file together with the side files SQLite keeps beside it.

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_facts.hpp"
#include "platform/ado/sqlite_open.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/ado/sqlite_replace_seam.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/files/identity.hpp"
#include "platform/oleaut/text.hpp"

namespace ado {
namespace {

// How often a database that another connection has open is tried again.
constexpr std::chrono::milliseconds kInUsePoll{100};

[[noreturn]] void failReplace(const std::string& target, const std::string& why) {
    throw adoError(adErrProviderFailed,
                   "cannot replace database " + pathInQuotes(target) + ": " + why, "SQLite");
}

// SQLite's message as a failure shows it: a damaged file's schema is echoed in it, so that it is
// cut as any echoed value and its bytes that are no UTF-8 are shown as U+FFFD.
std::string shownWhy(const std::string& why) {
    return oleaut::echoed(oleaut::encodeUtf8(oleaut::decodeUtf8(why)));
}

std::string messageOf(sqlite3* db, int rc) {
    return shownWhy(sqlite::whyFailed(db, rc));
}

// Opens a file through the door; fails naming it.
[[nodiscard]] sqlite3* openOrFail(const std::string& path, int flags, const std::string& target) {
    std::string why;
    sqlite3* db = sqlite::openFile(path, flags, why);
    if (!db) {
        failReplace(target, pathInQuotes(path) + ": " + shownWhy(why));
    }
    return db;
}

// The number of names of a held file; fails when its path no longer leads to it.
[[nodiscard]] nlink_t namesOrFail(sqlite3* db, const std::string& path, const std::string& target) {
    const std::optional<nlink_t> names = sqlite::namesThrough(db, path);
    if (!names) {
        failReplace(target, pathInQuotes(path) + " was moved away or replaced while it was held");
    }
    return *names;
}

bool isDamage(int rc) {
    return (rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB;
}

// A held file that SQLite found damaged, with what it said.
struct Damaged {
    std::string why;
};

void removeSideFiles(const std::string& path) noexcept {
    std::error_code ec;
    for (const char* suffix : kSqliteSideFiles)
        std::filesystem::remove(path + suffix, ec);
}

// Runs SQL on a handle: SQLite's result.
[[nodiscard]] int run(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// The value of a pragma that reads one number on a handle's database; nothing when it cannot be
// read.
[[nodiscard]] std::optional<int64_t> pragmaNumber(sqlite3* db, const char* pragma) {
    sqlite3_stmt* statement = nullptr;
    std::optional<int64_t> value;
    if (sqlite3_prepare_v2(db, pragma, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    return value;
}

// The page size of a handle's database; 0 when it cannot be read.
[[nodiscard]] int64_t pageSizeOf(sqlite3* db) {
    return pragmaNumber(db, "PRAGMA page_size").value_or(0);
}

// A database file held with SQLite's exclusive lock, which SQLite grants only while no other
// connection, of this process or another, has the file open: in WAL mode every connection holds
// a shared lock on the file from its first read until it is closed. While held, the file is whole
// in its main file (its WAL recovered and folded in, a hot journal rolled back) and nobody can
// start on it; one that opened it meanwhile waits for the lock. The lock goes with the handle.
// A file that SQLite finds damaged on the way fails with Damaged, the handle closed.
class ExclusiveHold {
  public:
    // The file held now; fails when another connection has it open.
    [[nodiscard]] static ExclusiveHold tryNow(const std::string& path, const std::string& target) {
        ExclusiveHold hold(path, target);
        if (!hold.tryLock()) failReplace(target, pathInQuotes(path) + " is in use");
        hold.foldOrFail();
        return hold;
    }

    // The file held once no other connection has it open, calling whenInUse before each wait,
    // and taken by judge before anything of it is changed.
    [[nodiscard]] static ExclusiveHold waitFor(const std::string& path, const std::string& target,
                                               const SqliteFileJudge& judge,
                                               const std::function<void()>& whenInUse) {
        ExclusiveHold hold(path, target);
        while (!hold.tryLock()) {
            if (whenInUse) whenInUse();
            std::this_thread::sleep_for(kInUsePoll);
        }
        judge(hold.facts());
        hold.foldOrFail();
        return hold;
    }

    ~ExclusiveHold() { sqlite3_close_v2(db_); }
    ExclusiveHold(ExclusiveHold&& other) noexcept
        : path_(std::move(other.path_)),
          target_(std::move(other.target_)),
          db_(std::exchange(other.db_, nullptr)) {}
    ExclusiveHold& operator=(ExclusiveHold&&) = delete;
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;

    // Puts the whole content of the database source in place of the held file's, in one write
    // transaction of the held handle: a failure or a kill on the way leaves the earlier content.
    // A backup into a WAL database keeps its page size and refuses another: where the sizes
    // differ, the copy goes through a rollback journal, the held file out of WAL meanwhile.
    void takeContentOf(const std::string& source) {
        sqlite3* from = openOrFail(source, SQLITE_OPEN_READONLY, target_);
        int rc = SQLITE_OK;
        const bool otherPageSize = pageSizeOf(from) != pageSizeOf(db_);
        rc = otherPageSize ? run(db_, "PRAGMA journal_mode=DELETE") : SQLITE_OK;
        if (rc == SQLITE_OK) {
            sqlite3_backup* copy = sqlite3_backup_init(db_, "main", from, "main");
            rc = copy ? sqlite3_backup_step(copy, -1) : sqlite3_errcode(db_);
            if (copy && sqlite3_backup_finish(copy) != SQLITE_OK && rc == SQLITE_DONE) {
                rc = sqlite3_errcode(db_);
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        const std::string why = messageOf(db_, rc);
        sqlite3_close_v2(from);
        if (rc != SQLITE_OK) fail(rc, why);
        reachCopyCommitted();
        if (otherPageSize) {
            // Back to WAL, where the file stays whole. SQLite closes the journal as it goes, which
            // is then empty, or a killed copy's that the hold has rolled back: nobody else can
            // have it open while the file is held, and it goes.
            if (run(db_, "PRAGMA journal_mode=WAL") == SQLITE_OK) {
                ::unlink((path_ + "-journal").c_str());
            }
        } else {
            // Committed, the copy is the replacement: a fold that fails (a full disk) leaves the
            // file whole through its WAL, which the next connection reads and folds in.
            (void)foldWal();
        }
    }

  private:
    ExclusiveHold(std::string path, std::string target)
        : path_(std::move(path)), target_(std::move(target)) {}

    // What the held file is, read through the hold.
    [[nodiscard]] SqliteFileFacts facts() {
        SqliteFileFacts facts;
        if (const std::optional<int64_t> id = pragmaNumber(db_, "PRAGMA application_id")) {
            facts.applicationId = static_cast<uint32_t>(*id);
        }
        facts.tables = sqlite::tablesThrough(db_);
        facts.names = namesOrFail(db_, path_, target_);
        return facts;
    }

    // Whether the lock is held; false, the file closed again, while another connection has it
    // open. Reading the file in exclusive locking mode takes the exclusive lock, and keeps the WAL
    // index in the handle's own memory, never in the -shm file that other connections share.
    bool tryLock() {
        db_ = openOrFail(path_, SQLITE_OPEN_READWRITE, target_);
        const int rc = run(db_, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT");
        if (rc == SQLITE_OK) return true;
        if ((rc & 0xff) != SQLITE_BUSY) fail(rc, messageOf(db_, rc));
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }

    // Copies every committed page of the WAL into the main file and empties the WAL: SQLite's
    // result.
    [[nodiscard]] int foldWal() { return run(db_, "PRAGMA wal_checkpoint(TRUNCATE)"); }

    void foldOrFail() {
        if (const int rc = foldWal(); rc != SQLITE_OK) fail(rc, messageOf(db_, rc));
    }

    [[noreturn]] void fail(int rc, const std::string& why) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        if (isDamage(rc)) throw Damaged{why};
        failReplace(target_, pathInQuotes(path_) + ": " + why);
    }

    std::string path_;
    std::string target_;
    sqlite3* db_ = nullptr;
};

// A damaged database file held with SQLite's exclusive lock without reading it as a database:
// the lock is taken through the file handle of a connection that opened it, as SQLite takes it,
// and so granted only while no other connection has the file open, and keeping off any that
// opens it meanwhile.
class RawHold {
  public:
    RawHold(const std::string& path, const std::function<void()>& whenInUse) {
        std::string why;
        db_ = sqlite::openFile(path, SQLITE_OPEN_READWRITE, why);
        if (!db_) {
            error_ = shownWhy(why);
            return;
        }
        int rc = sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &file_);
        if (rc != SQLITE_OK || !file_ || !file_->pMethods) {
            error_ = messageOf(db_, rc == SQLITE_OK ? SQLITE_CANTOPEN : rc);
            return;
        }
        for (;;) {
            rc = file_->pMethods->xLock(file_, SQLITE_LOCK_SHARED);
            if (rc == SQLITE_OK) rc = file_->pMethods->xLock(file_, SQLITE_LOCK_EXCLUSIVE);
            if (rc == SQLITE_OK) break;
            file_->pMethods->xUnlock(file_, SQLITE_LOCK_NONE);
            if ((rc & 0xff) != SQLITE_BUSY) {
                error_ = sqlite3_errstr(rc);
                return;
            }
            if (whenInUse) whenInUse();
            std::this_thread::sleep_for(kInUsePoll);
        }
        held_ = true;
    }
    ~RawHold() {
        if (held_) file_->pMethods->xUnlock(file_, SQLITE_LOCK_NONE);
        sqlite3_close_v2(db_);
    }
    RawHold(const RawHold&) = delete;
    RawHold& operator=(const RawHold&) = delete;

    sqlite3* handle() const noexcept { return db_; }

    // What kept the lock from being taken; empty once held.
    const std::string& error() const noexcept { return error_; }

    // The application id in the held file's header; nothing when it has no whole header.
    [[nodiscard]] std::optional<uint32_t> applicationId() {
        constexpr int kIdOffset = 68;
        std::array<unsigned char, 4> id{};
        if (file_->pMethods->xRead(file_, id.data(), 4, kIdOffset) != SQLITE_OK) {
            return std::nullopt;
        }
        return uint32_t{id[0]} << 24 | uint32_t{id[1]} << 16 | uint32_t{id[2]} << 8 | id[3];
    }

    // Writes the bytes of the file source over the held file's and cuts it to their length:
    // SQLite's result.
    [[nodiscard]] int writeOver(const std::string& source) {
        std::ifstream in(source, std::ios::binary);
        std::array<char, 1 << 16> chunk{};
        sqlite3_int64 offset = 0;
        while (in) {
            in.read(chunk.data(), chunk.size());
            const auto size = static_cast<int>(in.gcount());
            if (size == 0) break;
            if (const int rc = file_->pMethods->xWrite(file_, chunk.data(), size, offset)) {
                return rc;
            }
            offset += size;
        }
        if (!in.eof()) return SQLITE_IOERR_READ;
        if (const int rc = file_->pMethods->xTruncate(file_, offset)) return rc;
        return file_->pMethods->xSync(file_, SQLITE_SYNC_NORMAL);
    }

  private:
    sqlite3* db_ = nullptr;
    sqlite3_file* file_ = nullptr;
    bool held_ = false;
    std::string error_;
};

// Writes source over a target that SQLite found damaged, once no connection has it open, when its
// header carries source's application id and judge takes it. Its side files go first, so that a
// kill on the way leaves it damaged and marked, to be written over by the next replacement, never
// an old WAL or journal to be replayed into the new content; nobody has them open while the file is
// held.
void writeOverDamaged(const std::string& source, const std::string& target, const std::string& why,
                      const SqliteFileJudge& judge, const std::function<void()>& whenInUse) {
    const std::string damaged = "the file is damaged (" + why + ")";
    RawHold held(target, whenInUse);
    if (!held.error().empty()) failReplace(target, damaged + ": " + held.error());
    const std::optional<uint32_t> mark = sqliteApplicationId(source);
    if (!mark || *mark == 0 || held.applicationId() != mark) {
        failReplace(target, damaged + "; delete it or name another file");
    }
    judge({held.applicationId(), namesOrFail(held.handle(), target, target), std::nullopt});
    removeSideFiles(target);
    if (const int rc = held.writeOver(source)) {
        failReplace(target, damaged + " and cannot be written over: " + sqlite3_errstr(rc));
    }
}

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

SqliteHold replaceSqliteDatabase(const std::string& source, const std::string& target,
                                 const SqliteFileJudge& judge,
                                 const std::function<void()>& whenInUse) {
    reachPlacing();
    // Side files without their main file would be read as the new file's: they are nobody's to
    // remove here.
    if (files::absence(target) == 0) {
        const files::Presence side = files::firstPresent(target, kSqliteSideFiles);
        if (!side.path.empty()) {
            failReplace(target,
                        pathInQuotes(side.path.string()) + " is there without its database");
        }
    }
    try {
        const ExclusiveHold whole = ExclusiveHold::tryNow(source, target);
    } catch (const Damaged& damaged) {
        failReplace(target, pathInQuotes(source) + ": " + damaged.why);
    }
    removeSideFiles(source);
    // Where no file is, the new one takes the name; renaming over a file is never done, since a
    // connection that opened the old file would go on working on it with the new file's WAL.
    if (!placeWhereNoFileIs(source, target)) {
        bool told = false;
        const auto tellOnce = [&told, &whenInUse] {
            if (!told && whenInUse) whenInUse();
            told = true;
        };
        try {
            ExclusiveHold::waitFor(target, target, judge, tellOnce).takeContentOf(source);
        } catch (const Damaged& damaged) {
            writeOverDamaged(source, target, damaged.why, judge, tellOnce);
        }
        removeSqliteDatabase(source);
    }
    return SqliteHold(target);
}

void removeSqliteDatabase(const std::string& path) noexcept {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    removeSideFiles(path);
}

}  // namespace ado
