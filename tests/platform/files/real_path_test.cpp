#include "platform/files/real_path.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;

// Every spelling of a file, made or not, comes to one path: the real folder and the file's name.
TEST(RealPath, EverySpellingOfAFileComesToOnePath) {
    testing_support::TemporaryDirectory temp;
    const fs::path dir = temp.path();
    fs::create_directory(dir / "d");
    std::ofstream(dir / "d" / "x") << "x";
    fs::create_symlink("d/x", dir / "s");
    fs::create_symlink("s", dir / "s2");
    fs::create_symlink("d/new", dir / "n");
    fs::create_directory_symlink("d", dir / "e");
    const fs::path real = fs::canonical(dir / "d");
    const struct {
        const char* spelt;
        fs::path leadsTo;
    } cases[] = {
        {"d/x", real / "x"},
        {"d/./x", real / "x"},
        {"d/../d/x", real / "x"},
        {"s", real / "x"},
        {"s2", real / "x"},
        {"e/x", real / "x"},
        {"d/new", real / "new"},
        {"e/./new", real / "new"},
        {"n", real / "new"},
        {"d/.", real},
        {"e", real},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spelt);
        EXPECT_EQ(files::realPath(dir / c.spelt), c.leadsTo);
    }
}

TEST(RealPath, IsNothingWithoutAFolderOrWhenLinksGoRound) {
    testing_support::TemporaryDirectory temp;
    const fs::path dir = temp.path();
    fs::create_symlink("b", dir / "a");
    fs::create_symlink("a", dir / "b");
    fs::create_symlink("none/x", dir / "dangling");
    EXPECT_EQ(files::realPath(dir / "a"), std::nullopt);
    EXPECT_EQ(files::realPath(dir / "none" / "x"), std::nullopt);
    const struct {
        const char* spelt;
        int error;
        const char* at;
        const char* target;
    } reasons[] = {
        {"none/x", ENOENT, "none", "none/x"},
        {"dangling", ENOENT, "none", "none/x"},
        {"d/x", 0, "", ""},
    };
    fs::create_directory(dir / "d");
    for (const auto& reason : reasons) {
        SCOPED_TRACE(reason.spelt);
        const files::Unreachable why = files::unreachable(dir / reason.spelt);
        EXPECT_EQ(why.error, reason.error);
        if (reason.error == 0) continue;
        EXPECT_EQ(why.at, dir / reason.at);
        EXPECT_EQ(why.target, dir / reason.target);
    }
    EXPECT_EQ(files::unreachable(dir / "a").error, ELOOP);
}

}  // namespace
