// kalvik demo end to end: the built executable builds the database and journals through the
// library loaded by the registry.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "platform/ado/recordset.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::TemporaryDirectory;

TEST(KalvikDemo, BuildsTheDatabaseAndWritesJournalRows) {
    TemporaryDirectory folder;
    const auto database = folder.path() / "demo.db";
    const std::string command = "cd '" + folder.path().string() + "' && KALVIK_REGISTRY='" +
                                (folder.path() / "registry").string() + "' KALVIK_LOG_DIR='" +
                                (folder.path() / "log").string() +
                                "' '" KALVIK_HOST_FILE "' demo --db demo.db >out 2>err";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    auto connection = std::make_shared<ado::Connection>();
    connection->Open("Provider=SQLite;Data Source=" + database.string());
    auto journal = connection->Execute("SELECT Имя_Проц_Форм FROM FSB ORDER BY id");
    ASSERT_GE(journal->RecordCount(), 2);
    EXPECT_TRUE(identical(journal->Fields("Имя_Проц_Форм").Value(), "kalvik demo. начало"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "log" / "LogFile_Vs.Log"));
}

}  // namespace
