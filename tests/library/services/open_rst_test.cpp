#include "library/services/open_rst.hpp"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "demo/builder.hpp"
#include "library/services/procedure_command.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/text.hpp"
#include "tests/platform/ado/ado_test_support.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/temporary_directory.hpp"

namespace {

using kalvik_test::errorOf;
using kalvik_test::expectMentions;
using oleaut::Variant;
using testing_support::ScopedEnvironment;
using testing_support::TemporaryDirectory;

constexpr const char* kJournalSelection = "SELECT FSB.* From FSB WHERE (((FSB.id) Is Null));";

// Test rows beside the demonstration database's own.
constexpr const char* kTestRows =
    "CREATE TABLE Проба(id INTEGER PRIMARY KEY, Npotr INT, Q REAL);"
    "INSERT INTO Проба(Npotr, Q) VALUES (12, 1.5), (7, 2.5), (12, 3.5);"
    "INSERT INTO procedures VALUES ('pr_Проба', 'SELECT * FROM Проба ORDER BY id');"
    "INSERT INTO procedures VALUES ('pr_Проба_Npotr', "
    "  'SELECT * FROM Проба WHERE Npotr = @Npotr ORDER BY id');"
    "INSERT INTO procedures VALUES ('pr_Пусто', 'SELECT * FROM Проба WHERE 0');";

class OpenRst : public ::testing::Test {
  protected:
    TemporaryDirectory folder;
    std::string connString = kalvik::demo::buildDemoDatabase((folder.path() / "t.db").string());
    kalvik::Open_RST openRst;

    void SetUp() override { execute(kTestRows); }

    void execute(const std::string& sql) const {
        ado::Connection connection;
        connection.Open(connString);
        connection.Execute(sql, nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    }

    Variant scalar(const std::string& sql) const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connString);
        return connection->Execute(sql)->Fields(0).Value();
    }

    // The Арм and Имя_Проц_Форм of the last journal row.
    std::pair<std::string, std::string> lastJournalRow() const {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(connString);
        auto rows = connection->Execute("SELECT Арм, Имя_Проц_Форм FROM FSB ORDER BY id DESC");
        return {oleaut::CStr(rows->Fields("Арм").Value()),
                oleaut::CStr(rows->Fields("Имя_Проц_Форм").Value())};
    }
};

TEST_F(OpenRst, AnEmptySourceGivesZeroRowsAtTheEnd) {
    auto rst = std::make_shared<ado::Recordset>();
    int32_t K_vo = 99;
    openRst.Open_RST_no_Otkl(rst, connString, kJournalSelection, K_vo);
    EXPECT_EQ(K_vo, 0);
    EXPECT_TRUE(rst->EndOfFile());
    EXPECT_EQ(rst->State(), ado::adStateOpen);

    auto proc = std::make_shared<ado::Recordset>();
    openRst.Open_RST_otkl_proc(proc, connString, "pr_Пусто", K_vo);
    EXPECT_EQ(K_vo, 0);
    EXPECT_TRUE(proc->EndOfFile());
}

TEST_F(OpenRst, ARowAddedToTheEmptySelectionIsInTheTableAtOnce) {
    auto rst = std::make_shared<ado::Recordset>();
    int32_t K_vo = 0;
    openRst.Open_RST_no_Otkl(rst, connString, kJournalSelection, K_vo);
    rst->AddNew();
    rst->Fields("Имя_Проц_Форм").Value("строка");
    rst->Update();
    const Variant id = rst->Fields("id").Value();
    ASSERT_EQ(id.type(), oleaut::VarType::Long);
    EXPECT_TRUE(identical(scalar("SELECT Имя_Проц_Форм FROM FSB WHERE id = " + oleaut::CStr(id)),
                          "строка"));
}

