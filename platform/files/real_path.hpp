#pragma once
// The one spelling of where a path leads: "BD/./x", "BD/../BD/x", a symbolic link to "BD/x" and a
// link to the folder BD all come to the same absolute path without links, "." or "..".

#include <filesystem>
#include <optional>

namespace files {

// The real path of an existing file; of a name not yet made, its folder's real path and the name.
// A symbolic link, dangling or not, leads to its target. Nothing when the folder cannot be looked
// at or the links go round.
[[nodiscard]] std::optional<std::filesystem::path> realPath(const std::filesystem::path& path);

// Why a path has no real path: the system's error and where it arose: the folder that cannot be
// looked at (ENOENT: it does not exist), or the last link followed when links go round (ELOOP).
// The target says where the path's last name leads when it is a symbolic link (else it is the
// path). An error of 0 when the path has a real path.
struct Unreachable {
    int error = 0;
    std::filesystem::path at;
    std::filesystem::path target;
};
[[nodiscard]] Unreachable unreachable(const std::filesystem::path& path);

}  // namespace files
