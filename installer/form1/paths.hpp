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

// Where the restore puts a database's file of that extension (".mdf", ".ldf"): in the data
// folder under the database's name.
[[nodiscard]] std::string restoredFilePath(const std::string& appFolder, const std::string& name,
                                           const std::string& extension);

// Whether both files of a database of that name lie directly in the data folder: a name holding
// a "/" would put them into a subfolder or, through "..", out of the folder.
[[nodiscard]] bool filesStayInDataFolder(const std::string& appFolder, const std::string& name);

}  // namespace vendrel
