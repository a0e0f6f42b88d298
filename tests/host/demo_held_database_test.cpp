// A kalvik demo run, in this process so that a seam stops it between two steps, works on the
// database it built whatever becomes of its folder's path meanwhile.

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "demo/lock_test_seam.hpp"
#include "host/commands.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/com/inproc_server.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::fileContents;
namespace fs = std::filesystem;
using testing_support::namesIn;

class KalvikDemoHeldDatabase : public ::testing::Test {
  protected:
    testing_support::TemporaryDirectory temporary;
    const fs::path dir = fs::canonical(temporary.path());
    testing_support::ScopedEnvironment registry{"KALVIK_REGISTRY", (dir / "registry").string()};
    testing_support::ScopedEnvironment log{"KALVIK_LOG_DIR", (dir / "log").string()};
    std::string out, err;

    void SetUp() override {
        com::InprocServer(fs::canonical(KALVIK_LIBRARY_FILE)).registerServer();
    }

    // Runs kalvik demo on the file, keeping what it prints; its exit status.
    int runDemo(const fs::path& file) {
        std::ostringstream printed, failed;
        std::streambuf* const coutWas = std::cout.rdbuf(printed.rdbuf());
        std::streambuf* const cerrWas = std::cerr.rdbuf(failed.rdbuf());
        const int status = host::runDemo(file.string(), std::nullopt);
        std::cout.rdbuf(coutWas);
        std::cerr.rdbuf(cerrWas);
        out = printed.str();
        err = failed.str();
        return status;
    }

    // Runs the hook at the step boundary given (1: after the journal, before the calculations).
    kalvik::demo::ScopedRunStepHook atStep(int step, std::function<void()> hook) {
        return kalvik::demo::ScopedRunStepHook([this, step, hook] {
            if (++stepsReached == step + 1) hook();
        });
    }
    int stepsReached = 0;

    static int32_t rows(const fs::path& file, const std::string& table) {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(ado::sqliteConnectionString(file));
        return oleaut::CLng(
            connection->Execute("SELECT count(*) FROM \"" + table + "\"")->Fields(0).Value());
    }
};

// The run's folder is renamed and a link to another folder, holding a user's database at the
// run's name, put in its place after the journal: the calculations go on in the file the run
// built, the user's database stays as it is, and the lock goes with the run.
TEST_F(KalvikDemoHeldDatabase, ARunGoesOnInItsFolderWhenItsPathLeadsToAnother) {
    fs::create_directory(dir / "whole");
    ASSERT_EQ(runDemo(dir / "whole" / "demo.db"), 0) << err;
    const int32_t journalRows = rows(dir / "whole" / "demo.db", "FSB");

    fs::create_directory(dir / "d");
    fs::create_directory(dir / "other");
    const fs::path user = dir / "other" / "demo.db";
    ado::createSqliteDatabase(user.string());
    {
        ado::Connection connection;
        connection.Open(ado::sqliteConnectionString(user));
        connection.Execute("CREATE TABLE mine(x)");
    }
    const std::string before = fileContents(user);
    const auto hook = atStep(1, [this] {
        fs::rename(dir / "d", dir / "moved");
        fs::create_directory_symlink(dir / "other", dir / "d");
    });
    EXPECT_EQ(runDemo(dir / "d" / "demo.db"), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_TRUE(fileContents(user) == before);
    EXPECT_EQ(namesIn(dir / "other"), std::vector<std::string>{"demo.db"});
    EXPECT_EQ(namesIn(dir / "moved"), std::vector<std::string>{"demo.db"});
    EXPECT_EQ(rows(dir / "moved" / "demo.db", "FSB"), journalRows);
    EXPECT_EQ(rows(dir / "moved" / "demo.db", "РезультатыПотребитель"), 72);
    EXPECT_TRUE(out.ends_with("Journal: " + std::to_string(journalRows) + " rows in table FSB of " +
                              (dir / "moved" / "demo.db").string() + "\n"))
        << out;
}

// A change of the file at the run's name after the journal stops the run before its calculations,
// naming the change, and the run's lock goes with it.
TEST_F(KalvikDemoHeldDatabase, ARunStopsWhenItsFileIsChanged) {
    const fs::path file = dir / "d" / "demo.db";
    const struct {
        const char* name;
        std::function<void()> change;
        std::string error;
    } changes[] = {
        {"a second name", [&] { fs::create_hard_link(file, dir / "q.db"); },
         "the database " + file.string() +
             " that this run built has 2 names (hard links) now, under which SQLite cannot keep "
             "one database"},
        {"another file put there",
         [&] {
             std::ofstream(dir / "x") << "x";
             fs::rename(dir / "x", file);
         },
         file.string() + " is no longer the database this run built: another file was put at its "
                         "name"},
        {"renamed", [&] { fs::rename(file, dir / "d" / "renamed.db"); },
         "the database " + file.string() + " that this run built is no longer at its name"},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        fs::remove_all(dir / "d");
        fs::remove(dir / "q.db");
        fs::create_directory(dir / "d");
        stepsReached = 0;
        const auto hook = atStep(1, change.change);
        EXPECT_EQ(runDemo(file), 1);
        EXPECT_EQ(err, "error 75: Path/File access error: " + change.error + "; the run stops\n");
        EXPECT_EQ(out.find("Ventilation unit update"), std::string::npos);
        EXPECT_FALSE(fs::exists(dir / "d" / "demo.db.lock"));
    }
}

}  // namespace
