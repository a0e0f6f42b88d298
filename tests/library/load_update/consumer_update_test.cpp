// The consumer load update on the demonstration consumers (demo/potr_update/data.sql), values
// worked by hand: Qpk_znk 3, the current period's Тнро_рт -26, regime volumes 25, 28, 32 and 35
// for the bands from 145, 130, 110 and below, "Режим 95" 30.

#include <gtest/gtest.h>

#include <vector>

#include "library/load_update/potr.hpp"
#include "platform/dao/engine.hpp"
#include "platform/dao/engine_test_seam.hpp"
#include "platform/ui/message_box.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::consumer_update {
namespace {

using oleaut::Variant;

class ConsumerUpdate : public ::testing::Test {
  protected:
    consumption::test::ConsumptionDatabase db{true};
    std::vector<ui::MessageBoxRequest> boxes;
    std::vector<dao::TransactionCall> calls;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& r) {
        boxes.push_back(r);
        return ui::Answer::Ok;
    }};
    dao::ScopedTransactionListener listener{[this](dao::TransactionCall c) { calls.push_back(c); }};
    Variant updated = true;

    void run(const std::string& city = "Санкт-Петербург") {
        Potr potr;
        potr.Calc_Potr(db.connectionString(), 3, city, updated);
    }
    Variant value(int consumer, const std::string& column) {
        return db.scalar("SELECT \"" + column +
                         "\" FROM \"Потребители\" WHERE \"Npotr\" = " + std::to_string(consumer));
    }
};

// 101: 0.2 × (20 + 26) / (20 + 24) = 0.20909 → 0.209, × 25 = 5.225; 102 to 105 by their bands;
// 107 a given volume without load; 106 a given hot-water volume; 114 the sums of units 1 and 8
// (loads 0.25 + 0.12345 → 0.373; every unit's flow 0.8 and volume 2.5 as if stored by the unit
// update).
TEST_F(ConsumerUpdate, TheDemonstrationConsumers) {
    db.execute("UPDATE \"ВентУстановки\" SET \"G_vent\" = 0.8, \"V_вент_р\" = 2.5");
    struct Expected {
        int consumer;
        const char* column;
        double value;
    };
    const Expected expected[] = {
        {101, "QHEAT26", 0.209}, {101, "Vот_р", 5.225}, {102, "Vот_р", 5.6},   {103, "Vот_р", 6.4},
        {105, "Vот_р", 7},       {107, "QHEAT26", 0},   {107, "Vот_р", 4},     {106, "Vгвс_р", 1.5},
        {114, "QVENT26", 0.373}, {114, "G_vent", 1.6},  {114, "Vвент26_р", 5}, {111, "QVENT26", 0},
    };
    run();
    for (const Expected& e : expected)
        EXPECT_DOUBLE_EQ(oleaut::CDbl(value(e.consumer, e.column)), e.value)
            << e.consumer << " " << e.column;
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(oleaut::isTrue(updated));
    EXPECT_EQ(calls, (std::vector{dao::TransactionCall::Begin, dao::TransactionCall::Commit}));
}

// Another city, the same name in other letter case: no re-scaling.
TEST_F(ConsumerUpdate, CityRuleOnlyInItsCity) {
    for (const char* city : {"Москва", "санкт-петербург"}) {
        run(city);
        EXPECT_DOUBLE_EQ(oleaut::CDbl(value(101, "QHEAT26")), 0.2) << city;
    }
}

TEST_F(ConsumerUpdate, AnErrorEndsTheRunThroughTheHandler) {
    db.execute("UPDATE \"Потребители\" SET \"Режим 95\" = NULL WHERE \"Npotr\" = 105");
    run();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "consumer 105: column Режим 95: Invalid use of Null");
    EXPECT_EQ(boxes[0].icon, ui::Icon::NoIcon);
    EXPECT_FALSE(oleaut::isTrue(updated));
    EXPECT_DOUBLE_EQ(oleaut::CDbl(value(104, "QHEAT26")), 0.2);
    EXPECT_DOUBLE_EQ(oleaut::CDbl(value(101, "QHEAT26")), 0.209);
    EXPECT_TRUE(value(105, "Vот_р").isNull());
    EXPECT_EQ(calls, (std::vector{dao::TransactionCall::Begin, dao::TransactionCall::Rollback}));
    EXPECT_EQ(dao::dbEngine().Workspaces(0).transactionDepth(), 0);
}

TEST_F(ConsumerUpdate, NoConsumers) {
    db.execute("DELETE FROM \"Потребители\"");
    run();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Потребители Отсутствуют. Проверьте!!?\r\nОбновление не выполнено!!?\r\n");
    EXPECT_EQ(boxes[0].icon, ui::Icon::Critical);
    EXPECT_EQ(boxes[0].title, "Проверка исходных");
    EXPECT_FALSE(oleaut::isTrue(updated));
    EXPECT_TRUE(calls.empty());
}

TEST_F(ConsumerUpdate, NoVentilationSums) {
    db.execute("DELETE FROM \"ВентУстановки\"");
    run();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Отсутствуют данные по Вентиляции. Проверьте!!?");
    EXPECT_EQ(boxes[0].icon, ui::Icon::Information);
    EXPECT_DOUBLE_EQ(oleaut::CDbl(value(114, "QVENT26")), 0);
    EXPECT_TRUE(oleaut::isTrue(updated));
}

// The loss addition by connection mode; the arguments stay as they were.
TEST(LossAddition, ByMode) {
    struct Case {
        int16_t mode;
        double expected;
    };
    for (const Case& c :
         {Case{0, 0}, Case{1, 0.1}, Case{2, 2.5}, Case{3, 2.6}, Case{4, 0}, Case{-1, 0}}) {
        Potr potr;
        int16_t mode = c.mode;
        double share = 0.1;
        double losses = 2.5;
        const Variant result = potr.SQ_Потр_пот(mode, share, losses);
        EXPECT_EQ(result.type(), oleaut::VarType::Double) << c.mode;
        EXPECT_DOUBLE_EQ(result.asDouble(), c.expected) << c.mode;
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(share, 0.1);
        EXPECT_EQ(losses, 2.5);
    }
    Potr potr;
    int16_t both = 3;
    double huge = 1.7e308;
    EXPECT_EQ(test::errorNumberOf([&] { potr.SQ_Потр_пот(both, huge, huge); }), oleaut::kOverflow);
}

}  // namespace
}  // namespace kalvik::consumer_update
