// The installer end to end on the virtual display: the demonstration tree built in
// <build>/installer-e2e, Form1 in its window on it, driven through its widgets, the boxes answered
// and recorded, a screenshot after each step; then the four workstation files relinked, compacted
// and built, checked against the demonstration list worked by hand. The tree stays for a person
// to look at.

#include "installer/demo_tree/tree.hpp"
#include "installer/form1/form1.hpp"
#include "platform/ado/sqlite_file.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/catalogue.hpp"
#include "platform/sqlserver/driver.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "platform/wsh/shell.hpp"
#include "tests/support/temporary_directory.hpp"
#include "tests/window/screenshot.hpp"
#include "tests/window/window_input.hpp"

// GoogleTest before the X headers, which define None.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace window_tests {
namespace {

namespace fs = std::filesystem;

const fs::path kTree = fs::path(KALVIK_BINARY_DIR) / "installer-e2e";

// A link's connection to the database the relinking was given.
std::string linkConnect(const std::string& database) {
    return "ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=localhost;Database=" + database +
           ";";
}

// A click at a point of the window, its reaction run.
void clickAndSettle(Fl_Window* window, int x, int y) {
    clickAt(window, x, y);
    settle();
}

void clickButton(Fl_Window* window, const char* caption) {
    Fl_Widget* button = findWidget(window, [&](Fl_Widget* w) {
        return dynamic_cast<Fl_Button*>(w) && w->label() && std::strcmp(w->label(), caption) == 0;
    });
    ASSERT_NE(button, nullptr) << caption;
    clickAndSettle(window, button->x() + button->w() / 2, button->y() + button->h() / 2);
}

// Picks a tab by clicking its header.
void pickTab(Fl_Window* window, const char* caption) {
    ASSERT_TRUE(window_tests::clickTab(window, caption)) << "no tab " << caption;
    settle();
}

void typeInto(Fl_Window* window, Fl_Widget* input, const char* text) {
    Fl::focus(input);
    static std::string typed;
    typed = text;
    Fl::e_text = typed.data();
    Fl::e_length = static_cast<int>(typed.size());
    Fl::e_keysym = 'x';
    Fl::e_state = 0;
    Fl::handle(FL_KEYBOARD, window);
    settle();
}

void screenshot(const std::string& step) {
    settle();
    savePng(grabScreen(), "installer_e2e_" + step);
}

std::vector<std::string> column(const fs::path& file, const std::string& sql) {
    ado::sqlite::File db(file, ado::sqlite::File::Mode::ReadOnly);
    const ado::RowSet rows = db.run(sql);
    std::vector<std::string> values;
    for (size_t row = 0; row < rows.rowCount(); ++row)
        values.push_back(ado::sqlite::textAt(rows, row, 0));
    return values;
}

// What each file holds once relinked, worked by hand from the demonstration list: its links
// ("name<-source") and its indexes ("index: columns"), each in name order.
struct Relinked {
    std::vector<std::string> links;
    std::vector<std::string> indexes;
};
const std::map<std::string, Relinked> kRelinked = {
    {"Dog",
     {{"Журнал<-FSB", "Периоды без ключа<-ПериодРасчета", "Периоды расчета<-ПериодРасчета",
       "Потребители<-Потребители", "Тарифы<-Тарифы"},
      {"Ind_Журнал: id", "Ind_Периоды расчета: id,План", "Ind_Потребители: Npotr",
       "Ind_Тарифы: NTAX"}}},
    {"Dg_Rs",
     {{"ДлитОтключенияПотр<-ДлитОтключенияПотр", "ОтключенияПотр<-ОтключенияПотр"},
      {"Ind_ДлитОтключенияПотр: id,Npotr,ПотопНач,ПотопКон", "Ind_ОтключенияПотр: id,Npotr"}}},
    {"Ras",
     {{"Журнал<-FSB", "Промывки<-Промывки", "РезультатыПотребитель<-РезультатыПотребитель"},
      {"Ind_Журнал: id", "Ind_РезультатыПотребитель: NNрасчТепл"}}},
    {"Fin",
     {{"Журнал<-FSB", "Потребитель_K_G_gvs<-Потребитель_K_G_gvs"},
      {"Ind_Журнал: id", "Ind_Потребитель_K_G_gvs: Npotr"}}},
};

Relinked relinkedOf(const fs::path& file, const std::string& database) {
    ado::sqlite::File db(file, ado::sqlite::File::Mode::ReadOnly);
    Relinked found;
    for (const dao::Link& link : dao::readLinks(db)) {
        EXPECT_EQ(link.connect, linkConnect(database)) << link.name;
        found.links.push_back(link.name + "<-" + link.sourceTableName);
    }
    const ado::RowSet rows = db.run("SELECT Name, Fields FROM dao_indexes");
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        std::string columns;
        for (const std::string& name : dao::splitColumns(ado::sqlite::textAt(rows, row, 1)))
            columns += (columns.empty() ? "" : ",") + name;
        found.indexes.push_back(ado::sqlite::textAt(rows, row, 0) + ": " + columns);
    }
    std::sort(found.links.begin(), found.links.end());
    std::sort(found.indexes.begin(), found.indexes.end());
    return found;
}