TEST_F(OpenRst, DisconnectedRowsOutliveEveryConnectionAndGoBackWithUpdate) {
    oleaut::ObjectRef rst = std::make_shared<ado::Recordset>();
    int32_t K_vo = 0;
    openRst.Open_RST_otkl_proc(rst, connString, "pr_Проба", K_vo);
    EXPECT_EQ(K_vo, 3);
    auto rows = std::dynamic_pointer_cast<ado::Recordset>(rst);
    EXPECT_EQ(rows->ActiveConnection(), nullptr);
    EXPECT_EQ(rows->LockType(), ado::adLockBatchOptimistic);

    rows->Filter(Variant("[Npotr] = 12"));
    EXPECT_EQ(rows->RecordCount(), 2);
    rows->MoveNext();
    rows->Fields("Q").Value(30.5);
    rows->Update();
    EXPECT_TRUE(identical(scalar("SELECT Q FROM Проба WHERE id = 3"), 3.5));

    openRst.Open_RST_otkl_Update(rst, connString);
    EXPECT_EQ(rst, nullptr);
    EXPECT_TRUE(identical(scalar("SELECT Q FROM Проба WHERE id = 3"), 30.5));
}

TEST_F(OpenRst, TheOpeningMethodsSetLockAndConnectionAsTheirNamesSay) {
    struct Case {
        const char* method;
        ado::LockTypeEnum lock;
        bool connected;
        void (kalvik::Open_RST::*open)(const oleaut::ObjectRef&, const std::string&,
                                       const std::string&, int32_t&);
        const char* source;
    };
    const Case cases[] = {
        {"Open_RST_otkl_proc", ado::adLockBatchOptimistic, false,
         &kalvik::Open_RST::Open_RST_otkl_proc, "pr_Проба"},
        {"Open_RST_proc_no_Otkl", ado::adLockOptimistic, true,
         &kalvik::Open_RST::Open_RST_proc_no_Otkl, "pr_Проба"},
        {"Open_RST_no_Otkl", ado::adLockOptimistic, true, &kalvik::Open_RST::Open_RST_no_Otkl,
         "SELECT * FROM Проба"},
        {"Open_RST_otkl", ado::adLockBatchOptimistic, false, &kalvik::Open_RST::Open_RST_otkl,
         "SELECT * FROM Проба"},
        {"Open_RST_proc", ado::adLockBatchOptimistic, false, &kalvik::Open_RST::Open_RST_proc,
         "pr_Проба"},
        {"Open_RST_otkl_tabl", ado::adLockBatchOptimistic, false,
         &kalvik::Open_RST::Open_RST_otkl_tabl, "Проба"},
        {"Open_RST_tabl", ado::adLockOptimistic, true, &kalvik::Open_RST::Open_RST_tabl, "Проба"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        auto rst = std::make_shared<ado::Recordset>();
        int32_t K_vo = -1;
        (openRst.*c.open)(rst, connString, c.source, K_vo);
        EXPECT_EQ(K_vo, 3);
        EXPECT_EQ(rst->CursorLocation(), ado::adUseClient);
        EXPECT_EQ(rst->CursorType(), ado::adOpenStatic);
        EXPECT_EQ(rst->LockType(), c.lock);
        EXPECT_EQ(rst->ActiveConnection() != nullptr, c.connected);
        // A connected row is saved at Update; a disconnected one waits.
        rst->Fields("Q").Value(rst->Fields("Q").Value() + Variant(1.0));
        rst->Update();
        const Variant stored = scalar("SELECT Q FROM Проба WHERE id = 1");
        EXPECT_TRUE(identical(stored, c.connected ? 2.5 : 1.5));
        execute("UPDATE Проба SET Q = 1.5 WHERE id = 1");
    }
}

TEST_F(OpenRst, CommandVariantsTakeTheCommandsConnectionAndParameters) {
    auto rows = std::make_shared<ado::Recordset>();
    int32_t K_vo = 0;
    {
        kalvik::ProcedureCommand command(connString, "pr_Проба_Npotr",
                                         {kalvik::consumerParameter(12)});
        openRst.Open_RST_otkl_Proc_Prm(command.command(), rows, "not read", K_vo);
        command.close();
    }
    EXPECT_EQ(K_vo, 2);
    EXPECT_EQ(rows->ActiveConnection(), nullptr);
    EXPECT_TRUE(identical(rows->Fields("Q").Value(), 1.5));

    kalvik::ProcedureCommand command(connString, "pr_Проба_Npotr", {kalvik::consumerParameter(7)});
    auto row = std::make_shared<ado::Recordset>();
    openRst.Open_RST_Proc_Prm(command.command(), row, "not read", K_vo);
    EXPECT_EQ(K_vo, 1);
    row->Fields("Q").Value(0.055);
    row->Update();
    command.close();
    EXPECT_TRUE(identical(scalar("SELECT Q FROM Проба WHERE Npotr = 7"), 0.055));
}

TEST_F(OpenRst, AnOpenRecordsetFailsAndLeavesTheCount) {
    auto rst = std::make_shared<ado::Recordset>();
    int32_t K_vo = 0;
    openRst.Open_RST_no_Otkl(rst, connString, "SELECT * FROM Проба", K_vo);
    K_vo = 42;
    EXPECT_EQ(
        errorOf([&] { openRst.Open_RST_no_Otkl(rst, connString, "SELECT 1", K_vo); }).number(),
        ado::adErrObjectOpen);
    EXPECT_EQ(K_vo, 42);
}

TEST_F(OpenRst, AMissingProcedureOrWrongObjectFails) {
    int32_t K_vo = 0;
    expectMentions(errorOf([&] {
                       openRst.Open_RST_otkl_proc(std::make_shared<ado::Recordset>(), connString,
                                                  "pr_Нет", K_vo);
                   }),
                   "pr_Нет");
    EXPECT_EQ(errorOf([&] {
                  openRst.Open_RST_otkl_proc(std::make_shared<ado::Command>(), connString,
                                             "pr_Проба", K_vo);
              }).number(),
              oleaut::kObjectRequired);
}

TEST_F(OpenRst, OpenRstOtklUpdateKeepsTheVariableWhenItFails) {
    oleaut::ObjectRef rst = std::make_shared<ado::Recordset>();
    int32_t K_vo = 0;
    openRst.Open_RST_otkl(rst, connString, "SELECT * FROM Проба ORDER BY id", K_vo);
    auto rows = std::dynamic_pointer_cast<ado::Recordset>(rst);
    rows->Fields("Q").Value(9.0);
    rows->Update();
    execute("UPDATE Проба SET Q = 8 WHERE id = 1");  // changed meanwhile
    EXPECT_THROW(openRst.Open_RST_otkl_Update(rst, connString), oleaut::Error);
    EXPECT_NE(rst, nullptr);
}

struct BasicCase {
    const char* application;
    const char* arm;
    std::string expectedArm;
};

void PrintTo(const BasicCase& c, std::ostream* os) {
    *os << c.application << " " << c.arm;
}

class JournalWorkstation : public OpenRst, public ::testing::WithParamInterface<BasicCase> {};

TEST_P(JournalWorkstation, BasicApplicationsReplaceTheWorkstation) {
    const BasicCase& c = GetParam();
    const std::string message = std::string(100, 'm') + " сообщение";
    openRst.LogFileVs_FSB(connString + ";Application Name=" + c.application, message, c.arm);
    const auto [arm, text] = lastJournalRow();
    EXPECT_EQ(arm, c.expectedArm);
    EXPECT_EQ(text, message);  // the message is not cut
}

INSTANTIATE_TEST_SUITE_P(Applications, JournalWorkstation,
                         ::testing::Values(BasicCase{"MyBasicProgram1", "",
                                                     "MyBasicProgram1" + std::string(15, ' ')},
                                           BasicCase{"MyBasicProgram1", "АРМ-1",
                                                     "MyBasicProgram1" + std::string(15, ' ')},
                                           BasicCase{"MYBASICPROGRAM1", "АРМ-1", "АРМ-1"},
                                           BasicCase{"Basic", "", "Basic" + std::string(25, ' ')},
                                           BasicCase{"kalvik", "", ""}),
                         kalvik::test::NamedByPrinting{});

TEST_F(OpenRst, JournalFailsOnANullHostText) {
    execute(
        "UPDATE procedures SET body = 'SELECT ''h'' AS H_Nm, NULL AS SST_US, ''a'' AS NM_Pril' "
        "WHERE name = 'pr_Hst_NM'");
    EXPECT_EQ(errorOf([&] { openRst.LogFileVs_FSB(connString, "x", ""); }).number(),
              oleaut::kInvalidUseOfNull);
    EXPECT_TRUE(identical(scalar("SELECT count(*) FROM FSB"), int32_t{0}));
}

TEST_F(OpenRst, SVsFsbWritesTheUserDetailsUnchanged) {
    openRst.S_Vs_FSB(connString, "вход", "АРМ-2", "Петров", "секрет");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connString);
    auto rows = connection->Execute("SELECT * FROM FSB");
    ASSERT_EQ(rows->RecordCount(), 1);
    EXPECT_TRUE(identical(rows->Fields("Имя_Проц_Форм").Value(), "вход"));
    EXPECT_TRUE(identical(rows->Fields("Арм").Value(), "АРМ-2"));
    EXPECT_TRUE(identical(rows->Fields("Users").Value(), "Петров"));
    EXPECT_TRUE(identical(rows->Fields("Parole").Value(), "секрет"));
}

