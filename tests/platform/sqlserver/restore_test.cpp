// Restores beside one another: of different names side by side, waiting for the catalogue up to
// their timeout, a killed one cleaned up after; and a catalogue of an earlier shape.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <set>
#include <thread>

#include "tests/platform/sqlserver/server_fixture.hpp"

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

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string copyOf(const std::string& dataFile, pid_t pid) {
    return dataFile + ".restoring-" + std::to_string(pid);
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
        ASSERT_TRUE(eventually(
            [&] { return std::filesystem::exists(copyOf(target(slow + ".mdf"), ::getpid())); }));
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
                EXPECT_TRUE(eventually([&] {
                    return std::filesystem::exists(copyOf(target(name + ".mdf"), ::getpid()));
                }));
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

// A restore killed while it copies leaves its copy (and journal) and its reservation: while its
// process lives they are untouched, once it is gone the next restore removes them.
TEST_F(StandInRestores, AKilledRestoreLeavesNothingBehind) {
    const pid_t child = ::fork();
    if (child == 0) {
        sqlserver::ScopedFault stuck(StatementKind::Restore, {std::nullopt, 20s});
        nativeErrorOf([&] {
            connect()->Execute(restoreText("Killed", target("Killed.mdf"), target("Killed.ldf")));
        });
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    struct Reaped {
        pid_t pid;
        ~Reaped() {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } reaped{child};
    const std::string copy = copyOf(target("Killed.mdf"), child);
    ASSERT_TRUE(eventually([&] { return std::filesystem::exists(copy); }));
    std::ofstream(copy + "-journal") << "pages";
    restore("Other");
    EXPECT_EQ(nativeErrorOf([&] {
                  connect()->Execute(restoreText("KILLED", target("k.mdf"), target("k.ldf")));
              }),
              sqlserver::kDatabaseExists);
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(std::filesystem::exists(copy + "-journal"));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    restore("Killed");
    EXPECT_EQ(filesIn(root_.path() / "BD"),
              (std::set<std::string>{"Killed.ldf", "Killed.mdf", "Other.ldf", "Other.mdf"}));
}

// A catalogue made before database names had a key (databases with two columns) is upgraded when
// opened; one holding two names that are one to the server is refused in words.
TEST_F(StandInRestores, AnOldCatalogueIsUpgradedWhenOpened) {
    const struct {
        const char* server;
        const char* twins;  // names also catalogued
        int32_t native;
        std::string message;  // the refusal's start
        std::string databases;
    } cases[] = {
        {"Old1", "", 0, "", "master|tempdb|model|msdb|Virsel_Demo"},
        {"Old2", "('Twin'), ('Twin ')", sqlserver::kCatalogueUnusable, "The server's catalogue '",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.server);
        const auto folder = sqlserver::makeServer(c.server);
        {
            ado::sqlite::File master(folder / "master.mdf", ado::sqlite::File::Mode::ReadWrite);
            master.run(
                std::string("CREATE TABLE old(database_id INTEGER PRIMARY KEY, name TEXT NOT NULL);"
                            "INSERT INTO old SELECT database_id, name FROM databases;"
                            "DROP TABLE databases; ALTER TABLE old RENAME TO databases;"
                            "DROP TABLE IF EXISTS restoring; PRAGMA user_version = 0;") +
                (*c.twins ? std::string("INSERT INTO databases(name) VALUES ") + c.twins
                          : std::string()));
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

}  // namespace
}  // namespace kalvik::test
