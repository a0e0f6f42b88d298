// Replacing a database file that others may have open: a target in use is left as it is until
// it is closed, and a connection that opened it before its first read works on the new content.

#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/ado/sqlite_replace_seam.hpp"
#include "platform/ado/sqlite_vfs.hpp"
#include "platform/oleaut/text.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::TemporaryDirectory;
namespace fs = std::filesystem;
constexpr auto kPatience = std::chrono::seconds(20);

// A judge that takes any file in place of which a replacement puts its database.
const ado::SqliteFileJudge takeAny = [](const ado::SqliteFileFacts&) {};

// A database holding one value, in WAL mode as the provider leaves every file.
void makeDatabase(const fs::path& path, const std::string& value) {
    ado::createSqliteDatabase(path.string());
    ado::Connection connection;
    connection.Open("Provider=SQLite;Data Source=" + path.string());
    connection.Execute("CREATE TABLE t(v TEXT); INSERT INTO t VALUES ('" + value + "')", nullptr,
                       ado::adCmdText | ado::adExecuteNoRecords);
}

ino_t inode(const fs::path& path) {
    struct stat named {};
    return ::stat(path.c_str(), &named) == 0 ? named.st_ino : 0;
}

struct RawConnection {
    explicit RawConnection(const fs::path& path) {
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 30000);
    }
    ~RawConnection() { sqlite3_close_v2(db); }
    int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
    sqlite3* db = nullptr;
};

// Counts the openings of one database file by the connections of this process, through a VFS over
// the system's own that takes its name for as long as it lives: a replacement that waits for a
// target in use opens it again at each look.
class OpeningsCounted {
  public:
    explicit OpeningsCounted(const fs::path& file) {
        struct stat counted {};
        ::stat(file.c_str(), &counted);
        device_ = counted.st_dev;
        inode_ = counted.st_ino;
        vfs_ = *real_;
        vfs_.xOpen = open;
        counting_ = this;
        sqlite3_vfs_register(&vfs_, 0);  // found before the system's VFS of the same name
    }
    ~OpeningsCounted() {
        sqlite3_vfs_unregister(&vfs_);
        counting_ = nullptr;
    }
    OpeningsCounted(const OpeningsCounted&) = delete;
    OpeningsCounted& operator=(const OpeningsCounted&) = delete;

    int count() const { return count_; }

  private:
    static int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out) {
        struct stat opened {};
        if ((flags & SQLITE_OPEN_MAIN_DB) && name && ::stat(name, &opened) == 0 &&
            opened.st_dev == counting_->device_ && opened.st_ino == counting_->inode_) {
            ++counting_->count_;
        }
        return counting_->real_->xOpen(counting_->real_, name, file, flags, out);
    }

    static inline OpeningsCounted* counting_ = nullptr;
    sqlite3_vfs* const real_ = ado::sqlite::guardedVfs();
    sqlite3_vfs vfs_{};
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::atomic<int> count_ = 0;
};

std::string valueAt(const fs::path& path, const std::string& query = "SELECT v FROM t") {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open("Provider=SQLite;Data Source=" + path.string());
    return oleaut::CStr(connection->Execute(query)->Fields(0).Value());
}

// Who has the target open while it is replaced, each after a first read, as an idle front-end.
struct Holder {
    const char* name;
    std::function<std::function<void()>(const fs::path&)> open;  // gives the closing
};

