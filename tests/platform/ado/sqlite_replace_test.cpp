// Replacing a database file that others may have open: a target in use is left as it is until
// it is closed, and a connection that opened it before its first read works on the new content.

#include <sqlite3.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::TemporaryDirectory;
namespace fs = std::filesystem;
constexpr auto kPatience = std::chrono::seconds(20);

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

// Counts the openings of one database file by the connections of this process, through a VFS of
// SQLite's own made the default for as long as it lives: a replacement that waits for a target in
// use opens it again at each look.
class OpeningsCounted {
  public:
    explicit OpeningsCounted(const fs::path& file) {
        struct stat counted {};
        ::stat(file.c_str(), &counted);
        device_ = counted.st_dev;
        inode_ = counted.st_ino;
        vfs_ = *real_;
        vfs_.zName = "openings-counted";
        vfs_.xOpen = open;
        counting_ = this;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~OpeningsCounted() {
        sqlite3_vfs_unregister(&vfs_);
        sqlite3_vfs_register(real_, 1);
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
    sqlite3_vfs* const real_ = sqlite3_vfs_find(nullptr);
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
            ado::replaceSqliteDatabase(source.string(), target.string(),
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

    ado::replaceSqliteDatabase(source.string(), target.string());
    ASSERT_EQ(early.exec("INSERT INTO t VALUES ('written')"), SQLITE_OK);
    EXPECT_EQ(early.exec("SELECT * FROM gone"), SQLITE_ERROR);
    EXPECT_EQ(valueAt(target), "new");
    EXPECT_EQ(valueAt(target, "SELECT group_concat(v) FROM t"), "new,written");

    const fs::path fresh = folder.path() / "fresh.db";
    makeDatabase(source, "newer");
    const ino_t built = inode(source);
    ado::replaceSqliteDatabase(source.string(), fresh.string());
    EXPECT_EQ(inode(fresh), built);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(valueAt(fresh), "newer");
}

}  // namespace
