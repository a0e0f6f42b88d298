// A demonstration database is rebuilt whatever became of its pages, as long as its header still
// says it is one, and a symbolic link to it keeps leading to the rebuilt file.

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>

#include "demo/builder.hpp"
#include "platform/ado/connection.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;
using testing_support::TemporaryDirectory;

// The first value of the statement's first row as text; what SQLite says when it fails.
std::string firstValue(const fs::path& file, const char* sql) {
    sqlite3* db = nullptr;
    std::string value;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const int rc = sqlite3_exec(
        db, sql,
        [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) = values[0] ? values[0] : "NULL";
            return 1;
        },
        &value, nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_ABORT) value = sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    return value;
}

// Runs SQL through a plain connection: what SQLite says, "" when it succeeds.
std::string run(const fs::path& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const bool done = sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    const std::string why = done ? "" : sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    return why;
}

void overwrite(const fs::path& file, size_t offset, size_t count) {
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(static_cast<std::streamoff>(offset));
    out << std::string(count, '\xff');
}

// A demonstration database with one journal row of its own, so that a rebuilt one tells by its
// empty journal.
void buildWithARow(const fs::path& file) {
    ado::Connection connection;
    connection.Open(kalvik::demo::buildDemoDatabase(file.string()));
    connection.Execute("INSERT INTO FSB(Арм) VALUES ('a row of the old database')");
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct Damage {
    const char* name;
    std::function<void(const fs::path&)> apply;
    bool rebuilt;  // else refused with error 58, the file as it was
};

TEST(DemoDatabase, IsRebuiltWhateverBecameOfItsPagesWhileItsHeaderSaysWhatItIs) {
    const Damage damages[] = {
        {"its pages cut", [](const fs::path& f) { fs::resize_file(f, fs::file_size(f) / 2); },
         true},
        {"its pages after the header overwritten by 0xFF",
         [](const fs::path& f) { overwrite(f, 100, 4 * 4096 - 100); }, true},
        {"its schema overwritten by 0xFF",
         [](const fs::path& f) {
             const size_t at = fileContents(f).find("CREATE TABLE procedures");
             ASSERT_NE(at, std::string::npos);
             overwrite(f, at + 13, 3000);
         },
         true},
        {"its page size changed",
         [](const fs::path& f) {
             run(f,
                 "PRAGMA journal_mode=DELETE; PRAGMA page_size=8192; VACUUM; "
                 "PRAGMA journal_mode=WAL");
             ASSERT_EQ(firstValue(f, "PRAGMA page_size"), "8192");
         },
         true},
        {"its header overwritten by 0xFF", [](const fs::path& f) { overwrite(f, 0, 100); }, false},
    };
    TemporaryDirectory folder;
    const fs::path fresh = folder.path() / "fresh.db";
    kalvik::demo::buildDemoDatabase(fresh.string());
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        const fs::path file = folder.path() / "d.db";
        fs::remove(file);
        buildWithARow(file);
        damage.apply(file);
        const std::string before = fileContents(file);
        try {
            kalvik::demo::buildDemoDatabase(file.string());
            EXPECT_TRUE(damage.rebuilt);
            EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"d.db", "fresh.db"}));
            EXPECT_EQ(firstValue(file, "PRAGMA integrity_check"), "ok");
            EXPECT_EQ(firstValue(file, "SELECT count(*) FROM FSB"), "0");
            EXPECT_EQ(firstValue(file, "SELECT count(*) FROM procedures"),
                      firstValue(fresh, "SELECT count(*) FROM procedures"));
            EXPECT_EQ(firstValue(file, "PRAGMA page_size"), firstValue(fresh, "PRAGMA page_size"));
            EXPECT_EQ(firstValue(file, "PRAGMA journal_mode"), "wal");
        } catch (const oleaut::Error& e) {
            EXPECT_FALSE(damage.rebuilt) << e.description();
            EXPECT_EQ(e.number(), oleaut::kFileAlreadyExists);
            EXPECT_TRUE(fileContents(file) == before);
        }
    }
}

// The link stays a link, and the file it leads to is the one rebuilt or made, its lock and build
// file beside it.
TEST(DemoDatabase, ASymbolicLinkKeepsLeadingToTheFileBuilt) {
    for (const bool made : {true, false}) {
        SCOPED_TRACE(made ? "a link to a demonstration database" : "a link to no file yet");
        TemporaryDirectory folder;
        fs::create_directory(folder.path() / "real");
        const fs::path real = folder.path() / "real" / "p.db";
        const fs::path link = folder.path() / "link.db";
        fs::create_symlink("real/p.db", link);
        if (made) buildWithARow(real);
        const std::string connectionString = kalvik::demo::buildDemoDatabase(link.string());
        EXPECT_EQ(connectionString,
                  kalvik::demo::demoConnectionString((fs::canonical(real)).string()));
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), "real/p.db");
        EXPECT_EQ(firstValue(real, "SELECT count(*) FROM FSB"), "0");
        EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"link.db", "real"}));
        EXPECT_EQ(namesIn(folder.path() / "real"), std::set<std::string>{"p.db"});
    }
}

}  // namespace
