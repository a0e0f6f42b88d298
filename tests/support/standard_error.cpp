#include "tests/support/standard_error.hpp"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

namespace testing_support {

Pty::Pty() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
    slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave < 0) return;
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
}

Pty::~Pty() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
}

RedirectedStderr::RedirectedStderr(int fd) : saved_(dup(STDERR_FILENO)) {
    dup2(fd, STDERR_FILENO);
}

RedirectedStderr::~RedirectedStderr() {
    dup2(saved_, STDERR_FILENO);
    close(saved_);
}

std::string readAvailable(int fd) {
    std::string text;
    char buffer[4096];
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

}  // namespace testing_support
