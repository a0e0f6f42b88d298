// The builder asks what a file is before the build and again under the placing's exclusive hold,
// just before it takes the file's content: only a demonstration database is replaced.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "demo/builder.hpp"
#include "platform/ado/connection.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/ado/sqlite_replace_seam.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/support/planted_journal.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using ado::sqlite::File;
using testing_support::fileContents;
using testing_support::TemporaryDirectory;

// The error a call fails with: its number and description; 0 when it succeeds.
struct Failure {
    int32_t number = 0;
    std::string description;
};

Failure failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const oleaut::Error& e) {
        return {e.number(), e.description()};
    }
    return {};
}

// A backup that a demonstration tree of an earlier build made: a copy of a demonstration database,
// its mark included, and the list of its files.
void makeMarkedBackup(const std::filesystem::path& path) {
    kalvik::demo::buildDemoDatabase(path.string());
    File(path, File::Mode::ReadWrite)
        .run(
            "CREATE TABLE backup_files(FileId INTEGER PRIMARY KEY, LogicalName TEXT NOT NULL, "
            "PhysicalName TEXT NOT NULL, Type TEXT NOT NULL)");
}

TEST(DemoJudge, ABackupCarryingTheMarkIsRefusedAndLeftAsItWas) {
    TemporaryDirectory folder;
    const auto backup = folder.path() / "Virsel_Demo.bak";
    makeMarkedBackup(backup);
    const std::string before = fileContents(backup);
    const Failure failure = failureOf([&] { kalvik::demo::buildDemoDatabase(backup.string()); });
    EXPECT_EQ(failure.number, oleaut::kFileAlreadyExists) << failure.description;
    EXPECT_NE(failure.description.find("backup_files"), std::string::npos) << failure.description;
    EXPECT_TRUE(fileContents(backup) == before);
}

// A file moved to the path while the build runs is asked about under the hold, before its content
// is taken.
TEST(DemoJudge, AFileMovedToThePathDuringTheBuildIsRefusedAndLeftAsItWas) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        const char* refusal;
    } cases[] = {
        {"a user's database",
         [](const auto& path) {
             File(path, File::Mode::Create).run("CREATE TABLE accounts(id INTEGER PRIMARY KEY)");
         },
         "is not a demonstration database"},
        {"a backup carrying the mark", makeMarkedBackup, "backup_files"},
        {"a demonstration database with a second name",
         [](const auto& path) {
             kalvik::demo::buildDemoDatabase(path.string());
             std::filesystem::create_hard_link(path, path.string() + ".second");
         },
         "2 names"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryDirectory folder;
        const auto file = folder.path() / "d.db";
        const auto users = folder.path() / "users" / "d.db";
        std::filesystem::create_directory(users.parent_path());
        c.make(users);
        const std::string before = fileContents(users);
        const ado::ScopedPlacingHook moveIn([&] { std::filesystem::rename(users, file); });
        const Failure failure = failureOf([&] { kalvik::demo::buildDemoDatabase(file.string()); });
        EXPECT_EQ(failure.number, oleaut::kFileAlreadyExists) << failure.description;
        EXPECT_NE(failure.description.find(c.refusal), std::string::npos) << failure.description;
        EXPECT_TRUE(fileContents(file) == before);
    }
}

TEST(DemoJudge, APlantedSuperJournalDeletesNothingAndIsNamed) {
    TemporaryDirectory folder;
    const auto file = folder.path() / "d.db";
    const auto victim = folder.path() / "precious.txt";
    std::ofstream(victim) << "a user's file";
    kalvik::demo::buildDemoDatabase(file.string());
    testing_support::plantSuperJournal(file, victim);
    const Failure failure = failureOf([&] { kalvik::demo::buildDemoDatabase(file.string()); });
    EXPECT_EQ(fileContents(victim), "a user's file");
    EXPECT_NE(failure.description.find("\"" + file.string() + "-journal\""), std::string::npos)
        << failure.description;
}

}  // namespace
