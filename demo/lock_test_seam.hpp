#pragma once
// The demonstration lock's test seam: hooks run at the steps of making a lock file, and a switch
// that makes it as on a file system without unnamed files. Nothing runs and nothing changes unless
// a test asks.

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

// While the object lives, lock files are made as where the file system has no unnamed files.
class ScopedWithoutUnnamedFiles {
  public:
    ScopedWithoutUnnamedFiles();
    ~ScopedWithoutUnnamedFiles();
    ScopedWithoutUnnamedFiles(const ScopedWithoutUnnamedFiles&) = delete;
    ScopedWithoutUnnamedFiles& operator=(const ScopedWithoutUnnamedFiles&) = delete;
};

// Whether lock files are to be made without unnamed files.
[[nodiscard]] bool withoutUnnamedFiles();

}  // namespace kalvik::demo
