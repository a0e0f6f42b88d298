// Relinking workstation files to the demonstration database, worked by hand from its list: links
// and indexes per file, the connection row, the server's stamp, the progress lines, and what each
// failure leaves behind.

#include "installer/form1/relink.hpp"
#include "installer/demo_tree/tree.hpp"

#include "platform/ado/sqlite_file.hpp"
#include "platform/dao/database_test_seam.hpp"
#include "platform/dao/engine.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/mode.hpp"
#include "platform/wsh/shell.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/relink_server.hpp"
#include "tests/support/temporary_directory.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vendrel {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;
using testing_support::RelinkServer;

const std::string kConnect =
    "ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=Srv1;Database=Virsel_Demo;";
const std::string kFrontEnd =
    "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial "
    "Catalog=Virsel_Demo";

// The links of a file as "name<-source", in name order.
std::vector<std::string> linksOf(const fs::path& file, const std::string& connect = kConnect) {
    const auto db = dao::dbEngine().OpenDatabase(file);
    std::vector<std::string> links;
    dao::TableDefList& defs = db->TableDefs();
    for (int32_t i = 0; i < defs.Count(); ++i) {
        const auto def = defs.Item(i);
        if (!(def->Attributes & dao::dbAttachedODBC)) continue;
        EXPECT_EQ(def->Connect, connect) << def->Name;
        links.push_back(def->Name + "<-" + def->SourceTableName);
    }
    db->Close();
    std::sort(links.begin(), links.end());
    return links;
}

// The rows of a query on an SQLite file, each as its cells joined by "|".
std::vector<std::string> rowsOf(const fs::path& file, const std::string& sql) {
    ado::sqlite::File db(file, ado::sqlite::File::Mode::ReadOnly);
    const ado::RowSet rows = db.run(sql);
    std::vector<std::string> result;
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        std::string line;
        for (size_t column = 0; column < rows.columns->size(); ++column)
            line += (column ? "|" : "") + ado::sqlite::textAt(rows, row, column);
        result.push_back(line);
    }
    return result;
}

const std::vector<std::string> kDogLinks = {"Журнал<-FSB", "Периоды без ключа<-ПериодРасчета",
                                            "Периоды расчета<-ПериодРасчета",
                                            "Потребители<-Потребители", "Тарифы<-Тарифы"};

class Relink : public ::testing::Test {
  protected:
    Relink() {
        fs::create_directories(temporary.path() / "tmp");
        wsh::setScriptHost("/bin/true");
    }

    fs::path workstationFile(const std::string& name, const std::string& code) const {
        const fs::path file = temporary.path() / "MDB" / name;
        fs::create_directories(file.parent_path());
        demo_tree::writeWorkstationFile(file, code);
        return file;
    }

    bool relink(const fs::path& file, const std::string& code,
                const std::string& database = RelinkServer::kDatabase) {
        const auto connection = server.connect(database);
        return RelinkMdbTables(file.string(), code, *connection, {"Srv1", database}, progress);
    }

    ui::ScopedMode headless{ui::Mode::Headless};
    testing_support::TemporaryDirectory temporary;
    RelinkServer server{temporary.path()};
    testing_support::ScopedEnvironment temp{"TEMP", (temporary.path() / "tmp").string()};
    ui::Form form{{.caption = "Form1", .clientWidth = 8600, .clientHeight = 4380}};
    ui::Label& label9 = form.addLabel({0, 0, 100, 100});
    ui::Label& label8 = form.addLabel({0, 100, 100, 100});
    std::vector<std::pair<std::string, std::string>> drawn;
    RelinkProgress progress{label9, label8,
                            [this] { drawn.emplace_back(label9.Caption(), label8.Caption()); }};
    std::vector<ui::MessageBoxRequest> boxes;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& request) {
        boxes.push_back(request);
        return ui::Answer::Ok;
    }};
};

