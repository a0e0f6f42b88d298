// The server check, the database names, the backup path and the restore, driven through Form1's
// controls against the stand-in server; the statements are read back from the server's log.

#include "installer/form1/form1.hpp"

#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/server_errors.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/demo_server.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;
using sqlserver::StatementKind;
using Texts = std::vector<std::string>;

// The failed check's box, with the server's message below it.
std::string notFound(const std::string& serverMessage) {
    return "Не удалось найти сервер с таким названием!\n" + serverMessage;
}
const std::string kNoCreate = "У вас нет прав на создание базы данных!";
const std::string kConnectRight =
    "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = "
    "'CONNECT'); ";
const std::string kCreateRight =
    "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = 'CREATE "
    "DATABASE'); ";
const std::string kAllDatabases = "select * from sys.databases";
const std::string kSystemDatabases = "master|tempdb|model|msdb";

std::string named(const std::string& name) {
    return "select * from sys.databases where (name = '" + name + "')";
}
std::string fileList(const std::string& backup) {
    return "RESTORE FILELISTONLY FROM DISK = '" + backup + "' WITH FILE=1; ";
}
std::string catalogued(const std::string& path) {
    return "select * from  sys.master_files where physical_name = '" + path + "'";
}
std::string connection(const std::string& database) {
    return "Driver={SQL Server};Trusted_Connection=Yes;Server=Srv1;Database=" + database + ";";
}

// "{app}" in an expected text stands for the program folder, "{bak}" for the backup.
std::string expand(std::string text, const testing_support::DemoServer& server) {
    for (const auto& [mark, value] :
         {std::pair<std::string, std::string>{"{app}", server.programFolder()},
          {"{bak}", server.backup()}}) {
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}
Texts expand(Texts texts, const testing_support::DemoServer& server) {
    for (std::string& text : texts)
        text = expand(text, server);
    return texts;
}

// The controls that take input, named in the window's order.
std::string enabledControls(const Form1& f) {
    const std::pair<const char*, const ui::Control*> controls[] = {
        {"Text1", &f.Text1},       {"Command5", &f.Command5}, {"SSTab1", &f.SSTab1},
        {"Text2", &f.Text2},       {"Text5", &f.Text5},       {"Command7", &f.Command7},
        {"Text3", &f.Text3},       {"Command3", &f.Command3}, {"Text4", &f.Text4},
        {"Command4", &f.Command4}, {"Command6", &f.Command6}, {"Combo1", &f.Combo1},
        {"Text6", &f.Text6},       {"Command1", &f.Command1}, {"Command8", &f.Command8}};
    std::string names;
    for (const auto& [name, control] : controls) {
        if (control->Enabled()) names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
}

std::string listOf(const ui::ComboBox& combo) {
    std::string joined;
    for (const std::string& item : combo.items())
        joined += (joined.empty() ? "" : "|") + item;
    return joined;
}

// A statement of the server failing while a case runs.
struct Failing {
    StatementKind kind;
    sqlserver::Fault fault;
};

std::unique_ptr<sqlserver::ScopedFault> injected(const std::optional<Failing>& failing) {
    if (!failing) return nullptr;
    return std::make_unique<sqlserver::ScopedFault>(failing->kind, failing->fault);
}

// Stages of the window.
const std::string kClosed = "Text1 Command5 SSTab1 Text6 Command1";
const std::string kBackupRead =
    "SSTab1 Text2 Text5 Command7 Text3 Command3 Text4 Command4 Command6 Combo1 Text6 Command1";
const std::string kNameTaken = "SSTab1 Text2 Combo1 Text6 Command1";

// A window started from a program folder holding the demonstration backup; the boxes it shows.
class ServerRestore : public ::testing::Test {
  protected:
    ServerRestore() : window(demo.programFolder()) {}

    void check(const std::string& server = "Srv1") {
        window.Text1.setText(server);
        window.Command5.click();
    }

    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    testing_support::DemoServer demo{temporary.path()};
    Texts shown;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::Answer::Ok;
    }};
    Form1 window;
};

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
    EXPECT_EQ(window.form.focused(), &window.Text2) << "the keyboard goes on in the tab shown";
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

