#include "demo/foreign_file.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/files/identity.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace kalvik::demo {

void refuseFile(const std::filesystem::path& file, std::string_view what) {
    throw oleaut::Error(
        oleaut::kFileAlreadyExists,
        "File already exists: " + oleaut::echoedPath(files::shownPath(file).string()) + " " +
            std::string(what) + " and is left as it is; delete it or name another file");
}

std::filesystem::path firstPresentOf(const std::filesystem::path& database) {
    const files::Presence found = files::firstPresent(database, ado::kSqliteSideFiles);
    if (found.error != 0 && found.error != EEXIST) {
        throw oleaut::Error(
            oleaut::kPathFileAccessError,
            "Path/File access error: " + oleaut::echoedPath(files::shownPath(found.path).string()) +
                ": " + std::strerror(found.error));
    }
    return found.path;
}

}  // namespace kalvik::demo
