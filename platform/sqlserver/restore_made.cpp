#include "platform/sqlserver/restore_made.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

[[nodiscard]] int absence(const Reached& file) noexcept {
    return file.folder ? file.folder->absence(file.name) : 0;
}

[[nodiscard]] std::optional<files::FileId> idOf(const Reached& file) noexcept {
    if (!file.folder) return std::nullopt;
    return file.folder->idOf(file.name);
}

// Whether two names lead to one existing file, the last names not followed.
[[nodiscard]] bool sameFile(const Reached& first, const Reached& second) noexcept {
    const std::optional<files::FileId> a = idOf(first);
    return a && a == idOf(second);
}

[[nodiscard]] bool isEmptyFile(const Reached& file) noexcept {
    struct stat found {};
    return file.folder &&
           ::fstatat(file.folder->descriptor(), file.name.c_str(), &found, AT_SYMLINK_NOFOLLOW) ==
               0 &&
           S_ISREG(found.st_mode) && found.st_size == 0;
}

// Removes a target that is still a second name of its copy, unless its database is recorded;
// whether the target is no longer the restore's.
[[nodiscard]] bool unplace(const Reached& target, const Reached& copy, bool recorded) {
    if (recorded || copy.name.empty() || !sameFile(copy, target)) return true;
    remove(target);
    return !sameFile(copy, target);
}

}  // namespace

Met firstPresent(const Reached& file, std::span<const char* const> sideFiles) {
    if (const int found = absence(file)) return {"", found};
    for (const char* suffix : sideFiles) {
        if (const int found = absence({file.folder, file.name + suffix})) return {suffix, found};
    }
    return {};
}

files::Descriptor createEmpty(const Reached& file) {
    if (!file.folder) {
        errno = ENOENT;
        return files::Descriptor();
    }
    return files::Descriptor(::openat(file.folder->descriptor(), file.name.c_str(),
                                      O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
}

void remove(const Reached& file) noexcept {
    if (file.folder && !file.name.empty())
        ::unlinkat(file.folder->descriptor(), file.name.c_str(), 0);
}

void removeDatabase(const Reached& file) noexcept {
    remove(file);
    for (const char* suffix : ado::kSqliteSideFiles)
        remove({file.folder, file.name + suffix});
}

void place(const Reached& copy, const Reached& target, const std::string& shown,
           std::span<const char* const> sideFiles) {
    const Met present = firstPresent(target, sideFiles);
    if (present.error != 0) {
        throw cannotCreateFileError(shown + present.suffix, present.error,
                                    present.suffix.empty() ? std::string() : shown);
    }
    int error = linkFault();
    if (error == 0 && (!copy.folder || !target.folder)) error = ENOENT;
    if (error == 0 && ::linkat(copy.folder->descriptor(), copy.name.c_str(),
                               target.folder->descriptor(), target.name.c_str(), 0) != 0) {
        error = errno;
    }
    if (error == 0) return;
    // The system's word for a file system that makes no hard links.
    if (error == EPERM || error == EOPNOTSUPP) throw noHardLinksError(shown, error);
    throw cannotCreateFileError(shown, error);
}

bool removeMade(const Made& made, bool recorded) {
    if (!recorded && made.logCopy.name.empty() && !made.copy.name.empty() &&
        sameFile(made.copy, made.data) && isEmptyFile(made.log)) {
        remove(made.log);
    }
    if (!unplace(made.data, made.copy, recorded) || !unplace(made.log, made.logCopy, recorded)) {
        return false;
    }
    removeDatabase(made.copy);
    remove(made.logCopy);
    return firstPresent(made.copy, ado::kSqliteSideFiles).error == 0 &&
           (made.logCopy.name.empty() || absence(made.logCopy) == 0);
}

}  // namespace sqlserver
