// The lock of a demonstration file: every spelling of the file takes the one lock, and a run killed
// at any step of making its lock file leaves nothing that stops the next run.

#include "demo/demo_lock.hpp"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <optional>
#include <thread>

#include "demo/lock_test_seam.hpp"
#include "tests/support/stopped_child.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;
using kalvik::demo::DemoLock;
using kalvik::demo::LockStep;

// A lock taken in a child process, stopped at a step of making its lock file until killed.
testing_support::StoppedChild stoppedLock(const fs::path& file, LockStep step,
                                          bool withoutUnnamedFiles) {
    return testing_support::StoppedChild([&](const std::function<void()>& stop) {
        std::optional<kalvik::demo::ScopedWithoutUnnamedFiles> named;
        if (withoutUnnamedFiles) named.emplace();
        kalvik::demo::ScopedLockStepHook hook(step, stop);
        try {
            DemoLock lock(file);
        } catch (...) {
        }
    });
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Killed before its lock file has a name, a run leaves no lock; killed after, a marked one that
// the next run takes over. Where the file system has no unnamed files, a file under a passing
// name may stay, never at the lock's name.
TEST(DemoLock, ARunKilledAtAnyStepOfMakingItsLockLeavesNoneThatStopsTheNext) {
    const struct {
        LockStep step;
        bool lockLeft;
    } steps[] = {{LockStep::Made, false}, {LockStep::Marked, false}, {LockStep::Linked, true}};
    for (const bool withoutUnnamedFiles : {false, true}) {
        for (const auto& at : steps) {
            SCOPED_TRACE(testing::Message() << "without unnamed files " << withoutUnnamedFiles
                                            << ", step " << static_cast<int>(at.step));
            testing_support::TemporaryDirectory folder;
            const fs::path file = folder.path() / "demo.db";
            const fs::path lockFile = folder.path() / "demo.db.lock";
            {
                testing_support::StoppedChild killed =
                    stoppedLock(file, at.step, withoutUnnamedFiles);
                ASSERT_TRUE(killed.stopped());
                killed.kill();
            }
            EXPECT_EQ(fs::exists(lockFile), at.lockLeft);
            {
                const DemoLock next(file);
                EXPECT_FALSE(next.buildLeftOver());
                EXPECT_TRUE(fs::exists(lockFile));
            }
            EXPECT_FALSE(fs::exists(lockFile));
            if (!withoutUnnamedFiles) {
                EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{});
            }
        }
    }
}

// Spellings of one file, made or not: each waits while the lock of another is held.
TEST(DemoLock, EverySpellingOfOneFileTakesTheOneLock) {
    testing_support::TemporaryDirectory folder;
    const fs::path real = folder.path() / "real";
    fs::create_directory(real);
    fs::create_symlink("real/p.db", folder.path() / "link.db");
    fs::create_directory_symlink("real", folder.path() / "linked");
    const char* spellings[] = {"link.db", "real/./p.db", "real/../real/p.db", "linked/p.db"};
    for (const bool made : {false, true}) {
        if (made) std::ofstream(real / "p.db") << "";
        for (const char* spelt : spellings) {
            SCOPED_TRACE(testing::Message() << spelt << (made ? ", made" : ", not made"));
            std::optional<DemoLock> held(std::in_place, real / "p.db");
            EXPECT_EQ(held->file(), fs::canonical(real) / "p.db");
            std::atomic<bool> waited = false;
            std::thread other([&] {
                const DemoLock second(folder.path() / spelt, [&waited] { waited = true; });
                EXPECT_EQ(second.file(), fs::canonical(real) / "p.db");
            });
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!waited && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            EXPECT_TRUE(waited);
            held.reset();
            other.join();
        }
    }
}

}  // namespace
