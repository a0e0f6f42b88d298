#include "demo/demo_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/oleaut/error.hpp"

namespace kalvik::demo {
namespace {

// An open lock file, closed unless kept.
class OpenFile {
  public:
    explicit OpenFile(const std::filesystem::path& path)
        : descriptor_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor() const noexcept { return descriptor_; }
    [[nodiscard]] int keep() noexcept { return std::exchange(descriptor_, -1); }

  private:
    int descriptor_;
};

// Whether the open file is still the one at path: a holder removes the lock file before it lets
// go, so a waiter that then gets the lock of the removed file must open the path again.
bool isAtPath(int descriptor, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

DemoLock::DemoLock(std::filesystem::path file, const std::function<void()>& whenWaiting)
    : file_(std::move(file)), lockFile_(file_.string() + ".lock") {
    auto fail = [this](int error) {
        throw oleaut::Error(oleaut::kPathFileAccessError,
                            "Path/File access error: cannot lock " + file_.string() +
                                " for building: " + lockFile_.string() + ": " +
                                std::strerror(error));
    };
    bool waited = false;
    for (;;) {
        OpenFile lock(lockFile_);
        if (lock.descriptor() < 0) fail(errno);
        if (::flock(lock.descriptor(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) fail(errno);
            if (!waited && whenWaiting) whenWaiting();
            waited = true;
            while (::flock(lock.descriptor(), LOCK_EX) != 0) {
                if (errno != EINTR) fail(errno);
            }
        }
        if (isAtPath(lock.descriptor(), lockFile_)) {
            descriptor_ = lock.keep();
            return;
        }
    }
}

DemoLock::~DemoLock() {
    ::unlink(lockFile_.c_str());
    ::close(descriptor_);
}

}  // namespace kalvik::demo
