// Restores beside one another: of different names side by side, waiting for the catalogue up to
// their timeout, a killed one cleaned up after by record alone; and a catalogue of an earlier
// shape.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "tests/platform/sqlserver/server_fixture.hpp"
#include "tests/support/stopped_child.hpp"

namespace kalvik::test {
namespace {

using namespace std::chrono_literals;
using sqlserver::StatementKind;
using StandInRestores = ServerFixture;

// Whether a condition comes true within ten seconds.
bool eventually(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 1000; ++tries) {
        if (condition()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

// The copies that the catalogue's reservation for a data file names and that exist, the data
// file's first.
std::vector<std::string> copiesOf(const std::filesystem::path& server,
                                  const std::string& dataFile) {
    ado::sqlite::File master(server / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
    const ado::RowSet rows = master.run("SELECT * FROM restoring WHERE data_file = ?", {dataFile});
    std::vector<std::string> copies;
    for (size_t column = 3; rows.rowCount() > 0 && column < rows.columns->size(); ++column) {
        const std::string copy = ado::sqlite::textAt(rows, 0, column);
        if (std::filesystem::exists(copy)) copies.push_back(copy);
    }
    return copies;
}

// While a restore copies (slowly, by a fault), restores of other names complete and one of its
// name finds the name taken.
TEST_F(StandInRestores, RestoresOfDifferentNamesRunSideBySide) {
    for (int trial = 0; trial < 3; ++trial) {
        SCOPED_TRACE(trial);
        const std::string slow = "Slow" + std::to_string(trial);
        std::optional<sqlserver::ScopedFault> slowCopy;
        slowCopy.emplace(StatementKind::Restore, sqlserver::Fault{std::nullopt, 1000ms});
        std::atomic<int32_t> slowRestored = -1;
        std::jthread copying([&] { slowRestored = nativeErrorOf([&] { restore(slow); }); });
        ASSERT_TRUE(eventually([&] { return !copiesOf(server_, target(slow + ".mdf")).empty(); }));
        EXPECT_EQ(nativeErrorOf([&] {
                      connect()->Execute(restoreText(slow + " ", target("x.mdf"), target("x.ldf")));
                  }),
                  sqlserver::kDatabaseExists);
        std::this_thread::sleep_for(200ms);  // the slow restore has met its fault
        slowCopy.reset();
        restore("Quick" + std::to_string(trial));
        EXPECT_EQ(slowRestored.load(), -1) << "the quick restore waited for the slow one";
        copying.join();
        EXPECT_EQ(slowRestored.load(), 0);
    }
}

// A restore waits while another holds the catalogue, before it reserves or when it records, up to
// its statement's timeout; timed out, it leaves nothing that a later restore would meet.
TEST_F(StandInRestores, ARestoreWaitsForTheCatalogueUpToItsTimeout) {
    const struct {
        const char* what;
        bool whileCopying;  // the catalogue taken once the restore copies, else before it starts
        std::chrono::milliseconds held;
        int32_t timeout;
        int32_t failure;  // ADO's number, 0: restored
    } cases[] = {
        {"held shorter than the timeout", false, 1000ms, 4, 0},
        {"held past the timeout", false, 2500ms, 1, ado::adErrQueryTimeout},
        {"held past the timeout while it copies", true, 2500ms, 1, ado::adErrQueryTimeout},
    };
    sqlserver::ScopedFault slowCopy(StatementKind::Restore, {std::nullopt, 300ms});
    int trial = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "Waits" + std::to_string(++trial);
        ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
        std::latch taken(1);
        std::jthread holder([&] {
            if (c.whileCopying) {
                EXPECT_TRUE(
                    eventually([&] { return !copiesOf(server_, target(name + ".mdf")).empty(); }));
            }
            {
                ado::sqlite::FileTransaction hold(master);
                taken.count_down();
                std::this_thread::sleep_for(c.held);
            }
        });
        if (!c.whileCopying) taken.wait();
        auto connection = connect();
        connection->CommandTimeout(c.timeout);
        int32_t failure = 0;
        try {
            connection->Execute(restoreText(name, target(name + ".mdf"), target(name + ".ldf")));
        } catch (const oleaut::Error& e) {
            failure = e.number();
            EXPECT_EQ(e.description(), "Query timeout expired");
        }
        EXPECT_EQ(failure, c.failure);
        holder.join();
        if (failure == 0) continue;
        EXPECT_FALSE(std::filesystem::exists(target(name + ".mdf")));
        restore(name);  // neither the name nor the files stay taken
    }
    EXPECT_EQ(filesIn(root_.path() / "BD"),
              (std::set<std::string>{"Waits1.ldf", "Waits1.mdf", "Waits2.ldf", "Waits2.mdf",
                                     "Waits3.ldf", "Waits3.mdf"}));
}

// What looks like a restore's copy but is none, a user's file or a recorded database's, is never
// removed. What a killed restore made is untouched while it lives and removed by the next restore
// once it is gone, whatever step it was killed at; a recorded database stays.
TEST_F(StandInRestores, ARestoreRemovesOnlyWhatItsCatalogueRecorded) {
    const auto folder = root_.path() / "BD";
    const std::string pid = std::to_string(::getpid());
    const std::vector<std::string> foreign = {
        "notes.restoring-2024", "notes.restoring-2024-journal", "Beside1.mdf.restoring-" + pid,
        "restoring-" + pid + "-1", "restoring-" + pid + "-2-journal"};
    std::set<std::string> kept(foreign.begin(), foreign.end());
    for (const std::string& name : foreign)
        std::ofstream(folder / name) << name;
    connect()->Execute(
        restoreText("Evil", target("evil.mdf.restoring-123"), target("evil.ldf.restoring-123")));
    kept.insert({"evil.mdf.restoring-123", "evil.ldf.restoring-123"});
    const struct {
        const char* what;
        sqlserver::RestoreStep step;
        bool besideRuns;  // another restore runs while it is stopped: it holds no change
        int32_t again;    // the error of its restore run again once it is killed
    } kills[] = {
        {"reserved", sqlserver::RestoreStep::Reserved, true, 0},
        {"copying", sqlserver::RestoreStep::CopiesMade, true, 0},
        {"data file placed", sqlserver::RestoreStep::DataPlaced, false, 0},
        {"log file placed", sqlserver::RestoreStep::LogPlaced, false, 0},
        {"recorded", sqlserver::RestoreStep::Recorded, true, sqlserver::kDatabaseExists},
    };
    int trial = 0;
    for (const auto& kill : kills) {
        SCOPED_TRACE(kill.what);
        const std::string name = "Killed" + std::to_string(++trial);
        // A restore in a child process, stopped at the step until killed.
        testing_support::StoppedChild killed([&](const std::function<void()>& stop) {
            sqlserver::ScopedStepHook hook(kill.step, stop);
            nativeErrorOf([&] { restore(name); });
        });
        ASSERT_TRUE(killed.stopped());
        EXPECT_EQ(std::filesystem::exists(target(name + ".mdf")),
                  kill.step >= sqlserver::RestoreStep::DataPlaced);
        // The copy of the data file, being written, has a journal.
        const auto copies = copiesOf(server_, target(name + ".mdf"));
        if (!copies.empty()) std::ofstream(copies.front() + "-journal") << "pages";
        if (kill.besideRuns) {
            const std::set<std::string> stopped = filesIn(folder);
            const std::string beside = "Beside" + std::to_string(trial);
            restore(beside);
            kept.insert({beside + ".mdf", beside + ".ldf"});
            for (const std::string& file : stopped)
                EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
        }
        killed.kill();
        EXPECT_EQ(nativeErrorOf([&] { restore(name); }), kill.again);
        kept.insert({name + ".mdf", name + ".ldf"});
        EXPECT_EQ(filesIn(folder), kept);
    }
    for (const std::string& name : foreign)
        EXPECT_EQ(testing_support::fileContents(folder / name), name);
    ado::sqlite::File evil(target("evil.mdf.restoring-123"), ado::sqlite::File::Mode::ReadOnly);
    EXPECT_TRUE(evil.hasTable("Договоры"));
}

// Between reserving and making its copies a restore has no copy to lock: another restore that
// runs meanwhile leaves its reservation, which is not over; a file that takes its copy's name
// meanwhile makes it reserve again. It completes, and the file stays.
TEST_F(StandInRestores, ARestoreReservesAgainWhenItsReservationGoesMeanwhile) {
    const struct {
        const char* what;
        std::function<void(const std::string& copy)> meddle;
        bool fileStays;  // a file of the copy's name then stays beside the restored ones
    } cases[] = {
        {"another restore runs",
         [&](const std::string& copy) {
             restore("Beside");
             ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
             EXPECT_EQ(master.run("SELECT 1 FROM restoring WHERE copy = ?", {copy}).rowCount(), 1u);
         },
         false},
        {"a file takes its copy's name",
         [&](const std::string& copy) { std::ofstream(copy) << "mine"; }, true},
    };
    int trial = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto folder = root_.path() / ("BD" + std::to_string(++trial));
        std::filesystem::create_directory(folder);
        const std::string data = (folder / "Again.mdf").string();
        bool meddled = false;
        std::string copy;
        sqlserver::ScopedStepHook meddle(sqlserver::RestoreStep::Reserved, [&] {
            if (std::exchange(meddled, true)) return;
            ado::sqlite::File master(server_ / "master.mdf", ado::sqlite::File::Mode::ReadOnly);
            copy = ado::sqlite::textAt(
                master.run("SELECT copy FROM restoring WHERE data_file = ?", {data}), 0, 0);
            c.meddle(copy);
        });
        connect()->Execute(
            restoreText("Again" + std::to_string(trial), data, (folder / "Again.ldf").string()));
        std::set<std::string> expected = {"Again.ldf", "Again.mdf"};
        if (c.fileStays) {
            expected.insert(std::filesystem::path(copy).filename().string());
            EXPECT_EQ(testing_support::fileContents(copy), "mine");
        }
        EXPECT_EQ(filesIn(folder), expected);
    }
}

// A catalogue of an earlier shape is upgraded when opened: one made before database names had a
// key (databases with two columns), or before a restore's reservation named its log's copy. One
// holding two names that are one to the server is refused in words.
TEST_F(StandInRestores, AnOldCatalogueIsUpgradedWhenOpened) {
    const std::string unkeyed =
        "CREATE TABLE old(database_id INTEGER PRIMARY KEY, name TEXT NOT NULL);"
        "INSERT INTO old SELECT database_id, name FROM databases;"
        "DROP TABLE databases; ALTER TABLE old RENAME TO databases;"
        "DROP TABLE IF EXISTS restoring; PRAGMA user_version = 0;";
    const struct {
        const char* server;
        std::string earlier;  // what makes the catalogue of the earlier shape
        int32_t native;
        std::string message;  // the refusal's start
        std::string databases;
    } cases[] = {
        {"Old1", unkeyed, 0, "", "master|tempdb|model|msdb|Virsel_Demo"},
        {"Old2", unkeyed + "INSERT INTO databases(name) VALUES ('Twin'), ('Twin ')",
         sqlserver::kCatalogueUnusable, "The server's catalogue '", ""},
        {"Old3",
         "DROP TABLE restoring; CREATE TABLE restoring(name_key TEXT PRIMARY KEY, data_file TEXT "
         "NOT NULL, log_file TEXT NOT NULL, copy TEXT NOT NULL UNIQUE); PRAGMA user_version = 1;",
         0, "", "master|tempdb|model|msdb|Virsel_Demo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        const auto folder = sqlserver::makeServer(c.server);
        {
            ado::sqlite::File master(folder / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
            master.run(c.earlier);
        }
        try {
            ado::Connection connection;
            connection.Open(connectionString("master", c.server));
            connection.Execute(restoreText("Virsel_Demo", target(std::string(c.server) + ".mdf"),
                                           target(std::string(c.server) + ".ldf")));
            EXPECT_EQ(firstColumn(connection, "select * from sys.databases"), c.databases);
            EXPECT_EQ(firstColumn(connection,
                                  "select * from sys.databases where (name = 'virsel_demo ')"),
                      "Virsel_Demo");
            EXPECT_EQ(c.native, 0);
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_TRUE(e.description().starts_with(c.message)) << e.description();
            EXPECT_TRUE(e.description().ends_with("Make the folder again with vendrel-demo-tree."))
                << e.description();
        }
    }
}

// A restore of the catalogue's earlier shape, killed once it had placed its data file and made its
// log file empty, is removed whole by the next restore: the data file while it is the copy's second
// name, and the log file while it is empty. A log file with content is a user's and stays.
TEST_F(StandInRestores, AKilledRestoreOfTheEarlierShapeIsRemovedWhole) {
    const struct {
        const char* server;
        const char* log;  // the log file's content
        int32_t again;    // the error of the restore to the same targets
        std::set<std::string> files;
    } cases[] = {
        {"Old4", "", 0, {"Old4.ldf", "Old4.mdf"}},
        {"Old5", "notes", sqlserver::kFileExists, {"Old5.ldf"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        const auto folder = root_.path() / (std::string(c.server) + "-files");
        std::filesystem::create_directory(folder);
        const std::string data = (folder / (std::string(c.server) + ".mdf")).string();
        const std::string log = (folder / (std::string(c.server) + ".ldf")).string();
        const std::string copy = data + ".restoring-99";
        std::ofstream(copy) << "pages";
        std::filesystem::create_hard_link(copy, data);
        std::ofstream(log) << c.log;
        {
            ado::sqlite::File master(sqlserver::makeServer(c.server) / "master.mdf",
                                     ado::sqlite::File::Mode::ReadWrite);
            master.run(
                "DROP TABLE restoring; CREATE TABLE restoring(name_key TEXT PRIMARY KEY, data_file "
                "TEXT NOT NULL, log_file TEXT NOT NULL, copy TEXT NOT NULL UNIQUE); "
                "PRAGMA user_version = 1;");
            master.run("INSERT INTO restoring VALUES ('left', ?, ?, ?)", {data, log, copy});
        }
        ado::Connection connection;
        connection.Open(connectionString("master", c.server));
        EXPECT_EQ(nativeErrorOf([&] { connection.Execute(restoreText("Left", data, log)); }),
                  c.again);
        EXPECT_EQ(filesIn(folder), c.files);
        if (*c.log) {
            EXPECT_EQ(testing_support::fileContents(log), c.log);
        }
    }
}

}  // namespace
}  // namespace kalvik::test
