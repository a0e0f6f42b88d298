#include "installer/form1/folder_scan.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/text.hpp"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;

// The names of the folder's regular files and folders that are not hidden, sorted by name.
std::vector<std::string> listedNames(const std::string& dir_name) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(fs::path(dir_name), error);
    if (error) return names;
    for (const fs::directory_entry& entry : entries) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(".")) continue;
        std::error_code kindError;
        if (!entry.is_regular_file(kindError) && !entry.is_directory(kindError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::string withTrailingSlash(std::string dir_name) {
    if (!dir_name.empty() && !dir_name.ends_with('/')) dir_name += '/';
    return dir_name;
}

std::string find_file(const std::string& filename, const std::string& dir_name,
                      const std::string& str_like) {
    const std::string folder = withTrailingSlash(dir_name);
    std::string result;
    for (const std::string& name : listedNames(folder)) {
        if (oleaut::Like(name, str_like) || name == filename) result = folder + name;
    }
    return result;
}

std::int16_t count_files(const std::string& dir_name, const std::string& str_like) {
    const std::vector<std::string> names = listedNames(withTrailingSlash(dir_name));
    const auto count = std::count_if(names.begin(), names.end(), [&](const std::string& name) {
        return oleaut::Like(name, str_like);
    });
    if (count > std::numeric_limits<std::int16_t>::max()) throw oleaut::overflowError();
    return static_cast<std::int16_t>(count);
}

}  // namespace vendrel
