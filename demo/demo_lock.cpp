#include "demo/demo_lock.hpp"

#include <fcntl.h>
#include <stdio.h>
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

#include "demo/demo_path.hpp"
#include "demo/foreign_file.hpp"
#include "demo/lock_test_seam.hpp"
#include "platform/files/identity.hpp"
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

// The folder of the file, held for the whole run; fails with error 75 when it cannot be opened.
files::HeldFolder holdFolder(const std::filesystem::path& file, const std::filesystem::path& lock) {
    std::optional<files::HeldFolder> folder = files::HeldFolder::ofFile(file);
    if (!folder) failLock(file, lock, errno);
    return std::move(*folder);
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

// Gives an unnamed file a name in the folder: 0, EEXIST when a file has the name, else the error.
[[nodiscard]] int linkUnnamed(int descriptor, const files::HeldFolder& folder,
                              const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
    if (::linkat(AT_FDCWD, self.c_str(), folder.descriptor(), name.c_str(), AT_SYMLINK_FOLLOW) ==
        0) {
        return 0;
    }
    if (errno != ENOENT) return errno;
    // Without /proc the descriptor itself is linked, which takes a privilege.
    return ::linkat(descriptor, "", folder.descriptor(), name.c_str(), AT_EMPTY_PATH) == 0 ? 0
                                                                                           : errno;
}

// A folder where no lock file can appear whole at its name: it has neither hard links nor a
// rename that never replaces a file.
[[noreturn]] void failLockWithoutLinks(const std::filesystem::path& file,
                                       const std::filesystem::path& lock) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: cannot lock " + oleaut::echoedPath(file.string()) +
                            " for building: the folder of " + oleaut::echoedPath(lock.string()) +
                            " has neither hard links nor a rename that keeps an existing file, "
                            "with which a lock file appears whole at its name");
}

// The mode a lock file gets, for the runs of other users; a file system that keeps no modes (FAT)
// gives it those of its mount: 0, or the error.
[[nodiscard]] int openToOthers(int descriptor) {
    const int error = folderLacks().modes ? ENOSYS : ::fchmod(descriptor, 0644) == 0 ? 0 : errno;
    return error == ENOSYS || error == EPERM || error == EOPNOTSUPP ? 0 : error;
}

// Gives the file at the passing name the lock's name, never over a file there: 0, EEXIST when a
// file has the name, EINVAL when the folder can do neither, else the error. The name is linked;
// where the file system has no hard links (FAT), the file is renamed, which keeps an existing file.
// renamed tells whether the passing name went with it.
[[nodiscard]] int giveName(const files::HeldFolder& folder, const std::string& passing,
                           const std::string& name, bool& renamed) {
    const int dir = folder.descriptor();
    const FolderLacks lacks = folderLacks();
    const int linked = lacks.hardLinks                                             ? EPERM
                       : ::linkat(dir, passing.c_str(), dir, name.c_str(), 0) == 0 ? 0
                                                                                   : errno;
    if (linked != EPERM && linked != EOPNOTSUPP) return linked;
    const int moved = lacks.renameWithoutReplace ? EINVAL
                      : ::renameat2(dir, passing.c_str(), dir, name.c_str(), RENAME_NOREPLACE) == 0
                          ? 0
                          : errno;
    renamed = moved == 0;
    return moved == ENOSYS ? EINVAL : moved;
}

// Where the file system has no unnamed files: the lock file is marked under a passing name beside
// the lock's (never an existing file's), given the lock's name as a second one, and the passing
// name removed; without hard links it is renamed to the lock's name instead. A run killed on the
// way may leave a file under the passing name, never a lock. A folder that can do neither fails
// with error 75 naming the lack, and keeps nothing of the run.
[[nodiscard]] std::optional<files::Descriptor> makeNamed(const std::filesystem::path& file,
                                                         const std::filesystem::path& lock,
                                                         const files::HeldFolder& folder,
                                                         const std::string& name) {
    std::string reached = folder.reach(name + ".XXXXXX").string();
    files::Descriptor made(::mkostemp(reached.data(), O_CLOEXEC));
    if (!made) failLock(file, lock, errno);
    const std::string passing = std::filesystem::path(reached).filename().string();
    reachLockStep(LockStep::Made);
    int error = openToOthers(made.get());
    if (error == 0) error = markAndHold(made.get());
    bool renamed = false;
    if (error == 0) error = giveName(folder, passing, name, renamed);
    if (!renamed) ::unlinkat(folder.descriptor(), passing.c_str(), 0);
    if (error == EEXIST) return std::nullopt;
    if (error == EINVAL) failLockWithoutLinks(file, lock);
    if (error != 0) failLock(file, lock, error);
    reachLockStep(LockStep::Linked);
    return made;
}

