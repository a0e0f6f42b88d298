// The consumer load update's flows, steam columns and commits on consumers of their own, values
// worked by hand from the formulas with the enthalpies of Fiz_par, pressures as the rows hold them
// (gauge): cold water 2 kgf/cm² at 5 °C (hc 5.016809); water 5/2 kgf/cm² at 150/70 °C (hs
// 154.39279, hr 70.0385, hs − hr 84.35429); steam 6 kgf/cm² (Isp 659.6854, Isp − hc 654.66862)
// with condensate 1 kgf/cm² at 80 °C (80.17933). Loads (Gcal/h): heating 0.2, second hot water
// 0.05, technology 0.1, technological hot water 0.02, hot water 0.1. Rounded to 3 decimals.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "library/load_update/potr.hpp"
#include "platform/dao/engine_test_seam.hpp"
#include "platform/ui/message_box.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumer_update {
namespace {

using oleaut::Variant;

// 901: PAR 0, closed hot water (supply − return); 902: PAR 0, open hot water at 40 °C (below the
// floor: 42 − hc = 36.983191), `Дубль_Тех` set, `Дубль_ГВС` Null; 903, 904: PAR Null and −1,
// open hot water at 40 °C; 905: steam, every return 0 %; 906: steam, heating only, 100 % return.
// Every row starts with SG_пар 7 and the two network columns 5.
constexpr const char* kConsumers = R"sql(
INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt", "PAR", "Закр_Отк_Обк", "Т_гв_потр",
    "Дубль_Тех", "Дубль_ГВС")
VALUES (901, 1, 1, 0, 0, 55, 0, 0), (902, 1, 2, 0, 1, 40, 1, NULL), (903, 1, 3, NULL, 1, 40, 0, 0),
    (904, 1, 4, -1, 1, 40, 0, 0), (905, 1, 5, 1, 1, 55, 0, 0), (906, 1, 6, 1, 1, 55, 0, 0);
UPDATE "Потребители" SET "P гв" = 2, "P подающ" = 5, "P обрат" = 2, "Т подающ" = 150,
    "Т обрат" = 70, "Тнро" = -26, "QHEAT" = 0.2, "Qt_ПС" = 0, "QGV_Пс" = 0.05, "QTS" = 0.1,
    "Qtgvs" = 0.02, "Qgvs" = 0.1, "Подкл с потерями" = 0, "Дубль_ТехГВС" = 0, "SG_пар" = 7,
    "S_G_пот_тсеть" = 5, "S_Q_пот_тсеть" = 5;
UPDATE "Потребители" SET "P подающ" = 6, "P обрат" = 1, "QHEAT26_p_vkn" = 0, "QVENT26_p_vkn" = 0,
    "QGVS_p_vkn" = 0, "QGV_Пс_p_vkn" = 0, "QTS_p_vkn" = 0, "QTGVS_p_vkn" = 0 WHERE "PAR" > 0;
UPDATE "Потребители" SET "QHEAT26_p_vkn" = 100, "QGV_Пс" = 0, "QTS" = 0, "Qtgvs" = 0, "Qgvs" = 0
    WHERE "Npotr" = 906;)sql";

class ConsumerUpdateRows : public ::testing::Test {
  protected:
    consumption::test::ConsumptionDatabase db;
    std::vector<ui::MessageBoxRequest> boxes;
    ui::ScopedResponder responder{[this](const ui::MessageBoxRequest& r) {
        boxes.push_back(r);
        return ui::Answer::Ok;
    }};
    Variant updated = true;

    ConsumerUpdateRows() { db.addPeriod("2009-01-01", "2009-01-31"); }
    void run() {
        Potr potr;
        potr.Calc_Potr(db.connectionString(), 3, "Москва", updated);
    }
    Variant value(int consumer, const std::string& column) {
        return db.scalar("SELECT \"" + column +
                         "\" FROM \"Потребители\" WHERE \"Npotr\" = " + std::to_string(consumer));
    }
};

