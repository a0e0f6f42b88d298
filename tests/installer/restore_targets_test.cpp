// The data and log paths the user gives the restore: a restore stopped on them keeps them, and the
// next press restores there.
#include "tests/installer/server_restore_fixture.hpp"

#include "platform/ui/file_dialog.hpp"

#include <cerrno>
#include <fstream>

namespace vendrel::server_restore {
namespace {

struct TargetCase {
    const char* what;
    // Puts something in the way of a restore to the data path; it goes with the result.
    std::function<std::shared_ptr<void>(const std::string& data)> obstruct;
    std::string refusal;
};

void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.what;
}

class UserTargets : public ServerRestore, public ::testing::WithParamInterface<TargetCase> {};

// The data path picked in its dialog, the log path typed.
TEST_P(UserTargets, AStoppedRestoreKeepsThemAndTheNextPressRestoresThere) {
    const TargetCase& c = GetParam();
    check();
    window.Text2.setText("Virsel_DemoF");
    const std::string data = expand("{app}/other/Virsel_DemoF.mdf", demo);
    const std::string log = expand("{app}/other/Virsel_DemoF.ldf", demo);
    fs::create_directory(fs::path(data).parent_path());
    {
        ui::ScopedFileResponder picked(
            [&data](const ui::FileRequest&) { return std::optional<std::string>(data); });
        window.Command3.click();
    }
    window.Text4.setText(log);
    {
        const std::shared_ptr<void> obstacle = c.obstruct(data);
        window.Command6.click();
    }
    EXPECT_EQ(shown, expand(Texts{c.refusal}, demo));
    EXPECT_EQ(window.Text3.Text(), data);
    EXPECT_EQ(window.Text4.Text(), log);
    EXPECT_EQ(enabledControls(window), kBackupRead);

    shown.clear();
    window.Command6.click();
    EXPECT_EQ(shown, Texts{"База данных Virsel_DemoF была успешно восстановлена на сервере Srv1!"});
    EXPECT_TRUE(fs::exists(data));
    EXPECT_TRUE(fs::exists(log));
    EXPECT_FALSE(fs::exists(expand("{app}/BD/Virsel_DemoF.mdf", demo)));
}

INSTANTIATE_TEST_SUITE_P(
    ServerRestore, UserTargets,
    ::testing::Values(
        TargetCase{
            "a folder without hard links",
            [](const std::string&) { return std::make_shared<sqlserver::ScopedLinkFault>(EPERM); },
            "Не удалось восстановить базу данных Virsel_DemoF на сервере Srv1:\nCREATE "
            "FILE encountered operating system error 1(Operation not permitted) while "
            "attempting to open or create the physical file "
            "'{app}/other/Virsel_DemoF.mdf'. The folder '{app}/other' does not allow "
            "hard links."},
        TargetCase{"a file at the data path, removed before the next press",
                   [](const std::string& data) {
                       std::ofstream(data) << "x";
                       return std::shared_ptr<void>(nullptr, [data](void*) { fs::remove(data); });
                   },
                   "Файл {app}/other/Virsel_DemoF.mdf уже существует"}),
    kalvik::test::NamedByPrinting{});

}  // namespace
}  // namespace vendrel::server_restore
