// The restore button under a deep program folder: the box names the file that blocks the restore
// whole, and which file it stands beside.
#include "tests/installer/server_restore_fixture.hpp"

#include <fstream>

namespace vendrel::server_restore {
namespace {

// A program folder of exactly 178 characters: its data file's WAL is 201.
fs::path deepRoot(const fs::path& temporary) {
    return temporary /
           std::string(178 - temporary.string().size() - 1 - std::string("/app").size(), 'd');
}

class DeepFolderRestore : public ::testing::Test {
  protected:
    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    testing_support::DemoServer demo{deepRoot(temporary.path())};
    Texts shown;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::Answer::Ok;
    }};
    Form1 window{demo.programFolder()};
};

TEST_F(DeepFolderRestore, ASideFileInTheWayIsNamedWholeBesideItsDatabase) {
    ASSERT_EQ(demo.programFolder().size(), 178u);
    window.Text1.setText("Srv1");
    window.Command5.click();
    const std::string data = window.Text3.Text();
    const std::string wal = data + "-wal";
    ASSERT_EQ(wal.size(), 201u);
    std::ofstream(wal) << "stale pages";
    window.Command6.click();
    // 201 characters: the first 100, "…", and the last 100, which hold "/Virsel_Demo.mdf-wal".
    const std::string shownWal = wal.substr(0, 100) + "…" + wal.substr(101);
    EXPECT_EQ(shown, Texts{"Не удалось восстановить базу данных Virsel_Demo на сервере Srv1:\n"
                           "Cannot create file '" +
                           shownWal + "' because it already exists: it stands beside '" + data +
                           "'. Change the file path or the file name, and retry the operation."});
}

}  // namespace
}  // namespace vendrel::server_restore