// After a successful check: what a keystroke in a field or a pick from the list sends and opens.
struct InputCase {
    const char* what;
    std::function<void(Form1&, const testing_support::DemoServer&)> act;
    Texts sent;
    std::string enabled;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.what;
}

class NamesAndPaths : public ServerRestore, public ::testing::WithParamInterface<InputCase> {};

TEST_P(NamesAndPaths, OpenOrCloseTheRestore) {
    const InputCase& c = GetParam();
    check();
    sqlserver::StatementLog log;
    c.act(window, demo);
    EXPECT_EQ(log.texts(), expand(c.sent, demo));
    EXPECT_EQ(enabledControls(window), c.enabled);
    EXPECT_EQ(shown, Texts{});
}

const std::string kLinking = kBackupRead + " Command8";

INSTANTIATE_TEST_SUITE_P(
    ServerRestore, NamesAndPaths,
    ::testing::Values(InputCase{"a taken name",
                                [](Form1& f, const auto&) { f.Text2.setText("MSDB"); },
                                {named("MSDB")},
                                kNameTaken},
                      InputCase{"a free name",
                                [](Form1& f, const auto&) { f.Text2.setText("Новая"); },
                                {named("Новая"), fileList("{bak}")},
                                kBackupRead},
                      InputCase{
                          "quotes in the name and the backup path",
                          [](Form1& f, const auto& server) {
                              fs::copy_file(server.backup(),
                                            server.programFolder() + "/O'Brien.bak");
                              f.Text2.setText("O'Brien");
                              f.Text5.setText(server.programFolder() + "/O'Brien.bak");
                          },
                          {named("O''Brien"), fileList("{bak}"), fileList("{app}/O''Brien.bak")},
                          kBackupRead},
                      InputCase{"a database picked from the list",
                                [](Form1& f, const auto&) { f.Combo1.pick(3); },
                                {named("msdb")},
                                kLinking},
                      InputCase{"a database typed that the server lacks",
                                [](Form1& f, const auto&) {
                                    f.Combo1.pick(3);
                                    f.Combo1.setText("msd");
                                },
                                {named("msdb"), named("msd")},
                                kBackupRead}),
    kalvik::test::NamedByPrinting{});

// A name that would put the data and log files outside the data folder closes the restore with its
// box, asking the server nothing; a name that stays inside opens it again.
TEST_F(ServerRestore, ANameLeadingOutOfTheDataFolderIsRefused) {
    check();
    const struct {
        const char* name;
        bool refused;
    } cases[] = {{"../Virsel", true}, {"BD/x", true},   {"..", true},
                 {"a..b", true},      {"Новая", false}, {"a.b", false}};
    for (const auto& c : cases) {
        shown.clear();
        sqlserver::StatementLog log;
        window.Text2.setText(c.name);
        if (c.refused) {
            EXPECT_EQ(shown, expand(Texts{"Имя БД " + std::string(c.name) +
                                          " содержит \"/\" или \"..\": файлы БД должны остаться "
                                          "в папке {app}/BD/, измените имя БД!"},
                                    demo))
                << c.name;
            EXPECT_EQ(log.texts(), Texts{}) << c.name;
            EXPECT_EQ(enabledControls(window), kNameTaken) << c.name;
        } else {
            EXPECT_EQ(shown, Texts{}) << c.name;
            EXPECT_EQ(enabledControls(window), kBackupRead) << c.name;
            EXPECT_EQ(window.Text3.Text(), demo.programFolder() + "/BD/" + c.name + ".mdf");
        }
    }
}

TEST_F(ServerRestore, ABackupPathTypedLetterByLetterOpensThePathsOnceReadable) {
    check();
    const std::string path = demo.backup();
    const std::string start = path.substr(0, path.size() - 3);
    const struct {
        const char* typed;
        bool readable;
    } steps[] = {{"", false}, {"b", false}, {"ba", false}, {"bak", true}};
    for (const auto& step : steps) {
        sqlserver::StatementLog log;
        window.Text5.setText(start + step.typed);
        EXPECT_EQ(log.texts(), Texts{fileList(start + step.typed)}) << step.typed;
        EXPECT_EQ(enabledControls(window),
                  step.readable ? kBackupRead : "SSTab1 Text2 Text5 Command7 Combo1 Text6 Command1")
            << step.typed;
    }
}

