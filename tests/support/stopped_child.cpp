#include "tests/support/stopped_child.hpp"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace testing_support {

StoppedChild::StoppedChild(const std::function<void(const std::function<void()>& stop)>& work) {
    int reached[2];
    if (::pipe(reached) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
        work([&] {
            (void)!::write(reached[1], "s", 1);
            std::this_thread::sleep_for(std::chrono::seconds(30));
        });
        ::_exit(0);
    }
    ::close(reached[1]);
    char byte = 0;
    stopped_ = pid_ > 0 && ::read(reached[0], &byte, 1) == 1;
    ::close(reached[0]);
}

void StoppedChild::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace testing_support
