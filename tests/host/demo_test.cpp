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

    // The consumption calculation for each variant, and the revision on the actual figures: a
    // main and an hours row per consumer and run.
    auto count = [&](const std::string& table) {
        return oleaut::CLng(
            connection->Execute("SELECT count(*) FROM \"" + table + "\"")->Fields(0).Value());
    };
    EXPECT_EQ(count("РезультатыПотребитель"), 32);
    EXPECT_EQ(count("РезультатыПотребитель_Время"), 32);
    EXPECT_EQ(count("РезультатыПотребитель_План"), 16);
    EXPECT_EQ(count("РезультатыПотребитель_План_Время"), 16);
    EXPECT_EQ(count("РезультатыПотребитель_Дог"), 16);
    EXPECT_EQ(count("РезультатыПотребитель_Дог_Время"), 16);
    const std::string out = testing_support::fileContents((folder.path() / "out").string());
    EXPECT_NE(out.find("Ras_Potr.Ras_Calc_Potr_21_04_08 (actual)\n    16 consumers, 32 result "
                       "rows in РезультатыПотребитель and РезультатыПотребитель_Время, "),
              std::string::npos)
        << out;
}

}  // namespace

namespace {

TEST(KalvikDemo, GeneratesConsumersOnRequest) {
    TemporaryDirectory folder;
    const auto database = folder.path() / "large.db";
    const std::string command = "cd '" + folder.path().string() + "' && KALVIK_REGISTRY='" +
                                (folder.path() / "registry").string() + "' KALVIK_LOG_DIR='" +
                                (folder.path() / "log").string() +
                                "' '" KALVIK_HOST_FILE
                                "' demo --db large.db --consumers 40 >out 2>err";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    auto connection = std::make_shared<ado::Connection>();
    connection->Open("Provider=SQLite;Data Source=" + database.string());
    auto count = [&](const char* sql) {
        return oleaut::CLng(connection->Execute(sql)->Fields(0).Value());
    };
    // The sixteen consumers of the small data set and forty generated ones, each of these with
    // one to three outages, flushings and ventilation units.
    EXPECT_EQ(count("SELECT count(*) FROM Потребители"), 56);
    EXPECT_EQ(count("SELECT count(DISTINCT Npotr) FROM ОтключенияПотр WHERE Npotr > 100000"), 40);
    EXPECT_EQ(count("SELECT max(n) FROM (SELECT count(*) AS n FROM ОтключенияПотр "
                    "WHERE Npotr > 100000 GROUP BY Npotr)"),
              3);
    EXPECT_EQ(count("SELECT count(DISTINCT \"NNпотр пром\") FROM Промывки "
                    "WHERE \"NNпотр пром\" > 100000"),
              40);
    EXPECT_EQ(count("SELECT count(DISTINCT Npotr) FROM РезультатыВентиляция WHERE Npotr > 100000"),
              40);
    // Every consumer, generated ones too, went through each calculation.
    EXPECT_EQ(count("SELECT count(*) FROM РезультатыПотребитель_Дог_Время"), 56);
}

}  // namespace
