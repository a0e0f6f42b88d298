#include "library/services/text_log.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/files/descriptor.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace kalvik {
namespace {

constexpr const char* kFileName = "LogFile_Vs.Log";

std::filesystem::path fromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

[[noreturn]] void cannotAppend(const std::filesystem::path& file, int error) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: cannot append to \"" +
                            oleaut::echoedPath(file.string()) + "\": " + std::strerror(error));
}

}  // namespace

std::filesystem::path textLogFile() {
    std::filesystem::path folder = fromEnvironment("KALVIK_LOG_DIR");
    if (folder.empty()) {
        std::filesystem::path state = fromEnvironment("XDG_STATE_HOME");
        if (state.empty()) {
            const std::filesystem::path home = fromEnvironment("HOME");
            if (home.empty()) {
                throw oleaut::Error(oleaut::kPathFileAccessError,
                                    "Path/File access error: no folder for the text log: set "
                                    "KALVIK_LOG_DIR, XDG_STATE_HOME or HOME");
            }
            state = home / ".local" / "state";
        }
        folder = state / "kalvik";
    }
    return folder / kFileName;
}

void appendTextLogLine(const std::string& line) {
    const std::filesystem::path file = textLogFile();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    // One write of the whole record on a file opened for appending: writers beside each other
    // never mix their lines.
    const files::Descriptor log(
        ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (log.get() < 0) cannotAppend(file, errno);
    const std::string record = line + "\r\n";
    const ssize_t written = ::write(log.get(), record.data(), record.size());
    if (written < 0) cannotAppend(file, errno);
    if (static_cast<size_t>(written) != record.size()) cannotAppend(file, ENOSPC);
}

}  // namespace kalvik
