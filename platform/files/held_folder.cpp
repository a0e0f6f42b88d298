#include "platform/files/held_folder.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>

#include "platform/files/real_path.hpp"

namespace files {
namespace {

// How a held folder's descriptor is spelt as a path: the system's link to what the descriptor has
// open, which follows the folder wherever it goes.
constexpr std::string_view kDescriptorFolder = "/proc/self/fd/";

bool systemReachesDescriptors() {
    static const bool reaches = ::access("/proc/self/fd", X_OK) == 0;
    return reaches;
}

// The end of the descriptor's number in a path spelt as reach() spells it, "/proc/self/fd/N...";
// null when the path is not spelt so.
const char* endOfDescriptor(std::string_view text) noexcept {
    if (!text.starts_with(kDescriptorFolder)) return nullptr;
    const char* digits = text.data() + kDescriptorFolder.size();
    const char* end = text.data() + text.size();
    int descriptor = -1;
    const auto [rest, error] = std::from_chars(digits, end, descriptor);
    if (error != std::errc() || rest == digits || (rest != end && *rest != '/')) return nullptr;
    return rest;
}

}  // namespace

std::optional<HeldFolder> HeldFolder::open(const std::filesystem::path& folder) {
    const std::filesystem::path named = folder.empty() ? std::filesystem::path(".") : folder;
    Descriptor held(::open(named.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A folder that may be entered but not listed is held all the same.
    if (!held && errno == EACCES)
        held.reset(::open(named.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!held) return std::nullopt;
    const std::optional<FileId> id = files::idOf(held.get());
    if (!id) return std::nullopt;
    std::filesystem::path taken = realPath(named).value_or(std::filesystem::absolute(named));
    return HeldFolder(std::move(held), *id, std::move(taken));
}

std::optional<HeldFolder> HeldFolder::ofFile(const std::filesystem::path& file) {
    return open(file.has_parent_path() ? file.parent_path() : std::filesystem::path("."));
}

std::filesystem::path HeldFolder::reach(std::string_view name) const {
    if (!systemReachesDescriptors()) return taken_ / name;
    return std::filesystem::path(std::string(kDescriptorFolder) +
                                 std::to_string(descriptor_.get())) /
           name;
}

std::optional<FileId> HeldFolder::idOf(std::string_view name) const noexcept {
    const std::optional<Named> found = namedAt(name);
    if (!found) return std::nullopt;
    return found->id;
}

std::optional<HeldFolder::Named> HeldFolder::namedAt(std::string_view name) const noexcept {
    const std::string named(name);
    struct stat found {};
    if (::fstatat(descriptor_.get(), named.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return Named{{found.st_dev, found.st_ino}, found.st_nlink};
}

int HeldFolder::absence(std::string_view name) const noexcept {
    const std::string named(name);
    struct stat found {};
    if (::fstatat(descriptor_.get(), named.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return errno == ENOENT ? 0 : errno;
}

bool HeldFolder::isAt(const std::filesystem::path& folder) const noexcept {
    return idAt(folder.empty() ? std::filesystem::path(".") : folder) == id_;
}

bool reachesThroughHold(const std::filesystem::path& path) noexcept {
    const std::string_view text = path.native();
    const char* rest = endOfDescriptor(text);
    if (!rest || *rest != '/') return false;
    const std::string_view name(rest + 1,
                                static_cast<size_t>(text.data() + text.size() - rest - 1));
    return !name.empty() && name != "." && name != ".." && name.find('/') == name.npos;
}

std::filesystem::path shownPath(const std::filesystem::path& path) {
    const std::string& text = path.native();
    const char* rest = endOfDescriptor(text);
    if (!rest) return path;
    const char* end = text.data() + text.size();
    std::array<char, 4096> target{};
    const std::string link(text.data(), rest);
    const ssize_t size = ::readlink(link.c_str(), target.data(), target.size() - 1);
    if (size <= 0) return path;
    return std::string(target.data(), static_cast<size_t>(size)) + std::string(rest, end);
}

}  // namespace files