// The lock file made afresh, marked and held, at its name: it appears there whole, so that a run
// killed at any moment leaves either no lock file or a marked one. Nothing when a file has the
// name. It is made unnamed in the folder, marked, then linked to its name.
[[nodiscard]] std::optional<files::Descriptor> makeLock(const std::filesystem::path& file,
                                                        const std::filesystem::path& lock,
                                                        const files::HeldFolder& folder,
                                                        const std::string& name) {
    if (folderLacks().unnamedFiles) return makeNamed(file, lock, folder, name);
    files::Descriptor made(
        ::openat(folder.descriptor(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0644));
    if (!made) {
        // A file system or kernel without unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR) return makeNamed(file, lock, folder, name);
        failLock(file, lock, errno);
    }
    reachLockStep(LockStep::Made);
    if (const int error = markAndHold(made.get())) failLock(file, lock, error);
    const int linked = linkUnnamed(made.get(), folder, name);
    if (linked == EEXIST) return std::nullopt;
    if (linked != 0) return makeNamed(file, lock, folder, name);
    reachLockStep(LockStep::Linked);
    return made;
}

// The file at the lock's name when it holds the mark; nothing when it went meanwhile. Any other
// file there fails with error 58.
[[nodiscard]] std::optional<files::Descriptor> openExisting(const std::filesystem::path& file,
                                                            const std::filesystem::path& lock,
                                                            const files::HeldFolder& folder,
                                                            const std::string& name) {
    constexpr std::string_view kNotOurs = "is not the lock of a kalvik demo run";
    struct stat named {};
    if (::fstatat(folder.descriptor(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return std::nullopt;
        failLock(file, lock, errno);
    }
    if (!S_ISREG(named.st_mode)) refuseFile(lock, kNotOurs);
    files::Descriptor existing(
        ::openat(folder.descriptor(), name.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!existing) {
        if (errno == ENOENT) return std::nullopt;
        failLock(file, lock, errno);
    }
    if (!recordsBuild(existing.get())) refuseFile(lock, kNotOurs);
    return existing;
}

}  // namespace

DemoLock::DemoLock(const std::filesystem::path& file, const std::function<void()>& whenWaiting)
    : file_(demoFilePath(file)),
      lockFile_(file_.string() + ".lock"),
      folder_(holdFolder(file_, lockFile_)),
      name_(file_.filename().string()),
      lockName_(name_ + ".lock") {
    bool waited = false;
    for (;;) {
        if (std::optional<files::Descriptor> made =
                makeLock(file_, lockFile_, folder_, lockName_)) {
            descriptor_ = std::move(*made);
            return;
        }
        std::optional<files::Descriptor> lock = openExisting(file_, lockFile_, folder_, lockName_);
        if (!lock) continue;
        if (::flock(lock->get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) failLock(file_, lockFile_, errno);
            if (!waited && whenWaiting) whenWaiting();
            waited = true;
            if (const int error = lockWaiting(lock->get())) {
                failLock(file_, lockFile_, error);
            }
        }
        if (holdsItsName(lock->get())) {
            buildLeftOver_ = recordsBuild(lock->get()).value_or(false);
            descriptor_ = std::move(*lock);
            return;
        }
    }
}

DemoLock::~DemoLock() {
    // Removed through the folder held, wherever the folder has gone meanwhile.
    if (holdsItsName(descriptor_.get())) ::unlinkat(folder_.descriptor(), lockName_.c_str(), 0);
}

bool DemoLock::holdsItsName(int descriptor) const noexcept {
    const std::optional<files::FileId> opened = files::idOf(descriptor);
    return opened && opened == folder_.idOf(lockName_);
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
