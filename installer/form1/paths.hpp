#pragma once
// Path texts as the installer cuts them.

#include <string>

namespace vendrel {

// The text up to and including its last "/"; "" when it has none.
[[nodiscard]] std::string upToLastSlash(const std::string& path);

// The file name of a path: what follows its last "/"; the whole path when it has none.
[[nodiscard]] std::string fileNameOf(const std::string& path);

// The database name a backup's path gives: for a path holding ".bak", its file name without the
// part from its last point; otherwise (or when that point lies in the folder part) its whole
// file name.
[[nodiscard]] std::string databaseNameOf(const std::string& path);

// The folder, below the program's, that receives the restored data and log files.
inline constexpr const char* kDataFolder = "/BD/";

// Whether a database name, made into the data and log files' names, could lead out of their
// folder: it holds a "/" or "..".
[[nodiscard]] bool leavesItsFolder(const std::string& name);

}  // namespace vendrel
