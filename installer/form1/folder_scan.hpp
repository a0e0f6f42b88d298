#pragma once
// Scans of a folder by name mask: its regular files and folders (links followed), hidden entries
// (a name beginning with ".") left out, names matched with Like over the whole name, case counting.
// A folder that does not exist lists nothing. The listing is taken in name order (bytes), so that
// "the last entry listed" is the last by name.

#include <cstdint>
#include <string>

namespace vendrel {

// dir_name with a "/" at its end, so that a name appended stays inside it; "" stays "".
[[nodiscard]] std::string withTrailingSlash(std::string dir_name);

// dir_name (given its "/") & the name of the last entry that matches str_like or equals filename;
// "" when none does.
[[nodiscard]] std::string find_file(const std::string& filename, const std::string& dir_name,
                                    const std::string& str_like);

// How many entries match str_like; overflow past a 16-bit count.
[[nodiscard]] std::int16_t count_files(const std::string& dir_name, const std::string& str_like);

}  // namespace vendrel
