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

}  // namespace