TEST(SqliteReplace, WaitsWhileAnotherConnectionHasTheTargetOpen) {
    const Holder holders[] = {
        {"a connection of the provider",
         [](const fs::path& path) -> std::function<void()> {
             auto connection = std::make_shared<ado::Connection>();
             connection->Open("Provider=SQLite;Data Source=" + path.string());
             connection->Execute("SELECT count(*) FROM t");
             return [connection] { connection->Close(); };
         }},
        {"a plain SQLite connection that has read it",
         [](const fs::path& path) -> std::function<void()> {
             auto connection = std::make_shared<RawConnection>(path);
             connection->exec("SELECT count(*) FROM t");
             return [connection]() mutable { connection.reset(); };
         }},
    };
    for (const Holder& holder : holders) {
        SCOPED_TRACE(holder.name);
        TemporaryDirectory folder;
        const fs::path target = folder.path() / "target.db";
        const fs::path source = folder.path() / "source.db";
        makeDatabase(target, "old");
        makeDatabase(source, "new");
        const ino_t old = inode(target);
        std::function<void()> close = holder.open(target);
        const OpeningsCounted openings(target);

        std::promise<void> waiting;
        std::future<void> told = waiting.get_future();
        std::future<void> replaced = std::async(std::launch::async, [&] {
            ado::replaceSqliteDatabase(source.string(), target.string(), takeAny,
                                       [&waiting] { waiting.set_value(); });
        });
        ASSERT_EQ(told.wait_for(kPatience), std::future_status::ready);
        // It goes on waiting: it looks at the target again and, refused, once more.
        const int openedWhenTold = openings.count();
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (openings.count() < openedWhenTold + 2 &&
               replaced.wait_for(std::chrono::milliseconds(10)) == std::future_status::timeout &&
               std::chrono::steady_clock::now() < deadline) {
        }
        EXPECT_EQ(replaced.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
        EXPECT_EQ(inode(target), old);
        EXPECT_TRUE(fs::exists(source));

        close();
        ASSERT_EQ(replaced.wait_for(kPatience), std::future_status::ready);
        replaced.get();
        EXPECT_EQ(inode(target), old);
        EXPECT_EQ(valueAt(target), "new");
    }
}

// A program that has opened the target but not read it yet holds no lock: the replacement does
// not wait for it, and what it then reads and writes is the new database, in the file at target.
// Where no file is, the new file takes the name.
TEST(SqliteReplace, AConnectionThatOpenedTheTargetBeforeReadingWorksOnTheNewContent) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path source = folder.path() / "source.db";
    makeDatabase(target, "old");
    {
        ado::Connection connection;
        connection.Open("Provider=SQLite;Data Source=" + target.string());
        connection.Execute("CREATE TABLE gone(x)", nullptr,
                           ado::adCmdText | ado::adExecuteNoRecords);
    }
    makeDatabase(source, "new");
    RawConnection early(target);

    ado::replaceSqliteDatabase(source.string(), target.string(), takeAny);
    ASSERT_EQ(early.exec("INSERT INTO t VALUES ('written')"), SQLITE_OK);
    EXPECT_EQ(early.exec("SELECT * FROM gone"), SQLITE_ERROR);
    EXPECT_EQ(valueAt(target), "new");
    EXPECT_EQ(valueAt(target, "SELECT group_concat(v) FROM t"), "new,written");

    const fs::path fresh = folder.path() / "fresh.db";
    makeDatabase(source, "newer");
    const ino_t built = inode(source);
    ado::replaceSqliteDatabase(source.string(), fresh.string(), takeAny);
    EXPECT_EQ(inode(fresh), built);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(valueAt(fresh), "newer");
}

// A database holding "new" and enough rows that it is several times as long as makeDatabase's.
void makeLongDatabase(const fs::path& path) {
    makeDatabase(path, "new");
    RawConnection connection(path);
    ASSERT_EQ(connection.exec("CREATE TABLE filler(x TEXT); WITH RECURSIVE n(i) AS (SELECT 1 UNION "
                              "ALL SELECT i + 1 FROM n WHERE i < 2000) INSERT INTO filler SELECT "
                              "printf('%0100d', i) FROM n"),
              SQLITE_OK);
}

