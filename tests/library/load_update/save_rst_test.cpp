// Save_Rst sends a front end's pending changes in one batch and leaves its recordset in step.

#include <gtest/gtest.h>

#include <memory>

#include "library/load_update/potr.hpp"
#include "platform/ado/recordset.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::consumer_update {
namespace {

using oleaut::Variant;

class SaveRst : public ::testing::Test {
  protected:
    consumption::test::ConsumptionDatabase db{true};
    std::shared_ptr<ado::Recordset> rs = std::make_shared<ado::Recordset>();

    // The tariffs, disconnected, with a changed, a new and a deleted row.
    void openWithChanges() {
        rs->CursorLocation(ado::adUseClient);
        rs->Open(Variant("SELECT * FROM \"Тарифы\" ORDER BY \"NTAX\""),
                 Variant(db.connectionString()), ado::adOpenStatic, ado::adLockBatchOptimistic,
                 ado::adCmdText);
        rs->ActiveConnection(nullptr);
        rs->MoveFirst();
        rs->Fields("Стоимость 1 Гкал").Value(Variant(777.0));
        rs->MoveNext();
        rs->Delete();
        rs->AddNew();
        rs->Fields("Стоимость 1 Гкал").Value(Variant(555.0));
        rs->Update();
    }
    void save() {
        oleaut::ObjectRef object = rs;
        Potr().Save_Rst(object, db.connectionString());
    }
    int32_t pending() {
        rs->Filter(Variant(int32_t{ado::adFilterPendingRecords}));
        const int32_t count = rs->RecordCount();
        rs->Filter(Variant(int32_t{ado::adFilterNone}));
        return count;
    }
};

TEST_F(SaveRst, EveryChangeReachesTheDatabaseAndTheCallerIsInStep) {
    const int32_t before = db.count("Тарифы", "1 = 1");
    openWithChanges();
    save();
    EXPECT_EQ(db.count("Тарифы", "\"Стоимость 1 Гкал\" = 777"), 1);
    EXPECT_EQ(db.count("Тарифы", "\"Стоимость 1 Гкал\" = 555"), 1);
    EXPECT_EQ(db.count("Тарифы", "1 = 1"), before);  // one added, one deleted
    EXPECT_EQ(rs->State(), ado::adStateOpen);
    EXPECT_EQ(pending(), 0);
    rs->MoveLast();
    EXPECT_EQ(oleaut::CLng(rs->Fields("NTAX").Value()),
              oleaut::CLng(
                  db.scalar("SELECT \"NTAX\" FROM \"Тарифы\" WHERE \"Стоимость 1 Гкал\" = 555")));
    save();  // nothing left to send: no second new row
    EXPECT_EQ(db.count("Тарифы", "1 = 1"), before);
}

TEST_F(SaveRst, AConflictSendsNothingAndKeepsTheChanges) {
    const int32_t before = db.count("Тарифы", "1 = 1");
    openWithChanges();
    db.execute(
        "UPDATE \"Тарифы\" SET \"Стоимость 1 Гкал\" = 1 WHERE \"NTAX\" = "
        "(SELECT MIN(\"NTAX\") FROM \"Тарифы\")");
    EXPECT_NE(test::errorNumberOf([&] { save(); }), 0);
    EXPECT_EQ(db.count("Тарифы", "\"Стоимость 1 Гкал\" = 555"), 0);
    EXPECT_EQ(db.count("Тарифы", "1 = 1"), before);
    EXPECT_EQ(pending(), 2);  // the changed and the new row; the deleted one is hidden
}

}  // namespace
}  // namespace kalvik::consumer_update
