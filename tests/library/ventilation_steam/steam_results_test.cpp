// Whole result rows of one source row each, worked by hand from the rules: the ratios, the
// rounded totals and their sums, the condensate not returned, the steam heat and the copies.

#include <gtest/gtest.h>

#include <optional>

#include "tests/library/ventilation_steam/steam_fixture.hpp"
#include "tests/support/case_names.hpp"

namespace kalvik::steam::test {
namespace {

using oleaut::Variant;
using Expected = std::map<std::string, Variant>;

// Heating with k1 = 744: 0.35 × 744 = 260.4 t of steam, 0.2 × 744 = 148.8 t returned,
// 111.6 t not returned, 0.012 × 744 = 8.928 Gcal returned; steam heat 148.8 − ((0 + 0) + 0).
Expected heatingResult() {
    Expected e;
    for (std::string_view name : ResultRow::kNames)
        e[std::string(name)] = 0.0;
    e.erase("ДатаРед_SR");
    e["NNрасчТепл"] = 700.0;
    e["NDOG"] = 70.0;
    e["Главная"] = 1.0;
    e["Nobkt"] = 7.0;
    e["Npotr"] = 7.0;
    e["Период_н_табл"] = 39814.0;  // 1 January 2009
    e["Период_к_табл"] = 39844.0;  // 31 January 2009
    e["Год_Прасч"] = oleaut::kNull;
    e["Месяц_Прасч"] = oleaut::kNull;
    e["Год"] = 2009.0;
    e["Месяц"] = 1.0;
    e["Users"] = "оператор";
    e["Parole"] = oleaut::kNull;
    for (const char* c : {"QHEAT26_par_ит", "SG_пар_ит", "SG_пар_Итого", "SG_пар_все_Итого"})
        e[c] = 260.4;
    for (const char* c : {"QHEAT26_Gvkn_ит", "S_Gvkn_Конд_ит"})
        e[c] = 148.8;
    for (const char* c : {"QHEAT26_G_kond", "SG_Конд_ит", "SG_Конд_Итого", "SG_Конд_все_Итого"})
        e[c] = 111.6;
    for (const char* c : {"QHEAT26_Qvkn_ит", "S_Qvkn_Конд_ит"})
        e[c] = 8.928;
    for (const char* c : {"SQ_Пар_ит", "SQ_Пар_Итого", "SQ_Пар_все_Итого"})
        e[c] = 148.8;
    e["S_G_пот_местн_ит"] = 0.5;
    e["S_Q_пот_местн_ит"] = 0.1;
    e["S_G_пот_тсеть_ит"] = 0.01;
    e["S_Q_пот_тсеть_ит"] = 0.02;
    e["Par_ит"] = 1.0;
    return e;
}

struct Case {
    const char* name;
    SqlRow source;    // over heatingSource(7)
    Expected result;  // over heatingResult()
    int16_t okryg = 0;
    int16_t qpk = 3;
    oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const Case kCases[] = {
    {"heating", {}, {}},
    {"Okryg and Qpk_znk not read", {}, {}, 1, -1},
    // Design loads 0 and Null: k = 0 and the month heat, Null here, is not read.
    {"design loads 0 and Null",
     {{"QTS", "NULL"},
      {"Qтех", "NULL"},
      {"QTS_par", "0.9"},
      {"QTS_Gvkn", "0.45"},
      {"QTS_Qvkn", "0.025"},
      {"Qtgvs", "0"},
      {"Qтехгвс", "NULL"},
      {"QTGVS_par", "0.1"},
      {"QTGVS_Gvkn", "0.1"},
      {"QTGVS_Qvkn", "0.01"}},
     {}},
    // One test of QVENT26 for both ventilation kinds: 0 gives k2 = k3 = 0.
    {"QVENT26 0 with ventilation heat",
     {{"Qвент12", "25"},
      {"Qвент26", "120"},
      {"QVENT12_par", "0.3"},
      {"QVENT12_Gvkn", "0.35"},
      {"QVENT26_par", "0.4"},
      {"QVENT26_Gvkn", "0.45"}},
     {}},
    // k2 = 25 / 0.25 = 100, k3 = 120 / 0.25 = 480; more condensate returned than steam taken.
    {"returned condensate above steam",
     {{"QVENT26", "0.25"},
      {"Qвент12", "25"},
      {"Qвент26", "120"},
      {"QVENT12_par", "0.3"},
      {"QVENT12_Gvkn", "0.35"},
      {"QVENT12_Qvkn", "0.015"},
      {"QVENT26_par", "0.4"},
      {"QVENT26_Gvkn", "0.45"},
      {"QVENT26_Qvkn", "0.02"}},
     {{"QVENT12_par_ит", 30.0},
      {"QVENT12_Gvkn_ит", 35.0},
      {"QVENT12_G_kond", -5.0},
      {"QVENT12_Qvkn_ит", 1.5},
      {"QVENT26_par_ит", 192.0},
      {"QVENT26_Gvkn_ит", 216.0},
      {"QVENT26_G_kond", -24.0},
      {"QVENT26_Qvkn_ит", 9.6},
      {"SG_пар_ит", 482.4},
      {"SG_пар_Итого", 482.4},
      {"SG_пар_все_Итого", 482.4},
      {"S_Gvkn_Конд_ит", 399.8},
      {"SG_Конд_ит", 82.6},
      {"SG_Конд_Итого", 82.6},
      {"SG_Конд_все_Итого", 82.6},
      {"S_Qvkn_Конд_ит", 20.028}}},
    // k1 = 1: halves at the third decimal go to the even neighbour.
    {"halves to even",
     {{"Qот", "0.2"},
      {"QHEAT26_par", "0.0025"},
      {"QHEAT26_Gvkn", "0.0075"},
      {"QHEAT26_Qvkn", "0.0125"}},
     {{"QHEAT26_par_ит", 0.002},
      {"SG_пар_ит", 0.002},
      {"SG_пар_Итого", 0.002},
      {"SG_пар_все_Итого", 0.002},
      {"QHEAT26_Gvkn_ит", 0.008},
      {"S_Gvkn_Конд_ит", 0.008},
      {"QHEAT26_G_kond", -0.006},
      {"SG_Конд_ит", -0.006},
      {"SG_Конд_Итого", -0.006},
      {"SG_Конд_все_Итого", -0.006},
      {"QHEAT26_Qvkn_ит", 0.012},
      {"S_Qvkn_Конд_ит", 0.012}}},
    // 10 − ((4 + 5) + 2), not clipped.
    {"steam heat negative",
     {{"Всего Гкал", "10"}, {"Потери", "4"}, {"Промывки Гкал", "5"}, {"Otbor_Gk", "2"}},
     {{"SQ_Пар_ит", -1.0}, {"SQ_Пар_Итого", -1.0}, {"SQ_Пар_все_Итого", -1.0}}},
    {"steam heat Null",
     {{"Потери", "NULL"}},
     {{"SQ_Пар_ит", oleaut::kNull},
      {"SQ_Пар_Итого", oleaut::kNull},
      {"SQ_Пар_все_Итого", oleaut::kNull}}},
    {"returned heat Null",
     {{"QHEAT26_Qvkn", "NULL"}},
     {{"QHEAT26_Qvkn_ит", oleaut::kNull}, {"S_Qvkn_Конд_ит", oleaut::kNull}}},
    // The year and month come from Кон; the source's period is copied as it is.
    {"year and month of Кон",
     {},
     {{"Год", 2010.0}, {"Месяц", 3.0}},
     0,
     3,
     oleaut::DateSerial(2010, 3, 31)},
};

class SteamResultRow : public ::testing::TestWithParam<Case> {};

TEST_P(SteamResultRow, HoldsTheValuesWorkedByHand) {
    const Case& c = GetParam();
    SteamDatabase db;
    SqlRow source = heatingSource(7);
    for (const auto& [name, value] : c.source)
        source[name] = value;
    db.addSource(source);
    const double before = oleaut::CDbl(Variant(oleaut::Now()));
    db.run(0, "", c.last, c.okryg, c.qpk);

    const auto rows = db.rows("SELECT * FROM \"Res_Potreb_Par\"");
    ASSERT_EQ(rows.size(), 1u);
    const auto& row = rows[0];
    Expected expected = heatingResult();
    for (const auto& [name, value] : c.result)
        expected[name] = value;
    for (const auto& [name, value] : expected) {
        const Variant& got = row.at(name);
        if (value.isNull() || value.isString()) {
            EXPECT_TRUE(identical(got, value)) << name << " = " << oleaut::CStr(got);
        } else {
            ASSERT_FALSE(got.isNull()) << name;
            EXPECT_NEAR(oleaut::CDbl(got), oleaut::CDbl(value), 1e-9) << name;
        }
    }
    const double stamped = oleaut::CDbl(row.at("ДатаРед_SR"));
    EXPECT_GE(stamped, before - 1e-6);
    EXPECT_LE(stamped, oleaut::CDbl(Variant(oleaut::Now())) + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Cases, SteamResultRow, ::testing::ValuesIn(kCases),
                         kalvik::test::NamedByPrinting{});

}  // namespace
}  // namespace kalvik::steam::test
