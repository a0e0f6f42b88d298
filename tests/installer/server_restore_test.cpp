// The restore button after a successful check: the statements it sends, the boxes it shows and the
// files and databases it leaves.
#include "tests/installer/server_restore_fixture.hpp"

#include <fstream>

namespace vendrel::server_restore {
namespace {

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
}  // namespace vendrel::server_restore
