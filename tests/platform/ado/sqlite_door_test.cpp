// Every SQLite file is opened through one door, under a VFS that touches no file but a database's
// own: a planted journal naming another file leaves that file as it was.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/ado/connection.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/ado/sqlite_vfs.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/support/planted_journal.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using ado::sqlite::File;
using testing_support::TemporaryDirectory;

// The description a call fails with; "" when it succeeds.
std::string failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const oleaut::Error& e) {
        return e.description();
    }
    return {};
}

struct Victim {
    explicit Victim(const std::filesystem::path& folder) : path(folder / "precious.txt") {
        std::ofstream(path) << "a user's file";
    }
    bool untouched() const { return testing_support::fileContents(path) == "a user's file"; }
    std::filesystem::path path;
};

// A rollback-mode database of one table, and one in WAL mode as the provider makes them.
std::filesystem::path rollbackDatabase(const std::filesystem::path& folder) {
    const auto path = folder / "master.mdf";
    File(path, File::Mode::Create).run("CREATE TABLE t(x); INSERT INTO t VALUES (1)");
    return path;
}

std::filesystem::path walDatabase(const std::filesystem::path& folder) {
    const auto path = folder / "p.db";
    ado::createSqliteDatabase(path.string());
    ado::Connection connection;
    connection.Open(ado::sqliteConnectionString(path));
    connection.Execute("CREATE TABLE t(x)", nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    return path;
}

TEST(SqliteDoor, APlantedSuperJournalDeletesNothingAndIsNamed) {
    const struct {
        const char* name;
        std::function<std::filesystem::path(const std::filesystem::path&)> make;
        std::function<void(const std::filesystem::path&)> open;
    } cases[] = {
        {"a file opened to write", rollbackDatabase,
         [](const auto& path) { File(path, File::Mode::ReadWrite).run("SELECT * FROM t"); }},
        {"a file opened to read", rollbackDatabase,
         [](const auto& path) { File(path, File::Mode::ReadOnly).run("SELECT * FROM t"); }},
        {"a session", walDatabase,
         [](const auto& path) {
             ado::Connection connection;
             connection.Open(ado::sqliteConnectionString(path));
         }},
    };
    for (const auto& c : cases) {
        TemporaryDirectory folder;
        const Victim victim(folder.path());
        const auto database = c.make(folder.path());
        testing_support::plantSuperJournal(database, victim.path);
        const std::string why = failureOf([&] { c.open(database); });
        EXPECT_TRUE(victim.untouched()) << c.name;
        EXPECT_NE(why.find("\"" + database.string() + "-journal\""), std::string::npos)
            << c.name << ": " << why;
    }
}

// A journal planted beside a rollback-mode database that is open already is found by the next
// statement's read.
TEST(SqliteDoor, ASuperJournalPlantedWhileOpenDeletesNothing) {
    TemporaryDirectory folder;
    const Victim victim(folder.path());
    const auto database = rollbackDatabase(folder.path());
    File file(database, File::Mode::ReadWrite);
    file.run("SELECT * FROM t");
    testing_support::plantSuperJournal(database, victim.path);
    const std::string why = failureOf([&] { file.run("SELECT * FROM t"); });
    EXPECT_TRUE(victim.untouched());
    EXPECT_NE(why.find("-journal\""), std::string::npos) << why;
}

}  // namespace

