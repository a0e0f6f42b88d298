#pragma once
// Between the steps of a kalvik demo run on the database it built: the run goes on only in the
// file it holds.

#include "demo/builder.hpp"
#include "demo/demo_lock.hpp"

namespace kalvik::demo {

// Called before each step of a run on its database.
void beforeRunStep(const DemoLock& lock, const DemoDatabase& database);

}  // namespace kalvik::demo