// Once the copy is committed, the file may grow no more (as on a full disk), so that folding the
// WAL into it fails: the replacement has happened, and the file reads as the new database through
// its WAL.
TEST(SqliteReplace, ACommittedCopyIsTheReplacementWhenFoldingItsWalFails) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path source = folder.path() / "source.db";
    makeDatabase(target, "old");
    makeLongDatabase(source);
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const ado::ScopedCopyCommittedHook full([&target] {
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = fs::file_size(target);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        int status = 0;
        try {
            ado::replaceSqliteDatabase(source.string(), target.string(), takeAny);
        } catch (const oleaut::Error&) {
            status = 1;
        }
        ::_exit(status);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(fs::exists(target.string() + "-wal"));
    EXPECT_GT(fs::file_size(target.string() + "-wal"), fs::file_size(target));
    EXPECT_EQ(valueAt(target), "new");
    EXPECT_EQ(valueAt(target, "SELECT count(*) FROM filler"), "2000");
    EXPECT_FALSE(fs::exists(source));
}

// A database holding "old" whose schema is damaged: a long default text of its table and its
// closing quote overwritten by bytes that are no UTF-8, which SQLite then echoes in its message.
void makeDamagedDatabase(const fs::path& path, uint32_t mark) {
    ado::createSqliteDatabase(path.string(), mark);
    {
        RawConnection connection(path);
        const std::string create =
            "CREATE TABLE t(v TEXT DEFAULT '" + std::string(3000, 'x') + "')";
        ASSERT_EQ(connection.exec(create.c_str()), SQLITE_OK);
        ASSERT_EQ(connection.exec("INSERT INTO t VALUES ('old')"), SQLITE_OK);
    }
    // The text and its closing quote: the schema then holds a literal that never ends.
    std::string bytes = testing_support::fileContents(path);
    for (size_t at = bytes.find("xxxx"); at != std::string::npos; at = bytes.find("xxxx", at)) {
        while (at < bytes.size() && bytes[at] == 'x')
            bytes[at++] = '\xff';
        if (bytes[at] == '\'') bytes[at] = '\xff';
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Written over only when its header carries the mark of the new database: else it stays, and the
// failure says that it is damaged, in valid UTF-8 with SQLite's message cut.
TEST(SqliteReplace, ADamagedTargetIsWrittenOverWhenItsHeaderCarriesTheSourcesMark) {
    const struct {
        const char* name;
        uint32_t targetMark;
        uint32_t sourceMark;
        bool writtenOver;
    } cases[] = {
        {"the same mark", 7, 7, true},
        {"another mark", 5, 7, false},
        {"no mark", 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryDirectory folder;
        const fs::path target = folder.path() / "target.db";
        const fs::path source = folder.path() / "source.db";
        makeDamagedDatabase(target, c.targetMark);
        ado::createSqliteDatabase(source.string(), c.sourceMark);
        {
            RawConnection connection(source);
            ASSERT_EQ(connection.exec("CREATE TABLE t(v TEXT); INSERT INTO t VALUES ('new')"),
                      SQLITE_OK);
        }
        const std::string damaged = testing_support::fileContents(target);
        try {
            ado::replaceSqliteDatabase(source.string(), target.string(), takeAny);
            EXPECT_TRUE(c.writtenOver);
            EXPECT_EQ(valueAt(target), "new");
            EXPECT_EQ(valueAt(target, "PRAGMA integrity_check"), "ok");
        } catch (const oleaut::Error& e) {
            EXPECT_FALSE(c.writtenOver) << e.description();
            const std::string& why = e.description();
            EXPECT_TRUE(oleaut::isValidUtf8(why));
            EXPECT_NE(why.find("the file is damaged"), std::string::npos) << why;
            EXPECT_LT(oleaut::Len(why), oleaut::kEchoedCharacters + 200) << why;
            EXPECT_TRUE(testing_support::fileContents(target) == damaged);
        }
    }
}

// A backup into a WAL database cannot change its page size: the copy goes through a rollback
// journal, which is gone after.
TEST(SqliteReplace, ATargetOfAnotherPageSizeGetsTheSources) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path source = folder.path() / "source.db";
    makeDatabase(target, "old");
    {
        RawConnection connection(target);
        ASSERT_EQ(connection.exec("PRAGMA journal_mode=DELETE; PRAGMA page_size=8192; VACUUM; "
                                  "PRAGMA journal_mode=WAL"),
                  SQLITE_OK);
    }
    ASSERT_EQ(valueAt(target, "PRAGMA page_size"), "8192");
    makeDatabase(source, "new");
    const std::string sourcePageSize = valueAt(source, "PRAGMA page_size");
    ado::replaceSqliteDatabase(source.string(), target.string(), takeAny);
    EXPECT_FALSE(fs::exists(target.string() + "-journal"));
    EXPECT_EQ(valueAt(target), "new");
    EXPECT_EQ(valueAt(target, "PRAGMA page_size"), sourcePageSize);
    EXPECT_EQ(valueAt(target, "PRAGMA journal_mode"), "wal");
}

// A copy of another page size killed at a write leaves its journal, which the next replacement
// rolls back under its hold: that replacement removes it.
TEST(SqliteReplace, TheJournalOfAKilledCopyIsRemovedByTheReplacementThatRollsItBack) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path source = folder.path() / "source.db";
    makeDatabase(target, "old");
    {
        RawConnection connection(target);
        ASSERT_EQ(connection.exec("PRAGMA journal_mode=DELETE; PRAGMA page_size=8192; VACUUM"),
                  SQLITE_OK);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        RawConnection connection(target);
        connection.exec(
            "PRAGMA cache_size=1; BEGIN; CREATE TABLE filler(x TEXT); WITH RECURSIVE "
            "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) INSERT "
            "INTO filler SELECT printf('%0100d', i) FROM n");
        ::_exit(0);  // killed before the commit
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(fs::exists(target.string() + "-journal"));
    makeDatabase(source, "new");
    ado::replaceSqliteDatabase(source.string(), target.string(), takeAny);
    EXPECT_FALSE(fs::exists(target.string() + "-journal"));
    EXPECT_EQ(valueAt(target), "new");
    EXPECT_EQ(valueAt(target, "PRAGMA integrity_check"), "ok");
}

// Side files without their database would be read as the new database's: the replacement fails
// and leaves them as they are.
TEST(SqliteReplace, FailsWhereSideFilesLieWithoutTheirDatabase) {
    for (const char* suffix : ado::kSqliteSideFiles) {
        SCOPED_TRACE(suffix);
        TemporaryDirectory folder;
        const fs::path target = folder.path() / "target.db";
        const fs::path side = target.string() + suffix;
        const fs::path source = folder.path() / "source.db";
        makeDatabase(source, "new");
        std::ofstream(side) << "a file of someone else's";
        EXPECT_THROW(ado::replaceSqliteDatabase(source.string(), target.string(), takeAny),
                     oleaut::Error);
        EXPECT_EQ(testing_support::fileContents(side), "a file of someone else's");
        EXPECT_FALSE(fs::exists(target));
    }
}

// While the hold that a replacement gives lives, the target is in use: another replacement waits
// until it is dropped.
TEST(SqliteReplace, TheHoldItGivesKeepsTheTargetInUse) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path first = folder.path() / "first.db";
    const fs::path second = folder.path() / "second.db";
    makeDatabase(target, "old");
    makeDatabase(first, "first");
    makeDatabase(second, "second");
    std::optional<ado::SqliteHold> hold(
        std::in_place, ado::replaceSqliteDatabase(first.string(), target.string(), takeAny));
    EXPECT_TRUE(hold->holds());
    std::promise<void> waiting;
    std::future<void> told = waiting.get_future();
    std::future<void> replaced = std::async(std::launch::async, [&] {
        ado::replaceSqliteDatabase(second.string(), target.string(), takeAny,
                                   [&waiting] { waiting.set_value(); });
    });
    ASSERT_EQ(told.wait_for(kPatience), std::future_status::ready);
    EXPECT_EQ(valueAt(target), "first");
    hold.reset();
    ASSERT_EQ(replaced.wait_for(kPatience), std::future_status::ready);
    replaced.get();
    EXPECT_EQ(valueAt(target), "second");
}

}  // namespace
