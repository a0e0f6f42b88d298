#pragma once
// Database names as the server compares them: letter case (Latin and Cyrillic) and trailing
// blanks do not count, leading blanks do.

#include <string>
#include <string_view>

namespace sqlserver {

// The name as the server keeps it: its trailing blanks dropped. A name of blanks only is empty.
[[nodiscard]] std::string_view keptName(std::string_view name);

// What two names that the server takes for one have in common: the kept name in lower case.
[[nodiscard]] std::string nameKey(std::string_view name);

}  // namespace sqlserver