TEST_F(OpenRst, LogFileVsCreatesTheFileAndAppendsOneLine) {
    const auto logFolder = folder.path() / "log";
    ScopedEnvironment logDir("KALVIK_LOG_DIR", logFolder.string());
    std::string msg = "сообщение";
    openRst.LogFileVs(connString + ";User ID=Петров", msg);
    EXPECT_EQ(msg, "сообщение");
    std::ostringstream text;
    text << std::ifstream(logFolder / "LogFile_Vs.Log", std::ios::binary).rdbuf();
    const std::string line = text.str();
    const std::string tail = "  -  Петров" + std::string(24, ' ') + "сообщение\r\n";
    ASSERT_GE(line.size(), tail.size());
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    EXPECT_EQ(line.find('\n'), line.size() - 1);

    openRst.LogFileVs(connString, msg);
    text.str("");
    text << std::ifstream(logFolder / "LogFile_Vs.Log", std::ios::binary).rdbuf();
    const std::string both = text.str();
    EXPECT_EQ(std::count(both.begin(), both.end(), '\n'), 2);
}

// Anything at the log's name but a regular file is refused at once, naming it; a symbolic link to
// a regular file is written through.
TEST_F(OpenRst, LogFileVsWritesOnlyIntoARegularFile) {
    const auto logFolder = folder.path() / "log";
    const auto log = logFolder / "LogFile_Vs.Log";
    ScopedEnvironment logDir("KALVIK_LOG_DIR", logFolder.string());
    std::string msg = "сообщение";
    const struct {
        const char* name;
        std::function<void()> make;
        const char* kind;  // nullptr: written
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(log.c_str(), 0644), 0); }, "a FIFO (named pipe)"},
        {"a folder", [&] { std::filesystem::create_directories(log); }, "a folder"},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/null", log); },
         "a character device"},
        {"a link to a file",
         [&] {
             std::ofstream(folder.path() / "kept.log") << "";
             std::filesystem::create_symlink(folder.path() / "kept.log", log);
         },
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(logFolder);
        std::filesystem::create_directory(logFolder);
        c.make();
        if (!c.kind) {
            openRst.LogFileVs(connString, msg);
            EXPECT_TRUE(testing_support::fileContents(folder.path() / "kept.log")
                            .ends_with("сообщение\r\n"));
            continue;
        }
        const oleaut::Error error = errorOf([&] { openRst.LogFileVs(connString, msg); });
        EXPECT_EQ(error.number(), oleaut::kPathFileAccessError);
        EXPECT_EQ(error.description(), "Path/File access error: cannot append to \"" +
                                           log.string() + "\": it is " + c.kind +
                                           ", not a regular file");
    }
}

TEST_F(OpenRst, LogFileVsWithoutAnyLogFolderFails) {
    ScopedEnvironment logDir("KALVIK_LOG_DIR", std::nullopt);
    ScopedEnvironment state("XDG_STATE_HOME", std::nullopt);
    ScopedEnvironment home("HOME", std::nullopt);
    std::string msg = "сообщение";
    const oleaut::Error error = errorOf([&] { openRst.LogFileVs(connString, msg); });
    EXPECT_EQ(error.number(), oleaut::kPathFileAccessError);
    expectMentions(error, "KALVIK_LOG_DIR");
}

TEST(ProcedureTimeout, HeavySourceProceduresGetTwentyMinutes) {
    EXPECT_EQ(kalvik::procedureTimeout("pr_Isxod_Potr"), 1200);
    EXPECT_EQ(kalvik::procedureTimeout("pr_Isx_Vent_Potr"), 1200);
    EXPECT_EQ(kalvik::procedureTimeout("pr_Потребитель_K_G_gvs"), 1200);
    EXPECT_EQ(kalvik::procedureTimeout("pr_Sum_Qvent"), 600);
    EXPECT_EQ(kalvik::procedureTimeout("pr_Potreb_Obnovl"), 600);
}

}  // namespace
