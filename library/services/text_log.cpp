#include "library/services/text_log.hpp"

#include <fcntl.h>
#include <sys/stat.h>
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

[[noreturn]] void cannotAppendBecause(const std::filesystem::path& file, const std::string& why) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "Path/File access error: cannot append to \"" +
                            oleaut::echoedPath(file.string()) + "\": " + why);
}

[[noreturn]] void cannotAppend(const std::filesystem::path& file, int error) {
    cannotAppendBecause(file, std::strerror(error));
}

// What a file that is not a regular one is, for the message refusing it.
const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    return "no regular file";
}

[[noreturn]] void notAFile(const std::filesystem::path& file, mode_t mode) {
    cannotAppendBecause(file, std::string("it is ") + kindOf(mode) + ", not a regular file");
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
    // The log is only ever a regular file (a symbolic link to one included): anything else is
    // refused before it is opened, and, should it be put there meanwhile, once it is open, which
    // never waits (a FIFO without a reader).
    struct stat found {};
    if (::stat(file.c_str(), &found) == 0 && !S_ISREG(found.st_mode)) notAFile(file, found.st_mode);
    // One write of the whole record on a file opened for appending: writers beside each other
    // never mix their lines.
    const files::Descriptor log(
        ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644));
    if (log.get() < 0) cannotAppend(file, errno);
    if (::fstat(log.get(), &found) != 0) cannotAppend(file, errno);
    if (!S_ISREG(found.st_mode)) notAFile(file, found.st_mode);
    const std::string record = line + "\r\n";
    const ssize_t written = ::write(log.get(), record.data(), record.size());
    if (written < 0) cannotAppend(file, errno);
    if (static_cast<size_t>(written) != record.size()) cannotAppend(file, ENOSPC);
}

}  // namespace kalvik
