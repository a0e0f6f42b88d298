// Several runs of kalvik demo on one file: one at a time builds and works on it, the file is at
// every moment a whole database, a file that another connection has open is not replaced until it
// is closed, and a run that ends early leaves nothing of its own behind.

#include <poll.h>
#include <sqlite3.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>

#include "demo/builder.hpp"
#include "demo/demo_lock.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::fileContents;
using testing_support::TemporaryDirectory;
namespace fs = std::filesystem;

class KalvikDemoRuns : public ::testing::Test {
  protected:
    TemporaryDirectory folder;
    const fs::path database = folder.path() / "demo.db";

    // Runs script in the folder, where "$K" is the kalvik command; its exit status.
    int shell(const std::string& script) {
        const std::string command = "cd '" + folder.path().string() +
                                    "' && export KALVIK_REGISTRY=\"$PWD/registry\" "
                                    "KALVIK_LOG_DIR=\"$PWD/log\" K='" KALVIK_HOST_FILE "' && { " +
                                    script + "; }";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int runDemo() { return shell("\"$K\" demo --db demo.db >out 2>err"); }

    // The files beside the database named after it: a build's file and side files, a lock file.
    std::vector<std::string> filesBeside() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("demo.db") && name != "demo.db") names.push_back(name);
        }
        return names;
    }

    // The rows of a table of the file.
    static int32_t rows(const fs::path& file, const std::string& table) {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open("Provider=SQLite;Data Source=" + file.string());
        return oleaut::CLng(
            connection->Execute("SELECT count(*) FROM \"" + table + "\"")->Fields(0).Value());
    }

    // The consumption results of the month and the revisions: the whole demonstration ran.
    int32_t consumerResults() { return rows(database, "РезультатыПотребитель"); }

    // Waits until file has been opened twice from now on, or run has ended, or the deadline.
    static void waitForTwoOpenings(const fs::path& file, std::future<int>& run,
                                   std::chrono::steady_clock::time_point deadline) {
        const int watch = inotify_init1(IN_CLOEXEC);
        inotify_add_watch(watch, file.c_str(), IN_OPEN);
        int openings = 0;
        while (openings < 2 && run.wait_for(std::chrono::seconds(0)) != std::future_status::ready &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd ready{watch, POLLIN, 0};
            if (poll(&ready, 1, 10) != 1) continue;
            alignas(inotify_event) char events[4096];
            const ssize_t got = ::read(watch, events, sizeof events);
            for (ssize_t at = 0; at < got;) {
                const auto& event = *reinterpret_cast<const inotify_event*>(events + at);
                openings += (event.mask & IN_OPEN) ? 1 : 0;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            }
        }
        close(watch);
    }

    // What a run says while another connection has the file open.
    std::string inUseLine() const {
        return "Another connection has " + database.string() + " open; waiting for it to close\n";
    }
};

TEST_F(KalvikDemoRuns, StartedAtOnceOnOneFileRunOneAfterAnother) {
    for (int trial = 0; trial < 2; ++trial) {
        SCOPED_TRACE(trial);
        ASSERT_EQ(shell("for i in 1 2 3; do (\"$K\" demo --db demo.db >out$i 2>err$i; "
                        "echo $? >status$i) & done; wait"),
                  0);
        for (const char* run : {"1", "2", "3"}) {
            EXPECT_EQ(fileContents(folder.path() / ("status" + std::string(run))), "0\n");
            EXPECT_EQ(fileContents(folder.path() / ("err" + std::string(run))), "");
        }
        EXPECT_EQ(consumerResults(), 72);
        EXPECT_EQ(filesBeside(), std::vector<std::string>{});
    }
}

TEST_F(KalvikDemoRuns, WaitsWhileAnotherRunHoldsTheFile) {
    std::optional<kalvik::demo::DemoLock> other(std::in_place, database);
    std::future<int> run = std::async(std::launch::async, [this] { return runDemo(); });
    const std::string waiting =
        "Another kalvik demo is running on " + database.string() + "; waiting for it to end\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (fileContents(folder.path() / "out") != waiting &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(fileContents(folder.path() / "out"), waiting);
    EXPECT_FALSE(fs::exists(database));
    other.reset();
    EXPECT_EQ(run.get(), 0);
    EXPECT_EQ(consumerResults(), 72);
}

// Large enough that the calculation is still writing when the demonstration starts.
constexpr int32_t kGeneratedConsumers = 9000;

