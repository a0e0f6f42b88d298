#include "demo/demo_lock.hpp"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "demo/foreign_file.hpp"
#include "demo/lock_test_seam.hpp"
#include "platform/files/identity.hpp"
#include "platform/files/real_path.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace kalvik::demo {
namespace {

// What a lock file holds: the mark, then '1' while its holder has a build file, else '0'. The
// holder changes that one byte only, so that the file holds the whole mark at every moment.
constexpr std::string_view kMark = "kalvik demo lock\nbuild file: ";
constexpr char kNoBuild = '0';
constexpr char kBuild = '1';

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
[[nodiscard]] int lockWaiting(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

[[noreturn]] void failLock(const std::filesystem::path& file, const std::filesystem::path& lock,
                           int error) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: cannot lock " + oleaut::echoedPath(file.string()) +
                            " for building: " + oleaut::echoedPath(lock.string()) + ": " +
                            std::strerror(error));
}

// Writes the mark into a new, empty lock file and takes its flock, which nobody else can hold
// yet: 0, or the error.
[[nodiscard]] int markAndHold(int descriptor) {
    const std::string content = std::string(kMark) + kNoBuild + '\n';
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::pwrite(descriptor, content.data() + written, content.size() - written,
                                   static_cast<off_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        written += static_cast<size_t>(n);
    }
    reachLockStep(LockStep::Marked);
    return ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

// Gives an unnamed file a name: 0, EEXIST when a file has the name, else the error.
[[nodiscard]] int linkUnnamed(int descriptor, const std::filesystem::path& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return errno;
    // Without /proc the descriptor itself is linked, which takes a privilege.
    return ::linkat(descriptor, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Where the file system has no unnamed files: the lock file is marked under a passing name beside
// the lock's (never an existing file's), given the lock's name as a second one, and the passing
// name removed. A run killed on the way may leave a file under the passing name, never a lock.
[[nodiscard]] std::optional<files::Descriptor> makeNamed(const std::filesystem::path& file,
                                                         const std::filesystem::path& lock) {
    std::string passing = lock.string() + ".XXXXXX";
    files::Descriptor made(::mkostemp(passing.data(), O_CLOEXEC));
    if (!made) failLock(file, lock, errno);
    reachLockStep(LockStep::Made);
    int error = ::fchmod(made.get(), 0644) == 0 ? markAndHold(made.get()) : errno;
    if (error == 0 && ::link(passing.c_str(), lock.c_str()) != 0) error = errno;
    ::unlink(passing.c_str());
    if (error == EEXIST) return std::nullopt;
    if (error != 0) failLock(file, lock, error);
    reachLockStep(LockStep::Linked);
    return made;
}

// The lock file made afresh, marked and held, at its name: it appears there whole, so that a run
// killed at any moment leaves either no lock file or a marked one. Nothing when a file has the
// name. It is made unnamed in the folder, marked, then linked to its name.
[[nodiscard]] std::optional<files::Descriptor> makeLock(const std::filesystem::path& file,
                                                        const std::filesystem::path& lock) {
    if (withoutUnnamedFiles()) return makeNamed(file, lock);
    const std::filesystem::path folder = lock.has_parent_path() ? lock.parent_path() : ".";
    files::Descriptor made(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0644));
    if (!made) {
        // A file system or kernel without unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR) return makeNamed(file, lock);
        failLock(file, lock, errno);
    }
    reachLockStep(LockStep::Made);
    if (const int error = markAndHold(made.get())) failLock(file, lock, error);
    const int linked = linkUnnamed(made.get(), lock);
    if (linked == EEXIST) return std::nullopt;
    if (linked != 0) return makeNamed(file, lock);
    reachLockStep(LockStep::Linked);
    return made;
}

// The file at the lock's name when it holds the mark; nothing when it went meanwhile. Any other
// file there fails with error 58.
[[nodiscard]] std::optional<files::Descriptor> openExisting(const std::filesystem::path& file,
                                                            const std::filesystem::path& lock) {
    constexpr std::string_view kNotOurs = "is not the lock of a kalvik demo run";
    struct stat named {};
    if (::lstat(lock.c_str(), &named) != 0) {
        if (errno == ENOENT) return std::nullopt;
        failLock(file, lock, errno);
    }
    if (!S_ISREG(named.st_mode)) refuseFile(lock, kNotOurs);
    files::Descriptor existing(::open(lock.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!existing) {
        if (errno == ENOENT) return std::nullopt;
        failLock(file, lock, errno);
    }
    if (!recordsBuild(existing.get())) refuseFile(lock, kNotOurs);
    return existing;
}

}  // namespace

DemoLock::DemoLock(const std::filesystem::path& file, const std::function<void()>& whenWaiting)
    : file_(files::realPath(file).value_or(file)), lockFile_(file_.string() + ".lock") {
    bool waited = false;
    for (;;) {
        if (std::optional<files::Descriptor> made = makeLock(file_, lockFile_)) {
            descriptor_ = std::move(*made);
            return;
        }
        std::optional<files::Descriptor> lock = openExisting(file_, lockFile_);
        if (!lock) continue;
        if (::flock(lock->get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) failLock(file_, lockFile_, errno);
            if (!waited && whenWaiting) whenWaiting();
            waited = true;
            if (const int error = lockWaiting(lock->get())) {
                failLock(file_, lockFile_, error);
            }
        }
        if (files::isAt(lock->get(), lockFile_)) {
            buildLeftOver_ = recordsBuild(lock->get()).value_or(false);
            descriptor_ = std::move(*lock);
            return;
        }
    }
}

DemoLock::~DemoLock() {
    if (files::isAt(descriptor_.get(), lockFile_)) ::unlink(lockFile_.c_str());
}

void DemoLock::recordBuild(bool exists) {
    const char state = exists ? kBuild : kNoBuild;
    if (::pwrite(descriptor_.get(), &state, 1, static_cast<off_t>(kMark.size())) != 1) {
        throw oleaut::Error(oleaut::kPathFileAccessError,
                            "Path/File access error: cannot write the lock " +
                                oleaut::echoedPath(lockFile_.string()) + " of " +
                                oleaut::echoedPath(file_.string()) + ": " + std::strerror(errno));
    }
}

}  // namespace kalvik::demo
