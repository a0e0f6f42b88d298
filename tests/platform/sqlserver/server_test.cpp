#include <gtest/gtest.h>

#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <latch>
#include <set>
#include <thread>
#include <vector>

#include "platform/ado/sqlite_provider.hpp"
#include "tests/platform/sqlserver/server_fixture.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/demo_server.hpp"

namespace kalvik::test {
namespace {

using sqlserver::StatementKind;

using StandInServer = ServerFixture;

TEST_F(StandInServer, StatementsReturnTheirRows) {
    restore();
    const std::string data = target("Virsel_Demo.mdf");
    const struct {
        const char* database;
        std::string text;
        std::string rows;  // first column of each row
    } cases[] = {
        {"master",
         "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = 'CREATE "
         "DATABASE'); ",
         "database"},
        {"master",
         "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = "
         "'ALTER'); ",
         ""},
        {"master", "select * from sys.databases", "master|tempdb|model|msdb|Virsel_Demo"},
        {"master", "select * from sys.databases where (name = 'virsel_DEMO')", "Virsel_Demo"},
        {"master", "select * from sys.databases where (name = 'Virsel_Demo'' or ''1''=''1')", ""},
        {"master", "RESTORE FILELISTONLY FROM DISK = '" + backup() + "' WITH FILE=1; ",
         "Virsel_Data|Virsel_Log"},
        {"master", "select * from  sys.master_files where physical_name = '" + data + "'", "5"},
        {"Virsel_Demo",
         " Update [001_Таблицы_АРМов]   SET [001_Таблицы_АРМов].[SQLServer] = 'Srv1' ,      "
         "[001_Таблицы_АРМов].[SQLDatabase] = 'O''Brien';",
         ""},
        {"Virsel_Demo",
         "select * from [001_Таблицы_АРМов] where (([АРМ] like '%Dog%') AND "
         "(([001_Таблицы_АРМов].[Нал])=0) AND (([001_Таблицы_АРМов].[Резерв1])='0'))",
         "1"},
    };
    for (const auto& c : cases) {
        auto connection = connect(c.database);
        EXPECT_EQ(firstColumn(*connection, c.text), c.rows) << c.text;
    }
    auto stamped = connect("Virsel_Demo");
    EXPECT_EQ(
        firstColumn(*stamped,
                    "select * from [001_Таблицы_АРМов] where (([АРМ] like '%Ras%') AND "
                    "(([001_Таблицы_АРМов].[Нал])=0) AND (([001_Таблицы_АРМов].[Резерв1])='0'))"),
        "2");
    auto row = stamped->Execute("001_Таблицы_АРМов", nullptr, ado::adCmdTable);
    EXPECT_EQ(oleaut::CStr(row->Fields("SQLDatabase").Value()), "O'Brien");
    EXPECT_EQ(nativeErrorOf([&] { stamped->Execute("Нет", nullptr, ado::adCmdTable); }),
              sqlserver::kInvalidObjectName);
}

class NearMiss : public ServerFixture, public ::testing::WithParamInterface<std::string> {};

TEST_P(NearMiss, FailsWithIncorrectSyntax) {
    auto connection = connect();
    try {
        connection->Execute(GetParam());
        FAIL() << "ran";
    } catch (const ado::ProviderError& e) {
        EXPECT_EQ(e.nativeError(), sqlserver::kIncorrectSyntax);
        EXPECT_EQ(e.number(), ado::adErrCommandFailed);
        EXPECT_NE(e.description().find("Incorrect syntax near"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    StandInServer, NearMiss,
    ::testing::Values("select * from sys.fn_my_permissions(NULL, 'DATABASE') where "
                      "([permission_name] = 'CONNECT');",
                      "select * from sys.databases ",
                      "select * from sys.master_files where physical_name = 'x'",
                      "select * from sys.databases where (name = 'a)",
                      "RESTORE FILELISTONLY FROM DISK = 'x'  WITH FILE=1; ",
                      "drop database master"),
    NamedByPrinting{});

TEST_F(StandInServer, ConnectingFindsServerAndDatabaseIgnoringCase) {
    restore();
    const struct {
        std::string text;
        int32_t native;
    } cases[] = {
        {connectionString("VIRSEL_demo", "srv1"), 0},
        {connectionString("master", "Nobody"), sqlserver::kServerNotFound},
        {connectionString("master", "../Srv1"), sqlserver::kServerNotFound},
        {connectionString("Nothing"), sqlserver::kCannotOpenDatabase},
        {"Driver={SQL Server};Server=Srv1;Database=master;", sqlserver::kLoginNotTrusted},
    };
    for (const auto& c : cases) {
        ado::Connection connection;
        EXPECT_EQ(nativeErrorOf([&] { connection.Open(c.text); }), c.native) << c.text;
    }
}

TEST_F(StandInServer, RestoreCataloguesTheDatabaseWithAnEmptyLog) {
    restore();
    auto connection = connect();
    EXPECT_EQ(firstColumn(*connection, "select * from  sys.master_files where physical_name = '" +
                                           target("Virsel_Demo.ldf") + "'"),
              "5");
    EXPECT_EQ(std::filesystem::file_size(target("Virsel_Demo.ldf")), 0u);
    ado::sqlite::File restored(target("Virsel_Demo.mdf"), ado::sqlite::File::Mode::ReadOnly);
    EXPECT_TRUE(restored.hasTable("Договоры"));
    EXPECT_FALSE(restored.hasTable("backup_files"));
}

// A mark in the header of the database backed up (its application id, as a demonstration
// database has) is in neither the backup nor a database restored from it; a backup written with
// the mark by an earlier build restores without it all the same.
TEST_F(StandInServer, NeitherABackupNorARestoredDatabaseCarriesAMark) {
    constexpr int32_t kMark = 0x4B4C564B;
    const auto marked = root_.path() / "marked.db";
    {
        ado::sqlite::File db(marked, ado::sqlite::File::Mode::Create);
        db.run("PRAGMA application_id = " + std::to_string(kMark) +
               "; CREATE TABLE t(x); CREATE TABLE [001_Таблицы_АРМов](id INTEGER PRIMARY KEY)");
    }
    const std::string fresh = (root_.path() / "fresh.bak").string();
    sqlserver::writeBackup(marked, fresh,
                           {{"Virsel_Data", "C:/a.mdf"}, {"Virsel_Log", "C:/a.ldf"}});
    EXPECT_EQ(ado::sqliteApplicationId(fresh), 0u);
    {
        ado::sqlite::File earlier(backup(), ado::sqlite::File::Mode::ReadWrite);
        earlier.run("PRAGMA application_id = " + std::to_string(kMark));
    }
    auto connection = connect();
    for (const std::string& from : {fresh, backup()}) {
        SCOPED_TRACE(from);
        const std::string name = std::filesystem::path(from).stem().string();
        connection->Execute(
            restoreText(name, target(name + ".mdf"), target(name + ".ldf"), "Virsel_Data", from));
        EXPECT_EQ(ado::sqliteApplicationId(target(name + ".mdf")), 0u);
    }
}

TEST_F(StandInServer, FailedRestoreLeavesCatalogueAndFilesAsTheyWere) {
    restore();
    std::filesystem::create_directory(root_.path() / "taken");
    std::ofstream(root_.path() / "taken" / "x.mdf") << "x";
    std::ofstream(root_.path() / "text.bak") << "no backup";
    const std::string free = target("New.mdf"), freeLog = target("New.ldf");
    const std::string other = (root_.path() / "text.bak").string();
    const struct {
        const char* what;
        std::string text;
        int32_t native;
    } cases[] = {
        {"name taken", restoreText("virsel_demo", free, freeLog), sqlserver::kDatabaseExists},
        {"no backup",
         "RESTORE DATABASE [New] FROM DISK = '" + backup() + "x'With Move 'Virsel_Data' TO '" +
             free + "',Move 'Virsel_Log' TO '" + freeLog + "'",
         sqlserver::kCannotOpenBackup},
        {"not a backup",
         "RESTORE DATABASE [New] FROM DISK = '" + other + "'With Move 'Virsel_Data' TO '" + free +
             "',Move 'Virsel_Log' TO '" + freeLog + "'",
         sqlserver::kNotABackup},
        {"wrong logical name", restoreText("New", free, freeLog, "Data"),
         sqlserver::kFileNotInBackup},
        {"existing target",
         restoreText("New", (root_.path() / "taken" / "x.mdf").string(), freeLog),
         sqlserver::kFileExists},
        {"missing folder", restoreText("New", free, target("none/New.ldf")),
         sqlserver::kDirectoryLookupFailed},
    };
    auto connection = connect();
    for (const auto& c : cases) {
        EXPECT_EQ(nativeErrorOf([&] { connection->Execute(c.text); }), c.native) << c.what;
        EXPECT_EQ(firstColumn(*connection, "select * from sys.databases"),
                  "master|tempdb|model|msdb|Virsel_Demo")
            << c.what;
        EXPECT_FALSE(std::filesystem::exists(free)) << c.what;
        EXPECT_FALSE(std::filesystem::exists(freeLog)) << c.what;
    }
    sqlserver::ScopedFault slow(StatementKind::Restore,
                                {std::nullopt, std::chrono::milliseconds(1500)});
    connection->CommandTimeout(1);
    try {
        connection->Execute(restoreText("New", free, freeLog));
        FAIL() << "no timeout";
    } catch (const ado::ProviderError& e) {
        EXPECT_EQ(e.number(), ado::adErrQueryTimeout);
    }
}

// What the server refuses leaves no database and no file: an empty name, a restore without the
// right to create a database, a connection without the right to connect.
TEST_F(StandInServer, RefusalsLeaveNothingBehind) {
    const struct {
        const char* what;
        const char* refused;  // the right taken first, if any
        std::string name;     // restored; none: only a connection is tried
        int32_t native;
        const char* message;
    } cases[] = {
        {"an empty name", nullptr, "", sqlserver::kEmptyName,
         "An object or column name is missing or empty."},
        {"no right to create", "CREATE DATABASE", "New", sqlserver::kPermissionDenied,
         "CREATE DATABASE permission denied in database 'master'."},
        {"no right to connect",
         "CONNECT",
         {},
         sqlserver::kCannotOpenDatabase,
         "Cannot open database \"master\" requested by the login. The login failed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ado::Connection connection;
        try {
            if (c.refused) testing_support::refuseRight(server_, c.refused);
            connection.Open(connectionString("master"));
            connection.Execute(
                restoreText(c.name, target(c.name + ".mdf"), target(c.name + ".ldf")));
            ADD_FAILURE() << "not refused";
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_TRUE(e.description().starts_with(c.message)) << e.description();
        }
        EXPECT_TRUE(std::filesystem::is_empty(root_.path() / "BD"));
        ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
        EXPECT_EQ(oleaut::CLng(master.run("SELECT count(*) FROM databases").cells.get(0)), 4);
        master.run("INSERT OR IGNORE INTO my_permissions VALUES ('CONNECT'), ('CREATE DATABASE')");
    }
}

// A physical name the server cannot make is refused before anything is made, naming the name as
// given and why: a name the server would have to resolve against its client's folder, a name too
// long for the file system. A name that is not UTF-8 is no text the server reads.
TEST_F(StandInServer, NamesTheServerCannotMakeAreRefusedBeforeAnythingIsMade) {
    std::string letters;
    for (int i = 0; i < 130; ++i)
        letters += "ж";
    const std::string tooLong = target(letters + ".mdf");
    const std::string data = target("New.mdf"), log = target("New.ldf");
    const auto activation = [](const std::string& name) {
        return "A file activation error occurred. The physical file name '" + name +
               "' may be incorrect. Diagnose and correct additional errors, and retry the "
               "operation.";
    };
    const struct {
        const char* what;
        std::string text;
        int32_t native;
        std::string message;
    } cases[] = {
        {"an empty data file", restoreText("New", "", log), 5105, activation("")},
        {"a relative data file", restoreText("New", "New.mdf", log), 5105, activation("New.mdf")},
        {"a relative log file", restoreText("New", data, "BD/New.ldf"), 5105,
         activation("BD/New.ldf")},
        {"a name that is not UTF-8", restoreText("New\xff", data, log), 102,
         "Incorrect syntax near 'New\xef\xbf\xbd'."},
        {"a file name too long", restoreText("New", tooLong, log), 5123,
         "CREATE FILE encountered operating system error 36(File name too long) while "
         "attempting to open or create the physical file '" +
             tooLong + "'."},
    };
    const auto client = root_.path() / "client";
    std::filesystem::create_directory(client);
    struct InFolder {
        std::filesystem::path earlier = std::filesystem::current_path();
        explicit InFolder(const std::filesystem::path& folder) {
            std::filesystem::current_path(folder);
        }
        ~InFolder() { std::filesystem::current_path(earlier); }
    } inClient(client);
    auto connection = connect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            connection->Execute(c.text);
            ADD_FAILURE() << "not refused";
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_EQ(e.description(), c.message);
        }
        expectNothingMade(server_, {root_.path() / "BD", client});
    }
}

// A restore that runs out of disk names the file it could not write, not the backup it reads, and
// leaves nothing behind.
TEST_F(StandInServer, ARestoreOnAFullDiskNamesItsTarget) {
    const auto small = root_.path() / "small";
    std::filesystem::create_directory(small);
    if (::mount("kalvik-test", small.c_str(), "tmpfs", 0, "size=4k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted: " << std::strerror(errno);
    }
    struct Unmounted {
        std::filesystem::path folder;
        ~Unmounted() { ::umount2(folder.c_str(), MNT_DETACH); }
    } unmounted{small};
    const std::string data = (small / "New.mdf").string();
    try {
        connect()->Execute(restoreText("New", data, (small / "New.ldf").string()));
        ADD_FAILURE() << "restored on a full disk";
    } catch (const ado::ProviderError& e) {
        EXPECT_EQ(e.nativeError(), 5123);
        EXPECT_EQ(e.description(),
                  "CREATE FILE encountered operating system error 28(No space left on device) "
                  "while attempting to open or create the physical file '" +
                      data + "'.");
    }
    expectNothingMade(server_, {small});
}

// Runs a call on a thread of a test: any error but the server's fails the test and ends the call,
// never the test's process.
void reportingErrors(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
    }
}

// Restores of one name (in any letter case, with trailing blanks or not) started at once, over
// several trials: one takes the name, the others find it taken and leave no file.
TEST_F(StandInServer, RestoresOfOneNameAtOnceLeaveOneDatabase) {
    const std::vector<std::string> spellings = {"race", "RACE ", "Race", "rAcE  "};
    for (int trial = 0; trial < 4; ++trial) {
        SCOPED_TRACE(trial);
        const std::string stem = "t" + std::to_string(trial);
        std::vector<int32_t> natives(spellings.size(), -1);
        std::latch start(static_cast<std::ptrdiff_t>(spellings.size()));
        {
            std::vector<std::jthread> restores;
            for (std::size_t i = 0; i < spellings.size(); ++i) {
                restores.emplace_back([&, i] {
                    const std::string file = stem + "-" + std::to_string(i);
                    ado::Connection connection;
                    reportingErrors([&] { connection.Open(connectionString("master")); });
                    start.arrive_and_wait();
                    reportingErrors([&] {
                        natives[i] = nativeErrorOf([&] {
                            connection.Execute(restoreText(
                                stem + spellings[i], target(file + ".mdf"), target(file + ".ldf")));
                        });
                    });
                });
            }
        }
        EXPECT_EQ(std::count(natives.begin(), natives.end(), 0), 1);
        EXPECT_EQ(std::count(natives.begin(), natives.end(), sqlserver::kDatabaseExists),
                  static_cast<std::ptrdiff_t>(spellings.size() - 1));
        const auto winner = static_cast<std::size_t>(std::find(natives.begin(), natives.end(), 0) -
                                                     natives.begin());
        ASSERT_LT(winner, spellings.size());
        std::string kept = spellings[winner];  // kept without its trailing blanks
        kept.erase(kept.find_last_not_of(' ') + 1);
        auto connection = connect();
        EXPECT_EQ(firstColumn(*connection,
                              "select * from sys.databases where (name = '" + stem + "race')"),
                  stem + kept);
        std::set<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(root_.path() / "BD")) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(stem + "-")) files.insert(name);
        }
        const std::string file = stem + "-" + std::to_string(winner);
        EXPECT_EQ(files, (std::set<std::string>{file + ".ldf", file + ".mdf"}));
    }
}

// Letter case and trailing blanks do not count in a database name, leading blanks do; a name of
// blanks only is the empty name. A restored name is kept without its trailing blanks.
TEST_F(StandInServer, NamesCompareIgnoringCaseAndTrailingBlanks) {
    restore();
    const struct {
        std::string name;
        int32_t restored;   // the restore's error, 0 when it restores
        std::string found;  // what the name query then finds
    } cases[] = {
        {"Virsel_Demo ", sqlserver::kDatabaseExists, "Virsel_Demo"},
        {"VIRSEL_demo   ", sqlserver::kDatabaseExists, "Virsel_Demo"},
        {"   ", sqlserver::kEmptyName, ""},
        {" Virsel_Demo", 0, " Virsel_Demo"},
        {"Другая  ", 0, "Другая"},
    };
    auto connection = connect();
    int file = 0;
    for (const auto& c : cases) {
        const std::string files = target(std::to_string(++file));
        EXPECT_EQ(nativeErrorOf([&] {
                      connection->Execute(restoreText(c.name, files + ".mdf", files + ".ldf"));
                  }),
                  c.restored)
            << "'" << c.name << "'";
        EXPECT_EQ(
            firstColumn(*connection, "select * from sys.databases where (name = '" + c.name + "')"),
            c.found)
            << "'" << c.name << "'";
    }
}

TEST_F(StandInServer, LogKeepsEveryText) {
    sqlserver::StatementLog log;
    auto connection = connect();
    connection->Execute("select * from sys.databases");
    EXPECT_EQ(log.texts(), std::vector<std::string>{"select * from sys.databases"});
}

}  // namespace
}  // namespace kalvik::test
