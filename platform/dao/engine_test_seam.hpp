#pragma once
// The engine's test seam: a listener that sees each transaction call of a workspace that
// succeeds. The workspaces report every such call here; nothing listens unless a test installs a
// listener.

#include <functional>
#include <utility>

namespace dao {

// What the workspace was asked to do.
enum class TransactionCall { Begin, Commit, Rollback };
using TransactionListener = std::function<void(TransactionCall)>;

// Installs a listener (an empty one removes it) and returns the one it replaces.
[[nodiscard]] TransactionListener setTransactionListener(TransactionListener listener);

// Installs a listener for as long as it lives, then puts the previous one back.
class ScopedTransactionListener {
  public:
    explicit ScopedTransactionListener(TransactionListener listener)
        : previous_(setTransactionListener(std::move(listener))) {}
    ~ScopedTransactionListener() {
        // What comes back is the listener this object installed, which ends with it.
        (void)setTransactionListener(std::move(previous_));
    }
    ScopedTransactionListener(const ScopedTransactionListener&) = delete;
    ScopedTransactionListener& operator=(const ScopedTransactionListener&) = delete;

  private:
    TransactionListener previous_;
};

// Tells the listener, if any, of a call that succeeded.
void tellTransactionListener(TransactionCall call);

}  // namespace dao
