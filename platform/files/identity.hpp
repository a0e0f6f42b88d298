#pragma once
// What a file is, whatever its path is spelt like: its device and inode. "BD/./x", "BD/x", a
// symbolic link to it and a second hard link all name one file.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace files {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};

// Whether a path's last name is followed when it is a symbolic link.
enum class Links { Follow, NoFollow };

// The file an open descriptor is; nothing when it cannot be read.
[[nodiscard]] std::optional<FileId> idOf(int descriptor) noexcept;
// The file at a path; nothing when there is none or it cannot be looked at.
[[nodiscard]] std::optional<FileId> idAt(const std::filesystem::path& path,
                                         Links links = Links::Follow) noexcept;

// Whether an open file is still the one at its path: a file removed or replaced since it was
// opened is not.
[[nodiscard]] bool isAt(int descriptor, const std::filesystem::path& path) noexcept;
// Whether two paths name one existing file, the last names not followed: a hard link is the file
// it links, a symbolic link is a file of its own.
[[nodiscard]] bool sameFile(const std::filesystem::path& first,
                            const std::filesystem::path& second) noexcept;

// Where a path leads, whatever its spelling: an existing file by its identity, a name not yet
// made by its folder's identity and the name. Two paths lead to one place when their places are
// equal. Nothing when the folder cannot be looked at.
struct Place {
    FileId id;         // the file's, or its folder's when the file is not there
    std::string name;  // empty for an existing file
    friend bool operator==(const Place&, const Place&) = default;
};
[[nodiscard]] std::optional<Place> placeOf(const std::filesystem::path& path) noexcept;
// Whether two paths lead to one place; false when either cannot be looked at.
[[nodiscard]] bool samePlace(const std::filesystem::path& first,
                             const std::filesystem::path& second) noexcept;

// How many names (hard links) the file at a path has; nothing when there is none.
[[nodiscard]] std::optional<nlink_t> linkCount(const std::filesystem::path& path) noexcept;

// 0 when nothing is at a path (not even a dangling symbolic link), EEXIST when something is,
// else the system's error for looking.
[[nodiscard]] int absence(const std::filesystem::path& path) noexcept;

// The first of a path and the paths with each suffix appended ("-wal", "-journal" ...) that is not
// absent, with absence()'s answer for it; an empty path and 0 when all are absent.
struct Presence {
    std::filesystem::path path;
    int error = 0;
    bool sideFile = false;  // one of the paths with a suffix, not the path itself
};
[[nodiscard]] Presence firstPresent(const std::filesystem::path& path,
                                    std::span<const char* const> suffixes);

}  // namespace files
