// What a restore's targets are: files whatever their paths' spelling. A data file's target is free
// only without SQLite's side files beside it; one folder spelt two ways is one folder; a
// database's file under another spelling is taken; a folder without hard links is named as the
// reason a restore fails.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>

#include "tests/platform/sqlserver/server_fixture.hpp"

namespace kalvik::test {
namespace {

using StandInRestorePaths = ServerFixture;

std::string existsMessage(const std::string& path, const std::string& beside) {
    return "Cannot create file '" + path + "' because it already exists: it stands beside '" +
           beside + "'. Change the file path or the file name, and retry the operation.";
}

// A stale WAL or journal beside the data file's target would be read into the restored database:
// it is refused with 5170 naming the side file, which stays as it was. The log file is no
// database: files beside its target do not count.
TEST_F(StandInRestorePaths, ATargetIsFreeOnlyWithoutSideFilesOfTheDatabase) {
    const auto folder = root_.path() / "BD";
    const struct {
        const char* sideFile;  // beside the target named
        bool ofData;           // the data file's target, else the log file's
        int32_t native;
    } cases[] = {
        {"sw.mdf-wal", true, sqlserver::kFileExists},
        {"sw.mdf-shm", true, sqlserver::kFileExists},
        {"sw.mdf-journal", true, sqlserver::kFileExists},
        {"sw.ldf-wal", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sideFile);
        const std::string side = target(c.sideFile);
        std::ofstream(side) << "stale pages";
        try {
            connect()->Execute(restoreText("SW", target("sw.mdf"), target("sw.ldf")));
            EXPECT_EQ(c.native, 0) << "restored";
            EXPECT_EQ(filesIn(folder), (std::set<std::string>{"sw.ldf", "sw.mdf", c.sideFile}));
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_EQ(e.description(), existsMessage(side, target("sw.mdf")));
            EXPECT_EQ(filesIn(folder), std::set<std::string>{c.sideFile});
            expectNothingMade(server_, {});
        }
        EXPECT_EQ(testing_support::fileContents(side), "stale pages");
        std::filesystem::remove(side);
    }
}

// A data file's name of 255 bytes leaves no room for its WAL's: the system's refusal names the WAL
// whole, its folders cut away, and the database it would stand beside.
TEST_F(StandInRestorePaths, ASideFileNameTooLongIsNamedBesideItsDatabase) {
    const std::string name(251, 'n');
    try {
        connect()->Execute(restoreText("Long", target(name + ".mdf"), target("long.ldf")));
        ADD_FAILURE() << "restored";
    } catch (const ado::ProviderError& e) {
        EXPECT_EQ(e.nativeError(), sqlserver::kCannotCreateFile);
        EXPECT_EQ(e.description(),
                  "CREATE FILE encountered operating system error 36(File name too long) while "
                  "attempting to open or create the physical file '…/" +
                      name + ".mdf-wal'. It stands beside '…/" + name + ".mdf'.");
    }
    expectNothingMade(server_, {root_.path() / "BD"});
}

// Spellings of the folder BD: with "./", through a symbolic link to it, with "../".
struct Spelling {
    const char* what;
    std::string (*of)(const std::filesystem::path& root);
};
const Spelling kSpellings[] = {
    {"./", [](const std::filesystem::path& root) { return (root / "BD" / ".").string(); }},
    {"a symbolic link", [](const std::filesystem::path& root) { return (root / "link").string(); }},
    {"../", [](const std::filesystem::path& root) { return (root / "BD" / ".." / "BD").string(); }},
};

// A restore whose data and log folders are one folder spelt two ways restores, and leaves no copy.
TEST_F(StandInRestorePaths, OneFolderSpeltTwoWaysIsOneFolder) {
    std::filesystem::create_directory_symlink(root_.path() / "BD", root_.path() / "link");
    auto connection = connect();
    connection->CommandTimeout(20);
    std::set<std::string> restored;
    int trial = 0;
    for (const Spelling& spelling : kSpellings) {
        SCOPED_TRACE(spelling.what);
        const std::string name = "f" + std::to_string(++trial);
        EXPECT_EQ(
            nativeErrorOf([&] {
                connection->Execute(restoreText(
                    name, spelling.of(root_.path()) + "/" + name + ".mdf", target(name + ".ldf")));
            }),
            0);
        EXPECT_EQ(
            firstColumn(*connection, "select * from sys.databases where (name = '" + name + "')"),
            name);
        restored.insert({name + ".mdf", name + ".ldf"});
        EXPECT_EQ(filesIn(root_.path() / "BD"), restored);
    }
}

// A target that leads to a recorded database's file, whatever its spelling, is taken: so is a
// second hard link of one, and a file of one whose file is gone.
TEST_F(StandInRestorePaths, ADatabasesFileUnderAnotherSpellingIsTaken) {
    std::filesystem::create_directory_symlink(root_.path() / "BD", root_.path() / "link");
    restore();
    restore("Gone");
    std::filesystem::remove(target("Gone.ldf"));
    std::filesystem::create_hard_link(target("Virsel_Demo.mdf"), target("second.mdf"));
    std::vector<std::pair<std::string, std::string>> cases;  // what, the taken target
    for (const Spelling& spelling : kSpellings) {
        cases.emplace_back(spelling.what, spelling.of(root_.path()) + "/Virsel_Demo.mdf");
        cases.emplace_back(std::string(spelling.what) + ", a file gone",
                           spelling.of(root_.path()) + "/Gone.ldf");
    }
    cases.emplace_back("a second hard link", target("second.mdf"));
    auto connection = connect();
    for (const auto& [what, taken] : cases) {
        SCOPED_TRACE(what);
        for (const bool asData : {true, false}) {
            try {
                connection->Execute(asData ? restoreText("New", taken, target("New.ldf"))
                                           : restoreText("New", target("New.mdf"), taken));
                ADD_FAILURE() << "restored";
            } catch (const ado::ProviderError& e) {
                EXPECT_EQ(e.nativeError(), sqlserver::kFileInUse);
                EXPECT_EQ(e.description(), "The file '" + taken +
                                               "' cannot be overwritten. It is being used by "
                                               "another database.");
            }
        }
    }
    EXPECT_EQ(
        filesIn(root_.path() / "BD"),
        (std::set<std::string>{"Gone.mdf", "Virsel_Demo.ldf", "Virsel_Demo.mdf", "second.mdf"}));
}

std::string inUseMessage(const std::string& path) {
    return "The file '" + path + "' cannot be overwritten. It is being used by another database.";
}

// A target at a side file SQLite keeps beside a database's file ("-wal", "-shm", "-journal") is
// taken for that database's and deleted at its next open: it is refused with 1834 naming it, the
// database recorded or the server's own, whichever restore came first. A log file at a side file
// of its own data file is refused as one that the data file takes.
TEST_F(StandInRestorePaths, ASideFileOfADatabaseIsNoTarget) {
    restore("A");                                                                // BD/A.mdf
    connect()->Execute(restoreText("B", target("B.mdf-wal"), target("B.ldf")));  // before B.mdf
    const auto system = [&](const char* name) { return (server_ / name).string(); };
    const struct {
        const char* what;
        std::string data;
        std::string log;
        int32_t native;
        std::string message;
    } cases[] = {
        {"a database's WAL", target("A.mdf-wal"), target("n.ldf"), sqlserver::kFileInUse,
         inUseMessage(target("A.mdf-wal"))},
        {"a database's shared memory", target("A.mdf-shm"), target("n.ldf"), sqlserver::kFileInUse,
         inUseMessage(target("A.mdf-shm"))},
        {"a database's journal as a log file", target("n.mdf"), target("A.mdf-journal"),
         sqlserver::kFileInUse, inUseMessage(target("A.mdf-journal"))},
        {"a data file whose WAL is a database", target("B.mdf"), target("n.ldf"),
         sqlserver::kFileInUse, inUseMessage(target("B.mdf-wal"))},
        {"the catalogue's journal", system("master.mdf-journal"), target("n.ldf"),
         sqlserver::kFileInUse, inUseMessage(system("master.mdf-journal"))},
        {"the catalogue's WAL as a log file", target("n.mdf"), system("master.mdf-wal"),
         sqlserver::kFileInUse, inUseMessage(system("master.mdf-wal"))},
        {"a system database's shared memory", system("msdbdata.mdf-shm"), target("n.ldf"),
         sqlserver::kFileInUse, inUseMessage(system("msdbdata.mdf-shm"))},
        {"a log file at its data file's WAL", target("n.mdf"), target("n.mdf-wal"),
         sqlserver::kFileExists,
         "Cannot create file '" + target("n.mdf-wal") +
             "' because the data file of the restore takes it."},
    };
    const std::set<std::string> before = filesIn(root_.path() / "BD");
    const std::set<std::string> serverFiles = filesIn(server_);
    auto connection = connect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            connection->Execute(restoreText("New", c.data, c.log));
            ADD_FAILURE() << "restored";
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_EQ(e.description(), c.message);
        }
        EXPECT_EQ(filesIn(root_.path() / "BD"), before);
        EXPECT_EQ(filesIn(server_), serverFiles);
    }
    EXPECT_EQ(firstColumn(*connection, "select * from sys.databases"),
              "master|tempdb|model|msdb|A|B");
}

