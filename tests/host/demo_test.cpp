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
    // The month, then the revisions: 21.04.08, 23.01.08 and 02.01.05 on the actual figures, and
    // 02.01.05 on the plan and contract ones.
    EXPECT_EQ(count("РезультатыПотребитель"), 72);
    EXPECT_EQ(count("РезультатыПотребитель_Время"), 72);
    EXPECT_EQ(count("РезультатыПотребитель_План"), 36);
    EXPECT_EQ(count("РезультатыПотребитель_План_Время"), 36);
    EXPECT_EQ(count("РезультатыПотребитель_Дог"), 36);
    EXPECT_EQ(count("РезультатыПотребитель_Дог_Время"), 36);
    // The steam of the two steam consumers after the month's consumption, before the revision.
    EXPECT_EQ(count("Res_Potreb_Par"), 2);
    EXPECT_EQ(count("Res_Potreb_Par_Plan"), 2);
    EXPECT_EQ(count("Res_Potreb_Par_Dog"), 2);
    const std::string out = testing_support::fileContents((folder.path() / "out").string());
    EXPECT_LT(out.find("Ras_Potr_Par.Расчет_Пар_ADO (actual)\n    2 consumers, 2 result rows in "
                       "Res_Potreb_Par, "),
              out.find("Ras_Potr.Ras_Calc_Potr_21_04_08"))
        << out;
    for (const char* run : {"21_04_08 (actual)", "23_01_08 (actual)", "02_01_05 (actual)"}) {
        EXPECT_NE(out.find("Ras_Potr.Ras_Calc_Potr_" + std::string(run) +
                           "\n    18 consumers, 36 result rows in РезультатыПотребитель and "
                           "РезультатыПотребитель_Время, "),
                  std::string::npos)
            << out;
    }
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
    // The eighteen consumers of the small data set and forty generated ones, each of these with
    // one to three outages, flushings and ventilation units.
    EXPECT_EQ(count("SELECT count(*) FROM Потребители"), 58);
    EXPECT_EQ(count("SELECT count(DISTINCT Npotr) FROM ОтключенияПотр WHERE Npotr > 100000"), 40);
    EXPECT_EQ(count("SELECT max(n) FROM (SELECT count(*) AS n FROM ОтключенияПотр "
                    "WHERE Npotr > 100000 GROUP BY Npotr)"),
              3);
    EXPECT_EQ(count("SELECT count(DISTINCT \"NNпотр пром\") FROM Промывки "
                    "WHERE \"NNпотр пром\" > 100000"),
              40);
    EXPECT_EQ(count("SELECT count(DISTINCT Npotr) FROM РезультатыВентиляция WHERE Npotr > 100000"),
              40);
    // Every consumer, generated ones too, went through each calculation: the contract figures of
    // the current calculation and of the revision of 02.01.05.
    EXPECT_EQ(count("SELECT count(*) FROM РезультатыПотребитель_Дог_Время"), 116);
}

}  // namespace