TEST_F(Relink, RelinksOneFileOverTheDemonstrationRows) {
    const fs::path file = workstationFile("Dog.mdb", "Dog");
    dao::ExecuteLog executed;
    sqlserver::StatementLog statements;
    EXPECT_TRUE(relink(file, "Dog"));
    EXPECT_TRUE(boxes.empty());

    // The server's list is stamped and read before the file changes.
    const std::vector<std::string> sent = {
        " Update [001_Таблицы_АРМов]   SET [001_Таблицы_АРМов].[SQLServer] = 'Srv1' ,      "
        "[001_Таблицы_АРМов].[SQLDatabase] = 'Virsel_Demo';",
        "select * from [001_Таблицы_АРМов] where (([АРМ] like '%Dog%') AND "
        "(([001_Таблицы_АРМов].[Нал])=0) AND (([001_Таблицы_АРМов].[Резерв1])='0'))"};
    std::vector<std::string> received = statements.texts();
    // The links' source tables are read as table requests.
    std::erase_if(received,
                  [](const std::string& text) { return text.find("001_") == std::string::npos; });
    EXPECT_EQ(received, sent);
    EXPECT_EQ(rowsOf(server.dataFile(),
                     "SELECT DISTINCT SQLServer, SQLDatabase FROM [001_Таблицы_АРМов]"),
              std::vector<std::string>{"Srv1|Virsel_Demo"});

    // Both stale links dropped, the row rewritten, the key names trimmed, no index without the
    // first key.
    const std::vector<std::string> jet = {
        "DROP TABLE [Договоры_старые]",
        "DROP TABLE [Потребители]",
        "DELETE tbl_str_conn.* FROM tbl_str_conn",
        "INSERT INTO tbl_str_conn ( ConnectionString, ServerName, DBName )SELECT \"" + kFrontEnd +
            "\" AS ConnectionString, \"Srv1\" AS ServerName, \"Virsel_Demo\" AS DBName;",
        "CREATE  INDEX [Ind_Потребители] ON [Потребители] ([Npotr]) WITH PRIMARY;",
        "CREATE  INDEX [Ind_Тарифы] ON [Тарифы] ([NTAX]) WITH PRIMARY;",
        "CREATE  INDEX [Ind_Периоды расчета] ON [Периоды расчета] ([id], [План]) WITH PRIMARY;",
        "CREATE  INDEX [Ind_Журнал] ON [Журнал] ([id]) WITH PRIMARY;"};
    EXPECT_EQ(executed.texts(), jet);
    EXPECT_EQ(linksOf(file), kDogLinks);
    EXPECT_EQ(rowsOf(file, "SELECT * FROM tbl_str_conn"),
              std::vector<std::string>{kFrontEnd + "|Srv1|Virsel_Demo"});
    EXPECT_EQ(rowsOf(file, "SELECT Имя FROM Настройки"), std::vector<std::string>{"АРМ"});

    const std::vector<std::pair<std::string, std::string>> expectedDrawn = {
        {"Dog.mdb", ""},
        {"Dog.mdb", "Удаление таблицы из 'Dog.mdb'   Договоры_старые"},
        {"Dog.mdb", "Удаление таблицы из 'Dog.mdb'   Потребители"},
        {"Dog.mdb", "Присоединение таблицы 1/5  Потребители"},
        {"Dog.mdb", "Присоединение таблицы 2/5  Тарифы"},
        {"Dog.mdb", "Присоединение таблицы 3/5  Периоды расчета"},
        {"Dog.mdb", "Присоединение таблицы 4/5  Периоды без ключа"},
        {"Dog.mdb", "Присоединение таблицы 5/5  Журнал"},
        {"", ""}};
    EXPECT_EQ(drawn, expectedDrawn);
}

TEST_F(Relink, AKeyListWithAGapKeepsTheKeysAroundIt) {
    const fs::path file = workstationFile("Dg_Rs.mdb", "Dg_Rs");
    dao::ExecuteLog executed;
    EXPECT_TRUE(relink(file, "Dg_Rs"));
    EXPECT_EQ(
        executed.texts().at(4),
        "CREATE  INDEX [Ind_ОтключенияПотр] ON [ОтключенияПотр] ([id], [Npotr]) WITH PRIMARY;");
}

// A failure: what it sets up, the boxes it shows, whether the file counts and what it holds.
struct FailureCase {
    const char* what;
    std::function<void(const fs::path& file, const fs::path& database)> setUp;
    const char* code;
    const char* database;
    std::vector<std::string> boxes;  // title, then text, of each box
    bool relinked;
    std::vector<std::string> links;  // when relinked
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.what;
}

