// The run as a whole: the variant it chooses, its journal lines, a source without rows, the
// failures that end it, and the demonstration month.

#include <gtest/gtest.h>

#include "library/consumption/ras_potr.hpp"
#include "library/ventilation_steam/steam_variant.hpp"
#include "platform/oleaut/regional.hpp"
#include "tests/library/consumption/expect_failure.hpp"
#include "tests/library/ventilation_steam/steam_fixture.hpp"
#include "tests/support/case_names.hpp"

namespace kalvik::steam::test {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

struct VariantCase {
    int16_t plan;
    const char* dog;
    SteamVariant variant;
};

void PrintTo(const VariantCase& c, std::ostream* os) {
    *os << "План " << c.plan << " Дог '" << c.dog << "' " << c.variant.table;
}

class SteamVariantRule : public ::testing::TestWithParam<VariantCase> {};

// The row lands in the chosen variant's table and the start line names its procedure.
TEST_P(SteamVariantRule, ChoosesProcedureAndTable) {
    const VariantCase& c = GetParam();
    SteamDatabase db;
    db.addSource(heatingSource(7));
    db.run(c.plan, c.dog);
    for (const SteamVariant& v : {kActual, kContract, kPlan}) {
        EXPECT_EQ(oleaut::CLng(db.scalar("SELECT count(*) FROM \"" + std::string(v.table) + "\"")),
                  v == c.variant ? 1 : 0)
            << v.table;
    }
    EXPECT_EQ(db.journal().at(0).substr(0, 80 + 30).find(c.variant.procedure),
              std::string("Расчет_Пар_ADO. Подготовка исходных начало - '").size());
}

INSTANTIATE_TEST_SUITE_P(
    Variants, SteamVariantRule,
    ::testing::Values(VariantCase{0, "Дог", kActual}, VariantCase{0, "", kActual},
                      VariantCase{1, "дог", kPlan}, VariantCase{1, "Дог ", kPlan},
                      VariantCase{-1, "", kPlan}, VariantCase{1, "Дог", kContract}),
    kalvik::test::NamedByPrinting{});

TEST(SteamRun, AnEmptySourceJournalsThreeLinesAndWritesNoRow) {
    oleaut::ScopedRegionalSettings point(oleaut::RegionalSettings::invariant());
    SteamDatabase db;
    db.run();
    const auto lines = db.journal();
    ASSERT_EQ(lines.size(), 3u);
    // 64 characters and 16 blanks; 46 and 34 with the count; 37 and 43.
    EXPECT_EQ(lines[0],
              "Расчет_Пар_ADO. Подготовка исходных начало - 'pr_Isxod_Potr_Par'" + blanks(16));
    EXPECT_TRUE(lines[1].starts_with("Расчет_Пар_ADO. Подготовка исходных конец.  Кол-во - 0 " +
                                     blanks(25)))
        << lines[1];
    EXPECT_TRUE(lines[1].ends_with(" сек"));
    EXPECT_TRUE(lines[2].starts_with("Расчет_Пар_ADO. Время расчета всего  " + blanks(43)));
    EXPECT_EQ(oleaut::CLng(db.scalar("SELECT count(*) FROM \"Res_Potreb_Par\"")), 0);
}

struct FailureCase {
    const char* name;
    SqlRow second;  // over heatingSource(8)
    const char* column;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class SteamFailure : public ::testing::TestWithParam<FailureCase> {};

// The run ends at consumer 8 naming it and the column; consumer 7's row stays, 9 is not reached.
TEST_P(SteamFailure, EndsTheRunNamingConsumerAndColumn) {
    const FailureCase& c = GetParam();
    SteamDatabase db;
    db.addSource(heatingSource(7));
    SqlRow second = heatingSource(8);
    for (const auto& [name, value] : c.second)
        second[name] = value;
    db.addSource(second);
    db.addSource(heatingSource(9));
    consumption::expectFailure([&] { db.run(); }, oleaut::kInvalidUseOfNull,
                               {"consumer 8", c.column});
    EXPECT_EQ(oleaut::CLng(db.scalar("SELECT group_concat(\"Npotr\") FROM \"Res_Potreb_Par\"")), 7);
    EXPECT_EQ(db.journal().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SteamFailure,
    ::testing::Values(FailureCase{"month heat Null under a load", {{"Qот", "NULL"}}, "Qот"},
                      FailureCase{"steam flow Null", {{"QTS_par", "NULL"}}, "QTS_par"},
                      FailureCase{"returned condensate Null",
                                  {{"QVENT12_Gvkn", "NULL"}, {"QTS_par", "NULL"}},
                                  "QVENT12_Gvkn"}),
    kalvik::test::NamedByPrinting{});

// Every column read is in the demonstration procedures' rows, every column written in the tables.
TEST(SteamSchema, ProceduresAndTablesHaveEveryColumn) {
    kalvik_test::TempDatabase db;
    db.removeFiles();
    kalvik::demo::buildDemoDatabase(db.path());
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    for (const SteamVariant& v : {kActual, kContract, kPlan}) {
        auto source = connection->Execute("exec " + std::string(v.procedure));
        for (std::string_view name : SourceRow::kNames)
            EXPECT_NO_THROW(source->Fields(name)) << v.procedure << " " << name;
        auto table = connection->Execute("SELECT * FROM \"" + std::string(v.table) + "\"");
        EXPECT_EQ(table->Fields().Count(), 59) << v.table;  // the key and the 58 columns
        for (std::string_view name : ResultRow::kNames)
            EXPECT_NO_THROW(table->Fields(name)) << v.table << " " << name;
    }
}

// Consumer 104 after the month's actual consumption: k1 = 148.8 / 0.2 = 744 and k6 = 99 / 0.5 =
// 198 give 0.35 × 744 + 0.9 × 198 = 260.4 + 178.2 t of steam, 0.2 × 744 + 0.45 × 198 = 148.8 +
// 89.1 t returned, 0.012 × 744 + 0.025 × 198 = 8.928 + 4.95 Gcal returned; its steam heat is its
// whole heat, 247.8 Gcal. The row links to the main row it came from.
TEST(SteamDemonstration, Consumer104AfterTheMonthsConsumption) {
    kalvik_test::TempDatabase db;
    db.removeFiles();
    kalvik::demo::buildDemoDatabase(db.path());
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 1);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 31);
    Ras_Potr().Ras_Calc_Potr(db.connectionString(), 0, 3, 3, 3, "", "", 0.18, 0.05, first, last, 0,
                             0, 0);
    Ras_Potr_Par().Расчет_Пар_ADO(db.connectionString(), 0, 3, 3, 3, first, last, "", 0);

