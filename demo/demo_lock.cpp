#include "demo/demo_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/oleaut/error.hpp"

namespace kalvik::demo {
namespace {

// What a lock file holds: the mark, then '1' while its holder has a build file, else '0'. The
// holder changes that one byte only, so that the file holds the whole mark at every moment.
constexpr std::string_view kMark = "kalvik demo lock\nbuild file: ";
constexpr char kNoBuild = '0';
constexpr char kBuild = '1';

// An open file, closed unless kept.
class OpenFile {
  public:
    OpenFile() = default;
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    ~OpenFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OpenFile(OpenFile&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    OpenFile& operator=(OpenFile&&) = delete;

    int descriptor() const noexcept { return descriptor_; }
    [[nodiscard]] int keep() noexcept { return std::exchange(descriptor_, -1); }

  private:
    int descriptor_ = -1;
};

// Whether the open file is still the one at path: a holder removes the lock file before it lets
// go, so a waiter that then gets the lock of the removed file must open the path again.
bool isAtPath(int descriptor, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Whether the lock file records a build file of its holder; nothing when it does not hold the
// mark and its one byte alone, and so is no lock of ours.
std::optional<bool> recordsBuild(int descriptor) {
    std::string content(kMark.size() + 3, '\0');
    const ssize_t size = ::pread(descriptor, content.data(), content.size(), 0);
    const char state = content[kMark.size()];
    if (size != static_cast<ssize_t>(kMark.size() + 2) || !content.starts_with(kMark) ||
        (state != kNoBuild && state != kBuild) || content[kMark.size() + 1] != '\n') {
        return std::nullopt;
    }
    return state == kBuild;
}

// flock, again after a signal: 0, or the error.
int lockWaiting(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

[[noreturn]] void failLock(const std::filesystem::path& file, const std::filesystem::path& lock,
                           int error) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: cannot lock " + file.string() +
                            " for building: " + lock.string() + ": " + std::strerror(error));
}

[[noreturn]] void refuse(const std::filesystem::path& lock) {
    throw oleaut::Error(oleaut::kFileAlreadyExists,
                        "File already exists: " + lock.string() +
                            " is not the lock of a kalvik demo run and is left as it is; delete "
                            "it or name another file");
}

// The lock file: made afresh with its mark, or the existing one when it holds the mark; none when
// the existing one went meanwhile. Made and read under the folder's flock, so that a lock file is
// never read before its mark is whole.
OpenFile openMarked(const std::filesystem::path& file, const std::filesystem::path& lock) {
    const std::filesystem::path folder = lock.has_parent_path() ? lock.parent_path() : ".";
    const OpenFile guard(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (guard.descriptor() < 0) failLock(file, lock, errno);
    if (const int error = lockWaiting(guard.descriptor())) failLock(file, lock, error);

    OpenFile made(::open(lock.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (made.descriptor() >= 0) {
        const std::string content = std::string(kMark) + kNoBuild + '\n';
        if (::write(made.descriptor(), content.data(), content.size()) !=
            static_cast<ssize_t>(content.size())) {
            const int error = errno;
            ::unlink(lock.c_str());
            failLock(file, lock, error);
        }
        return made;
    }
    if (errno != EEXIST) failLock(file, lock, errno);
    struct stat named {};
    if (::lstat(lock.c_str(), &named) != 0) {
        if (errno == ENOENT) return {};
        failLock(file, lock, errno);
    }
    if (!S_ISREG(named.st_mode)) refuse(lock);
    OpenFile existing(::open(lock.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (existing.descriptor() < 0) {
        if (errno == ENOENT) return {};
        failLock(file, lock, errno);
    }
    if (!recordsBuild(existing.descriptor())) refuse(lock);
    return existing;
}

}  // namespace

DemoLock::DemoLock(std::filesystem::path file, const std::function<void()>& whenWaiting)
    : file_(std::move(file)), lockFile_(file_.string() + ".lock") {
    bool waited = false;
    for (;;) {
        OpenFile lock = openMarked(file_, lockFile_);
        if (lock.descriptor() < 0) continue;
        if (::flock(lock.descriptor(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) failLock(file_, lockFile_, errno);
            if (!waited && whenWaiting) whenWaiting();
            waited = true;
            if (const int error = lockWaiting(lock.descriptor())) {
                failLock(file_, lockFile_, error);
            }
        }
        if (isAtPath(lock.descriptor(), lockFile_)) {
            buildLeftOver_ = recordsBuild(lock.descriptor()).value_or(false);
            descriptor_ = lock.keep();
            return;
        }
    }
}

DemoLock::~DemoLock() {
    if (isAtPath(descriptor_, lockFile_)) ::unlink(lockFile_.c_str());
    ::close(descriptor_);
}

void DemoLock::recordBuild(bool exists) {
    const char state = exists ? kBuild : kNoBuild;
    if (::pwrite(descriptor_, &state, 1, static_cast<off_t>(kMark.size())) != 1) {
        throw oleaut::Error(oleaut::kPathFileAccessError,
                            "Path/File access error: cannot write the lock " + lockFile_.string() +
                                " of " + file_.string() + ": " + std::strerror(errno));
    }
}

}  // namespace kalvik::demo