// A database's file under way, reserved by a restore that has not yet placed it, has side files
// that are no target either, and its target is no side file of another's; a database recorded
// meanwhile is met again when the restore places its files.
TEST_F(StandInRestorePaths, ASideFileOfADatabaseUnderWayIsNoTarget) {
    const struct {
        const char* what;
        std::string underWay;   // the data file of the restore stopped once its copies are made
        std::string data;       // of the restore run meanwhile
        std::string named;      // what its refusal names
        bool recordsMeanwhile;  // the database is recorded meanwhile, not restored beside it
    } cases[] = {
        {"a side file of a restore under way", target("u.mdf"), target("u.mdf-wal"),
         target("u.mdf-wal"), false},
        {"a data file whose journal is under way", target("w.mdf-journal"), target("w.mdf"),
         target("w.mdf-journal"), false},
        {"a database recorded beside a target", target("p.mdf-wal"), "", target("p.mdf-wal"), true},
    };
    int trial = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "U" + std::to_string(++trial);
        int32_t meanwhile = 0;
        sqlserver::ScopedStepHook stop(sqlserver::RestoreStep::CopiesMade, [&] {
            if (c.recordsMeanwhile) {
                ado::sqlite::File master(server_ / "master.mdf",
                                         ado::sqlite::File::Mode::ReadWrite);
                master.run("INSERT INTO master_files VALUES (99, 1, 'ROWS', 'p', ?)",
                           {oleaut::Variant(target("p.mdf"))});
                return;
            }
            try {
                connect()->Execute(restoreText("Meanwhile", c.data, target("m.ldf")));
            } catch (const ado::ProviderError& e) {
                meanwhile = e.nativeError();
                EXPECT_EQ(e.description(), inUseMessage(c.named));
            }
        });
        const int32_t underWay = nativeErrorOf(
            [&] { connect()->Execute(restoreText(name, c.underWay, target(name + ".ldf"))); });
        EXPECT_EQ(underWay, c.recordsMeanwhile ? sqlserver::kFileInUse : 0);
        EXPECT_EQ(meanwhile, c.recordsMeanwhile ? 0 : sqlserver::kFileInUse);
        if (underWay == 0) {
            std::filesystem::remove(c.underWay);
            std::filesystem::remove(target(name + ".ldf"));
        }
        EXPECT_TRUE(std::filesystem::is_empty(root_.path() / "BD"));
    }
}