// The calculation started first writes its rows, reopening its result table every 500th row, while
// the demonstration waits for it to end: none of its rows goes into the new database, which holds
// the one ventilation row of each of the eight units of the small data set only.
TEST_F(KalvikDemoRuns, WaitsForACalculationWritingTheFile) {
    const fs::path base = folder.path() / "base.db";
    kalvik::demo::buildDemoDatabase(base.string(), kGeneratedConsumers);
    ASSERT_EQ(shell("\"$K\" register >/dev/null"), 0);
    for (int trial = 0; trial < 3; ++trial) {
        SCOPED_TRACE(trial);
        fs::remove(database);
        fs::copy_file(base, database);
        ASSERT_EQ(shell("(\"$K\" call Ras_Vent Ras_Calc_Vent "
                        "\"str:Provider=SQLite;Data Source=$PWD/demo.db\" int:0 int:3 int:3 int:3 "
                        "str: 2009-01-01 2009-01-31 int:0 int:0 >call.out 2>call.err; "
                        "echo $? >call.status) & "
                        "n=0; while [ ! -e demo.db-shm ] && [ $n -lt 6000 ]; do sleep 0.01; "
                        "n=$((n+1)); done; "
                        "\"$K\" demo --db demo.db >out 2>err; echo $? >demo.status; wait"),
                  0);
        EXPECT_EQ(fileContents(folder.path() / "call.status"), "0\n")
            << fileContents(folder.path() / "call.err");
        EXPECT_EQ(fileContents(folder.path() / "demo.status"), "0\n")
            << fileContents(folder.path() / "err");
        EXPECT_NE(fileContents(folder.path() / "out").find(inUseLine()), std::string::npos);
        EXPECT_EQ(rows(database, "РезультатыВентиляция"), 8);
        EXPECT_EQ(consumerResults(), 72);
    }
}

