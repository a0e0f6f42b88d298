// Several users of one database at once, each a process of its own as workstations are: runs
// beside a journal writer, two runs together, and many short connections opening and writing.
// Every bound is a count of rows or calls, never a time.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "demo/builder.hpp"
#include "library/services/open_rst.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

constexpr int32_t kGeneratedConsumers = 200;
constexpr int32_t kDemoConsumers = 16;
constexpr int32_t kConsumers = kDemoConsumers + kGeneratedConsumers;

// Runs work in a child process; its exit code is 0 when work returned, 1 when it failed (the
// error goes to standard error). The parent holds no open connection when it forks.
pid_t inChild(const std::function<void()>& work) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    int code = 0;
    try {
        work();
    } catch (const oleaut::Error& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), e.description().c_str());
        code = 1;
    }
    std::fflush(stderr);
    _exit(code);
}

int exitCode(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ConcurrentUse : public ::testing::Test {
  protected:
    ConcurrentUse() {
        db.removeFiles();
        demo::buildDemoDatabase(db.path(), kGeneratedConsumers);
    }

    void run() const {
        consumption::Run(
            runParameters(db, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31)))
            .execute();
    }

    int32_t count(const std::string& sql) const { return oleaut::CLng(db.scalar(sql)); }

    // Journal lines committed one by one, each its own connection and transaction.
    void writeJournal(int32_t lines, const std::string& workstation) const {
        Open_RST journal;
        for (int32_t i = 0; i < lines; ++i) {
            journal.LogFileVs_FSB(db.connectionString(), "line " + std::to_string(i), workstation);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    kalvik_test::TempDatabase db;
};

TEST_F(ConcurrentUse, ARunCompletesBesideAJournalWriter) {
    constexpr int32_t kLines = 100;
    const pid_t runner = inChild([&] { run(); });
    const pid_t writer = inChild([&] {
        // From the run's first saved consumer on, so that the writes fall into its loop.
        while (count("SELECT count(*) FROM \"РезультатыПотребитель\"") == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        writeJournal(kLines, "writer");
    });
    EXPECT_EQ(exitCode(runner), 0);
    EXPECT_EQ(exitCode(writer), 0);
    EXPECT_EQ(count("SELECT count(DISTINCT \"Npotr\") FROM \"РезультатыПотребитель\""), kConsumers);
    EXPECT_EQ(count("SELECT count(*) FROM \"РезультатыПотребитель_Время\""), kConsumers);
    EXPECT_EQ(count("SELECT count(*) FROM FSB WHERE \"Арм\" = 'writer'"), kLines);
}

TEST_F(ConcurrentUse, TwoRunsAtOnceBothComplete) {
    const pid_t first = inChild([&] { run(); });
    const pid_t second = inChild([&] { run(); });
    EXPECT_EQ(exitCode(first), 0);
    EXPECT_EQ(exitCode(second), 0);
    EXPECT_EQ(count("SELECT count(*) FROM \"РезультатыПотребитель\""), 2 * kConsumers);
    EXPECT_EQ(count("SELECT count(*) FROM \"РезультатыПотребитель_Время\""), 2 * kConsumers);
}

TEST_F(ConcurrentUse, SixProcessesOpeningReadingAndJournallingNeverFail) {
    constexpr int kProcesses = 6;
    constexpr int32_t kCalls = 40;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        children.push_back(inChild([&] {
            for (int32_t i = 0; i < kCalls; ++i) {
                count("SELECT count(*) FROM \"Потребители\"");
                writeJournal(1, "process");
            }
        }));
    }
    for (pid_t child : children)
        EXPECT_EQ(exitCode(child), 0);
    EXPECT_EQ(count("SELECT count(*) FROM FSB WHERE \"Арм\" = 'process'"), kProcesses * kCalls);
}

}  // namespace
}  // namespace kalvik::consumption::test
