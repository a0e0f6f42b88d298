#include "platform/files/identity.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;

// A folder d/ with the file d/x, a second name d/h of it, a link d/s to it, a link e to d, a
// dangling link d/n to d/none, and another file d/y.
class FileIdentity : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(dir() / "d");
        std::ofstream(dir() / "d" / "x") << "x";
        std::ofstream(dir() / "d" / "y") << "y";
        fs::create_hard_link(dir() / "d" / "x", dir() / "d" / "h");
        fs::create_symlink("x", dir() / "d" / "s");
        fs::create_symlink("none", dir() / "d" / "n");
        fs::create_directory_symlink(dir() / "d", dir() / "e");
    }
    const fs::path& dir() const { return temp_.path(); }

  private:
    testing_support::TemporaryDirectory temp_;
};

TEST_F(FileIdentity, TwoSpellingsLeadToOnePlaceAndOtherFilesToOthers) {
    const struct {
        const char* first;
        const char* second;
        bool samePlace;
    } cases[] = {
        {"d/x", "d/./x", true},
        {"d/x", "d/../d/x", true},
        {"d/x", "e/x", true},
        {"d/x", "d/s", true},
        {"d/x", "d/h", true},
        {"d/x", "d/y", false},
        {"d/new", "d/./new", true},
        {"d/new", "e/new", true},
        {"d/new", "d/other", false},
        {"d/n", "d/none", true},
        {"d/n", "e/./none", true},
        {"d/new", "d/x", false},
        {"missing/a", "missing/a", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files::samePlace(dir() / c.first, dir() / c.second), c.samePlace)
            << c.first << " and " << c.second;
    }
}

TEST_F(FileIdentity, ASymbolicLinkIsAFileOfItsOwnWhereLinksAreNotFollowed) {
    EXPECT_TRUE(files::sameFile(dir() / "d/x", dir() / "d/h"));
    EXPECT_TRUE(files::sameFile(dir() / "d/x", dir() / "e/../d/./x"));
    EXPECT_FALSE(files::sameFile(dir() / "d/x", dir() / "d/s"));
    EXPECT_FALSE(files::sameFile(dir() / "d/none", dir() / "d/none"));
    EXPECT_EQ(files::linkCount(dir() / "d/x"), 2u);
    EXPECT_EQ(files::linkCount(dir() / "d/y"), 1u);
    EXPECT_EQ(files::linkCount(dir() / "d/none"), std::nullopt);
}

TEST_F(FileIdentity, APathIsFreeOnlyWithEverySideFileAbsent) {
    static constexpr const char* kSides[] = {"-wal", "-journal"};
    std::ofstream(dir() / "d" / "db-journal") << "";
    const struct {
        const char* path;
        const char* present;
    } cases[] = {
        {"d/free", ""},
        {"d/db", "d/db-journal"},
        {"d/x", "d/x"},
        {"d/n", "d/n"},
    };
    for (const auto& c : cases) {
        const files::Presence found = files::firstPresent(dir() / c.path, kSides);
        EXPECT_EQ(found.path, *c.present ? dir() / c.present : fs::path()) << c.path;
        EXPECT_EQ(found.error, *c.present ? EEXIST : 0) << c.path;
    }
}

}  // namespace
