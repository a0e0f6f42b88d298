#include "platform/files/identity.hpp"

#include <sys/stat.h>

#include <cerrno>

namespace files {
namespace {

FileId idFrom(const struct stat& found) {
    return {found.st_dev, found.st_ino};
}

}  // namespace

std::optional<FileId> idOf(int descriptor) noexcept {
    struct stat found {};
    if (::fstat(descriptor, &found) != 0) return std::nullopt;
    return idFrom(found);
}

std::optional<FileId> idAt(const std::filesystem::path& path, Links links) noexcept {
    struct stat found {};
    const int rc =
        links == Links::Follow ? ::stat(path.c_str(), &found) : ::lstat(path.c_str(), &found);
    if (rc != 0) return std::nullopt;
    return idFrom(found);
}

bool isAt(int descriptor, const std::filesystem::path& path) noexcept {
    const std::optional<FileId> opened = idOf(descriptor);
    return opened && opened == idAt(path);
}

bool sameFile(const std::filesystem::path& first, const std::filesystem::path& second) noexcept {
    const std::optional<FileId> a = idAt(first, Links::NoFollow);
    return a && a == idAt(second, Links::NoFollow);
}

std::optional<Place> placeOf(const std::filesystem::path& path) noexcept {
    if (const std::optional<FileId> id = idAt(path)) return Place{*id, {}};
    if (errno != ENOENT) return std::nullopt;
    // A dangling symbolic link leads where it points, which has no file yet.
    std::error_code ec;
    std::filesystem::path named = path;
    for (int hops = 0; std::filesystem::is_symlink(named, ec) && hops < 40; ++hops) {
        const std::filesystem::path to = std::filesystem::read_symlink(named, ec);
        if (ec) return std::nullopt;
        named = to.is_absolute() ? to : named.parent_path() / to;
    }
    const std::filesystem::path folder = named.has_parent_path() ? named.parent_path() : ".";
    const std::optional<FileId> folderId = idAt(folder);
    if (!folderId || !named.has_filename()) return std::nullopt;
    return Place{*folderId, named.filename().string()};
}

bool samePlace(const std::filesystem::path& first, const std::filesystem::path& second) noexcept {
    const std::optional<Place> a = placeOf(first);
    return a && a == placeOf(second);
}

std::optional<nlink_t> linkCount(const std::filesystem::path& path) noexcept {
    struct stat found {};
    if (::stat(path.c_str(), &found) != 0) return std::nullopt;
    return found.st_nlink;
}

int absence(const std::filesystem::path& path) noexcept {
    struct stat found {};
    if (::lstat(path.c_str(), &found) == 0) return EEXIST;
    return errno == ENOENT ? 0 : errno;
}

Presence firstPresent(const std::filesystem::path& path, std::span<const char* const> suffixes) {
    if (const int found = absence(path)) return {path, found};
    for (const char* suffix : suffixes) {
        std::filesystem::path side = path;
        side += suffix;
        if (const int found = absence(side)) return {side, found, true};
    }
    return {};
}

}  // namespace files
