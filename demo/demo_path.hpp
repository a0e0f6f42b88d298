#pragma once
// The file a kalvik demo run works on, named by a path a user gives.

#include <filesystem>

namespace kalvik::demo {

// Where the path leads: its real path (see files::realPath). Fails with error 75 naming the cause,
// before any file is made, when a run cannot take it: an empty path; links that go round, a path
// or a link into a folder that does not exist, or one that cannot be looked at; a folder; a path
// that is not valid UTF-8, which a connection string must be; a path, or a name, that SQLite or
// the folder would not take with the suffixes of the run's files.
[[nodiscard]] std::filesystem::path demoFilePath(const std::filesystem::path& given);

}  // namespace kalvik::demo
