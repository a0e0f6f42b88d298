// The paths kalvik demo takes: a path with what a connection string trims or ends a value at
// reaches exactly that file.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

extern char** environ;

namespace {

using testing_support::fileContents;
namespace fs = std::filesystem;

class KalvikDemoPaths : public ::testing::Test {
  protected:
    testing_support::TemporaryDirectory folder;
    testing_support::ScopedEnvironment registry{"KALVIK_REGISTRY",
                                                (folder.path() / "registry").string()};
    testing_support::ScopedEnvironment log{"KALVIK_LOG_DIR", (folder.path() / "log").string()};

    // Runs kalvik demo --db PATH in the folder, its output into out and err; its exit status.
    int runDemo(const std::string& path) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
        posix_spawn_file_actions_addopen(&actions, 1, "out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, "err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
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

    std::string err() const { return fileContents(folder.path() / "err"); }

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

}  // namespace
