// kalvik demo refusing a file that is not its own: the error is one line of at most about 1,000
// bytes that names the file whole, however long its path or odd its name.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/oleaut/text.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;
using testing_support::TemporaryDirectory;

TEST(KalvikDemoErrorLine, ALongPathOrANewlineInANameGivesOneShortLine) {
    TemporaryDirectory temporary;
    const fs::path folder = fs::canonical(temporary.path());
    fs::path deep = folder;
    for (int i = 0; i < 15; ++i)
        deep /= std::string(250, 'd');  // a path of over 3,700 bytes
    fs::create_directories(deep);
    const struct {
        fs::path file;
        std::string refusal;
        std::string shownName;  // as the line shows it
    } cases[] = {
        // Too long for SQLite, refused before anything is made.
        {deep / "not_a_demo.db", "error 75: Path/File access error: the path ",
         "/not_a_demo.db is too long"},
        {folder / "bad\nname.db", "error 58: File already exists: ", "/bad\\nname.db is not"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shownName);
        std::ofstream(c.file) << "not a database";
        const std::string command =
            "KALVIK_REGISTRY='" + (folder / "registry").string() + "' KALVIK_LOG_DIR='" +
            (folder / "log").string() + "' '" KALVIK_HOST_FILE "' demo --db '" + c.file.string() +
            "' >'" + (folder / "out").string() + "' 2>'" + (folder / "err").string() + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        const std::string err = fileContents(folder / "err");
        EXPECT_TRUE(err.starts_with(c.refusal)) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        EXPECT_LE(err.size(), 1001u);
        EXPECT_TRUE(oleaut::isValidUtf8(err));
        EXPECT_NE(err.find(c.shownName), std::string::npos) << err;
        EXPECT_EQ(fileContents(c.file), "not a database");
    }
}

}  // namespace
