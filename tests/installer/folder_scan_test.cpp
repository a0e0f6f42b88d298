#include "installer/form1/folder_scan.hpp"

#include "tests/support/case_names.hpp"
#include "tests/support/temporary_directory.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;

struct ScanCase {
    const char* what;
    std::vector<std::string> entries;  // a name ending in "/" is a folder
    std::string folder;                // below the temporary folder, as given to the scans
    const char* mask;
    std::string found;  // below the temporary folder; "" for none
    int count;
};

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << c.what;
}

class FolderScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(FolderScan, FindsTheLastMatchByNameAndCounts) {
    const ScanCase& c = GetParam();
    testing_support::TemporaryDirectory temporary;
    const fs::path folder = temporary.path() / "scan";
    fs::create_directory(folder);
    for (const std::string& entry : c.entries) {
        if (entry.ends_with('/')) {
            fs::create_directory(folder / entry.substr(0, entry.size() - 1));
        } else {
            std::ofstream(folder / entry) << "x";
        }
    }
    const std::string dir = temporary.path().string() + "/" + c.folder;
    const std::string expected = c.found.empty() ? "" : temporary.path().string() + "/" + c.found;
    EXPECT_EQ(find_file("", dir, c.mask), expected);
    EXPECT_EQ(count_files(dir, c.mask), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FolderScan,
    ::testing::Values(
        ScanCase{"mdb and mde", {"Dog.mde", "Dog.mdb"}, "scan/", "*.mdb*", "scan/Dog.mdb", 1},
        ScanCase{"stars at both ends", {"Do", "Dog", "xDogx"}, "scan/", "*Dog*", "scan/xDogx", 2},
        ScanCase{"letter case", {"DOG.mdb", "dog.mdb"}, "scan/", "*Dog*mdb*", "", 0},
        ScanCase{"subfolder", {"Virsel.d/"}, "scan/", "*Virs*", "scan/Virsel.d", 1},
        ScanCase{"hidden", {".Virsel.bak", "Virsel.bak"}, "scan/", "*Virs*", "scan/Virsel.bak", 1},
        ScanCase{"missing folder", {"Virsel.bak"}, "missing/", "*Virs*", "", 0},
        ScanCase{"folder without slash", {"Dog.mdb"}, "scan", "*Dog*", "scan/Dog.mdb", 1}),
    kalvik::test::NamedByPrinting{});

}  // namespace
}  // namespace vendrel
