// The consumer load update revision of 13.11.04 on the demonstration consumers
// (demo/potr_update/data.sql), values worked by hand: Qpk_znk 3, "Твн TVNUT" 20, QHEAT 0.2,
// "Режим 95" 30, "Режим 150" 25; consumer 101 has Тнро -24, the others -26.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/load_update/potr.hpp"
#include "platform/ui/message_box.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::consumer_update {
namespace {

using oleaut::Variant;

class Revision : public ::testing::Test {
  protected:
    consumption::test::ConsumptionDatabase db{true};
    std::vector<ui::MessageBoxRequest> boxes;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& r) {
        boxes.push_back(r);
        return ui::Answer::Ok;
    }};
    Variant updated = true;

    // Every unit's flow and volume as if stored by the unit update.
    void SetUp() override { db.execute(kUnitsUpdated); }
    static constexpr const char* kUnitsUpdated =
        "UPDATE \"ВентУстановки\" SET \"G_vent\" = 0.8, \"V_вент_р\" = 2.5";

    int run(double GorTxv = 5, double GorTnror = -26) {
        return test::errorNumberOf([&] {
            Potr().Calc_Potr_13_11_04(db.connectionString(), 3, GorTxv, GorTnror, updated);
        });
    }
    Variant value(int consumer, const std::string& column,
                  const std::string& table = "Потребители") {
        return db.scalar("SELECT \"" + column + "\" FROM \"" + table +
                         "\" WHERE \"Npotr\" = " + std::to_string(consumer));
    }
    double number(int consumer, const std::string& column) {
        return oleaut::CDbl(value(consumer, column));
    }
    int journalLines() { return oleaut::CLng(db.scalar("SELECT count(*) FROM \"FSB\"")); }
};

// Consumer 101 (0.2 × 46 / 44 → 0.209): below 105 °C "Режим 95", else "Режим 150".
TEST_F(Revision, RegimeSplitsAt105) {
    const struct {
        const char* supply;
        double volume;
    } cases[] = {
        {"104.9", 0.209 * 30}, {"105", 0.209 * 25}, {"150", 0.209 * 25}, {"70", 0.209 * 30}};
    for (const auto& c : cases) {
        db.execute(std::string("UPDATE \"Потребители\" SET \"Т подающ\" = ") + c.supply +
                   " WHERE \"Npotr\" = 101");
        ASSERT_EQ(run(), 0) << c.supply;
        EXPECT_DOUBLE_EQ(number(101, "Vот_р"), c.volume) << c.supply;
    }
    // 116, a steam consumer without a supply temperature: "Режим 150", 0.2 × 25.
    EXPECT_DOUBLE_EQ(number(116, "Vот_р"), 5);
}

// In force -24: 102 (Тнро -26) gets 0.2 × 44 / 46 → 0.191; 101 (Тнро -24) and a Null Тнро keep
// 0.2, whatever the city.
TEST_F(Revision, RescalesEveryConsumerWhoseOutdoorTemperatureDiffers) {
    db.execute("UPDATE \"Потребители\" SET \"Тнро\" = NULL WHERE \"Npotr\" = 103");
    ASSERT_EQ(run(5, -24), 0);
    EXPECT_DOUBLE_EQ(number(102, "QHEAT26"), 0.191);
    EXPECT_DOUBLE_EQ(number(101, "QHEAT26"), 0.2);
    EXPECT_DOUBLE_EQ(number(103, "QHEAT26"), 0.2);
}

// The cold water changes the heat of the returned condensate (116, 100 % heating return), not
// the loads or the leaks.
TEST_F(Revision, ColdWaterChangesOnlyWhatDependsOnIt) {
    ASSERT_EQ(run(5), 0);
    const double heat = number(116, "QHEAT26_Qvkn"), leak = number(101, "Утпотр_п");
    const double load = number(101, "SQсрчас");
    ASSERT_EQ(run(15), 0);
    EXPECT_NE(number(116, "QHEAT26_Qvkn"), heat);
    EXPECT_EQ(number(101, "Утпотр_п"), leak);
    EXPECT_EQ(number(101, "SQсрчас"), load);
}

// With the period's climate, the city and regime volumes that agree, the revision leaves the
// consumers as the current method does.
TEST_F(Revision, WritesWhatTheCurrentMethodWrites) {
    const std::string agree =
        "UPDATE \"Потребители\" SET \"Режим 95\" = 30, \"Режим 150\" = 30, \"v_ot150\" = 30, "
        "\"v_ot130\" = 30, \"v_ot110\" = 30, \"v_ot95\" = 30";
    consumption::test::ConsumptionDatabase current{true};
    current.execute(agree);
    current.execute(kUnitsUpdated);
    db.execute(agree);
    Variant flag = true;
    Potr().Calc_Potr(current.connectionString(), 3, "Санкт-Петербург", flag);
    ASSERT_EQ(run(), 0);
    const std::string all =
        "SELECT group_concat(quote(\"QHEAT26\") || quote(\"Vот_р\") || "
        "quote(\"SQсрчас\") || quote(\"Утпотр_п\") || quote(\"Птпотр_п\") || "
        "quote(\"SQсрчас с пот\") || quote(\"G_ot\") || quote(\"SG_пар\") || "
        "quote(\"QHEAT26_Qvkn\"), ';') FROM (SELECT * FROM \"Потребители\" "
        "ORDER BY \"Npotr\")";
    EXPECT_EQ(oleaut::CStr(db.scalar(all)), oleaut::CStr(current.scalar(all)));
}

TEST_F(Revision, AnEmptyWorkTableEndsWithTheBox) {
    db.execute("DELETE FROM \"Потребители\"");
    const int before = journalLines();
    ASSERT_EQ(run(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, ui::Icon::Critical);
    EXPECT_FALSE(oleaut::isTrue(updated));
    EXPECT_EQ(journalLines(), before + 1);
}

// No ventilation sums: the information box, zero ventilation copied back, the end line.
TEST_F(Revision, NoSumsGoesOnWithZeros) {
    db.execute("DELETE FROM \"ВентУстановки\"");
    const int before = journalLines();
    ASSERT_EQ(run(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, ui::Icon::Information);
    EXPECT_DOUBLE_EQ(number(114, "QVENT26"), 0);
    EXPECT_TRUE(oleaut::isTrue(updated));
    EXPECT_EQ(journalLines(), before + 2);
}

// 105's "Режим 95" Null: the error reaches the caller; 101 saved in the work table, 105 not,
// nothing copied back, no end line.
TEST_F(Revision, AnErrorEndsTheRunWithoutTheUpdateProcedures) {
    db.execute("UPDATE \"Потребители\" SET \"Режим 95\" = NULL WHERE \"Npotr\" = 105");
    const int before = journalLines();
    EXPECT_EQ(run(), oleaut::kInvalidUseOfNull);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(oleaut::isTrue(updated));
    EXPECT_DOUBLE_EQ(number(101, "QHEAT26"), 0.2);
    EXPECT_DOUBLE_EQ(oleaut::CDbl(value(101, "QHEAT26", "Расчет_Потреб_Врем")), 0.209);
    EXPECT_TRUE(value(105, "Vот_р", "Расчет_Потреб_Врем").isNull());
    EXPECT_EQ(journalLines(), before + 1);
}

}  // namespace
}  // namespace kalvik::consumer_update
