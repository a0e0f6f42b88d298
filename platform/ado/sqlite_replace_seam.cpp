#include "platform/ado/sqlite_replace_seam.hpp"

#include <mutex>

namespace ado {
namespace {

struct Hook {
    std::mutex mutex;
    std::function<void()> run;

    void set(std::function<void()> hook) {
        std::lock_guard lock(mutex);
        run = std::move(hook);
    }
    void reach() {
        std::function<void()> hook;
        {
            std::lock_guard lock(mutex);
            hook = run;
        }
        if (hook) hook();
    }
};

Hook& copyCommitted() {
    static Hook instance;
    return instance;
}

Hook& placing() {
    static Hook instance;
    return instance;
}

}  // namespace

ScopedCopyCommittedHook::ScopedCopyCommittedHook(std::function<void()> run) {
    copyCommitted().set(std::move(run));
}

ScopedCopyCommittedHook::~ScopedCopyCommittedHook() {
    copyCommitted().set(nullptr);
}

void reachCopyCommitted() {
    copyCommitted().reach();
}

ScopedPlacingHook::ScopedPlacingHook(std::function<void()> run) {
    placing().set(std::move(run));
}

ScopedPlacingHook::~ScopedPlacingHook() {
    placing().set(nullptr);
}

void reachPlacing() {
    placing().reach();
}

}  // namespace ado
