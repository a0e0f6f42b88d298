#include "platform/ado/recordset.hpp"

#include <gtest/gtest.h>

#include "platform/ado/command.hpp"
#include "tests/platform/ado/ado_test_support.hpp"
#include "tests/platform/ado/temp_database.hpp"
#include "tests/support/case_names.hpp"

namespace {

using kalvik_test::errorOf;
using kalvik_test::expectMentions;
using kalvik_test::TempDatabase;
using oleaut::Variant;

const char* kSchema =
    "CREATE TABLE procedures(name TEXT PRIMARY KEY, body TEXT NOT NULL);"
    "CREATE TABLE Потр(Npotr INTEGER PRIMARY KEY, Имя TEXT, Q REAL, Тариф MONEY, "
    "  Дата DATETIME, Флаг BIT, Код SMALLINT, Прим NVARCHAR(20) DEFAULT 'нет');"
    "CREATE TABLE Коэф(Nk INTEGER PRIMARY KEY, Npotr INT, K_G_gvs REAL, K_G_fiz REAL);"
    "INSERT INTO Потр VALUES (1, 'Один', 1.5, 10.25, 39845.5, 1, 7, 'а'),"
    "  (2, 'Два', 2.5, NULL, NULL, 0, NULL, NULL), (3, 'Три', 3.5, 0, 0, 0, 3, 'в');"
    "INSERT INTO Коэф VALUES (10, 1, 0.0625, NULL), (20, 2, 0, NULL);"
    "INSERT INTO procedures VALUES ('pr_Коэф', "
    "  'SELECT Потр.Npotr, Потр.Q, Коэф.Nk, Коэф.K_G_gvs, Коэф.K_G_fiz, Потр.Q * 2 AS Q2 "
    "   FROM Потр JOIN Коэф ON Коэф.Npotr = Потр.Npotr ORDER BY Потр.Npotr');"
    "INSERT INTO procedures VALUES ('pr_БезКлюча', "
    "  'SELECT Коэф.Npotr, Коэф.K_G_fiz FROM Коэф ORDER BY Npotr');";

std::shared_ptr<ado::Recordset> openRows(const TempDatabase& db, const std::string& source,
                                         ado::LockTypeEnum lock,
                                         ado::CommandTypeEnum type = ado::adCmdText) {
    auto rows = std::make_shared<ado::Recordset>();
    rows->ActiveConnection(Variant(db.connectionString()));
    rows->CursorLocation(ado::adUseClient);
    rows->CursorType(ado::adOpenStatic);
    rows->LockType(lock);
    rows->Source(Variant(source));
    rows->Open({}, {}, ado::adOpenUnspecified, ado::adLockUnspecified, type);
    return rows;
}

TEST(Recordset, AnEmptyResultIsAtBofAndEofAndHasNoCurrentRow) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT Потр.* FROM Потр WHERE (((Потр.Npotr) Is Null))",
                         ado::adLockOptimistic);
    EXPECT_EQ(rows->RecordCount(), 0);
    EXPECT_TRUE(rows->BOF());
    EXPECT_TRUE(rows->EndOfFile());
    EXPECT_EQ(errorOf([&] { rows->Fields("Q").Value(); }).number(), ado::adErrNoCurrentRecord);
    rows->MoveFirst();  // allowed: the calculations move to the first of possibly no rows
    EXPECT_TRUE(rows->EndOfFile());
}

TEST(Recordset, FetchesAllRowsAndWalksThem) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockReadOnly);
    EXPECT_EQ(rows->RecordCount(), 3);
    EXPECT_FALSE(rows->BOF());
    std::vector<int32_t> seen;
    for (; !rows->EndOfFile(); rows->MoveNext())
        seen.push_back(rows->Fields("Npotr").Value().asLong());
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_THROW(rows->MoveNext(), oleaut::Error);
    rows->MoveLast();
    EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), int32_t{3}));
    rows->MovePrevious();
    rows->MovePrevious();
    rows->MovePrevious();
    EXPECT_TRUE(rows->BOF());
    rows->MoveNext();
    EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), int32_t{1}));
}

struct KindCase {
    const char* column;
    Variant first;   // the value in row 1
    Variant second;  // the value in row 2
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.column;
}

class FieldKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(FieldKind, ComesFromTheDeclaredType) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockReadOnly);
    EXPECT_TRUE(identical(rows->Fields(GetParam().column).Value(), GetParam().first));
    rows->MoveNext();
    EXPECT_TRUE(identical(rows->Fields(GetParam().column).Value(), GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FieldKind,
    ::testing::Values(KindCase{"Npotr", int32_t{1}, int32_t{2}}, KindCase{"Имя", "Один", "Два"},
                      KindCase{"Q", 1.5, 2.5},
                      KindCase{"Тариф", oleaut::Currency{102500}, oleaut::kNull},
                      KindCase{"Дата", oleaut::Date{39845.5}, oleaut::kNull},
                      KindCase{"Флаг", true, false}, KindCase{"Код", int16_t{7}, oleaut::kNull}),
    kalvik::test::NamedByPrinting{});

TEST(Recordset, FieldNamesAreExactButIgnoreAsciiCase) {
    TempDatabase db(
        "CREATE TABLE t(Тн REAL, [Tн] REAL, [Подкл с потерями] INT);"
        "INSERT INTO t VALUES (1, 2, 3);");
    auto rows = openRows(db, "SELECT * FROM t", ado::adLockReadOnly);
    EXPECT_TRUE(identical(rows->Fields("Тн").Value(), 1.0));  // Cyrillic Т
    EXPECT_TRUE(identical(rows->Fields("Tн").Value(), 2.0));  // Latin T
    EXPECT_TRUE(identical(rows->Fields("tн").Value(), 2.0));  // Latin t, case ignored
    EXPECT_TRUE(identical(rows->Fields("Подкл с потерями").Value(), int32_t{3}));
    const oleaut::Error error = errorOf([&] { rows->Fields("Подкл с  потерями"); });
    EXPECT_EQ(error.number(), ado::adErrItemNotFound);
    expectMentions(error, "Подкл с  потерями");
    expectMentions(error, "SELECT * FROM t");
    EXPECT_EQ(rows->Fields(2).Name(), "Подкл с потерями");
    EXPECT_EQ(rows->Fields(0).Type(), ado::adDouble);
}

TEST(Recordset, AResolvedFieldFollowsTheCursor) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockReadOnly);
    const ado::Field q = rows->Fields("Q");
    double sum = 0;
    for (; !rows->EndOfFile(); rows->MoveNext())
        sum += q.Value().asDouble();
    EXPECT_EQ(sum, 7.5);
    rows->Close();
    EXPECT_THROW(q.Value(), oleaut::Error);
}

TEST(Recordset, OpeningAnOpenRecordsetFails) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр", ado::adLockOptimistic);
    EXPECT_EQ(errorOf([&] { rows->Open(); }).number(), ado::adErrObjectOpen);
    EXPECT_EQ(errorOf([&] { rows->ActiveConnection(Variant(db.connectionString())); }).number(),
              ado::adErrObjectOpen);
}

TEST(Recordset, ConnectedInsertReadsTheAssignedKeyAndDefaultsBack) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT Потр.* FROM Потр WHERE (((Потр.Npotr) Is Null))",
                         ado::adLockOptimistic);
    rows->AddNew();
    rows->Fields("Имя").Value("Четыре");
    rows->Fields("Q").Value(int32_t{4});  // converted to the field's Double
    EXPECT_TRUE(identical(rows->Fields("Q").Value(), 4.0));
    rows->Update();
    EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), int32_t{4}));
    EXPECT_TRUE(identical(rows->Fields("Прим").Value(), "нет"));
    EXPECT_TRUE(identical(db.scalar("SELECT Имя FROM Потр WHERE Npotr = 4"), "Четыре"));

    // A second save of the same row updates it by its key.
    rows->Fields("Q").Value(4.5);
    rows->Update();
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 4"), 4.5));
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр"), int32_t{4}));
}

TEST(Recordset, MovingOffAChangedRowSavesIt) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "Потр", ado::adLockOptimistic, ado::adCmdTable);
    rows->Fields("Q").Value(9.0);
    rows->MoveNext();
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 9.0));
    rows->AddNew();
    rows->Fields("Имя").Value("Пять");
    rows->MoveFirst();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр"), int32_t{4}));
}

