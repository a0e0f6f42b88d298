#include "installer/form1/form1.hpp"

#include "platform/ui/file_dialog.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/temporary_directory.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;

// "{app}" in an expected text stands for the program folder.
std::string expand(std::string text, const std::string& app) {
    const std::string mark = "{app}";
    if (const std::size_t at = text.find(mark); at != std::string::npos) {
        text.replace(at, mark.size(), app);
    }
    return text;
}

// A program folder below a temporary folder holding the given files.
std::string programFolderWith(const fs::path& root, const std::string& folder,
                              const std::vector<std::string>& files) {
    const fs::path app = root / folder;
    fs::create_directories(app);
    for (const std::string& file : files) {
        fs::create_directories((app / file).parent_path());
        std::ofstream(app / file) << "backup";
    }
    return app.string();
}

const std::string kVirsel = "Программа установки демо-версии ПРК \"Вирсель\"";
const std::string kVedar = "Программа установки демо-версии ПРК \"Ведарис\"";
const std::string kNoProduct = "Программа установки демо-версии";

struct StartUpCase {
    const char* what;
    std::string folder;  // the program folder below the temporary folder; "/" for the root
    std::vector<std::string> files;
    std::string caption, text2, text5, text3, text4, combo1, text6;
};

void PrintTo(const StartUpCase& c, std::ostream* os) {
    *os << c.what;
}

class Form1StartUp : public ::testing::TestWithParam<StartUpCase> {
  protected:
    ui::ScopedMode headless{ui::Mode::Headless};
};