TEST_F(ServerRestore, AFailingStatementOfAKeystrokeShowsTheServersMessage) {
    check();
    window.Combo1.pick(0);
    ASSERT_TRUE(window.Command8.Enabled());
    sqlserver::ScopedFault fault(StatementKind::DatabaseByName,
                                 {sqlserver::statementError(6005, "SHUTDOWN is in progress."), {}});
    window.Combo1.setText("model");
    window.Text2.setText("Другая");
    EXPECT_EQ(shown, (Texts{"SHUTDOWN is in progress.", "SHUTDOWN is in progress."}));
    EXPECT_EQ(enabledControls(window), kNameTaken);
}

// The restore button after a successful check.
struct RestoreCase {
    const char* what;
    std::function<void(Form1&, const testing_support::DemoServer&)> arrange;
    Texts boxes;
    Texts sent;
    std::string enabled;
    bool restored;
    std::optional<Failing> failing = std::nullopt;
};

void PrintTo(const RestoreCase& c, std::ostream* os) {
    *os << c.what;
}

class Restore : public ServerRestore, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(Restore, RestoresUnderAFreeNameOrChangesNothing) {
    const RestoreCase& c = GetParam();
    check();
    c.arrange(window, demo);
    const std::string name = window.Text2.Text();
    const std::string data = window.Text3.Text();
    const std::string list = listOf(window.Combo1);
    const bool dataOnDisk = fs::exists(data);
    const auto fault = injected(c.failing);
    sqlserver::StatementLog log;
    window.Command6.click();
    EXPECT_EQ(shown, expand(c.boxes, demo));
    EXPECT_EQ(log.texts(), expand(c.sent, demo));
    EXPECT_EQ(enabledControls(window), c.enabled);
    EXPECT_EQ(window.SqlConnection->CommandTimeout(), 15);
    if (c.restored) {
        EXPECT_EQ(listOf(window.Combo1), list + "|" + name);
        EXPECT_EQ(window.Combo1.Text(), name);
        EXPECT_EQ(window.ConnectionText, connection(name));
        EXPECT_EQ(window.SqlConnection->State(), ado::adStateOpen);
        EXPECT_TRUE(fs::exists(data));
        EXPECT_TRUE(fs::exists(window.Text4.Text()));
    } else {
        EXPECT_EQ(listOf(window.Combo1), list);
        EXPECT_EQ(window.Combo1.Text(), "Virsel_demo");
        EXPECT_EQ(window.ConnectionText, connection("master"));
        EXPECT_EQ(fs::exists(data), dataOnDisk);
    }
}

void nothing(Form1&, const testing_support::DemoServer&) {}

// A restore of Virsel_Demo sends these in order, as far as it gets; its last step then sends what
// follows.
Texts sentBy(std::size_t steps, const Texts& then) {
    const Texts restore = {named("Virsel_Demo"), catalogued("{app}/BD/Virsel_Demo.mdf"),
                           catalogued("{app}/BD/Virsel_Demo.ldf"),
                           "RESTORE DATABASE [Virsel_Demo] FROM DISK = '{bak}'With Move "
                           "'Virsel_Demo' TO '{app}/BD/Virsel_Demo.mdf',Move 'Virsel_Demo_log' "
                           "TO '{app}/BD/Virsel_Demo.ldf'"};
    Texts sent(restore.begin(), restore.begin() + static_cast<std::ptrdiff_t>(steps));
    sent.insert(sent.end(), then.begin(), then.end());
    return sent;
}
const Texts kNameStillFree = {named("Virsel_Demo"), fileList("{bak}")};
const std::string kFailed = "Не удалось восстановить базу данных Virsel_Demo на сервере Srv1:\n";
const std::string kDataTaken = "Файл {app}/BD/Virsel_Demo.mdf уже существует";

