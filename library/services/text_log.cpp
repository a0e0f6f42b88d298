#include "library/services/text_log.hpp"

#include <cstdlib>
#include <fstream>

#include "platform/oleaut/error.hpp"

namespace kalvik {
namespace {

constexpr int32_t kPathFileAccessError = 75;
constexpr const char* kFileName = "LogFile_Vs.Log";

std::filesystem::path fromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path textLogFile() {
    std::filesystem::path folder = fromEnvironment("KALVIK_LOG_DIR");
    if (folder.empty()) {
        std::filesystem::path state = fromEnvironment("XDG_STATE_HOME");
        if (state.empty()) state = fromEnvironment("HOME") / ".local" / "state";
        folder = state / "kalvik";
    }
    return folder / kFileName;
}

void appendTextLogLine(const std::string& line) {
    const std::filesystem::path file = textLogFile();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (out) out << line << "\r\n";
    if (!out) {
        throw oleaut::Error(kPathFileAccessError,
                            "Path/File access error: cannot append to \"" + file.string() + "\"");
    }
}

}  // namespace kalvik