    const std::map<std::string, double> expected = {{"QHEAT26_par_ит", 260.4},
                                                    {"QTS_par_ит", 178.2},
                                                    {"SG_пар_ит", 438.6},
                                                    {"QHEAT26_Gvkn_ит", 148.8},
                                                    {"QTS_Gvkn_ит", 89.1},
                                                    {"S_Gvkn_Конд_ит", 237.9},
                                                    {"QHEAT26_G_kond", 111.6},
                                                    {"QTS_G_kond", 89.1},
                                                    {"SG_Конд_ит", 200.7},
                                                    {"QHEAT26_Qvkn_ит", 8.928},
                                                    {"QTS_Qvkn_ит", 4.95},
                                                    {"S_Qvkn_Конд_ит", 13.878},
                                                    {"SQ_Пар_ит", 247.8},
                                                    {"QVENT12_par_ит", 0},
                                                    {"QVENT26_Gvkn_ит", 0},
                                                    {"QGVS_G_kond", 0},
                                                    {"QGV_Пс_Qvkn_ит", 0},
                                                    {"QTGVS_par_ит", 0},
                                                    {"Год", 2009},
                                                    {"Месяц", 1},
                                                    {"Par_ит", 1}};
    for (const auto& [column, value] : expected) {
        EXPECT_NEAR(oleaut::CDbl(db.scalar("SELECT \"" + column +
                                           "\" FROM \"Res_Potreb_Par\" WHERE \"Npotr\" = 104")),
                    value, 1e-9)
            << column;
    }
    EXPECT_EQ(oleaut::CLng(db.scalar(
                  "SELECT count(*) FROM \"Res_Potreb_Par\" s JOIN \"РезультатыПотребитель\" m "
                  "ON m.\"NNрасчТепл\" = s.\"NNрасчТепл\" AND m.\"Npotr\" = 104 "
                  "WHERE s.\"Npotr\" = 104")),
              1);
}

}  // namespace
}  // namespace kalvik::steam::test
