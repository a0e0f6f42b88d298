#pragma once
// The script host: runs the statement forms of the compiled front-end build script, line by
// line, and stops at the first line it does not know or that fails.

#include <filesystem>
#include <iosfwd>

namespace wsh {

// Runs a script file; 0 when every line ran, 1 after reporting the failing line's number and
// error on err (nothing after that line runs).
[[nodiscard]] int runScript(const std::filesystem::path& script, std::ostream& err);

}  // namespace wsh
