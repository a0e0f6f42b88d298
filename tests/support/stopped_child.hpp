#pragma once
// A child process stopped at a step of its work until killed: the work is given `stop`, which a
// test seam calls at the step; it tells the parent and waits there to be killed.

#include <sys/types.h>

#include <functional>

namespace testing_support {

class StoppedChild {
  public:
    // Returns once the child has reached its stop, or has ended without reaching it.
    explicit StoppedChild(const std::function<void(const std::function<void()>& stop)>& work);
    ~StoppedChild() { kill(); }
    StoppedChild(const StoppedChild&) = delete;
    StoppedChild& operator=(const StoppedChild&) = delete;

    // Whether the child reached its stop.
    [[nodiscard]] bool stopped() const { return stopped_; }
    // Kills the child with SIGKILL and waits for it.
    void kill();

  private:
    pid_t pid_ = -1;
    bool stopped_ = false;
};

}  // namespace testing_support
