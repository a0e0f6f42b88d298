#include "demo/lock_test_seam.hpp"

#include <map>
#include <mutex>

namespace kalvik::demo {
namespace {

struct Hooks {
    std::mutex mutex;
    std::map<LockStep, std::function<void()>> atStep;
    std::function<void()> betweenRunSteps;
    FolderLacks lacks;
};

Hooks& hooks() {
    static Hooks instance;
    return instance;
}

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

ScopedRunStepHook::ScopedRunStepHook(std::function<void()> hook) {
    std::lock_guard lock(hooks().mutex);
    hooks().betweenRunSteps = std::move(hook);
}

ScopedRunStepHook::~ScopedRunStepHook() {
    std::lock_guard lock(hooks().mutex);
    hooks().betweenRunSteps = nullptr;
}

void reachRunStep() {
    std::function<void()> hook;
    {
        std::lock_guard lock(hooks().mutex);
        hook = hooks().betweenRunSteps;
    }
    if (hook) hook();
}

ScopedFolderLacks::ScopedFolderLacks(FolderLacks lacks) {
    std::lock_guard lock(hooks().mutex);
    hooks().lacks = lacks;
}

ScopedFolderLacks::~ScopedFolderLacks() {
    std::lock_guard lock(hooks().mutex);
    hooks().lacks = {};
}

FolderLacks folderLacks() {
    std::lock_guard lock(hooks().mutex);
    return hooks().lacks;
}

}  // namespace kalvik::demo
