#include <gtest/gtest.h>

#include <optional>

#include "platform/dao/dao_errors.hpp"
#include "platform/dao/engine.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "tests/platform/sqlserver/server_fixture.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::test {
namespace {

constexpr const char* kLinkConnect =
    "ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=Srv1;Database=Virsel_Demo;";

// A restored server database to link to, and a workstation file with a connection row, a local
// table, a stale link with its index and a module.
class WorkstationFile : public ServerFixture {
  protected:
    WorkstationFile() {
        restore();
        dao::WorkstationContents contents;
        contents.localTables = {
            "CREATE TABLE tbl_str_conn(ConnectionString TEXT, ServerName TEXT, DBName TEXT)",
            "INSERT INTO tbl_str_conn VALUES ('old', 'old', 'old')",
        };
        contents.links = {
            {"Старая", "ODBC;Driver={SQL Server};Server=Old;", "Old", dao::dbAttachedODBC, {"A"}}};
        contents.modules = {{"Module1", "Sub Main()\nEnd Sub"}};
        dao::makeWorkstationFile(mdb(), contents);
    }

    std::string mdb() const { return (root_.path() / "Dog.mdb").string(); }

    std::shared_ptr<dao::Database> open() const { return dao::dbEngine().OpenDatabase(mdb()); }

    static std::string names(dao::Database& db) {
        std::string joined;
        auto& defs = db.TableDefs();
        for (int32_t i = 0; i < defs.Count(); ++i) {
            joined += (i ? "|" : "") + defs.Item(i)->Name + ":" +
                      std::to_string(defs.Item(i)->Attributes);
        }
        return joined;
    }

