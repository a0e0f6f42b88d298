#include "platform/ado/sqlite_replace_seam.hpp"

#include <mutex>

namespace ado {
namespace {

struct Hook {
    std::mutex mutex;
    std::function<void()> run;
};

Hook& hook() {
    static Hook instance;
    return instance;
}

}  // namespace

ScopedCopyCommittedHook::ScopedCopyCommittedHook(std::function<void()> run) {
    std::lock_guard lock(hook().mutex);
    hook().run = std::move(run);
}

ScopedCopyCommittedHook::~ScopedCopyCommittedHook() {
    std::lock_guard lock(hook().mutex);
    hook().run = nullptr;
}

void reachCopyCommitted() {
    std::function<void()> run;
    {
        std::lock_guard lock(hook().mutex);
        run = hook().run;
    }
    if (run) run();
}

}  // namespace ado
