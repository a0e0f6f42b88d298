// The pending changes of a recordset: the original of every changed value, of every kind, held
// until the batch is sent, and an edit cancelled back to what the row was.

#include <gtest/gtest.h>

#include "platform/ado/recordset.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace {

using kalvik_test::TempDatabase;
using oleaut::Variant;

const char* kSchema =
    "CREATE TABLE Потр(Npotr INTEGER PRIMARY KEY, Имя TEXT, Q REAL, Тариф MONEY, "
    "  Дата DATETIME, Флаг BIT, Код SMALLINT, Прим NVARCHAR(20));"
    "INSERT INTO Потр VALUES (1, 'Один', 1.5, 10.25, 39845.5, 1, 7, 'а'),"
    "  (2, 'Два', 2.5, NULL, NULL, 0, NULL, NULL);";

std::shared_ptr<ado::Recordset> openBatch(const TempDatabase& db) {
    return db.disconnected("SELECT * FROM Потр ORDER BY Npotr");
}

void moveTo(ado::Recordset& rows, int32_t npotr) {
    rows.MoveFirst();
    while (rows.Fields("Npotr").Value().asLong() != npotr)
        rows.MoveNext();
}

struct Change {
    int32_t npotr;
    const char* column;
    Variant original;  // as the rows were inserted
    Variant changed;
};

// Every kind a column holds, to and from Null, over two rows.
const Change kChanges[] = {
    {1, "Имя", "Один", "Первый"},
    {1, "Q", 1.5, oleaut::kNull},
    {1, "Тариф", oleaut::Currency{102500}, oleaut::Currency{35000}},
    {1, "Дата", oleaut::Date{39845.5}, oleaut::Date{40179.75}},
    {1, "Флаг", true, false},
    {1, "Код", int16_t{7}, int16_t{-3}},
    {2, "Имя", "Два", oleaut::kNull},
    {2, "Тариф", oleaut::kNull, oleaut::Currency{12500}},
    {2, "Дата", oleaut::kNull, oleaut::Date{0.5}},
    {2, "Флаг", false, true},
    {2, "Код", oleaut::kNull, int16_t{12}},
    {2, "Прим", oleaut::kNull, "двадцать знаков ровн"},
};

TEST(PendingChanges, EveryKindOfValueKeepsItsOriginalUntilTheBatchAndIsWrittenAsSet) {
    TempDatabase db(kSchema);
    auto rows = openBatch(db);
    for (const Change& c : kChanges) {
        moveTo(*rows, c.npotr);
        rows->Fields(c.column).Value(c.changed);
    }
    rows->Update();

    for (const Change& c : kChanges) {
        moveTo(*rows, c.npotr);
        EXPECT_TRUE(identical(rows->Fields(c.column).Value(), c.changed)) << c.column;
        EXPECT_TRUE(identical(rows->Fields(c.column).OriginalValue(), c.original)) << c.column;
    }

    rows->ActiveConnection(Variant(db.connectionString()));
    rows->UpdateBatch();
    auto written = openBatch(db);
    for (const Change& c : kChanges) {
        moveTo(*written, c.npotr);
        EXPECT_TRUE(identical(written->Fields(c.column).Value(), c.changed)) << c.column;
        moveTo(*rows, c.npotr);
        EXPECT_TRUE(identical(rows->Fields(c.column).Value(), c.changed)) << c.column;
        EXPECT_TRUE(identical(rows->Fields(c.column).OriginalValue(), c.changed)) << c.column;
    }
}

TEST(PendingChanges, ACancelledEditLeavesTheRowsEarlierPendingChange) {
    TempDatabase db(kSchema);
    auto rows = openBatch(db);
    rows->Fields("Q").Value(11.0);
    rows->Update();
    rows->Fields("Q").Value(12.0);
    rows->Fields("Имя").Value("Отменённое");
    rows->CancelUpdate();

    EXPECT_TRUE(identical(rows->Fields("Q").Value(), 11.0));
    EXPECT_TRUE(identical(rows->Fields("Q").OriginalValue(), 1.5));
    EXPECT_TRUE(identical(rows->Fields("Имя").Value(), "Один"));
    rows->ActiveConnection(Variant(db.connectionString()));
    rows->UpdateBatch();
    EXPECT_TRUE(identical(db.scalar("SELECT Q FROM Потр WHERE Npotr = 1"), 11.0));
    EXPECT_TRUE(identical(db.scalar("SELECT Имя FROM Потр WHERE Npotr = 1"), "Один"));
}

}  // namespace
