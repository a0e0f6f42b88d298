#include "demo/lock_test_seam.hpp"

#include <atomic>
#include <map>
#include <mutex>

namespace kalvik::demo {
namespace {

struct Hooks {
    std::mutex mutex;
    std::map<LockStep, std::function<void()>> atStep;
};

Hooks& hooks() {
    static Hooks instance;
    return instance;
}

std::atomic<bool> noUnnamedFiles = false;

}  // namespace

ScopedLockStepHook::ScopedLockStepHook(LockStep step, std::function<void()> hook) : step_(step) {
    std::lock_guard lock(hooks().mutex);
    hooks().atStep.insert_or_assign(step, std::move(hook));
}

ScopedLockStepHook::~ScopedLockStepHook() {
    std::lock_guard lock(hooks().mutex);
    hooks().atStep.erase(step_);
}

void reachLockStep(LockStep step) {
    std::function<void()> hook;
    {
        std::lock_guard lock(hooks().mutex);
        if (auto found = hooks().atStep.find(step); found != hooks().atStep.end()) {
            hook = found->second;
        }
    }
    if (hook) hook();
}

ScopedWithoutUnnamedFiles::ScopedWithoutUnnamedFiles() {
    noUnnamedFiles = true;
}

ScopedWithoutUnnamedFiles::~ScopedWithoutUnnamedFiles() {
    noUnnamedFiles = false;
}

bool withoutUnnamedFiles() {
    return noUnnamedFiles;
}

}  // namespace kalvik::demo