class RelinkFailure : public Relink, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RelinkFailure, ShowsItsBoxAndGoesOnOrLeavesTheFile) {
    const FailureCase& c = GetParam();
    const fs::path file = workstationFile("Dog.mdb", "Dog");
    c.setUp(file, server.dataFile());
    const std::string before = fileContents(file);
    EXPECT_EQ(relink(file, c.code, c.database), c.relinked);
    std::vector<std::string> shown;
    for (const ui::MessageBoxRequest& box : boxes) {
        shown.push_back(box.title);
        shown.push_back(box.text);
    }
    std::vector<std::string> expected = c.boxes;
    for (std::string& text : expected) {
        if (const std::size_t at = text.find("{file}"); at != std::string::npos)
            text.replace(at, 6, file.string());
    }
    EXPECT_EQ(shown, expected);
    if (c.relinked) {
        EXPECT_EQ(linksOf(file), c.links);
    } else {
        EXPECT_EQ(fileContents(file), before) << "the file is left untouched";
    }
    EXPECT_EQ(drawn.back(), (std::pair<std::string, std::string>{"", ""}));
}

void noChange(const fs::path&, const fs::path&) {}

void runOn(const fs::path& file, const std::string& sql) {
    ado::sqlite::File db(file, ado::sqlite::File::Mode::ReadWrite);
    db.run(sql);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RelinkFailure,
    ::testing::Values(
        FailureCase{"a link named like a local table",
                    [](const fs::path& file, const fs::path&) {
                        runOn(file, "CREATE TABLE Тарифы(NTAX INTEGER)");
                    },
                    "Dog",
                    "Virsel_Demo",
                    {"Error in DeleteLinks()", "3012: Object 'Тарифы' already exists."},
                    true,
                    {"Журнал<-FSB", "Периоды без ключа<-ПериодРасчета",
                     "Периоды расчета<-ПериодРасчета", "Потребители<-Потребители"}},
        FailureCase{
            "a missing source",
            [](const fs::path&, const fs::path& database) { runOn(database, "DROP TABLE FSB"); },
            "Dog",
            "Virsel_Demo",
            {"Error in DeleteLinks()", "3011: The engine could not find the object 'FSB'."},
            true,
            {"Периоды без ключа<-ПериодРасчета", "Периоды расчета<-ПериодРасчета",
             "Потребители<-Потребители", "Тарифы<-Тарифы"}},
        FailureCase{"an empty list",
                    noChange,
                    "Xyz",
                    "Virsel_Demo",
                    {"Vendrel", "таблица '001_Таблицы АРМов пуста!'"},
                    false,
                    {}},
        FailureCase{"no workstation file",
                    [](const fs::path& file, const fs::path&) {
                        fs::remove(file);
                        std::ofstream(file) << "not a database";
                    },
                    "Dog",
                    "Virsel_Demo",
                    {"Error in DeleteLinks()", "3343: Unrecognized database format '{file}'."},
                    false,
                    {}}),
    kalvik::test::NamedByPrinting{});

TEST_F(Relink, QuotesInTheNamesAreDoubledInTheirLiterals) {
    const std::string database = "Демо \"Вирсель\" O'Brien";
    RelinkServer quoted{temporary.path() / "quoted", database};
    const fs::path file = workstationFile("Dog.mdb", "Dog");
    dao::ExecuteLog executed;
    sqlserver::StatementLog statements;
    const auto connection = quoted.connect(database);
    EXPECT_TRUE(RelinkMdbTables(file.string(), "Dog", *connection, {"Srv1", database}, progress));
    EXPECT_EQ(boxes.size(), 0u);
    EXPECT_EQ(executed.texts().at(3),
              "INSERT INTO tbl_str_conn ( ConnectionString, ServerName, DBName )SELECT "
              "\"Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial "
              "Catalog=Демо \"\"Вирсель\"\" O'Brien\" AS ConnectionString, \"Srv1\" AS "
              "ServerName, \"Демо \"\"Вирсель\"\" O'Brien\" AS DBName;");
    EXPECT_EQ(statements.texts().at(0),
              " Update [001_Таблицы_АРМов]   SET [001_Таблицы_АРМов].[SQLServer] = 'Srv1' ,      "
              "[001_Таблицы_АРМов].[SQLDatabase] = 'Демо \"Вирсель\" O''Brien';");
    EXPECT_EQ(rowsOf(file, "SELECT * FROM tbl_str_conn").at(0),
              "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial "
              "Catalog=" +
                  database + "|Srv1|" + database);
    EXPECT_EQ(
        linksOf(file, "ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=Srv1;Database=" +
                          database + ";"),
        kDogLinks);
}