    std::shared_ptr<dao::TableDef> linkTo(dao::Database& db, const std::string& name,
                                          const std::string& source) {
        auto def = db.CreateTableDef(name);
        def->Connect = kLinkConnect;
        def->SourceTableName = source;
        db.TableDefs().Append(def);
        return def;
    }
};

TEST_F(WorkstationFile, OpeningFailsForMissingAndForeignFiles) {
    std::ofstream(root_.path() / "plain.txt") << "text";
    EXPECT_EQ(errorNumberOf([&] { open(); }), 0);
    EXPECT_EQ(
        errorNumberOf([&] { return dao::dbEngine().OpenDatabase(root_.path() / "none.mdb"); }),
        dao::kFileNotFound);
    EXPECT_EQ(
        errorNumberOf([&] { return dao::dbEngine().OpenDatabase(root_.path() / "plain.txt"); }),
        dao::kUnrecognizedFormat);
    EXPECT_EQ(
        errorNumberOf([&] { return dao::dbEngine().OpenDatabase(root_.path() / "source.db"); }),
        dao::kUnrecognizedFormat);
}

TEST_F(WorkstationFile, TableDefsListLocalTablesAndLinks) {
    auto db = open();
    EXPECT_EQ(names(*db), "tbl_str_conn:0|Старая:536870912");
    EXPECT_EQ(db->TableDefs().Item("СТАРАЯ")->SourceTableName, "Old");
}

TEST_F(WorkstationFile, AppendingALinkReadsTheSourceColumns) {
    auto db = open();
    linkTo(*db, "Договор", "Договоры");
    EXPECT_EQ(names(*db), "tbl_str_conn:0|Договор:536870912|Старая:536870912");
    const struct {
        const char* name;
        const char* source;
        std::string connect;
        int32_t error;
    } cases[] = {
        {"договор", "Договоры", kLinkConnect, dao::kObjectExists},
        {"TBL_STR_CONN", "Договоры", kLinkConnect, dao::kObjectExists},
        {"Нет", "Нет", kLinkConnect, dao::kObjectNotFound},
        {"Нет", "Договоры", "ODBC;Driver={SQL Server};Trusted_Connection=Yes;Server=None;",
         dao::kOdbcConnectionFailed},
    };
    for (const auto& c : cases) {
        auto def = db->CreateTableDef(c.name);
        def->Connect = c.connect;
        def->SourceTableName = c.source;
        EXPECT_EQ(errorNumberOf([&] { db->TableDefs().Append(def); }), c.error) << c.name;
    }
}

// Only a missing source table is "not found": any other failure of reading it keeps its number
// and text, and names the table.
TEST_F(WorkstationFile, AFailingSourceTableKeepsItsCause) {
    auto db = open();
    const struct {
        const char* what;
        const char* source;
        std::optional<ado::ProviderError> fault;
        int32_t number;
        const char* text;
    } cases[] = {
        {"missing", "Нет", std::nullopt, dao::kObjectNotFound,
         "The engine could not find the object 'Нет'."},
        {"timeout", "Договоры", sqlserver::timeoutError(), ado::adErrQueryTimeout,
         "the source table 'Договоры' of 'Связь': Query timeout expired"},
        {"locked", "Договоры",
         sqlserver::statementError(1222, "Lock request time out period exceeded."),
         ado::adErrCommandFailed,
         "the source table 'Договоры' of 'Связь': Lock request time out period exceeded."},
        {"broken", "Договоры",
         sqlserver::statementError(824,
                                   "SQL Server detected a logical consistency-based I/O "
                                   "error: incorrect checksum."),
         ado::adErrCommandFailed,
         "the source table 'Договоры' of 'Связь': SQL Server detected a logical "
         "consistency-based I/O error: incorrect checksum."},
    };
    for (const auto& c : cases) {
        std::optional<sqlserver::ScopedFault> failing;
        if (c.fault)
            failing.emplace(sqlserver::StatementKind::TableRequest, sqlserver::Fault{*c.fault, {}});
        auto def = db->CreateTableDef("Связь");
        def->Connect = kLinkConnect;
        def->SourceTableName = c.source;
        try {
            db->TableDefs().Append(def);
            ADD_FAILURE() << c.what << ": linked";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
            EXPECT_EQ(e.description(), c.text) << c.what;
        }
    }
}

TEST_F(WorkstationFile, ExecuteKnowsTheRelinkingTexts) {
    auto db = open();
    linkTo(*db, "Договор", "Договоры");
    const struct {
        const char* text;
        int32_t error;
    } cases[] = {
        {"CREATE  INDEX [Ind_Договор] ON [Договор] ([Nd], [Region]) WITH PRIMARY;", 0},
        {"CREATE  INDEX [Ind_2] ON [Договор] ([Nd]) WITH PRIMARY;", dao::kPrimaryKeyExists},
        {"CREATE  INDEX [Ind_3] ON [Старая] ([Nd]) WITH PRIMARY;", dao::kItemNotFound},
        {"CREATE INDEX [Ind_3] ON [Старая] ([A]) WITH PRIMARY;", dao::kInvalidStatement},
        {"DELETE tbl_str_conn.* FROM tbl_str_conn", 0},
        {"INSERT INTO tbl_str_conn ( ConnectionString, ServerName, DBName )SELECT "
         "\"Provider=SQLOLEDB.1;Initial Catalog=Virsel_Demo\" AS ConnectionString, \"Srv\"\"1\" AS "
         "ServerName, \"Virsel_Demo\" AS DBName;",
         0},
        {"DROP TABLE [Договор]", 0},
        {"DROP TABLE [Договор]", dao::kTableNotFound},
        {"DROP TABLE Старая", dao::kInvalidStatement},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorNumberOf([&] { db->Execute(c.text); }), c.error) << c.text;
    }
    EXPECT_EQ(ado::sqlite::textAt(
                  db->file().run("SELECT ServerName || '/' || DBName FROM tbl_str_conn"), 0, 0),
              "Srv\"1/Virsel_Demo");
    EXPECT_EQ(db->file().run("SELECT * FROM dao_indexes").rowCount(),
              0u);  // the dropped link's index went with it
    db->Execute("DROP TABLE [tbl_str_conn]");
    EXPECT_EQ(errorNumberOf([&] { db->Execute("DELETE tbl_str_conn.* FROM tbl_str_conn"); }),
              dao::kInputTableNotFound);
}

TEST_F(WorkstationFile, CompactionKeepsEveryRowAndStoresTheLocale) {
    const auto compacted = root_.path() / "compacted.mdb";
    const auto before = std::filesystem::last_write_time(mdb());
    dao::dbEngine().CompactDatabase(mdb(), compacted, dao::dbLangCyrillic);
    EXPECT_EQ(std::filesystem::last_write_time(mdb()), before);
    ado::sqlite::File copy(compacted, ado::sqlite::File::Mode::ReadOnly);
    EXPECT_EQ(dao::property(copy, "Locale"), ";LANGID=0x0419;CP=1251;COUNTRY=0");
    EXPECT_EQ(ado::sqlite::textAt(copy.run("SELECT ConnectionString FROM tbl_str_conn"), 0, 0),
              "old");
    EXPECT_EQ(dao::readLinks(copy).size(), 1u);
    EXPECT_EQ(errorNumberOf(
                  [&] { dao::dbEngine().CompactDatabase(mdb(), compacted, dao::dbLangCyrillic); }),
              dao::kDatabaseExists);
    EXPECT_EQ(errorNumberOf([&] {
                  dao::dbEngine().CompactDatabase(mdb(), root_.path() / "x.mdb", "Russian");
              }),
              dao::kInvalidArgument);
}

}  // namespace
}  // namespace kalvik::test
