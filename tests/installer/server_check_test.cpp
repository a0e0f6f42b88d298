// The server check through Form1: the rights it asks for, what it opens, and what each failure
// shows.
#include "tests/installer/server_restore_fixture.hpp"

namespace vendrel::server_restore {
namespace {

TEST_F(ServerRestore, ACheckedServerOpensTheRestoreAndListsItsDatabases) {
    sqlserver::StatementLog log;
    check();
    EXPECT_EQ(shown, Texts{});
    EXPECT_EQ(log.texts(), expand(Texts{kConnectRight, kCreateRight, named("Virsel_demo"),
                                        kAllDatabases, named("Virsel_Demo"), fileList("{bak}")},
                                  demo));
    EXPECT_EQ(enabledControls(window), kBackupRead);
    EXPECT_EQ(listOf(window.Combo1), kSystemDatabases);
    EXPECT_EQ(window.ConnectionText, connection("master"));
    EXPECT_EQ(window.SqlConnection->CommandTimeout(), 15);
    EXPECT_EQ(window.LogicalDataName, "Virsel_Demo");
    EXPECT_EQ(window.LogicalLogName, "Virsel_Demo_log");
    EXPECT_EQ(window.Text3.Text(), demo.programFolder() + "/BD/Virsel_Demo.mdf");
    EXPECT_EQ(window.form.ActiveControl(), &window.Text2)
        << "the keyboard goes on in the tab shown";
}

struct CheckCase {
    const char* what;
    std::string server;
    std::function<void(const testing_support::DemoServer&)> arrange;
    Texts boxes;
    Texts sent;
    std::string enabled;
    std::string connectionText;
    std::optional<Failing> failing = std::nullopt;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.what;
}

class ServerCheckFails : public ServerRestore, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ServerCheckFails, TellsWhyAndKeepsWhatItDid) {
    const CheckCase& c = GetParam();
    if (c.arrange) c.arrange(demo);
    const auto fault = injected(c.failing);
    sqlserver::StatementLog log;
    check(c.server);
    EXPECT_EQ(shown, c.boxes);
    EXPECT_EQ(log.texts(), expand(c.sent, demo));
    EXPECT_EQ(enabledControls(window), c.enabled);
    EXPECT_EQ(window.ConnectionText, c.connectionText);
    EXPECT_EQ(window.Combo1.ListCount(), 0);
}

const std::string kFreeNameOpensTheBackup =
    "Text1 Command5 SSTab1 Text5 Command7 Text3 Command3 Text4 Command4 Command6 Text6 Command1";

INSTANTIATE_TEST_SUITE_P(
    ServerRestore, ServerCheckFails,
    ::testing::Values(
        CheckCase{"an unknown server",
                  "Nobody",
                  {},
                  {notFound("SQL Server 'Nobody' does not exist or access denied.")},
                  {},
                  kClosed,
                  "Driver={SQL Server};Trusted_Connection=Yes;Server=Nobody;Database=master;"},
        CheckCase{"a name that would add an attribute",
                  "Srv1;Database=msdb",
                  {},
                  {notFound("SQL Server 'Srv1;Database=msdb' does not exist or access denied.")},
                  {},
                  kClosed,
                  "Driver={SQL Server};Trusted_Connection=Yes;Server={Srv1;Database=msdb};"
                  "Database=master;"},
        CheckCase{"CONNECT refused: the server refuses the connection",
                  "srv1",
                  [](const auto& server) { server.refuse("CONNECT"); },
                  {notFound("Cannot open database \"master\" requested by the login. The login "
                            "failed.")},
                  {},
                  kClosed,
                  "Driver={SQL Server};Trusted_Connection=Yes;Server=srv1;Database=master;"},
        CheckCase{"CREATE DATABASE refused",
                  "Srv1",
                  [](const auto& server) { server.refuse("CREATE DATABASE"); },
                  {kNoCreate},
                  {kConnectRight, kCreateRight, named("Virsel_Demo"), fileList("{bak}")},
                  kFreeNameOpensTheBackup,
                  connection("master")},
        CheckCase{"a failing pick inside the check",
                  "Srv1",
                  {},
                  {notFound("SHUTDOWN is in progress.")},
                  {kConnectRight, kCreateRight, named("Virsel_demo")},
                  "SSTab1 Text2 Text5 Combo1 Text6 Command1",
                  connection("master"),
                  Failing{StatementKind::DatabaseByName,
                          {sqlserver::statementError(6005, "SHUTDOWN is in progress."), {}}}}),
    kalvik::test::NamedByPrinting{});

}  // namespace
}  // namespace vendrel::server_restore
