#include "demo/builder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

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

// What lies at the path before a build, and a file of a user's beside it under a name the builder
// uses for its own files.
enum class AtPath { Nothing, DemoDatabase, TwoNamedDemoDatabase, OtherDatabase, Text };

struct ForeignFiles {
    const char* name;
    AtPath atPath;
    const char* beside;   // the suffix of the user's file beside the path; "" for none
    const char* refused;  // the suffix of the file the error names
};

// The name of every file of the folder with a hash of its contents.
std::map<std::string, size_t> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, size_t> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        contents[entry.path().filename().string()] =
            std::hash<std::string>{}(testing_support::fileContents(entry.path()));
    }
    return contents;
}

// A file is the builder's by record, never by its name: any other stays as it was.
TEST(DemoDatabase, RefusesAFileItDidNotMakeAndLeavesItUntouched) {
    const ForeignFiles cases[] = {
        {"another database", AtPath::OtherDatabase, "", ""},
        {"a text file", AtPath::Text, "", ""},
        {"a text file and a user's lock file", AtPath::Text, ".lock", ".lock"},
        {"a text file and a user's build file", AtPath::Text, ".building", ""},
        {"a user's lock file", AtPath::Nothing, ".lock", ".lock"},
        {"a demonstration database and a user's lock file", AtPath::DemoDatabase, ".lock", ".lock"},
        {"a demonstration database and a user's build file", AtPath::DemoDatabase, ".building",
         ".building"},
        {"a demonstration database and a user's WAL of the build file", AtPath::DemoDatabase,
         ".building-wal", ".building-wal"},
        {"a demonstration database with a second name", AtPath::TwoNamedDemoDatabase, "", ""},
        {"a WAL without its database", AtPath::Nothing, "-wal", "-wal"},
        {"a WAL index without its database", AtPath::Nothing, "-shm", "-shm"},
        {"a journal without its database", AtPath::Nothing, "-journal", "-journal"},
    };
    for (const ForeignFiles& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryDirectory folder;
        const std::string file = (folder.path() / "notes.txt").string();
        switch (c.atPath) {
            case AtPath::Nothing:
                break;
            case AtPath::DemoDatabase:
                kalvik::demo::buildDemoDatabase(file);
                break;
            case AtPath::TwoNamedDemoDatabase:
                kalvik::demo::buildDemoDatabase(file);
                std::filesystem::create_hard_link(file, file + ".second");
                break;
            case AtPath::OtherDatabase:
                ado::createSqliteDatabase(file);
                break;
            case AtPath::Text:
                std::ofstream(file) << "a text file, not a database";
                break;
        }
        if (*c.beside) std::ofstream(file + c.beside) << "a user's notes";
        const auto before = folderContents(folder.path());
        try {
            kalvik::demo::buildDemoDatabase(file);
            ADD_FAILURE() << "built";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kFileAlreadyExists);
            EXPECT_TRUE(
                e.description().starts_with("File already exists: " + file + c.refused + " "))
                << e.description();
            EXPECT_TRUE(
                e.description().ends_with(" and is left as it is; delete it or name another file"))
                << e.description();
        }
        EXPECT_EQ(folderContents(folder.path()), before);
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