TEST(Recordset, AnUpdateThatFindsNoRowFails) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockOptimistic);
    db.execute("DELETE FROM Потр WHERE Npotr = 1");
    rows->Fields("Q").Value(9.0);
    EXPECT_EQ(errorOf([&] { rows->Update(); }).number(), ado::adErrRowNotFoundForUpdate);
    rows->CancelUpdate();
    EXPECT_TRUE(identical(rows->Fields("Q").Value(), 1.5));
}

TEST(Recordset, ARowJoiningTablesWritesEachFieldToItsOwnTable) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "pr_Коэф", ado::adLockOptimistic, ado::adCmdStoredProc);
    rows->Fields("K_G_fiz").Value(0.055);
    rows->Fields("Q").Value(1.75);
    rows->Update();
    EXPECT_TRUE(identical(db.scalar("SELECT K_G_fiz FROM Коэф WHERE Nk = 10"), 0.055));
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 1.75));
}

TEST(Recordset, ChangingAnExpressionOrAFieldWithoutItsKeyFailsNamingIt) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "pr_Коэф", ado::adLockOptimistic, ado::adCmdStoredProc);
    rows->Fields("Q2").Value(1.0);
    expectMentions(errorOf([&] { rows->Update(); }), "Q2");
    rows->CancelUpdate();

    auto keyless = openRows(db, "pr_БезКлюча", ado::adLockOptimistic, ado::adCmdStoredProc);
    keyless->Fields("K_G_fiz").Value(1.0);
    const oleaut::Error error = errorOf([&] { keyless->Update(); });
    expectMentions(error, "Коэф");
    expectMentions(error, "Nk");
}

TEST(Recordset, DisconnectedChangesWaitForTheBatch) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockBatchOptimistic);
    rows->ActiveConnection(nullptr);
    rows->Fields("Q").Value(11.0);
    rows->MoveNext();
    rows->Delete();
    rows->AddNew();
    rows->Fields("Имя").Value("Новый");
    rows->Update();
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 1.5));
    rows->Filter(int32_t{ado::adFilterPendingRecords});
    EXPECT_EQ(rows->RecordCount(), 2);  // the changed row and the new one; the deleted is hidden
    rows->Filter(Variant(""));

    rows->ActiveConnection(Variant(db.connectionString()));
    rows->UpdateBatch(ado::adAffectAll);
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 11.0));
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр WHERE Npotr = 2"), int32_t{0}));
    EXPECT_TRUE(identical(db.scalar("SELECT Npotr FROM Потр WHERE Имя = 'Новый'"), int32_t{4}));
    rows->MoveLast();
    EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), int32_t{4}));
    rows->Filter(int32_t{ado::adFilterPendingRecords});
    EXPECT_EQ(rows->RecordCount(), 0);
}

TEST(Recordset, ABatchConflictFailsAndSendsNothing) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockBatchOptimistic);
    rows->ActiveConnection(nullptr);
    rows->Fields("Q").Value(11.0);
    rows->MoveNext();
    rows->Fields("Q").Value(22.0);
    rows->Update();
    db.execute("UPDATE Потр SET Q = 99 WHERE Npotr = 2");  // another workstation meanwhile

    rows->ActiveConnection(Variant(db.connectionString()));
    EXPECT_EQ(errorOf([&] { rows->UpdateBatch(); }).number(), ado::adErrRowNotFoundForUpdate);
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 1.5));
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 2"), 99.0));
    rows->Filter(int32_t{ado::adFilterPendingRecords});
    EXPECT_EQ(rows->RecordCount(), 2);
}

TEST(Recordset, UpdateBatchWithoutAConnectionFails) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр", ado::adLockBatchOptimistic);
    rows->ActiveConnection(nullptr);
    rows->Fields("Q").Value(1.0);
    EXPECT_EQ(errorOf([&] { rows->UpdateBatch(); }).number(), ado::adErrInvalidConnection);
}

TEST(Recordset, AnotherRecordsetAsSourceTakesOverItsPendingChanges) {
    TempDatabase db(kSchema);
    auto held = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockBatchOptimistic);
    held->ActiveConnection(nullptr);
    held->MoveLast();
    held->Fields("Имя").Value("Третий");
    held->Update();

    auto saver = std::make_shared<ado::Recordset>();
    saver->ActiveConnection(Variant(db.connectionString()));
    saver->Open(oleaut::ObjectRef(held));
    saver->UpdateBatch(ado::adAffectAll);
    saver->Close();
    EXPECT_TRUE(identical(db.scalar("SELECT Имя FROM Потр WHERE Npotr = 3"), "Третий"));
    EXPECT_EQ(held->State(), ado::adStateOpen);
}

