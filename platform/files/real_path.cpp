#include "platform/files/real_path.hpp"

#include <system_error>

namespace files {
namespace {

// As many links as the system follows in one path before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

}  // namespace

std::optional<std::filesystem::path> realPath(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path named = fs::absolute(path, ec);
    if (ec) return std::nullopt;
    // The last name followed by hand, since a dangling link has no real path of its own.
    for (int hops = 0; fs::is_symlink(named, ec); ++hops) {
        if (hops == kMaxLinks) return std::nullopt;
        const fs::path to = fs::read_symlink(named, ec);
        if (ec) return std::nullopt;
        named = to.is_absolute() ? to : named.parent_path() / to;
    }
    const fs::path name = named.filename();
    if (name.empty() || name == "." || name == "..") {
        fs::path whole = fs::canonical(named, ec);
        if (ec) return std::nullopt;
        return whole;
    }
    const fs::path folder = fs::canonical(named.parent_path(), ec);
    if (ec) return std::nullopt;
    return folder / name;
}

}  // namespace files
