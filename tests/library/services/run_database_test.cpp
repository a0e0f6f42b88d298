#include "library/services/run_database.hpp"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "demo/builder.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::TemporaryDirectory;

// Whether another connection has the file open, as SQLite knows it: its exclusive lock is then
// refused.
bool inUse(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const int rc = sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT",
                                nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc == SQLITE_BUSY;
}

// Each step of a run opens its own connection by the string and closes it; between the steps the
// file stays in use all the same, so that it is never replaced under the run.
TEST(RunDatabase, KeepsItsFileInUseFromItsFirstStepToItsEnd) {
    TemporaryDirectory folder;
    const std::string file = (folder.path() / "run.db").string();
    kalvik::demo::buildDemoDatabase(file);
    std::optional<kalvik::RunDatabase> database(std::in_place,
                                                kalvik::demo::demoConnectionString(file));
    EXPECT_FALSE(inUse(file));
    database->journal("start");
    EXPECT_TRUE(inUse(file));
    database->journal("end");
    EXPECT_TRUE(inUse(file));
    database.reset();
    EXPECT_FALSE(inUse(file));
}

}  // namespace