TEST(Recordset, ConnectedDeleteRemovesTheRowAtOnce) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр ORDER BY Npotr", ado::adLockOptimistic);
    rows->Delete();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр"), int32_t{2}));
    EXPECT_THROW(rows->Fields("Q").Value(), oleaut::Error);
    rows->MoveNext();
    EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), int32_t{2}));
    EXPECT_EQ(rows->RecordCount(), 2);
}

TEST(Recordset, CancelUpdateDropsANewRow) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр", ado::adLockOptimistic);
    rows->AddNew();
    rows->Fields("Имя").Value("x");
    rows->CancelUpdate();
    EXPECT_EQ(rows->RecordCount(), 3);
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр"), int32_t{3}));
}

TEST(Recordset, AReadOnlyRecordsetRefusesChanges) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр", ado::adLockReadOnly);
    EXPECT_EQ(errorOf([&] { rows->Fields("Q").Value(1.0); }).number(),
              ado::adErrFeatureNotAvailable);
    EXPECT_THROW(rows->AddNew(), oleaut::Error);
}

TEST(Recordset, ClosingWithAnUnsavedConnectedRowFails) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр", ado::adLockOptimistic);
    rows->Fields("Q").Value(1.0);
    EXPECT_EQ(errorOf([&] { rows->Close(); }).number(), ado::adErrIllegalOperation);
    rows->Update();
    rows->Close();
    EXPECT_EQ(rows->State(), ado::adStateClosed);
    EXPECT_EQ(errorOf([&] { rows->RecordCount(); }).number(), ado::adErrObjectClosed);
}

TEST(Recordset, WritesOfAThreadsConnectionsShareItsTransaction) {
    TempDatabase db(kSchema);
    ado::Connection journal;
    journal.Open(db.connectionString());
    journal.BeginTrans();
    auto rows = openRows(db, "SELECT Потр.* FROM Потр WHERE (((Потр.Npotr) Is Null))",
                         ado::adLockOptimistic);
    rows->AddNew();
    rows->Fields("Имя").Value("в транзакции");
    rows->Update();
    journal.RollbackTrans();
    EXPECT_TRUE(identical(db.scalar("SELECT count(*) FROM Потр"), int32_t{3}));
}

}  // namespace

