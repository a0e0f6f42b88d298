#include "demo/demo_path.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "demo/build_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/real_path.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::demo {
namespace {

namespace fs = std::filesystem;

// The longest name a folder takes where it does not say.
constexpr long kCommonNameMax = 255;

// A path as the run's refusals show it: a long one cut in its middle, its own name whole.
std::string shown(const fs::path& path) {
    return oleaut::echoedPath(path.string());
}

[[noreturn]] void refusePath(const std::string& why) {
    throw oleaut::Error(oleaut::kPathFileAccessError, "Path/File access error: " + why);
}

// Why the path leads nowhere a file can be.
[[noreturn]] void refuseUnreachable(const fs::path& given) {
    const files::Unreachable why = files::unreachable(given);
    const std::string path = shown(given);
    std::error_code ec;
    const bool linked = fs::is_symlink(given, ec);
    switch (why.error) {
        case ELOOP:
            refusePath(path + ": its symbolic links go round in a loop");
        case ENOENT:
            if (linked) {
                refusePath(path + " is a symbolic link to " + shown(why.target) +
                           ", whose folder " + shown(why.at) + " does not exist");
            }
            refusePath(path + ": the folder " + shown(why.at) + " does not exist");
        case ENOTDIR:
            refusePath(path + ": " + shown(why.at) + " is not a folder");
        default:
            refusePath(path + ": " + shown(why.at) + ": " + std::strerror(why.error));
    }
}

// The longest suffix the run adds to the database's name: its build file's journal.
size_t longestSuffix() {
    size_t longest = 0;
    for (const char* side : ado::kSqliteSideFiles)
        longest = std::max(longest, std::char_traits<char>::length(side));
    return kBuildSuffix.size() + longest;
}

}  // namespace

fs::path demoFilePath(const fs::path& given) {
    if (given.empty()) refusePath("no database file named: the path is empty");
    const std::optional<fs::path> real = files::realPath(given);
    if (!real) refuseUnreachable(given);
    const std::string& text = real->native();
    struct stat found {};
    if (::stat(text.c_str(), &found) == 0 && S_ISDIR(found.st_mode)) {
        refusePath(shown(given) + " is a folder, not a database file");
    }
    const fs::path folder = real->parent_path();
    if (::stat(folder.c_str(), &found) == 0 && !S_ISDIR(found.st_mode)) {
        refusePath(shown(given) + ": " + shown(folder) + " is not a folder");
    }
    if (!oleaut::isValidUtf8(text)) {
        refusePath("the path " + shown(given) +
                   " is not valid UTF-8, which a connection string must be");
    }
    // SQLite opens the build file, the longest path of the run it opens by itself.
    const size_t longestPath = ado::longestSqlitePath();
    if (text.size() + kBuildSuffix.size() > longestPath) {
        refusePath("the path " + shown(text) + " is too long for SQLite: with the run's \"" +
                   std::string(kBuildSuffix) + "\" it is " +
                   std::to_string(text.size() + kBuildSuffix.size()) +
                   " bytes long, and SQLite takes " + std::to_string(longestPath) + " at most");
    }
    const std::string name = real->filename().string();
    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0) nameMax = kCommonNameMax;
    if (name.size() + longestSuffix() > static_cast<size_t>(nameMax)) {
        refusePath("the name " + name +
                   " is too long for its folder: with the suffixes of the run's files it is " +
                   std::to_string(name.size() + longestSuffix()) +
                   " bytes long, and the folder takes " + std::to_string(nameMax) + " at most");
    }
    return *real;
}

}  // namespace kalvik::demo
