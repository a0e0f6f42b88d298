// After a successful check: what a database name, a path or a pick from the list sends to the
// server and which controls it opens.
#include "tests/installer/server_restore_fixture.hpp"

namespace vendrel::server_restore {
namespace {

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

// A name is refused when its data or log file would not lie directly in the data folder; a refused
// name closes the restore asking the server nothing, and an accepted one opens it again.
TEST_F(ServerRestore, ANameIsRefusedWhenItsFilesWouldNotLieInTheDataFolder) {
    check();
    const struct {
        const char* name;
        bool refused;
    } cases[] = {{"../Virsel", true},       {"BD/x", true}, {"a/b", true},  {"/", true},
                 {"Virsel_Demo..x", false}, {"..", false},  {"a.b", false}, {"Новая", false}};
    for (const auto& c : cases) {
        sqlserver::StatementLog log;
        window.Text2.setText(c.name);
        EXPECT_EQ(enabledControls(window), c.refused ? kNameTaken : kBackupRead) << c.name;
        EXPECT_EQ(log.texts().empty(), c.refused) << c.name;
        if (!c.refused) {
            EXPECT_EQ(window.Text3.Text(), demo.programFolder() + "/BD/" + c.name + ".mdf");
        }
    }
    EXPECT_EQ(shown, Texts{}) << "no box while the name is typed";
}

// Typing a refused name letter by letter shows no box; leaving the field tells why, once for each
// name refused.
TEST_F(ServerRestore, LeavingTheNameFieldTellsWhyOncePerName) {
    check();
    const auto refusal = [this](const std::string& name) {
        return expand("Имя БД " + name +
                          " содержит \"/\": файлы БД должны лежать прямо в папке {app}/BD/, "
                          "измените имя БД!",
                      demo);
    };
    const struct {
        const char* typed;  // nullptr: the focus leaves the field
        Texts shownSoFar;
    } steps[] = {
        {".", {}},
        {"..", {}},
        {"../", {}},
        {"../x", {}},
        {nullptr, {refusal("../x")}},
        {nullptr, {refusal("../x")}},
        {"a/b", {refusal("../x")}},
        {nullptr, {refusal("../x"), refusal("a/b")}},
        {"Новая", {refusal("../x"), refusal("a/b")}},
        {nullptr, {refusal("../x"), refusal("a/b")}},
    };
    for (const auto& step : steps) {
        if (step.typed != nullptr) {
            window.Text2.setText(step.typed);
        } else {
            window.Text2.loseFocus();
        }
        EXPECT_EQ(shown, step.shownSoFar) << (step.typed ? step.typed : "(left)");
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

}  // namespace
}  // namespace vendrel::server_restore
