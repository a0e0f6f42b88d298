#pragma once
// The replacement's test seam: a hook run once a copy into an existing database is committed and
// before its WAL is folded into the file. Nothing runs unless a test asks.

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

}  // namespace ado
