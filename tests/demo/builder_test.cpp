#include "demo/builder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "demo/demo_files.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using testing_support::TemporaryDirectory;

TEST(DemoDatabase, HoldsTheJournalAndItsProcedure) {
    TemporaryDirectory folder;
    const std::string connString =
        kalvik::demo::buildDemoDatabase((folder.path() / "d.db").string());
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connString);
    auto host = connection->Execute("exec pr_Hst_NM");
    ASSERT_EQ(host->RecordCount(), 1);
    for (const char* column : {"H_Nm", "SST_US", "NM_Pril"}) {
        EXPECT_TRUE(host->Fields(column).Value().isString()) << column;
    }
    auto journal = connection->Execute("SELECT FSB.* From FSB WHERE (((FSB.id) Is Null));");
    EXPECT_EQ(journal->RecordCount(), 0);
    for (const char* column : {"id", "Имя_Проц_Форм", "Арм", "Users", "Parole"}) {
        EXPECT_NO_THROW(journal->Fields(column)) << column;
    }
}

// The old file's WAL, left as a killed run leaves it, is not read as the new file's.
TEST(DemoDatabase, IsBuiltAfreshOverAnOldFileAndItsWal) {
    TemporaryDirectory folder;
    const std::string file = (folder.path() / "d.db").string();
    const std::string connString = kalvik::demo::buildDemoDatabase(file);
    {
        ado::Connection connection;
        connection.Open(connString);
        connection.Execute("INSERT INTO FSB(Арм) VALUES ('старая строка')");
        std::filesystem::copy_file(file + "-wal", file + "-wal.kept");
    }
    std::filesystem::rename(file + "-wal.kept", file + "-wal");
    kalvik::demo::buildDemoDatabase(file);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connString);
    EXPECT_EQ(connection->Execute("SELECT * FROM FSB")->RecordCount(), 0);
}

TEST(DemoDatabase, RefusesAFileItDidNotMakeAndLeavesItUntouched) {
    TemporaryDirectory folder;
    const std::string database = (folder.path() / "foreign.db").string();
    ado::createSqliteDatabase(database);
    const std::string text = (folder.path() / "notes.txt").string();
    std::ofstream(text) << "a text file, not a database";
    for (const std::string& file : {database, text}) {
        SCOPED_TRACE(file);
        const std::string before = testing_support::fileContents(file);
        try {
            kalvik::demo::buildDemoDatabase(file);
            ADD_FAILURE() << "replaced";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kFileAlreadyExists);
            EXPECT_NE(e.description().find(file), std::string::npos) << e.description();
        }
        EXPECT_EQ(testing_support::fileContents(file), before);
        EXPECT_FALSE(std::filesystem::exists(file + ".building"));
        EXPECT_FALSE(std::filesystem::exists(file + ".lock"));
    }
}

TEST(DemoDatabase, EmbedsEverySqlFileOnce) {
    const auto& files = kalvik::demo::demoFiles();
    ASSERT_FALSE(files.empty());
    for (size_t i = 1; i < files.size(); ++i)
        EXPECT_LT(files[i - 1].path, files[i].path);
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const kalvik::demo::DemoFile& f) {
        return f.path == "journal/procedures.sql";
    }));
}

}  // namespace
