#pragma once
// A folder held open, and the files in it reached through the hold: once taken, the folder is the
// one held whatever becomes of its path (renamed, or replaced by a link to another folder), so that
// a step of a long run reaches the files it made, never what its path leads to by then.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/descriptor.hpp"
#include "platform/files/identity.hpp"

namespace files {

class HeldFolder {
  public:
    // The folder at a path, links followed; nothing when it cannot be opened, errno telling why.
    [[nodiscard]] static std::optional<HeldFolder> open(const std::filesystem::path& folder);
    // The folder a file lies in (the file itself need not exist), as open() takes it.
    [[nodiscard]] static std::optional<HeldFolder> ofFile(const std::filesystem::path& file);

    [[nodiscard]] int descriptor() const noexcept { return descriptor_.get(); }
    [[nodiscard]] const FileId& id() const noexcept { return id_; }

    // A path to a name in the held folder that leads there whatever the folder's path has become,
    // for the system's calls and for SQLite; never shown to a user (see shownPath). Where the
    // system has no /proc, the folder's real path when it was taken.
    [[nodiscard]] std::filesystem::path reach(std::string_view name) const;

    // The file at a name in the folder, its last name not followed; nothing when there is none.
    [[nodiscard]] std::optional<FileId> idOf(std::string_view name) const noexcept;
    // As files::absence for a name in the folder: 0 when nothing is there, EEXIST when something
    // is, else the system's error for looking.
    [[nodiscard]] int absence(std::string_view name) const noexcept;
    // The same with how many names (hard links) the file has, from one look.
    struct Named {
        FileId id;
        nlink_t names = 0;
    };
    [[nodiscard]] std::optional<Named> namedAt(std::string_view name) const noexcept;
    // Whether a path still leads to the held folder.
    [[nodiscard]] bool isAt(const std::filesystem::path& folder) const noexcept;

  private:
    HeldFolder(Descriptor descriptor, FileId id, std::filesystem::path taken)
        : descriptor_(std::move(descriptor)), id_(id), taken_(std::move(taken)) {}

    Descriptor descriptor_;
    FileId id_;
    std::filesystem::path taken_;  // the folder's real path when it was taken
};

// Whether a path reaches a name through a held folder, as reach() spells it where the system has
// /proc: the descriptor's link and one name in the folder.
[[nodiscard]] bool reachesThroughHold(const std::filesystem::path& path) noexcept;

// A path as a user is shown it: one that reaches a file through a held folder becomes the folder's
// present path and the name; any other stays as it is.
[[nodiscard]] std::filesystem::path shownPath(const std::filesystem::path& path);

}  // namespace files
