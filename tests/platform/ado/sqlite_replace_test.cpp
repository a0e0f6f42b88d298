// Replacing a database file that others may have open: a target in use is left as it is until
// it is closed, and a connection that opened the old file just before the rename works on the
// new one.

#include <sqlite3.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

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

std::string valueAt(const fs::path& path) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open("Provider=SQLite;Data Source=" + path.string());
    return oleaut::CStr(connection->Execute("SELECT v FROM t")->Fields(0).Value());
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
        const ino_t replacement = inode(source);
        std::function<void()> close = holder.open(target);

        std::promise<void> waiting;
        std::future<void> told = waiting.get_future();
        std::future<void> replaced = std::async(std::launch::async, [&] {
            ado::replaceSqliteDatabase(source.string(), target.string(),
                                       [&waiting] { waiting.set_value(); });
        });
        ASSERT_EQ(told.wait_for(kPatience), std::future_status::ready);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(replaced.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
        EXPECT_EQ(inode(target), old);
        EXPECT_TRUE(fs::exists(source));

        close();
        ASSERT_EQ(replaced.wait_for(kPatience), std::future_status::ready);
        replaced.get();
        EXPECT_EQ(inode(target), replacement);
        EXPECT_EQ(valueAt(target), "new");
    }
}

// The replacer holds the old file's exclusive lock while a connection of the provider, having
// opened the old file, waits for it; then the new file is renamed over it and the lock let go.
TEST(SqliteReplace, AConnectionThatOpenedTheOldFileWorksOnTheNewOne) {
    TemporaryDirectory folder;
    const fs::path target = folder.path() / "target.db";
    const fs::path source = folder.path() / "source.db";
    makeDatabase(target, "old");
    makeDatabase(source, "new");
    const ino_t old = inode(target);
    auto replacer = std::make_unique<RawConnection>(target);
    ASSERT_EQ(replacer->exec("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT"), SQLITE_OK);

    std::future<std::string> opened = std::async(std::launch::async, [&target] {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open("Provider=SQLite;Data Source=" + target.string());
        connection->Execute("INSERT INTO t VALUES ('written')");
        return oleaut::CStr(
            connection->Execute("SELECT group_concat(v) FROM t")->Fields(0).Value());
    });
    // The connection has the old file open once a second descriptor of this process names it.
    auto descriptorsOfOld = [old] {
        int count = 0;
        for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
            struct stat opened {};
            if (::stat(entry.path().c_str(), &opened) == 0 && opened.st_ino == old) ++count;
        }
        return count;
    };
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (descriptorsOfOld() < 2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_GE(descriptorsOfOld(), 2);

    fs::rename(source, target);
    replacer.reset();
    ASSERT_EQ(opened.wait_for(kPatience), std::future_status::ready);
    EXPECT_EQ(opened.get(), "new,written");
    EXPECT_EQ(valueAt(target), "new");
}

}  // namespace
