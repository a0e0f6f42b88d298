#include "installer/form1/paths.hpp"

namespace vendrel {
namespace {

// Where the file name of a path starts: after its last "/".
std::size_t fileNameStart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string upToLastSlash(const std::string& path) {
    return path.substr(0, fileNameStart(path));
}

std::string fileNameOf(const std::string& path) {
    return path.substr(fileNameStart(path));
}

std::string databaseNameOf(const std::string& path) {
    const std::size_t start = fileNameStart(path);
    const std::size_t point = path.rfind('.');
    // A point before the file name would cut a negative length: the whole name is taken.
    if (path.find(".bak") != std::string::npos && point != std::string::npos && point >= start) {
        return path.substr(start, point - start);
    }
    return path.substr(start);
}

std::string restoredFilePath(const std::string& appFolder, const std::string& name,
                             const std::string& extension) {
    return appFolder + kDataFolder + name + extension;
}

bool filesStayInDataFolder(const std::string& appFolder, const std::string& name) {
    const std::string folder = appFolder + kDataFolder;
    // A path lies directly in the folder when what follows the folder is one file name, neither
    // "." nor "..", which are the folder itself and the one above it.
    const auto directlyIn = [&folder](const std::string& path) {
        const std::string file = fileNameOf(path);
        return upToLastSlash(path) == folder && file != "." && file != "..";
    };
    return directlyIn(restoredFilePath(appFolder, name, ".mdf")) &&
           directlyIn(restoredFilePath(appFolder, name, ".ldf"));
}

}  // namespace vendrel