TEST_P(Form1StartUp, FillsTheFieldsFromTheBackupFound) {
    const StartUpCase& c = GetParam();
    testing_support::TemporaryDirectory temporary;
    const std::string app =
        c.folder == "/" ? "/" : programFolderWith(temporary.path(), c.folder, c.files);
    Form1 form1(app);

    EXPECT_EQ(form1.AppFolder, app);
    EXPECT_EQ(form1.form.Caption(), c.caption);
    EXPECT_EQ(form1.Text1.Text(), "");
    EXPECT_EQ(form1.Text2.Text(), expand(c.text2, app));
    EXPECT_EQ(form1.Text5.Text(), expand(c.text5, app));
    EXPECT_EQ(form1.Text3.Text(), expand(c.text3, app));
    EXPECT_EQ(form1.Text4.Text(), expand(c.text4, app));
    EXPECT_EQ(form1.Combo1.Text(), c.combo1);
    EXPECT_EQ(form1.Combo1.ListCount(), 0);
    EXPECT_EQ(form1.Text6.Text(), expand(c.text6, app));
    EXPECT_EQ(form1.Label8.Caption(), "");
    EXPECT_EQ(form1.Label9.Caption(), "");
    // The backup query ran on the closed connection and failed.
    EXPECT_EQ(form1.SqlText,
              "RESTORE FILELISTONLY FROM DISK = '" + expand(c.text5, app) + "' WITH FILE=1; ");
    EXPECT_EQ(form1.SqlConnection->State(), ado::adStateClosed);
    EXPECT_EQ(form1.LogicalDataName, "");
    // Only the server field and its button, the tabs and the workstation folder take input.
    const std::vector<std::pair<const ui::Control*, bool>> states = {
        {&form1.Text1, true},     {&form1.Command5, true},  {&form1.SSTab1, true},
        {&form1.Text2, false},    {&form1.Text5, false},    {&form1.Command7, false},
        {&form1.Text3, false},    {&form1.Command3, false}, {&form1.Text4, false},
        {&form1.Command4, false}, {&form1.Command6, false}, {&form1.Combo1, false},
        {&form1.Text6, true},     {&form1.Command1, true},  {&form1.Command8, false},
        {&form1.Label1, true},    {&form1.Label9, true},
    };
    for (std::size_t i = 0; i < states.size(); ++i) {
        EXPECT_EQ(states[i].first->Enabled(), states[i].second) << "control " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form1, Form1StartUp,
    ::testing::Values(StartUpCase{"both products",
                                  "app",
                                  {"BD/BdBackup/Vedar_Demo.bak", "BD/BdBackup/Virsel_Demo.bak"},
                                  kVirsel,
                                  "Virsel_Demo",
                                  "{app}/BD/BdBackup/Virsel_Demo.bak",
                                  "{app}/BD/Virsel_Demo.mdf",
                                  "{app}/BD/Virsel_Demo.ldf",
                                  "Virsel_demo",
                                  "{app}/MDB/"},
                      StartUpCase{"two matches, the last by name",
                                  "app",
                                  {"BD/BdBackup/Virsel_2008.bak", "BD/BdBackup/Virsel_2007.bak"},
                                  kVirsel,
                                  "Virsel_2008",
                                  "{app}/BD/BdBackup/Virsel_2008.bak",
                                  "{app}/BD/Virsel_2008.mdf",
                                  "{app}/BD/Virsel_2008.ldf",
                                  "Virsel_demo",
                                  "{app}/MDB/"},
                      StartUpCase{"a match without bak",
                                  "app",
                                  {"BD/BdBackup/Virsel_Demo.zip"},
                                  kVirsel,
                                  "Virsel_Demo.zip",
                                  "{app}/BD/BdBackup/Virsel_Demo.zip",
                                  "{app}/BD/Virsel_Demo.zip.mdf",
                                  "{app}/BD/Virsel_Demo.zip.ldf",
                                  "Virsel_demo",
                                  "{app}/MDB/"},
                      StartUpCase{"the second product, its fixed backup name",
                                  "app",
                                  {"BD/BdBackup/Vedar_2008.bak"},
                                  kVedar,
                                  "Vedar_2008",
                                  "{app}/BD/BdBackup/Vedar_Demo.bak",
                                  "{app}/BD/Vedar_2008.mdf",
                                  "{app}/BD/Vedar_2008.ldf",
                                  "Vedar_Demo",
                                  "{app}/MDB/"},
                      StartUpCase{"no backup",
                                  "app",
                                  {"BD/BdBackup/virsel.bak"},
                                  kNoProduct,
                                  "Demo",
                                  "{app}/BD/BdBackup/",
                                  "{app}/BD/",
                                  "{app}/BD/",
                                  "Demo",
                                  "{app}/MDB/"},
                      StartUpCase{"the root folder",
                                  "/",
                                  {},
                                  kNoProduct,
                                  "Demo",
                                  "//BD/BdBackup/",
                                  "//BD/",
                                  "//BD/",
                                  "Demo",
                                  "//MDB/"},
                      StartUpCase{"bak only in the folder part",
                                  "old.bak",
                                  {"BD/BdBackup/Virsel_Demo"},
                                  kVirsel,
                                  "Virsel_Demo",
                                  "{app}/BD/BdBackup/Virsel_Demo",
                                  "{app}/BD/Virsel_Demo.mdf",
                                  "{app}/BD/Virsel_Demo.ldf",
                                  "Virsel_demo",
                                  "{app}/MDB/"}),
    kalvik::test::NamedByPrinting{});

const ui::TextBox& fieldNamed(const Form1& form1, const std::string& name) {
    const std::pair<const char*, const ui::TextBox*> fields[] = {{"Text3", &form1.Text3},
                                                                 {"Text4", &form1.Text4},
                                                                 {"Text5", &form1.Text5},
                                                                 {"Text6", &form1.Text6}};
    for (const auto& [fieldName, field] : fields) {
        if (name == fieldName) return *field;
    }
    throw std::invalid_argument("no field " + name);
}

// A start-up that finds the backup.
class PathDialogs : public ::testing::Test {
  protected:
    PathDialogs()
        : app(programFolderWith(temporary.path(), "app", {"BD/BdBackup/Virsel_Demo.bak"})),
          form1(app) {}

    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    std::string app;
    Form1 form1;
};

TEST_F(PathDialogs, EachButtonAsksForItsPath) {
    const std::vector<ui::FileFilter> bak = {{"Файлы БД (*.bak) ", "*.bak"},
                                             {" All files(*.*) ", "*.*"}};
    const std::vector<ui::FileFilter> mdf = {{"Файлы БД (*.mdf) ", "*.mdf"},
                                             {" All files(*.*) ", "*.*"}};
    const std::vector<ui::FileFilter> ldf = {{"Файлы БД (*.ldf) ", "*.ldf"},
                                             {" All files(*.*) ", "*.*"}};
    form1.Text3.setText(app + "/BD/Virsel_Demo.mdf");
    form1.Text4.setText(app + "/data/Virsel_Demo.ldf");
    struct Case {
        void (Form1::*click)();
        ui::FileRequest request;
    };
    const Case cases[] = {
        {&Form1::Command7_Click,
         {ui::FileDialogKind::Open, "Открыть БД", app + "/BD/BdBackup/", "", bak, ""}},
        {&Form1::Command3_Click,
         {ui::FileDialogKind::Save, "Сохранить mdf", app + "/BD/", "", mdf, "mdf"}},
        {&Form1::Command4_Click,
         {ui::FileDialogKind::Save, "Сохранить ldf", app + "/data/", "", ldf, "ldf"}},
        {&Form1::Command1_Click,
         {ui::FileDialogKind::Folder, "Открыть БД", app + "/MDB/", "", {}, ""}},
    };
    for (const Case& c : cases) {
        std::optional<ui::FileRequest> asked;
        ui::ScopedFileResponder responder([&](const ui::FileRequest& request) {
            asked = request;
            return std::nullopt;
        });
        (form1.*c.click)();
        ASSERT_TRUE(asked.has_value()) << c.request.title;
        EXPECT_EQ(*asked, c.request) << c.request.title;
    }
}

TEST_F(PathDialogs, AnAnswerFillsTheFieldAndACancelChangesNothing) {
    struct Case {
        const char* what;
        void (Form1::*click)();
        std::optional<std::string> answer;
        const char* field;
        std::string expected;       // the field after the dialog
        std::string expectedText3;  // "marked" unless the backup path's reaction ran
    };
    const Case cases[] = {
        {"backup chosen", &Form1::Command7_Click, "/srv/b/Other.bak", "Text5", "/srv/b/Other.bak",
         "{app}/BD/Virsel_Demo.mdf"},
        {"backup without extension", &Form1::Command7_Click, "/srv/b/Other", "Text5",
         "/srv/b/Other", "{app}/BD/Virsel_Demo.mdf"},
        {"backup cancelled", &Form1::Command7_Click, std::nullopt, "Text5",
         "{app}/BD/BdBackup/Virsel_Demo.bak", "marked"},
        {"data file typed bare", &Form1::Command3_Click, "/srv/d/Base", "Text3", "/srv/d/Base.mdf",
         "/srv/d/Base.mdf"},
        {"data file with extension", &Form1::Command3_Click, "/srv/d/Base.dat", "Text3",
         "/srv/d/Base.dat", "/srv/d/Base.dat"},
        {"log file typed bare", &Form1::Command4_Click, "/srv/d/Base", "Text4", "/srv/d/Base.ldf",
         "marked"},
        {"data file cancelled", &Form1::Command3_Click, std::nullopt, "Text3", "marked", "marked"},
        {"folder", &Form1::Command1_Click, "/srv/mdb", "Text6", "/srv/mdb/", "marked"},
        {"folder with its slash", &Form1::Command1_Click, "/srv/mdb/", "Text6", "/srv/mdb/",
         "marked"},
        {"folder cancelled", &Form1::Command1_Click, std::nullopt, "Text6", "{app}/MDB/", "marked"},
    };
    for (const Case& c : cases) {
        testing_support::TemporaryDirectory fresh;
        const std::string freshApp =
            programFolderWith(fresh.path(), "app", {"BD/BdBackup/Virsel_Demo.bak"});
        Form1 window(freshApp);
        window.Text3.setText("marked");  // a rerun of the backup path's reaction shows here
        ui::ScopedFileResponder responder([&](const ui::FileRequest&) { return c.answer; });
        (window.*c.click)();
        EXPECT_EQ(fieldNamed(window, c.field).Text(), expand(c.expected, freshApp)) << c.what;
        EXPECT_EQ(window.Text3.Text(), expand(c.expectedText3, freshApp)) << c.what;
        // The reaction, when it ran, failed on the closed connection and left the paths disabled.
        EXPECT_FALSE(window.Text3.Enabled()) << c.what;
    }
}

}  // namespace
}  // namespace vendrel
