#pragma once
// A file at a name a kalvik demo run would use, that the run did not make and so never takes.

#include <filesystem>
#include <string_view>

namespace kalvik::demo {

// Fails with error 58 "File already exists: FILE WHAT and is left as it is; delete it or name
// another file", WHAT saying what the file is not ("is not the lock of a kalvik demo run").
[[noreturn]] void refuseFile(const std::filesystem::path& file, std::string_view what);

// The first of a database file and its SQLite side files that is there, a dangling symbolic link
// included; an empty path when none is. Fails with error 75 when one cannot be looked at.
[[nodiscard]] std::filesystem::path firstPresentOf(const std::filesystem::path& database);

}  // namespace kalvik::demo
