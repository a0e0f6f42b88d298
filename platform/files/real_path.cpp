#include "platform/files/real_path.hpp"

#include <cerrno>
#include <system_error>

namespace files {
namespace {

namespace fs = std::filesystem;

// As many links as the system follows in one path before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

// The real path, or why there is none.
std::optional<fs::path> resolve(const fs::path& path, Unreachable& why) {
    std::error_code ec;
    fs::path named = fs::absolute(path, ec);
    if (ec) {
        why = {ec.value(), path, path};
        return std::nullopt;
    }
    // The last name followed by hand, since a dangling link has no real path of its own.
    for (int hops = 0; fs::is_symlink(named, ec); ++hops) {
        if (hops == kMaxLinks) {
            why = {ELOOP, named, named};
            return std::nullopt;
        }
        const fs::path to = fs::read_symlink(named, ec);
        if (ec) {
            why = {ec.value(), named, named};
            return std::nullopt;
        }
        named = to.is_absolute() ? to : named.parent_path() / to;
    }
    const fs::path name = named.filename();
    const bool whole = name.empty() || name == "." || name == "..";
    const fs::path folder = whole ? named : named.parent_path();
    const fs::path real = fs::canonical(folder, ec);
    if (ec) {
        why = {ec.value(), folder, named};
        return std::nullopt;
    }
    return whole ? real : real / name;
}

}  // namespace

std::optional<fs::path> realPath(const fs::path& path) {
    Unreachable why;
    return resolve(path, why);
}

Unreachable unreachable(const fs::path& path) {
    Unreachable why;
    resolve(path, why);
    return why;
}

}  // namespace files
