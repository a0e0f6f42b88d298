// What a restore's targets are: a data file's target is free only without SQLite's side files
// beside it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>

#include "tests/platform/sqlserver/server_fixture.hpp"

namespace kalvik::test {
namespace {

using StandInRestorePaths = ServerFixture;

std::string existsMessage(const std::string& path) {
    return "Cannot create file '" + path +
           "' because it already exists. Change the file path or the file name, and retry the "
           "operation.";
}

// A stale WAL or journal beside the data file's target would be read into the restored database:
// it is refused with 5170 naming the side file, which stays as it was. The log file is no
// database: files beside its target do not count.
TEST_F(StandInRestorePaths, ATargetIsFreeOnlyWithoutSideFilesOfTheDatabase) {
    const auto folder = root_.path() / "BD";
    const struct {
        const char* sideFile;  // beside the target named
        bool ofData;           // the data file's target, else the log file's
        int32_t native;
    } cases[] = {
        {"sw.mdf-wal", true, sqlserver::kFileExists},
        {"sw.mdf-shm", true, sqlserver::kFileExists},
        {"sw.mdf-journal", true, sqlserver::kFileExists},
        {"sw.ldf-wal", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sideFile);
        const std::string side = target(c.sideFile);
        std::ofstream(side) << "stale pages";
        try {
            connect()->Execute(restoreText("SW", target("sw.mdf"), target("sw.ldf")));
            EXPECT_EQ(c.native, 0) << "restored";
            EXPECT_EQ(filesIn(folder), (std::set<std::string>{"sw.ldf", "sw.mdf", c.sideFile}));
        } catch (const ado::ProviderError& e) {
            EXPECT_EQ(e.nativeError(), c.native);
            EXPECT_EQ(e.description(), existsMessage(side));
            EXPECT_EQ(filesIn(folder), std::set<std::string>{c.sideFile});
            expectNothingMade(server_, {});
        }
        EXPECT_EQ(testing_support::fileContents(side), "stale pages");
        std::filesystem::remove(side);
    }
}

}  // namespace
}  // namespace kalvik::test
