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

bool leavesItsFolder(const std::string& name) {
    return name.find('/') != std::string::npos || name.find("..") != std::string::npos;
}

}  // namespace vendrel
