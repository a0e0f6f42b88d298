#pragma once
// The replacement's test seams: a hook run as the placing begins, before the target is looked at,
// and one run once a copy into an existing database is committed and before its WAL is folded
// into the file. Nothing runs unless a test asks.

#include <functional>

namespace ado {

// Runs the hook each time a copy is committed, while the object lives.
class ScopedCopyCommittedHook {
  public:
    explicit ScopedCopyCommittedHook(std::function<void()> hook);
    ~ScopedCopyCommittedHook();
    ScopedCopyCommittedHook(const ScopedCopyCommittedHook&) = delete;
    ScopedCopyCommittedHook& operator=(const ScopedCopyCommittedHook&) = delete;
};

// Runs the hook set, if any.
void reachCopyCommitted();

// Runs the hook each time a placing begins, while the object lives.
class ScopedPlacingHook {
  public:
    explicit ScopedPlacingHook(std::function<void()> hook);
    ~ScopedPlacingHook();
    ScopedPlacingHook(const ScopedPlacingHook&) = delete;
    ScopedPlacingHook& operator=(const ScopedPlacingHook&) = delete;
};

// Runs the hook set, if any.
void reachPlacing();

}  // namespace ado
