#include "platform/wsh/file_system.hpp"

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace wsh {
namespace {

constexpr const char* kSource = "Scripting.FileSystemObject";

[[noreturn]] void fail(int32_t number, const std::string& what, const std::string& path) {
    throw oleaut::Error(number, what + ": \"" + oleaut::echoedPath(path) + "\"", kSource);
}

void requireFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        fail(oleaut::kFileNotFound, "File not found", path);
}

}  // namespace

void File::Delete() const {
    FileSystemObject().DeleteFile(path_);
}

void FileSystemObject::CopyFile(const std::string& source, const std::string& destination,
                                bool overwrite) const {
    requireFile(source);
    std::error_code ec;
    if (!overwrite && std::filesystem::exists(destination, ec)) {
        fail(oleaut::kFileAlreadyExists, "File already exists", destination);
    }
    const auto options = overwrite ? std::filesystem::copy_options::overwrite_existing
                                   : std::filesystem::copy_options::none;
    if (!std::filesystem::copy_file(source, destination, options, ec) || ec) {
        fail(oleaut::kPermissionDenied, "Permission denied (" + ec.message() + ")", destination);
    }
}

std::string FileSystemObject::GetTempName() const {
    static std::mt19937 random{std::random_device{}()};
    char name[16];
    std::snprintf(name, sizeof name, "rad%05X.tmp", static_cast<unsigned>(random() % 0x100000u));
    return name;
}

void FileSystemObject::DeleteFile(const std::string& path) const {
    requireFile(path);
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec) {
        fail(oleaut::kPermissionDenied, "Permission denied (" + ec.message() + ")", path);
    }
}

bool FileSystemObject::FileExists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

File FileSystemObject::GetFile(const std::string& path) const {
    requireFile(path);
    return File(path);
}

}  // namespace wsh