// A connection another program left open after its first read: the file stays as it is until the
// connection is closed.
TEST_F(KalvikDemoRuns, WaitsWhileAnotherProgramHasTheFileOpen) {
    ASSERT_EQ(runDemo(), 0);
    const std::string earlier = fileContents(database);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(database.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "SELECT count(*) FROM FSB", nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::future<int> run = std::async(std::launch::async, [this] { return runDemo(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (fileContents(folder.path() / "out").find(inUseLine()) == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_NE(fileContents(folder.path() / "out").find(inUseLine()), std::string::npos);
    // It goes on waiting: it opens the file again to look and, refused, once more.
    waitForTwoOpenings(database, run, deadline);
    EXPECT_EQ(run.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    EXPECT_TRUE(fileContents(database) == earlier);
    sqlite3_close_v2(other);
    EXPECT_EQ(run.get(), 0);
    EXPECT_EQ(consumerResults(), 72);
    EXPECT_EQ(filesBeside(), std::vector<std::string>{});
}

// A run that ends mid-build, and whether it removes its own files or leaves them to the next run.
struct EarlyEnd {
    const char* name;
    const char* script;
    bool removesItsFiles;
};

TEST_F(KalvikDemoRuns, ARunEndedMidBuildLeavesTheEarlierDatabase) {
    const EarlyEnd ends[] = {
        {"a full disk", "trap '' XFSZ; ulimit -f 200; \"$K\" demo --db demo.db >out 2>err", true},
        {"kill -9",
         "\"$K\" demo --db demo.db >out 2>err & n=0; while [ ! -e demo.db.building ] && "
         "[ $n -lt 1000000 ]; do n=$((n+1)); done; kill -9 $!; wait $!",
         false},
    };
    ASSERT_EQ(runDemo(), 0);
    for (const EarlyEnd& end : ends) {
        SCOPED_TRACE(end.name);
        const std::string earlier = fileContents(database);
        EXPECT_NE(shell(end.script), 0);
        EXPECT_TRUE(fileContents(database) == earlier);
        if (end.removesItsFiles) {
            EXPECT_EQ(filesBeside(), std::vector<std::string>{});
        }
        EXPECT_EQ(runDemo(), 0);
        EXPECT_EQ(filesBeside(), std::vector<std::string>{});
    }
}

// Waits, in a script, until a run of kalvik demo has written its text log: the run has replaced its
// database and works on its calculations. A minute at most.
constexpr const char* kWaitForTheTextLog =
    "end=$(($(date +%s) + 60)); while [ ! -e log/LogFile_Vs.Log ] && [ $(date +%s) -lt $end ]; "
    "do sleep 0.01; done; ";

// Runs on one file under two names: the second, started once the first works on its calculations
// (its text log written), waits for it to end, and the file holds one run's rows.
TEST_F(KalvikDemoRuns, RunsOnOneFileUnderTwoNamesTakeTurns) {
    fs::create_directory(folder.path() / "real");
    const fs::path real = folder.path() / "real" / "p.db";
    ASSERT_EQ(shell("\"$K\" demo --db real/p.db >out 2>err"), 0);
    const int32_t oneRun = rows(real, "FSB");
    fs::create_symlink("real/p.db", folder.path() / "link.db");
    const std::string waiting =
        "Another kalvik demo is running on " + real.string() + "; waiting for it to end\n";
    for (const char* name : {"link.db", "real/./p.db"}) {
        for (int trial = 0; trial < 3; ++trial) {
            SCOPED_TRACE(testing::Message() << name << ", trial " << trial);
            fs::remove_all(folder.path() / "log");
            ASSERT_EQ(shell(std::string("(\"$K\" demo --db \"$PWD/") + name +
                            "\" >out1 2>err1; echo $? >status1) & " + kWaitForTheTextLog +
                            "\"$K\" demo --db \"$PWD/real/p.db\" >out2 2>err2; echo $? >status2; "
                            "wait"),
                      0);
            EXPECT_EQ(fileContents(folder.path() / "status1"), "0\n")
                << fileContents(folder.path() / "err1");
            EXPECT_EQ(fileContents(folder.path() / "status2"), "0\n")
                << fileContents(folder.path() / "err2");
            EXPECT_TRUE(fileContents(folder.path() / "out2").starts_with(waiting));
            EXPECT_EQ(rows(real, "FSB"), oneRun);
            EXPECT_EQ(rows(real, "РезультатыПотребитель"), 72);
        }
    }
}

// SQLite keeps a WAL per name of a file: a database with a second name is not taken under either.
TEST_F(KalvikDemoRuns, ADatabaseWithASecondNameIsLeftAsItIs) {
    ASSERT_EQ(runDemo(), 0);
    fs::create_hard_link(database, folder.path() / "second.db");
    const std::string before = fileContents(database);
    for (const char* name : {"demo.db", "second.db"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(shell(std::string("\"$K\" demo --db ") + name + " >out 2>err"), 1);
        EXPECT_EQ(fileContents(folder.path() / "err"),
                  "error 58: File already exists: " + (folder.path() / name).string() +
                      " has 2 names (hard links), under which SQLite cannot keep one database, "
                      "and is left as it is; delete it or name another file\n");
        EXPECT_TRUE(fileContents(folder.path() / name) == before);
        EXPECT_EQ(fs::hard_link_count(folder.path() / name), 2U);
    }
}

// A copy-in started while a run works on its calculations waits until the run has ended, so that
// every row the run writes goes into the database it built.
TEST_F(KalvikDemoRuns, ARunHoldsItsDatabaseFromItsCopyInToItsEnd) {
    ASSERT_EQ(runDemo(), 0);
    const int32_t oneRun = rows(database, "FSB");
    const fs::path other = folder.path() / "other.db";
    const fs::path kept = folder.path() / "kept.db";
    kalvik::demo::buildDemoDatabase(kept.string());
    {
        ado::Connection connection;
        connection.Open(kalvik::demo::demoConnectionString(kept.string()));
        connection.Execute("INSERT INTO FSB(Арм) VALUES ('another copy-in')");
    }
    for (int trial = 0; trial < 3; ++trial) {
        SCOPED_TRACE(trial);
        fs::remove_all(folder.path() / "log");
        fs::copy_file(kept, other, fs::copy_options::overwrite_existing);
        std::future<int> run = std::async(std::launch::async, [this] { return runDemo(); });
        ASSERT_EQ(shell(std::string(kWaitForTheTextLog) + "test -e log/LogFile_Vs.Log"), 0);
        bool waited = false;
        ado::replaceSqliteDatabase(
            other.string(), database.string(), [](const ado::SqliteFileFacts&) {},
            [&waited] { waited = true; });
        EXPECT_TRUE(waited);
        EXPECT_EQ(run.get(), 0);
        EXPECT_NE(fileContents(folder.path() / "out")
                      .find("Journal: " + std::to_string(oneRun) + " rows in table FSB of "),
                  std::string::npos);
        EXPECT_EQ(rows(database, "FSB"), 1);
    }
}

}  // namespace
