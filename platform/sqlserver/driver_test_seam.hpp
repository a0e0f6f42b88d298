#pragma once
// The stand-in server's test seam: the log of the texts its servers receive, and faults set for a
// kind of statement, and hooks run at the steps of a restore. The driver reports every text here
// and runs the fault set for it; nothing is kept, nothing fails and nothing runs unless a test
// asks.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/ado/errors.hpp"
#include "platform/oleaut/recorded_texts.hpp"
#include "platform/sqlserver/statements.hpp"

namespace sqlserver {

// The texts the servers receive while a log is kept, table requests included, in order.
[[nodiscard]] oleaut::RecordedTexts& receivedStatements();
class StatementLog : public oleaut::KeptLog {
  public:
    StatementLog() : KeptLog(receivedStatements()) {}
};

// A statement that fails with an error or takes a time (then fails with a timeout when that is
// longer than its CommandTimeout), while the object lives. A restore's fault strikes once the
// restore has reserved and made its copies, as if filling them took the time or failed.
struct Fault {
    std::optional<ado::ProviderError> error;
    std::chrono::milliseconds delay{0};
};

class ScopedFault {
  public:
    ScopedFault(StatementKind kind, Fault fault);
    ~ScopedFault();
    ScopedFault(const ScopedFault&) = delete;
    ScopedFault& operator=(const ScopedFault&) = delete;

  private:
    StatementKind kind_;
};

// Runs the fault set for a kind of statement, if any: waits its time (failing as a timeout past
// the command's limit), then fails with its error.
void applyFault(StatementKind kind, int32_t timeoutSeconds);

// The steps of a restore, in order: its reservation recorded, its copies made, its data file and
// then its log file placed, its database recorded.
enum class RestoreStep { Reserved, CopiesMade, DataPlaced, LogPlaced, Recorded };

// Runs a hook each time a restore reaches a step, while the object lives.
class ScopedStepHook {
  public:
    ScopedStepHook(RestoreStep step, std::function<void()> hook);
    ~ScopedStepHook();
    ScopedStepHook(const ScopedStepHook&) = delete;
    ScopedStepHook& operator=(const ScopedStepHook&) = delete;

  private:
    RestoreStep step_;
};

// Runs the hook set for a step of a restore, if any.
void reachStep(RestoreStep step);

// Makes a restore's placing of its files at their targets fail with a system error while the
// object lives, as a folder whose file system makes no hard links does.
class ScopedLinkFault {
  public:
    explicit ScopedLinkFault(int systemError);
    ~ScopedLinkFault();
    ScopedLinkFault(const ScopedLinkFault&) = delete;
    ScopedLinkFault& operator=(const ScopedLinkFault&) = delete;
};

// The system error set for placing a restore's files; 0 when none is.
[[nodiscard]] int linkFault();

}  // namespace sqlserver
