#pragma once
// After relinking: compacting a workstation file in place under the Russian sort order, and
// having Access build the compiled .mde of an .mdb through a script started without waiting.

#include "platform/oleaut/variant.hpp"

#include <string>

namespace vendrel {

// The backup copy's name: the path without its last four characters, "_Backup", then those four.
[[nodiscard]] std::string backupCopyName(const std::string& path);

// Compacts the file in place (after copying it to its backup copy when asked): Empty on success,
// else the error's number with the file as it was.
[[nodiscard]] oleaut::Variant compare_mdb(const std::string& CompactingDBPathAndName,
                                          bool BackupBeforeCompactDB);

// The .mde of an .mdb: ".mdb" becomes ".mde" in the file name, the folder stays.
[[nodiscard]] std::string compiledPathOf(const std::string& mdb);

// The build script's text for an .mdb, its .mde and the script's own path: eleven lines, each
// ended by CR LF.
[[nodiscard]] std::string buildScript(const std::string& mdb, const std::string& mde,
                                      const std::string& script);

// Writes the build script into a folder of its own under the temporary folder and starts it
// without waiting. Returns the script's path; a script that cannot be written or started shows a
// box naming the file and the error, and gives "": a caller may leave the result unread.
std::string CreateMDE(const std::string& mdb_path_name);

}  // namespace vendrel
