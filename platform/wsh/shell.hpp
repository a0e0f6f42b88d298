#pragma once
// WScript.Shell as the installer and its scripts use it: environment expansion and Run.

#include <cstdint>
#include <filesystem>
#include <string>

namespace wsh {

class Shell {
  public:
    // "%NAME%" replaced by the variable's value; an unknown name is left as it is. %TEMP% is
    // TEMP, else TMPDIR, else /tmp.
    [[nodiscard]] std::string ExpandEnvironmentStrings(const std::string& text) const;

    // A .vbs path (quoted or not) starts the script host on it, detached (a session of its own,
    // no shell) and without waiting. Any other file has no program here: a line on standard
    // error names it and Run succeeds. Waiting is not built and fails saying so. Without waiting
    // Run returns 0, so that a caller may leave its result unread.
    int32_t Run(const std::string& command, int32_t windowStyle = 1,
                bool waitOnReturn = false) const;
};

// The script host Run starts: vendrel-wsh beside the running program unless one is named.
[[nodiscard]] std::filesystem::path scriptHost();
void setScriptHost(const std::filesystem::path& program);

}  // namespace wsh
