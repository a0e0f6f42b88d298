#pragma once
// Standard error redirected or captured for one test, and a pseudo-terminal to point it at.

#include <iostream>
#include <sstream>
#include <string>

namespace testing_support {

// A pseudo-terminal in raw mode: what is written to `slave` is read back from `master` unchanged.
struct Pty {
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    int master = -1;
    int slave = -1;
};

// File descriptor 2 pointed at another file for the life of the object.
class RedirectedStderr {
  public:
    explicit RedirectedStderr(int fd);
    ~RedirectedStderr();
    RedirectedStderr(const RedirectedStderr&) = delete;
    RedirectedStderr& operator=(const RedirectedStderr&) = delete;

  private:
    int saved_;
};

// What std::cerr receives for the life of the object.
class CapturedCerr {
  public:
    CapturedCerr() : previous_(std::cerr.rdbuf(captured_.rdbuf())) {}
    ~CapturedCerr() { std::cerr.rdbuf(previous_); }
    CapturedCerr(const CapturedCerr&) = delete;
    CapturedCerr& operator=(const CapturedCerr&) = delete;

    std::string text() const { return captured_.str(); }

  private:
    std::ostringstream captured_;
    std::streambuf* previous_;
};

// Everything that can be read from `fd` now, waiting a little for more.
std::string readAvailable(int fd);

}  // namespace testing_support
