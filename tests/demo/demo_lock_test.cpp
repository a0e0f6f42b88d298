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
#include "platform/oleaut/error.hpp"
#include "tests/support/stopped_child.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;
using kalvik::demo::DemoLock;
using kalvik::demo::FolderLacks;
using kalvik::demo::LockStep;
using testing_support::namesIn;

// A lock taken in a child process, stopped at a step of making its lock file until killed.
testing_support::StoppedChild stoppedLock(const fs::path& file, LockStep step,
                                          const FolderLacks& lacks) {
    return testing_support::StoppedChild([&](const std::function<void()>& stop) {
        const kalvik::demo::ScopedFolderLacks folder(lacks);
        kalvik::demo::ScopedLockStepHook hook(step, stop);
        try {
            DemoLock lock(file);
        } catch (...) {
        }
    });
}

// Killed before its lock file has a name, a run leaves no lock; killed after, a marked one that
// the next run takes over. Where the file system has no unnamed files, a file under a passing
// name may stay, never at the lock's name; where it has no hard links and no modes either (FAT),
// the same.
TEST(DemoLock, ARunKilledAtAnyStepOfMakingItsLockLeavesNoneThatStopsTheNext) {
    const struct {
        LockStep step;
        bool lockLeft;
    } steps[] = {{LockStep::Made, false}, {LockStep::Marked, false}, {LockStep::Linked, true}};
    const struct {
        const char* name;
        FolderLacks lacks;
    } folders[] = {
        {"a folder with all", {}},
        {"without unnamed files", {.unnamedFiles = true}},
        {"like FAT", {.unnamedFiles = true, .hardLinks = true, .modes = true}},
    };
    for (const auto& kind : folders) {
        for (const auto& at : steps) {
            SCOPED_TRACE(testing::Message() << kind.name << ", step " << static_cast<int>(at.step));
            testing_support::TemporaryDirectory folder;
            const fs::path file = folder.path() / "demo.db";
            const fs::path lockFile = folder.path() / "demo.db.lock";
            {
                testing_support::StoppedChild killed = stoppedLock(file, at.step, kind.lacks);
                ASSERT_TRUE(killed.stopped());
                killed.kill();
            }
            EXPECT_EQ(fs::exists(lockFile), at.lockLeft);
            {
                const kalvik::demo::ScopedFolderLacks lacking(kind.lacks);
                const DemoLock next(file);
                EXPECT_FALSE(next.buildLeftOver());
                EXPECT_TRUE(fs::exists(lockFile));
            }
            EXPECT_FALSE(fs::exists(lockFile));
            if (!kind.lacks.unnamedFiles) {
                EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{});
            }
        }
    }
}

// In a folder like FAT, a second run waits for the lock of the first, and a lock is never made
// over a file at its name.
TEST(DemoLock, AFolderWithoutHardLinksTakesTheOneLock) {
    testing_support::TemporaryDirectory folder;
    const fs::path file = folder.path() / "demo.db";
    const kalvik::demo::ScopedFolderLacks fat(
        {.unnamedFiles = true, .hardLinks = true, .modes = true});
    std::optional<DemoLock> held(std::in_place, file);
    std::atomic<bool> waited = false;
    std::thread other([&] { const DemoLock second(file, [&waited] { waited = true; }); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!waited && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(waited);
    held.reset();
    other.join();
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{});
}

// A folder with neither hard links nor a rename that keeps a file gets no lock: the run is refused,
// naming the folder's lack, and leaves nothing.
TEST(DemoLock, AFolderWhereNoLockAppearsWholeIsRefused) {
    testing_support::TemporaryDirectory folder;
    const fs::path file = fs::canonical(folder.path()) / "demo.db";
    const kalvik::demo::ScopedFolderLacks lacking(
        {.unnamedFiles = true, .hardLinks = true, .modes = true, .renameWithoutReplace = true});
    try {
        const DemoLock lock(file);
        ADD_FAILURE() << "locked";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), oleaut::kPathFileAccessError);
        EXPECT_EQ(e.description(),
                  "Path/File access error: cannot lock " + file.string() +
                      " for building: the folder of " + file.string() +
                      ".lock has neither hard links nor a rename that keeps an existing file, "
                      "with which a lock file appears whole at its name");
    }
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{});
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