// The driver over a folder: the files it holds, those relinked (their connection row rewritten),
// the boxes and the builds started.
struct DriverCase {
    const char* what;
    std::vector<std::string> files;
    std::vector<std::string> relinked;
    std::vector<std::string> boxes;
    int builds;
};

void PrintTo(const DriverCase& c, std::ostream* os) {
    *os << c.what;
}

class RelinkDriver : public Relink, public ::testing::WithParamInterface<DriverCase> {};

TEST_P(RelinkDriver, TakesOneSetAndCountsTheFilesRelinked) {
    const DriverCase& c = GetParam();
    const fs::path folder = temporary.path() / "MDB";
    fs::create_directories(folder);
    for (const std::string& name : c.files)
        workstationFile(name, "Dog");
    const auto connection = server.connect();
    const int count = relinkWorkstations(folder.string() + "/", *connection,
                                         {"Srv1", RelinkServer::kDatabase}, progress);
    EXPECT_EQ(count, static_cast<int>(c.relinked.size()));
    std::vector<std::string> relinked;
    for (const std::string& name : c.files) {
        if (rowsOf(folder / name, "SELECT DBName FROM tbl_str_conn") ==
            std::vector<std::string>{"Virsel_Demo"}) {
            relinked.push_back(name);
        }
    }
    EXPECT_EQ(relinked, c.relinked);
    std::vector<std::string> shown;
    for (const ui::MessageBoxRequest& box : boxes) {
        EXPECT_EQ(box.title, "Vendrel");
        shown.push_back(box.text);
    }
    EXPECT_EQ(shown, c.boxes);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(temporary.path() / "tmp"), fs::directory_iterator()),
        c.builds);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RelinkDriver,
    ::testing::Values(
        DriverCase{"mdb and mde",
                   {"Dog.mdb", "Dog.mde", "Ras.mde"},
                   {"Dog.mdb"},
                   {"Успешно присоединено 1 АРМа!"},
                   1},
        DriverCase{"only mde",
                   {"Dog.mde", "Fin.mde"},
                   {"Dog.mde", "Fin.mde"},
                   {"Успешно присоединено 2 АРМа!"},
                   0},
        DriverCase{"none", {"Dog.txt"}, {}, {"Файлов АРМов не найдено!"}, 0},
        DriverCase{"every code",
                   {"Dg_Rs.mdb", "Dog.mdb", "Fin.mdb", "Ras.mdb"},
                   {"Dg_Rs.mdb", "Dog.mdb", "Fin.mdb", "Ras.mdb"},
                   {"Успешно присоединено 4 АРМа!"},
                   4},
        DriverCase{"letter case of the masks",
                   {"Fin.mdb", "Ras.MDB", "dog.mdb"},
                   {"Fin.mdb"},
                   {"Успешно присоединено 1 АРМа!"},
                   1},
        DriverCase{"the last by name",
                   {"Dog.mdb", "Dog_Backup.mdb"},
                   {"Dog_Backup.mdb"},
                   {"Успешно присоединено 1 АРМа!"},
                   1},
        DriverCase{"no code matches", {"Other.mdb"}, {}, {"Успешно присоединено 0 АРМа!"}, 0}),
    kalvik::test::NamedByPrinting{});

TEST_F(Relink, TheDatabaseMasterRelinksNoFile) {
    const fs::path folder = temporary.path() / "MDB";
    std::vector<std::string> before;
    for (const char* code : {"Dog", "Dg_Rs", "Ras", "Fin"})
        before.push_back(fileContents(workstationFile(std::string(code) + ".mdb", code)));
    const auto master = server.connect("master");
    EXPECT_EQ(relinkWorkstations(folder.string() + "/", *master, {"Srv1", "master"}, progress), 0);
    ASSERT_EQ(boxes.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes[i].title, "Error in DeleteLinks()");
        EXPECT_EQ(boxes[i].text, "-2147217865: Invalid object name '001_Таблицы_АРМов'.");
    }
    EXPECT_EQ(boxes[4].text, "Успешно присоединено 0 АРМа!");
    int i = 0;
    for (const char* code : {"Dog", "Dg_Rs", "Ras", "Fin"})
        EXPECT_EQ(fileContents(folder / (std::string(code) + ".mdb")), before[i++]) << code;
}

}  // namespace
}  // namespace vendrel
