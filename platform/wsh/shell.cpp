#include "platform/wsh/shell.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/letter_case.hpp"

namespace wsh {
namespace {

constexpr const char* kSource = "WScript.Shell";
constexpr const char* kHostName = "vendrel-wsh";
constexpr int32_t kCannotStart = -2147024894;  // 0x80070002: the file cannot be found or started

std::optional<std::filesystem::path>& namedHost() {
    static std::optional<std::filesystem::path> host;
    return host;
}

std::string environment(const std::string& name) {
    if (oleaut::sameTextIgnoringCase(name, "TEMP")) {
        for (const char* variable : {"TEMP", "TMPDIR"}) {
            if (const char* value = std::getenv(variable); value && *value) return value;
        }
        return "/tmp";
    }
    const char* value = std::getenv(name.c_str());
    return value ? value : "%" + name + "%";
}

// The command without the quotes around it.
std::string unquoted(const std::string& command) {
    if (command.size() >= 2 && command.front() == '"' && command.back() == '"') {
        return command.substr(1, command.size() - 2);
    }
    return command;
}

bool isScript(const std::filesystem::path& path) {
    return oleaut::sameTextIgnoringCase(path.extension().string(), ".vbs");
}

[[noreturn]] void cannotStart(const std::string& what, int error) {
    throw oleaut::Error(kCannotStart, what + ": " + std::strerror(error), kSource);
}

// Starts program on argument in a session of its own and returns without waiting: the child
// forks the program and ends at once, so no zombie is left; a pipe closed on exec tells whether
// the program started.
void startDetached(const std::filesystem::path& program, const std::string& argument) {
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) cannotStart("cannot start " + program.string(), errno);
    const pid_t child = ::fork();
    if (child < 0) cannotStart("cannot start " + program.string(), errno);
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            char* const argv[] = {const_cast<char*>(program.c_str()),
                                  const_cast<char*>(argument.c_str()), nullptr};
            ::execv(program.c_str(), argv);
            const int error = errno;
            [[maybe_unused]] auto written = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 127 : 0);
    }
    ::close(report[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    int error = 0;
    const ssize_t got = ::read(report[0], &error, sizeof error);
    ::close(report[0]);
    if (got == sizeof error) cannotStart("cannot start " + program.string(), error);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        cannotStart("cannot start " + program.string(), EAGAIN);
    }
}

}  // namespace

std::filesystem::path scriptHost() {
    if (namedHost()) return *namedHost();
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return self.parent_path() / kHostName;
}

void setScriptHost(const std::filesystem::path& program) {
    namedHost() = program;
}

std::string Shell::ExpandEnvironmentStrings(const std::string& text) const {
    std::string result;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find('%', pos);
        const size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) break;
        result += text.substr(pos, open - pos);
        result += environment(text.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
    return result + text.substr(std::min(pos, text.size()));
}

int32_t Shell::Run(const std::string& command, int32_t, bool waitOnReturn) const {
    if (waitOnReturn) {
        throw oleaut::Error(oleaut::kNotImplemented, "not implemented: Run waiting for the program",
                            kSource);
    }
    const std::filesystem::path file = unquoted(command);
    if (!isScript(file)) {
        std::cerr << "No program is associated with \"" << file.string() << "\" here\n";
        return 0;
    }
    startDetached(scriptHost(), file.string());
    return 0;
}

}  // namespace wsh
