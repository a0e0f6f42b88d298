#include "platform/ado/connection.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/ado/recordset.hpp"
#include "tests/platform/ado/ado_test_support.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace {

using kalvik_test::TempDatabase;

using kalvik_test::errorOf;
using kalvik_test::expectMentions;

struct OpenFailureCase {
    const char* name;
    std::string connectionString;
    int32_t number;
    std::string mentions;
};

void PrintTo(const OpenFailureCase& c, std::ostream* os) {
    *os << c.connectionString;
}

class ConnectionOpenFailure : public ::testing::TestWithParam<OpenFailureCase> {};

TEST_P(ConnectionOpenFailure, NamesWhatIsWrong) {
    const OpenFailureCase& c = GetParam();
    ado::Connection connection;
    const oleaut::Error error = errorOf([&] { connection.Open(c.connectionString); });
    EXPECT_EQ(error.number(), c.number);
    expectMentions(error, c.mentions);
    EXPECT_EQ(connection.State(), ado::adStateClosed);
}

const std::string kMissing = "/nonexistent-folder/kalvik/none.db";

INSTANTIATE_TEST_SUITE_P(
    Failures, ConnectionOpenFailure,
    ::testing::Values(OpenFailureCase{"UnknownProvider", "Provider=SQLOLEDB;Data Source=x",
                                      ado::adErrProviderNotFound, "SQLOLEDB"},
                      OpenFailureCase{"NoProviderNoDriver", "Data Source=x.db",
                                      ado::adErrProviderFailed, "Data Source=x.db"},
                      OpenFailureCase{"UnknownDriver", "Driver={Ora}}cle};Server=x",
                                      ado::adErrProviderFailed, "Ora}cle"},
                      OpenFailureCase{"MissingFile", "Provider=SQLite;Data Source=" + kMissing,
                                      ado::adErrProviderFailed, kMissing},
                      OpenFailureCase{"NoDataSource", "Provider=SQLite",
                                      ado::adErrInvalidConnection, "Data Source"},
                      OpenFailureCase{"Malformed", "Provider=SQLite;Data Source",
                                      ado::adErrInvalidConnection, "Provider=SQLite;Data Source"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Connection, AFileThatIsNotADatabaseFailsNamingIt) {
    const std::string path = ::testing::TempDir() + "kalvik-not-a-database.db";
    std::ofstream(path) << "This is a text file, not a database, long enough to hold a header.\n"
                        << std::string(200, 'x');
    ado::Connection connection;
    const oleaut::Error error =
        errorOf([&] { connection.Open("Provider=SQLite;Data Source=" + path); });
    expectMentions(error, path);
    expectMentions(error, "not a database");
    std::remove(path.c_str());
}

TEST(Connection, ExecuteExecRunsAProcedureAndAMissingOneIsNamed) {
    TempDatabase db(
        "CREATE TABLE procedures(name TEXT PRIMARY KEY, body TEXT NOT NULL);"
        "INSERT INTO procedures VALUES ('pr_Два', 'SELECT 1 AS a; SELECT 2 AS b, ''x'' AS c;');");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    auto rows = connection->Execute("exec pr_Два");
    ASSERT_EQ(rows->State(), ado::adStateOpen);
    EXPECT_EQ(rows->RecordCount(), 1);
    EXPECT_EQ(rows->Fields().Count(), 2);  // the rows of the last statement that returned rows
    EXPECT_TRUE(identical(rows->Fields("b").Value(), int32_t{2}));
    EXPECT_TRUE(identical(rows->Fields("c").Value(), "x"));

    const oleaut::Error error = errorOf([&] { connection->Execute("exec pr_Нет"); });
    EXPECT_EQ(error.number(), ado::adErrCommandFailed);
    expectMentions(error, "pr_Нет");
}

TEST(Connection, AProcedureLookupThatFailsFailsAsItself) {
    TempDatabase db("CREATE TABLE procedures(name TEXT PRIMARY KEY)");
    ado::Connection connection;
    connection.Open(db.connectionString());
    const oleaut::Error error = errorOf([&] { connection.Execute("exec pr_Два"); });
    expectMentions(error, "no such column: body");
}

struct EchoCase {
    const char* name;
    std::string connectionString;
    std::string shows;
    std::string hides;
};

TEST(Connection, AnEchoedConnectionStringHidesItsPasswordAndIsCut) {
    const std::string huge(120000, 'x');
    const EchoCase cases[] = {
        {"malformed", "Provider=SQLite;Password=secret;bad", "Password=***;bad", "secret"},
        {"no provider", "Data Source=a.db;PWD='se;cret'", "PWD=***", "cret"},
        {"long", "Provider=SQLite;Data Source=" + huge + ";bad", "xx…", std::string(300, 'x')},
    };
    for (const EchoCase& c : cases) {
        SCOPED_TRACE(c.name);
        ado::Connection connection;
        const std::string text =
            errorOf([&] { connection.Open(c.connectionString); }).description();
        EXPECT_NE(text.find(c.shows), std::string::npos) << text;
        EXPECT_EQ(text.find(c.hides), std::string::npos) << text;
        EXPECT_LT(text.size(), 600u);
    }
}

TEST(Connection, StoredTextThatIsNotUtf8FailsNamingItsColumn) {
    TempDatabase db("CREATE TABLE t(Имя TEXT); INSERT INTO t VALUES (CAST(X'41C328' AS TEXT))");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    const oleaut::Error error = errorOf([&] { connection->Execute("SELECT Имя FROM t"); });
    EXPECT_EQ(error.number(), ado::adErrDataConversion);
    expectMentions(error, "\"Имя\" holds text that is not valid UTF-8");
}

TEST(Connection, AnEmptyFileIsNoDatabaseAndStaysEmpty) {
    const std::string path = ::testing::TempDir() + "kalvik-empty.db";
    std::ofstream{path};
    ado::Connection connection;
    const oleaut::Error error =
        errorOf([&] { connection.Open("Provider=SQLite;Data Source=" + path); });
    expectMentions(error, path);
    expectMentions(error, "empty");
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    std::remove(path.c_str());
}

TEST(Connection, AWriteProtectedFileIsReadAsItIs) {
    if (geteuid() == 0) GTEST_SKIP() << "no file is write-protected for root";
    TempDatabase db("PRAGMA journal_mode=DELETE; CREATE TABLE t(a INT); INSERT INTO t VALUES (7)");
    std::filesystem::permissions(db.path(), std::filesystem::perms::owner_read);
    {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(db.connectionString());
        EXPECT_TRUE(identical(connection->Execute("SELECT a FROM t")->Fields(0).Value(), 7));
        EXPECT_TRUE(
            identical(connection->Execute("PRAGMA journal_mode")->Fields(0).Value(), "delete"));
    }
    EXPECT_FALSE(std::filesystem::exists(db.path() + "-wal"));
    EXPECT_FALSE(std::filesystem::exists(db.path() + "-shm"));
}

TEST(Connection, MissingTableAndColumnAreNamed) {
    TempDatabase db("CREATE TABLE t(id INTEGER PRIMARY KEY, a INT)");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    expectMentions(errorOf([&] { connection->Execute("SELECT * FROM Нет_Таблицы"); }),
                   "Нет_Таблицы");
    expectMentions(errorOf([&] { connection->Execute("SELECT t.Нет_Колонки FROM t"); }),
                   "Нет_Колонки");
}

TEST(Connection, TheSqlOfTheCalculationsRunsUnchanged) {
    TempDatabase db(
        "CREATE TABLE FSB(id INTEGER PRIMARY KEY, Имя_Проц_Форм TEXT, Арм TEXT);"
        "CREATE TABLE [001_Таблицы_АРМов]([Имя таблицы] TEXT);"
        "INSERT INTO [001_Таблицы_АРМов] VALUES ('FSB');");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    EXPECT_EQ(
        connection->Execute("SELECT FSB.* From FSB WHERE (((FSB.id) Is Null));")->RecordCount(), 0);
    auto rows = connection->Execute("SELECT [Имя таблицы] FROM [001_Таблицы_АРМов]");
    EXPECT_TRUE(identical(rows->Fields("Имя таблицы").Value(), "FSB"));
}

TEST(Connection, IdentityFunctionsReportTheConnectionString) {
    TempDatabase db;
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString() + ";User ID=Иванов;Application Name=Visual Basic 6");
    auto rows = connection->Execute("SELECT SUSER_SNAME() AS u, APP_NAME() AS a, HOST_NAME() AS h");
    EXPECT_TRUE(identical(rows->Fields("u").Value(), "Иванов"));
    EXPECT_TRUE(identical(rows->Fields("a").Value(), "Visual Basic 6"));
    EXPECT_FALSE(rows->Fields("h").Value().asString().empty());
}

TEST(Connection, TimeoutInterruptsASlowStatement) {
    TempDatabase db;
    ado::Connection connection;
    connection.Open(db.connectionString());
    connection.CommandTimeout(1);
    const oleaut::Error error = errorOf([&] {
        connection.Execute(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
            "SELECT count(*) FROM n");
    });
    EXPECT_EQ(error.number(), ado::adErrQueryTimeout);
    // The handle is usable again afterwards.
    EXPECT_TRUE(identical(db.scalar("SELECT 5"), int32_t{5}));
}

TEST(Connection, TwoConnectionsToOneFileShareOneTransaction) {
    TempDatabase db("CREATE TABLE t(id INTEGER PRIMARY KEY, a INT)");
    ado::Connection first;
    ado::Connection second;
    first.Open(db.connectionString());
    second.Open(db.connectionString());
    EXPECT_EQ(first.BeginTrans(), 1);
    first.Execute("INSERT INTO t(a) VALUES (1)");
    second.Execute("INSERT INTO t(a) VALUES (2)");
    first.RollbackTrans();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM t"), int32_t{0}));

    first.BeginTrans();
    second.Execute("INSERT INTO t(a) VALUES (3)");
    first.CommitTrans();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM t"), int32_t{1}));
}

TEST(Connection, ClosingRollsBackItsOpenTransaction) {
    TempDatabase db("CREATE TABLE t(id INTEGER PRIMARY KEY, a INT)");
    ado::Connection connection;
    connection.Open(db.connectionString());
    connection.BeginTrans();
    connection.Execute("INSERT INTO t(a) VALUES (1)");
    connection.Close();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM t"), int32_t{0}));
    EXPECT_THROW(connection.CommitTrans(), oleaut::Error);
}

TEST(Connection, DatabaseRunsInWalMode) {
    TempDatabase db;
    EXPECT_TRUE(identical(db.scalar("PRAGMA journal_mode"), "wal"));
}

TEST(Connection, ExecuteWithNoRecordsReturnsNothingAndCountsRows) {
    TempDatabase db("CREATE TABLE t(a INT); INSERT INTO t VALUES (1), (2), (3);");
    ado::Connection connection;
    connection.Open(db.connectionString());
    int32_t affected = 0;
    EXPECT_EQ(connection.Execute("UPDATE t SET a = a + 1", &affected,
                                 ado::adCmdText | ado::adExecuteNoRecords),
              nullptr);
    EXPECT_EQ(affected, 3);
    EXPECT_EQ(connection.Execute("DELETE FROM t WHERE a = 2")->State(), ado::adStateClosed);
}

}  // namespace
