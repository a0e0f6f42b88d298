#include "platform/sqlserver/driver_test_seam.hpp"

#include <map>
#include <mutex>
#include <thread>

#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

// The faults set for the servers' statements and the hooks set for a restore's steps.
struct Diagnostics {
    std::mutex mutex;
    std::map<StatementKind, Fault> faults;
    std::map<RestoreStep, std::function<void()>> hooks;
    int linkError = 0;
};

Diagnostics& diagnostics() {
    static Diagnostics instance;
    return instance;
}

}  // namespace

oleaut::RecordedTexts& receivedStatements() {
    static oleaut::RecordedTexts texts;
    return texts;
}

ScopedFault::ScopedFault(StatementKind kind, Fault fault) : kind_(kind) {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.faults.insert_or_assign(kind, std::move(fault));
}

ScopedFault::~ScopedFault() {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.faults.erase(kind_);
}

void applyFault(StatementKind kind, int32_t timeoutSeconds) {
    std::optional<Fault> fault;
    {
        Diagnostics& d = diagnostics();
        std::lock_guard lock(d.mutex);
        if (auto found = d.faults.find(kind); found != d.faults.end()) fault = found->second;
    }
    if (!fault) return;
    const std::chrono::milliseconds limit = std::chrono::seconds(timeoutSeconds);
    if (timeoutSeconds > 0 && fault->delay > limit) {
        std::this_thread::sleep_for(limit);
        throw timeoutError();
    }
    std::this_thread::sleep_for(fault->delay);
    if (fault->error) throw *fault->error;
}

ScopedStepHook::ScopedStepHook(RestoreStep step, std::function<void()> hook) : step_(step) {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.hooks.insert_or_assign(step, std::move(hook));
}

ScopedStepHook::~ScopedStepHook() {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.hooks.erase(step_);
}

void reachStep(RestoreStep step) {
    std::function<void()> hook;
    {
        Diagnostics& d = diagnostics();
        std::lock_guard lock(d.mutex);
        if (auto found = d.hooks.find(step); found != d.hooks.end()) hook = found->second;
    }
    if (hook) hook();
}

ScopedLinkFault::ScopedLinkFault(int systemError) {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.linkError = systemError;
}

ScopedLinkFault::~ScopedLinkFault() {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    d.linkError = 0;
}

int linkFault() {
    Diagnostics& d = diagnostics();
    std::lock_guard lock(d.mutex);
    return d.linkError;
}

}  // namespace sqlserver