// A restore that must reserve again, each copy's name taken by a file as soon as it is reserved,
// stops at its statement's timeout and leaves nothing of its own.
TEST_F(StandInRestorePaths, ARestoreThatReservesAgainStopsAtItsTimeout) {
    std::set<std::string> taken;
    sqlserver::ScopedStepHook takeCopy(sqlserver::RestoreStep::Reserved, [&] {
        ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
        const std::string copy =
            ado::sqlite::textAt(master.run("SELECT copy FROM restoring"), 0, 0);
        std::ofstream(copy) << "mine";
        taken.insert(std::filesystem::path(copy).filename().string());
    });
    auto connection = connect();
    connection->CommandTimeout(1);
    try {
        connection->Execute(restoreText("New", target("New.mdf"), target("New.ldf")));
        ADD_FAILURE() << "restored";
    } catch (const ado::ProviderError& e) {
        EXPECT_EQ(e.number(), ado::adErrQueryTimeout);
        EXPECT_EQ(e.description(), "Query timeout expired");
    }
    EXPECT_GT(taken.size(), 1u);
    EXPECT_EQ(filesIn(root_.path() / "BD"), taken);
    ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(oleaut::CLng(master.run("SELECT count(*) FROM restoring").cells.get(0)), 0);
    EXPECT_EQ(oleaut::CLng(master.run("SELECT count(*) FROM databases").cells.get(0)), 4);
}

