#pragma once
// The SQL files of demo/, built into the program.

#include <string_view>
#include <vector>

namespace kalvik::demo {

struct DemoFile {
    std::string_view path;  // relative to demo/: "journal/journal.sql"
    std::string_view text;
};

// Every SQL file of the subject folders, sorted by path.
const std::vector<DemoFile>& demoFiles();

}  // namespace kalvik::demo
