#pragma once
// The demonstration lock's test seam: hooks run at the steps of making a lock file and between the
// steps of a run, and a switch that makes the lock as on a file system that lacks unnamed files,
// hard links or modes. Nothing runs and nothing changes unless a test asks.

#include <functional>

namespace kalvik::demo {

// The steps of making a lock file, in order: the file made (unnamed, or under a passing name where
// the file system has no unnamed files), nothing in it; its mark written; the file at its name,
// held.
enum class LockStep { Made, Marked, Linked };

// Runs a hook each time a lock reaches a step, while the object lives.
class ScopedLockStepHook {
  public:
    ScopedLockStepHook(LockStep step, std::function<void()> hook);
    ~ScopedLockStepHook();
    ScopedLockStepHook(const ScopedLockStepHook&) = delete;
    ScopedLockStepHook& operator=(const ScopedLockStepHook&) = delete;

  private:
    LockStep step_;
};

// Runs the hook set for a step, if any.
void reachLockStep(LockStep step);

// Runs a hook between every two steps of a run on its database, before the run looks at its file
// again, while the object lives.
class ScopedRunStepHook {
  public:
    explicit ScopedRunStepHook(std::function<void()> hook);
    ~ScopedRunStepHook();
    ScopedRunStepHook(const ScopedRunStepHook&) = delete;
    ScopedRunStepHook& operator=(const ScopedRunStepHook&) = delete;
};

// Runs the hook set between the steps of a run, if any.
void reachRunStep();

// What a folder's file system lacks, as a test makes it: lock files are then made as there. FAT
// has neither unnamed files nor hard links nor modes, and renames without replacing.
struct FolderLacks {
    bool unnamedFiles = false;
    bool hardLinks = false;             // a link fails with EPERM
    bool modes = false;                 // fchmod fails with ENOSYS
    bool renameWithoutReplace = false;  // renameat2 with RENAME_NOREPLACE fails with EINVAL
};

// While the object lives, lock files are made as in a folder that lacks what it says.
class ScopedFolderLacks {
  public:
    explicit ScopedFolderLacks(FolderLacks lacks);
    ~ScopedFolderLacks();
    ScopedFolderLacks(const ScopedFolderLacks&) = delete;
    ScopedFolderLacks& operator=(const ScopedFolderLacks&) = delete;
};

// What lock files are to be made without; nothing unless a test says.
[[nodiscard]] FolderLacks folderLacks();

}  // namespace kalvik::demo
