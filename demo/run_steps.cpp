#include "demo/run_steps.hpp"

#include "demo/lock_test_seam.hpp"

namespace kalvik::demo {

void beforeRunStep(const DemoLock&, const DemoDatabase&) {
    reachRunStep();
}

}  // namespace kalvik::demo