TEST(InstallerEndToEnd, RelinksCompactsAndBuildsTheDemonstrationTree) {
    ui::setMode(ui::Mode::Window);
    vendrel::demo_tree::buildTree(kTree, KALVIK_INSTALLER_DIR);
    fs::create_directories(kTree / "tmp");
    testing_support::ScopedEnvironment serverRoot{"KALVIK_SQLSERVER_ROOT",
                                                  (kTree / "server").string()};
    testing_support::ScopedEnvironment temp{"TEMP", (kTree / "tmp").string()};
    sqlserver::installDriver();
    wsh::setScriptHost(kTree / "vendrel-wsh");
    std::vector<ui::MessageBoxRequest> boxes;
    ui::ScopedResponder responder([&](const ui::MessageBoxRequest& request) {
        boxes.push_back(request);
        return ui::Answer::Ok;
    });

    vendrel::Form1 form1(kTree.string());
    form1.form.show();
    screenshot("1_started");
    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);

    Fl_Widget* text1 = findWidget(window, [&](Fl_Widget* w) {
        return dynamic_cast<Fl_Input*>(w) != nullptr && w->parent() == window;
    });
    ASSERT_NE(text1, nullptr);
    typeInto(window, text1, vendrel::demo_tree::kServer);
    EXPECT_EQ(form1.Text1.Text(), "localhost");
    screenshot("2_server_typed");

    clickButton(window, "Проверить подключение");
    screenshot("3_checked");
    clickButton(window, "Restore database");
    screenshot("4_restored");
    ASSERT_TRUE(form1.Command8.Enabled());
    boxes.clear();

    pickTab(window, "Присоединить АРМы");
    EXPECT_EQ(form1.SSTab1.Tab(), 1);
    EXPECT_EQ(form1.Text6.Text(), kTree.string() + "/MDB/");
    screenshot("5_relink_tab");

    // The database as the window names it: the start-up's "Virsel_demo", or the restored name.
    const std::string database = form1.Combo1.Text();
    clickButton(window, "Присоединить mdb");
    screenshot("6_relinked");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Успешно присоединено 4 АРМа!");
    EXPECT_EQ(boxes[0].title, "Vendrel");
    EXPECT_EQ(form1.Label8.Caption(), "");
    EXPECT_EQ(form1.Label9.Caption(), "");

    const auto built = [] {
        for (const char* code : {"Dog", "Dg_Rs", "Ras", "Fin"}) {
            if (!fs::exists(kTree / "MDB" / (std::string(code) + ".mde"))) return false;
        }
        return fs::is_empty(kTree / "tmp");
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!built() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(built()) << "four .mde and no script left within 60 s";
    screenshot("7_built");
    form1.form.unload();

    for (const auto& [code, expected] : kRelinked) {
        const fs::path mdb = kTree / "MDB" / (code + ".mdb");
        const Relinked found = relinkedOf(mdb, database);
        EXPECT_EQ(found.links, expected.links) << code;
        EXPECT_EQ(found.indexes, expected.indexes) << code;
        EXPECT_EQ(column(mdb,
                         "SELECT ServerName || '|' || DBName || '|' || ConnectionString FROM "
                         "tbl_str_conn"),
                  std::vector<std::string>{"localhost|" + database +
                                           "|Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist "
                                           "Security Info=False;Initial Catalog=" +
                                           database})
            << code;
        EXPECT_EQ(column(mdb, "SELECT Value FROM dao_properties WHERE Name = 'Locale'"),
                  std::vector<std::string>{";LANGID=0x0419;CP=1251;COUNTRY=0"})
            << code;
        const fs::path mde = kTree / "MDB" / (code + ".mde");
        EXPECT_EQ(relinkedOf(mde, database).links, expected.links) << code;
        EXPECT_EQ(column(mde, "SELECT Value FROM dao_properties WHERE Name = 'MDE'"),
                  std::vector<std::string>{"T"})
            << code;
        EXPECT_EQ(column(mde, "SELECT count(*) FROM dao_modules WHERE Source IS NOT NULL"),
                  std::vector<std::string>{"0"})
            << code;
    }
    EXPECT_EQ(column(kTree / "BD/Virsel_Demo.mdf",
                     "SELECT DISTINCT SQLServer || '|' || SQLDatabase FROM [001_Таблицы_АРМов]"),
              std::vector<std::string>{"localhost|" + database});
}

}  // namespace
}  // namespace window_tests