// A restore holds its targets' folder from making its copies on: moved (renamed, or replaced by a
// link to another folder) meanwhile, the folder keeps the copies until the restore places, which
// then fails naming the user's target, never a copy, and removes them; nothing is left anywhere.
TEST_F(StandInRestorePaths, ARestoreWhoseFolderIsMovedNamesItsTargetAndLeavesNothing) {
    const struct {
        const char* what;
        sqlserver::RestoreStep step;
        bool replaced;  // a link to another folder put where the folder was
    } cases[] = {
        {"renamed once reserved", sqlserver::RestoreStep::Reserved, false},
        {"replaced by a link once reserved", sqlserver::RestoreStep::Reserved, true},
        {"renamed while its copy is filled", sqlserver::RestoreStep::CopiesMade, false},
        {"replaced by a link while its copy is filled", sqlserver::RestoreStep::CopiesMade, true},
    };
    int trial = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string n = std::to_string(++trial);
        const auto folder = root_.path() / ("Moved" + n);
        const auto moved = root_.path() / ("Moved" + n + "-renamed");
        const auto elsewhere = root_.path() / ("Elsewhere" + n);
        std::filesystem::create_directory(folder);
        std::filesystem::create_directory(elsewhere);
        const std::string data = (folder / "M.mdf").string();
        sqlserver::ScopedStepHook move(c.step, [&] {
            std::filesystem::rename(folder, moved);
            if (c.replaced) std::filesystem::create_directory_symlink(elsewhere, folder);
        });
        try {
            connect()->Execute(restoreText("M" + n, data, (folder / "M.ldf").string()));
            ADD_FAILURE() << "restored";
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), sqlserver::kCannotCreateFile);
            EXPECT_EQ(e.description(),
                      "Cannot create file '" + data +
                          "' because its folder was moved or replaced during the restore.");
        }
        expectNothingMade(server_, {moved, elsewhere});
    }
}

// A data folder whose file system makes no hard links (FAT, some shares) fails every restore with
// the system's error and that reason, and leaves nothing.
TEST_F(StandInRestorePaths, AFolderWithoutHardLinksIsNamedAsTheReason) {
    const struct {
        int error;
        const char* reason;  // the system's, as the server shows it
    } cases[] = {
        {EPERM, "1(Operation not permitted)"},
        {EOPNOTSUPP, "95(Operation not supported)"},
    };
    const std::string data = target("New.mdf");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        sqlserver::ScopedLinkFault noLinks(c.error);
        try {
            connect()->Execute(restoreText("New", data, target("New.ldf")));
            ADD_FAILURE() << "restored";
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), sqlserver::kCannotCreateFile);
            EXPECT_EQ(e.description(),
                      std::string("CREATE FILE encountered operating system error ") + c.reason +
                          " while attempting to open or create the physical file '" + data +
                          "'. The folder '" + (root_.path() / "BD").string() +
                          "' does not allow hard links.");
        }
        expectNothingMade(server_, {root_.path() / "BD"});
    }
}

}  // namespace
}  // namespace kalvik::test