namespace {

TEST(Recordset, ManyRowsSpanSeveralValueBlocks) {
    TempDatabase db(
        "CREATE TABLE big(id INTEGER PRIMARY KEY, n INT);"
        "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < 20000) "
        "INSERT INTO big SELECT i, i % 1000 FROM s;");
    auto rows = openRows(db, "SELECT * FROM big ORDER BY id", ado::adLockBatchOptimistic);
    rows->ActiveConnection(nullptr);
    EXPECT_EQ(rows->RecordCount(), 20000);  // 40,000 values: three blocks of 16,384
    rows->MoveLast();
    EXPECT_TRUE(identical(rows->Fields("id").Value(), int32_t{20000}));
    rows->Filter(Variant("[n] = 384"));
    EXPECT_EQ(rows->RecordCount(), 20);
    rows->MoveLast();
    EXPECT_TRUE(identical(rows->Fields("id").Value(), int32_t{19384}));
    rows->Filter(Variant(""));
    rows->AddNew();
    rows->Fields("n").Value(int32_t{384});
    rows->Update();
    rows->Filter(Variant("[n] = 384"));
    EXPECT_EQ(rows->RecordCount(), 21);
}

// The same text opened again after the schema changed describes the columns the table has now,
// though the handle keeps the text's prepared statement and its columns between opens.
TEST(Recordset, ASchemaChangeBetweenTwoOpensGivesTheNewColumns) {
    struct Case {
        const char* change;
        int32_t count;
        const char* column;
        ado::DataTypeEnum type;
    };
    const Case cases[] = {
        {"ALTER TABLE Коэф ADD COLUMN Прим TEXT", 5, "Прим", ado::adVarChar},
        {"DROP TABLE Коэф; CREATE TABLE Коэф(Nk INTEGER PRIMARY KEY, K_G_fiz MONEY)", 2, "K_G_fiz",
         ado::adCurrency},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        TempDatabase db(kSchema);
        auto connection = std::make_shared<ado::Connection>();
        connection->Open(db.connectionString());
        auto open = [&] {
            auto rows = std::make_shared<ado::Recordset>();
            rows->CursorLocation(ado::adUseClient);
            rows->ActiveConnection(connection);
            rows->Open(Variant("SELECT * FROM Коэф"), {}, ado::adOpenStatic, ado::adLockOptimistic,
                       ado::adCmdText);
            return rows;
        };
        EXPECT_EQ(open()->Fields().Count(), 4);
        connection->Execute(c.change);
        auto rows = open();
        EXPECT_EQ(rows->Fields().Count(), c.count);
        EXPECT_EQ(rows->Fields(c.column).Type(), c.type);
    }
}

// Names resolve to positions once per described statement: a reopen after the columns moved
// finds each name at its new place.
TEST(Recordset, AFieldNameFollowsItsColumnWhenTheSchemaMovesIt) {
    TempDatabase db(kSchema);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    auto valueOf = [&](const char* name) {
        auto rows = std::make_shared<ado::Recordset>();
        rows->CursorLocation(ado::adUseClient);
        rows->ActiveConnection(connection);
        rows->Open(Variant("SELECT * FROM Коэф ORDER BY Nk"), {}, ado::adOpenStatic,
                   ado::adLockReadOnly, ado::adCmdText);
        return rows->Fields(name).Value();
    };
    EXPECT_TRUE(identical(valueOf("K_G_gvs"), Variant(0.0625)));
    connection->Execute(
        "DROP TABLE Коэф; CREATE TABLE Коэф(K_G_gvs REAL, Nk INTEGER PRIMARY KEY, Npotr INT);"
        "INSERT INTO Коэф VALUES (0.5, 1, 7)");
    EXPECT_TRUE(identical(valueOf("K_G_gvs"), Variant(0.5)));
    EXPECT_TRUE(identical(valueOf("npotr"), Variant(int32_t{7})));
}

// Rows added one after another with different columns left Null each get their own statement
// and reuse it: a left-out column is Null (or its default) in the table and in the row, the key
// comes back from the database.
TEST(Recordset, AddedRowsOfDifferentShapesReusePreparedInserts) {
    TempDatabase db(kSchema);
    auto rows = openRows(db, "SELECT * FROM Потр WHERE Npotr > 100", ado::adLockOptimistic);
    struct Added {
        Variant name;  // Empty: not set
        Variant q;
    };
    const Added added[] = {{"а", Variant()}, {Variant(), 2.5}, {"в", Variant()}, {"г", 4.5}};
    for (const Added& row : added) {
        rows->AddNew();
        if (!row.name.isEmpty()) rows->Fields("Имя").Value(row.name);
        if (!row.q.isEmpty()) rows->Fields("Q").Value(row.q);
        rows->Update();
    }
    rows->MoveFirst();
    for (int32_t i = 0; i < 4; ++i, rows->MoveNext()) {
        SCOPED_TRACE(i);
        const Added& row = added[i];
        const Variant name = row.name.isEmpty() ? Variant(oleaut::kNull) : row.name;
        const Variant q = row.q.isEmpty() ? Variant(oleaut::kNull) : row.q;
        EXPECT_TRUE(identical(rows->Fields("Npotr").Value(), Variant(int32_t{4 + i})));
        EXPECT_TRUE(identical(rows->Fields("Имя").Value(), name));
        EXPECT_TRUE(identical(rows->Fields("Q").Value(), q));
        EXPECT_TRUE(identical(rows->Fields("Прим").Value(), Variant("нет")));
        EXPECT_TRUE(identical(rows->Fields("Тариф").Value(), Variant(oleaut::kNull)));
        const std::string where = " FROM Потр WHERE Npotr = " + std::to_string(4 + i);
        EXPECT_TRUE(identical(db.scalar("SELECT Имя" + where), name));
        EXPECT_TRUE(identical(db.scalar("SELECT Q" + where), q));
    }
}

}  // namespace