namespace {

// A side file that is a folder or a symbolic link, which SQLite would write into or follow, is
// refused by name before the database is read.
TEST(SqliteDoor, RefusesASideFileThatIsAFolderOrALink) {
    const struct {
        const char* suffix;
        bool folder;
        const char* what;
    } cases[] = {
        {"-wal", true, "is a folder"},
        {"-shm", false, "is a symbolic link"},
        {"-journal", false, "is a symbolic link"},
        {"-journal", true, "is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.suffix) + " " + c.what);
        TemporaryDirectory folder;
        const Victim victim(folder.path());
        const auto database = walDatabase(folder.path());
        const std::filesystem::path side = database.string() + c.suffix;
        if (c.folder) {
            std::filesystem::create_directory(side);
        } else {
            std::filesystem::create_symlink(victim.path, side);
        }
        const std::string why = failureOf([&] {
            ado::Connection connection;
            connection.Open(ado::sqliteConnectionString(database));
            connection.Execute("INSERT INTO t VALUES (1)");
        });
        EXPECT_NE(why.find("\"" + side.string() + "\" " + c.what), std::string::npos) << why;
        EXPECT_TRUE(victim.untouched());
    }
}

TEST(SqliteDoor, APathLongerThanSqliteTakesIsRefusedSayingSo) {
    // SQLite's longest path is 512 bytes; a database's must leave room for "-journal".
    TemporaryDirectory folder;
    std::filesystem::path deep = folder.path();
    while (deep.native().size() < 600)
        deep /= std::string(60, 'd');
    std::filesystem::create_directories(deep);
    const std::filesystem::path near =
        folder.path() / std::string(200, 'n') / std::string(200, 'n');
    std::filesystem::create_directories(near);
    const std::filesystem::path paths[] = {deep / "x.db",
                                           near / std::string(505 - near.native().size() - 1, 'x')};
    for (const std::filesystem::path& path : paths) {
        const std::string why = failureOf([&] { File(path, File::Mode::Create); });
        EXPECT_NE(why.find("the path is longer than the 504 bytes SQLite takes"), std::string::npos)
            << why;
    }
}

// SQLite deletes only the WAL or journal of a database it has open.
TEST(SqliteDoor, DeletesOnlyTheSideFilesOfADatabaseItHasOpen) {
    TemporaryDirectory folder;
    const auto open = walDatabase(folder.path());
    const auto closed = folder.path() / "closed.db";
    std::filesystem::copy_file(open, closed);
    File held(open, File::Mode::ReadWrite);
    const struct {
        std::filesystem::path file;
        bool deleted;
    } cases[] = {
        {folder.path() / "precious.txt", false}, {open.string() + "-journal", true},
        {open.string() + "-wal", true},          {open.string() + "-shm", false},
        {closed.string() + "-wal", false},
    };
    sqlite3_vfs* vfs = ado::sqlite::guardedVfs();
    for (const auto& c : cases) {
        std::ofstream(c.file) << "a file";
        EXPECT_EQ(vfs->xDelete(vfs, c.file.c_str(), 0) == SQLITE_OK, c.deleted) << c.file;
        EXPECT_EQ(!std::filesystem::exists(c.file), c.deleted) << c.file;
        std::filesystem::remove(c.file);
    }
}

TEST(SqliteDoor, OpensNoSuperJournal) {
    TemporaryDirectory folder;
    const Victim victim(folder.path());
    sqlite3_vfs* vfs = ado::sqlite::guardedVfs();
    std::vector<char> file(static_cast<size_t>(vfs->szOsFile));
    auto* opened = reinterpret_cast<sqlite3_file*>(file.data());
    int flags = 0;
    EXPECT_EQ(vfs->xOpen(vfs, victim.path.c_str(), opened,
                         SQLITE_OPEN_READONLY | SQLITE_OPEN_SUPER_JOURNAL, &flags),
              SQLITE_CANTOPEN);
    EXPECT_EQ(opened->pMethods, nullptr);
    ado::sqlite::clearVfsRefusal(vfs);
}

// A path through a held folder keeps reaching it after the folder is renamed and its path made a
// link to another folder: the journal of a write lies beside the held file.
TEST(SqliteDoor, APathThroughAHeldFolderKeepsReachingIt) {
    TemporaryDirectory temp;
    const auto dir = temp.path();
    std::filesystem::create_directory(dir / "d");
    std::filesystem::create_directory(dir / "other");
    rollbackDatabase(dir / "d");
    const std::optional<files::HeldFolder> held = files::HeldFolder::open(dir / "d");
    ASSERT_TRUE(held);
    File file(held->reach("master.mdf"), File::Mode::ReadWrite);
    std::filesystem::rename(dir / "d", dir / "moved");
    std::filesystem::create_directory_symlink(dir / "other", dir / "d");
    file.run("BEGIN IMMEDIATE; INSERT INTO t VALUES (2)");
    EXPECT_TRUE(std::filesystem::exists(dir / "moved" / "master.mdf-journal"));
    EXPECT_FALSE(std::filesystem::exists(dir / "other" / "master.mdf-journal"));
    file.run("COMMIT");
    EXPECT_EQ(oleaut::CLng(File(dir / "moved" / "master.mdf", File::Mode::ReadOnly)
                               .run("SELECT count(*) FROM t")
                               .cells.get(0)),
              2);
}

// SQLite keeps a WAL per name: a session refuses a file with more than one.
TEST(SqliteDoor, ASessionRefusesAFileWithTwoNames) {
    TemporaryDirectory folder;
    const auto database = walDatabase(folder.path());
    std::filesystem::create_hard_link(database, folder.path() / "second.db");
    const std::string why = failureOf([&] {
        ado::Connection connection;
        connection.Open(ado::sqliteConnectionString(database));
    });
    EXPECT_NE(why.find("\"" + database.string() + "\": the file has 2 names"), std::string::npos)
        << why;
}

}  // namespace
