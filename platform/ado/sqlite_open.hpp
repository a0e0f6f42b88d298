#pragma once
// The one door through which every SQLite file of the system is opened, under the system's own
// VFS (see sqlite_vfs.hpp).

#include <filesystem>
#include <string>

struct sqlite3;

namespace ado::sqlite {

// Opens the file at path with SQLite's open flags (SQLITE_OPEN_READWRITE ...): the handle, or
// null when it cannot be opened, why saying what kept it (the handle closed).
[[nodiscard]] sqlite3* openFile(const std::filesystem::path& path, int flags, std::string& why);

// What made a call on a handle fail with the result code: what the VFS refused on the way when it
// refused something, else SQLite's message.
[[nodiscard]] std::string whyFailed(sqlite3* db, int code);

}  // namespace ado::sqlite