INSTANTIATE_TEST_SUITE_P(
    ServerRestore, Restore,
    ::testing::Values(
        RestoreCase{"a free name and free paths",
                    nothing,
                    {"База данных Virsel_Demo была успешно восстановлена на сервере Srv1!"},
                    sentBy(4, {named("Virsel_Demo"), named("Virsel_Demo")}),
                    kNameTaken + " Command8",
                    true},
        RestoreCase{"quotes and a bracket in the name and the paths",
                    [](Form1& f, const auto&) { f.Text2.setText("O'Brien]"); },
                    {"База данных O'Brien] была успешно восстановлена на сервере Srv1!"},
                    {named("O''Brien]"), catalogued("{app}/BD/O''Brien].mdf"),
                     catalogued("{app}/BD/O''Brien].ldf"),
                     "RESTORE DATABASE [O'Brien]]] FROM DISK = '{bak}'With Move 'Virsel_Demo' "
                     "TO '{app}/BD/O''Brien].mdf',Move 'Virsel_Demo_log' TO "
                     "'{app}/BD/O''Brien].ldf'",
                     named("O''Brien]"), named("O''Brien]")},
                    kNameTaken + " Command8",
                    true},
        RestoreCase{"the name taken meanwhile",
                    [](Form1&, const auto& server) {
                        server.restoreAs("virsel_demo", server.programFolder() + "/BD/a.mdf",
                                         server.programFolder() + "/BD/a.ldf");
                    },
                    {"База данных с именем Virsel_Demo Уже существует на сервере Srv1, "
                     "измените имя БД!"},
                    sentBy(1, {named("Virsel_Demo")}),
                    kNameTaken,
                    false},
        RestoreCase{"a data path catalogued but absent from disk",
                    [](Form1& f, const auto& server) {
                        server.restoreAs("Other", f.Text3.Text(),
                                         server.programFolder() + "/BD/a.ldf");
                        fs::remove(f.Text3.Text());
                    },
                    {kDataTaken},
                    sentBy(2, kNameStillFree),
                    kBackupRead,
                    false},
        RestoreCase{"a data path on disk but not catalogued",
                    [](Form1& f, const auto&) { std::ofstream(f.Text3.Text()) << "x"; },
                    {kDataTaken},
                    sentBy(2, kNameStillFree),
                    kBackupRead,
                    false},
        RestoreCase{"a log path taken, the data path free",
                    [](Form1& f, const auto&) { std::ofstream(f.Text4.Text()) << "x"; },
                    {"Файл {app}/BD/Virsel_Demo.ldf уже существует"},
                    sentBy(3, kNameStillFree),
                    kBackupRead,
                    false},
        RestoreCase{
            "a failing restore statement",
            nothing,
            {kFailed + "RESTORE detected an error on page (1:1)."},
            sentBy(4, kNameStillFree),
            kBackupRead,
            false,
            Failing{
                StatementKind::Restore,
                {sqlserver::statementError(3183, "RESTORE detected an error on page (1:1)."), {}}}},
        RestoreCase{"CREATE DATABASE refused: the server refuses the restore",
                    [](Form1&, const auto& server) { server.refuse("CREATE DATABASE"); },
                    {kFailed + "CREATE DATABASE permission denied in database 'master'."},
                    sentBy(4, kNameStillFree),
                    kBackupRead,
                    false},
        RestoreCase{"an empty name: the server refuses it",
                    [](Form1& f, const auto&) { f.Text2.setText(""); },
                    {"Не удалось восстановить базу данных  на сервере Srv1:\nAn object or column "
                     "name is missing or empty. For SELECT INTO statements, verify each column "
                     "has a name. For other statements, look for empty alias names. Aliases "
                     "defined as \"\" or [] are not allowed. Change the alias to a valid name."},
                    {named(""), catalogued("{app}/BD/.mdf"), catalogued("{app}/BD/.ldf"),
                     "RESTORE DATABASE [] FROM DISK = '{bak}'With Move 'Virsel_Demo' TO "
                     "'{app}/BD/.mdf',Move 'Virsel_Demo_log' TO '{app}/BD/.ldf'",
                     named(""), fileList("{bak}")},
                    kBackupRead,
                    false},
        RestoreCase{"a timeout of the restore statement",
                    nothing,
                    {kFailed + "Query timeout expired"},
                    sentBy(4, kNameStillFree),
                    kBackupRead,
                    false,
                    Failing{StatementKind::Restore, {sqlserver::timeoutError(), {}}}}),
    kalvik::test::NamedByPrinting{});

}  // namespace
}  // namespace vendrel
