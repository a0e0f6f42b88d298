#pragma once
// Between the steps of a kalvik demo run on the database it built: the run goes on only in the
// file it holds.

#include "demo/builder.hpp"
#include "demo/demo_lock.hpp"

namespace kalvik::demo {

// Called before each step of a run on its database: fails with error 75 naming the change when the
// file at the database's name in the lock's folder is no longer the one built (removed, renamed or
// another file put there), or has a second name (hard link), under which SQLite would keep a WAL
// of its own.
void beforeRunStep(const DemoLock& lock, const DemoDatabase& database);

}  // namespace kalvik::demo
