// The paths kalvik demo takes: a path with what a connection string trims or ends a value at
// reaches exactly that file, and a path a run cannot take is refused, naming why, before anything
// is made.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

extern char** environ;

namespace {

using testing_support::fileContents;
namespace fs = std::filesystem;
using testing_support::namesIn;

class KalvikDemoPaths : public ::testing::Test {
  protected:
    testing_support::TemporaryDirectory folder;
    testing_support::TemporaryDirectory output;  // what a run prints
    testing_support::ScopedEnvironment registry{"KALVIK_REGISTRY",
                                                (folder.path() / "registry").string()};
    testing_support::ScopedEnvironment log{"KALVIK_LOG_DIR", (folder.path() / "log").string()};

    // Runs kalvik demo --db PATH in the folder; its exit status.
    int runDemo(const std::string& path) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
        const fs::path out = output.path() / "out", err = output.path() / "err";
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        std::vector<std::string> words = {KALVIK_HOST_FILE, "demo", "--db", path};
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        const int spawned =
            posix_spawn(&pid, KALVIK_HOST_FILE, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) return -1;
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string out() const { return fileContents(output.path() / "out"); }
    std::string err() const { return fileContents(output.path() / "err"); }

    // The rows of a table of the file.
    static int32_t rows(const fs::path& file, const std::string& table) {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(ado::sqliteConnectionString(file));
        return oleaut::CLng(
            connection->Execute("SELECT count(*) FROM \"" + table + "\"")->Fields(0).Value());
    }
};

// A user's database at the name the path would be cut to, and at the one its ";Data Source="
// would lead to, stays as it is, and the run builds and calculates in the file named.
TEST_F(KalvikDemoPaths, APathReachesExactlyItsFile) {
    const fs::path user = folder.path() / "user.db";
    ASSERT_EQ(runDemo(user.string()), 0) << err();
    const int32_t journalRows = rows(user, "FSB");
    const std::string before = fileContents(user);
    const char* names[] = {
        "user.db ", " user.db", "user.db\t", "user.db;x", "x;Data Source=user.db",
        "a=b.db",   "it's.db",  "\"q\".db",  "\"",        "{b}.db"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const fs::path named = folder.path() / name;
        EXPECT_EQ(runDemo(named.string()), 0) << err();
        EXPECT_EQ(err(), "");
        EXPECT_EQ(rows(named, "FSB"), journalRows);
        EXPECT_EQ(rows(named, "РезультатыПотребитель"), 72);
        EXPECT_TRUE(fileContents(user) == before);
    }
}

TEST_F(KalvikDemoPaths, APathARunCannotTakeIsRefusedBeforeAnythingIsMade) {
    const fs::path dir = fs::canonical(folder.path());
    fs::create_symlink(dir / "none" / "x.db", dir / "dangling.db");
    fs::create_symlink("loop2.db", dir / "loop1.db");
    fs::create_symlink("loop1.db", dir / "loop2.db");
    fs::create_directory(dir / "folder");
    std::ofstream(dir / "file") << "x";
    // SQLite's longest path is 504 bytes (512 less "-journal"), the folder's longest name 255.
    const std::string deep = std::string(200, 'd');
    fs::create_directories(dir / deep / deep);
    const fs::path tooLong =
        dir / deep / deep / std::string(504 - 9 + 1 - (dir / deep / deep).native().size() - 1, 'p');
    const std::string longName(255 - 17 + 1, 'n');
    const struct {
        std::string path;
        std::string why;
    } cases[] = {
        {"", "no database file named: the path is empty"},
        {"dangling.db", "dangling.db is a symbolic link to " + (dir / "none" / "x.db").string() +
                            ", whose folder " + (dir / "none").string() + " does not exist"},
        {"loop1.db", "loop1.db: its symbolic links go round in a loop"},
        {"none/x.db", "none/x.db: the folder " + (dir / "none").string() + " does not exist"},
        {"file/x.db", "file/x.db: " + (dir / "file").string() + " is not a folder"},
        {"folder", "folder is a folder, not a database file"},
        {"bad\xff.db",
         "the path bad\uFFFD.db is not valid UTF-8, which a connection string must be"},
        // A path longer than an error shows is cut in its middle: its first and last 100
        // characters, the name whole.
        {tooLong.string(), "the path " + tooLong.string().substr(0, 100) + "\u2026" +
                               tooLong.string().substr(tooLong.string().size() - 100) +
                               " is too long for SQLite: with the run's \".building\" it is 505 "
                               "bytes long, and SQLite takes 504 at most"},
        {longName, "the name " + longName +
                       " is too long for its folder: with the suffixes of the run's files it is "
                       "256 bytes long, and the folder takes 255 at most"},
    };
    const std::vector<std::string> before = namesIn(dir);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(runDemo(c.path), 1);
        EXPECT_EQ(err(), "error 75: Path/File access error: " + c.why + "\n");
        EXPECT_EQ(out(), "");
        EXPECT_EQ(namesIn(dir), before);
        EXPECT_EQ(namesIn(dir / deep / deep), std::vector<std::string>{});
    }
}

}  // namespace
