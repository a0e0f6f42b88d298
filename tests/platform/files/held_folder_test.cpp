#include "platform/files/held_folder.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;

// A folder d holding x, held; then d renamed to moved and replaced by a link to another folder
// whose x is another file.
TEST(HeldFolder, ReachesTheFolderHeldWhateverItsPathBecomes) {
    testing_support::TemporaryDirectory temp;
    const fs::path dir = fs::canonical(temp.path());
    fs::create_directory(dir / "d");
    fs::create_directory(dir / "other");
    std::ofstream(dir / "d" / "x") << "held";
    std::ofstream(dir / "other" / "x") << "other";
    const std::optional<files::HeldFolder> held = files::HeldFolder::ofFile(dir / "d" / "x");
    ASSERT_TRUE(held);
    const std::optional<files::FileId> x = files::idAt(dir / "d" / "x");
    fs::rename(dir / "d", dir / "moved");
    fs::create_directory_symlink(dir / "other", dir / "d");

    EXPECT_EQ(testing_support::fileContents(held->reach("x")), "held");
    EXPECT_EQ(held->idOf("x"), x);
    EXPECT_FALSE(held->idOf("none"));
    EXPECT_EQ(held->absence("x"), EEXIST);
    EXPECT_EQ(held->absence("none"), 0);
    const struct {
        const char* folder;
        bool held;
    } places[] = {{"d", false}, {"moved", true}, {"other", false}};
    for (const auto& place : places)
        EXPECT_EQ(held->isAt(dir / place.folder), place.held) << place.folder;
    EXPECT_EQ(files::shownPath(held->reach("x")), dir / "moved" / "x");
    EXPECT_EQ(files::shownPath(dir / "d" / "x"), dir / "d" / "x");
}

TEST(HeldFolder, ReachesThroughAHoldOnlyAsReachSpellsIt) {
    const struct {
        const char* path;
        bool reaches;
    } cases[] = {
        {"/proc/self/fd/7/x.db", true},    {"/proc/self/fd/12/a b", true},
        {"/proc/self/fd/7", false},        {"/proc/self/fd/7/", false},
        {"/proc/self/fd/7/d/x.db", false}, {"/proc/self/fd/7/..", false},
        {"/proc/self/fd/x/x.db", false},   {"/tmp/x.db", false},
        {"proc/self/fd/7/x.db", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::reachesThroughHold(c.path), c.reaches) << c.path;
    testing_support::TemporaryDirectory temp;
    const std::optional<files::HeldFolder> held = files::HeldFolder::open(temp.path());
    ASSERT_TRUE(held);
    EXPECT_TRUE(files::reachesThroughHold(held->reach("x")));
}

}  // namespace