// Water: load ÷ 84.35429 × 1000 (0.2 → 2.371, 0.05 → 0.593, 0.1 → 1.185, 0.02 → 0.237), or over
// 36.983191 for open hot water (0.1 → 2.704, 0.02 → 0.541). Steam at 0 %: load ÷ 654.66862 × 1000
// (0.305, 0.076, 0.153, 0.031, 0.153; sum 0.718, nothing back). Steam at 100 %: 0.2 ÷ (659.6854 −
// 80.17933) × 1000 = 0.345121 → 0.345, all of it back, heat (80.17933 − 5.016809) × 0.345121 ÷
// 1000 = 0.025940 → 0.026.
TEST_F(ConsumerUpdateRows, FlowsAndSteamColumns) {
    db.execute(kConsumers);
    struct Expected {
        int consumer;
        const char* column;
        double value;
    };
    const Expected expected[] = {
        {901, "G_ot", 2.371},         {901, "G_GV_Пс", 0.593},
        {901, "G_tex", 1.185},        {901, "G_tex_gvs", 0.237},
        {901, "G_GVS", 1.185},        {901, "SG_пар", 7},
        {901, "S_G_пот_тсеть", 5},    {902, "G_tex", 0},
        {902, "G_tex_gvs", 0.541},    {902, "G_GVS", 2.704},
        {903, "G_tex", 1.185},        {903, "G_GVS", 2.704},
        {904, "G_ot", 2.371},         {904, "G_tex_gvs", 0.541},
        {904, "SG_пар", 7},           {905, "G_ot", 0.305},
        {905, "G_GV_Пс", 0.076},      {905, "G_tex", 0.153},
        {905, "G_tex_gvs", 0.031},    {905, "G_GVS", 0.153},
        {905, "SG_пар", 0.718},       {905, "S_Gvkn_Конд", 0},
        {905, "S_Qvkn_Конд", 0},      {905, "SG_Конд", 0.718},
        {905, "QHEAT26_par", 0.305},  {905, "QTS_par", 0.153},
        {905, "QGVS_Gvkn", 0},        {905, "S_G_пот_тсеть", 0},
        {905, "S_Q_пот_тсеть", 0},    {906, "G_ot", 0.345},
        {906, "QHEAT26_Gvkn", 0.345}, {906, "QHEAT26_Qvkn", 0.026},
        {906, "SG_пар", 0.345},       {906, "S_Gvkn_Конд", 0.345},
        {906, "S_Qvkn_Конд", 0.026},  {906, "SG_Конд", 0},
    };
    run();
    ASSERT_TRUE(boxes.empty()) << boxes[0].text;
    EXPECT_TRUE(oleaut::isTrue(updated));
    for (const Expected& e : expected)
        EXPECT_NEAR(oleaut::CDbl(value(e.consumer, e.column)), e.value, 1e-9)
            << e.consumer << " " << e.column;
}

// 250 consumers: the first transaction holds rows 1 to 99, the commit at row 100 comes before
// that row is computed, again at row 200, then the final commit after row 250.
TEST_F(ConsumerUpdateRows, CommitsEveryHundredRows) {
    db.execute(R"sql(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250)
        INSERT INTO "Потребители" ("Npotr", "NDOG", "Nobkt") SELECT 1000 + i, 1, i FROM n)sql");
    std::vector<std::pair<dao::TransactionCall, int64_t>> calls;
    const dao::ScopedTransactionListener listener{[&](dao::TransactionCall c) {
        calls.emplace_back(c, db.count("Потребители", "\"G_ot\" IS NOT NULL"));
    }};
    run();
    using enum dao::TransactionCall;
    const std::vector<std::pair<dao::TransactionCall, int64_t>> expected = {
        {Begin, 0}, {Commit, 99}, {Begin, 99}, {Commit, 199}, {Begin, 199}, {Commit, 250}};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(oleaut::isTrue(updated));
}

}  // namespace
}  // namespace kalvik::consumer_update
