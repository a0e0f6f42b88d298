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

#include "platform/files/descriptor.hpp"
#include "platform/files/identity.hpp"
#include "platform/oleaut/error.hpp"

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
files::Descriptor openMarked(const std::filesystem::path& file, const std::filesystem::path& lock) {
    const std::filesystem::path folder = lock.has_parent_path() ? lock.parent_path() : ".";
    const files::Descriptor guard(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (guard.get() < 0) failLock(file, lock, errno);
    if (const int error = lockWaiting(guard.get())) failLock(file, lock, error);

    files::Descriptor made(
        ::open(lock.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (made.get() >= 0) {
        const std::string content = std::string(kMark) + kNoBuild + '\n';
        if (::write(made.get(), content.data(), content.size()) !=
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
    files::Descriptor existing(::open(lock.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (existing.get() < 0) {
        if (errno == ENOENT) return {};
        failLock(file, lock, errno);
    }
    if (!recordsBuild(existing.get())) refuse(lock);
    return existing;
}

}  // namespace

DemoLock::DemoLock(std::filesystem::path file, const std::function<void()>& whenWaiting)
    : file_(std::move(file)), lockFile_(file_.string() + ".lock") {
    bool waited = false;
    for (;;) {
        files::Descriptor lock = openMarked(file_, lockFile_);
        if (lock.get() < 0) continue;
        if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) failLock(file_, lockFile_, errno);
            if (!waited && whenWaiting) whenWaiting();
            waited = true;
            if (const int error = lockWaiting(lock.get())) {
                failLock(file_, lockFile_, error);
            }
        }
        if (files::isAt(lock.get(), lockFile_)) {
            buildLeftOver_ = recordsBuild(lock.get()).value_or(false);
            descriptor_ = std::move(lock);
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
                            "Path/File access error: cannot write the lock " + lockFile_.string() +
                                " of " + file_.string() + ": " + std::strerror(errno));
    }
}

}  // namespace kalvik::demo
