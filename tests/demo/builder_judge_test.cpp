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
