#pragma once
// The demonstration lock's test seam: hooks run at the steps of making a lock file and between the
// steps of a run, and a switch that makes the lock as on a file system without unnamed files.
// Nothing runs and nothing changes unless a test asks.

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
