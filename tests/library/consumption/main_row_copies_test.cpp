// The main row's copied and derived columns and the source coefficients.

#include <gtest/gtest.h>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;
using oleaut::Variant;

Variant mainColumn(const ConsumptionDatabase& db, int npotr, const std::string& column) {
    return db.scalar("SELECT \"" + column + "\" FROM \"РезультатыПотребитель\" WHERE \"Npotr\" = " +
                     std::to_string(npotr));
}

class MainRowCopies : public ::testing::Test {
  protected:
    MainRowCopies() {
        db.addPeriod("2009-01-01", "2009-01-31");
        db.execute(
            "UPDATE \"ПериодРасчета\" SET \"Тнро_рт\" = -25, \"Тнро_нач\" = 10, "
            "\"Тхвот\" = 4, \"КотоплМО\" = 0.8");
        db.addConsumer(1,
                       "\"Зона\", \"ЦТП\", \"QUS\", \"SROOM\", \"Кбал_кот\", \"K_Q_sn_ny\", "
                       "\"Кбал_G\", \"K_G_sn_ny\", \"Кцирк\", \"КциркМО\", \"К_ГВС\", "
                       "\"Т_гв_потр\", \"R_tn_t12\", \"Коэфф_Перетопа\", \"Ot_leto\"",
                       "'Север', 4, 120, 3000, 1.02, 0.98, 1.05, 0.97, 1.1, 1.03, 0.9, 52, 2, "
                       "1.15, 1");
        // A closed hot-water system: its flows need no temperature of its own.
        db.addConsumer(2,
                       "\"Зона\", \"Т_гв_потр\", \"Коэфф_Перетопа\", \"Ot_leto\", \"Qgvs\", "
                       "\"Закр_Отк_Обк\"",
                       "NULL, NULL, 1.15, NULL, 0, 0");
    }
    RunParameters january() const {
        return runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
    }
    ConsumptionDatabase db;
};

TEST_F(MainRowCopies, CopiesTheSourceAndTheParameters) {
    runOnce(january());
    struct Case {
        const char* column;
        Variant expected;
    };
    const Case cases[] = {
        {"NDOG", int32_t{10}},
        {"Главная", int32_t{1}},
        {"Главная1", int32_t{1}},
        {"Nobkt", int32_t{1}},
        {"Npotr", int32_t{1}},
        {"НДС_пар", 0.18},
        {"Спец налог_пар", 0.05},
        {"Зона", "Север"},
        {"NN ЦТП сч", int32_t{4}},
        {"Тнврасч", -3.0},
        {"Период_н_табл", oleaut::Date{39814}},
        {"Период_к_табл", oleaut::Date{39844}},
        {"NNтарифа", int32_t{1}},
        {"Тариф", oleaut::Currency{1000 * oleaut::Currency::kScale}},
        {"Кчел", 120.0},
        {"Км2", 3000.0},
        {"Тгр", 150.0},
        {"Т1ц", 80.0},
        {"Т2ц", 60.0},
        {"Тгвц", 60.0},
        {"Тхв", 5.0},
        {"Тн", -3.0},
        {"K_Q_sn_ny", 0.98},
        {"Кбал_G", 1.05},
        {"K_G_sn_ny", 0.97},
        {"Год", int32_t{2009}},
        {"Месяц", int32_t{1}},
        {"Т_гв_потр", 52.0},
        {"Кцирк", 1.1},
        // `R_tn_t12` 2: network temperatures, no overheating coefficient.
        {"Коэфф_Перетопа_Потр", 1.0},
        {"КциркМО", 1.03},
        {"К_Сн_ГВС", 0.9},
        {"ПериодИзмПодкл", ""},
        {"Ккот", 1.02},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        const Variant got = mainColumn(db, 1, c.column);
        EXPECT_TRUE(oleaut::isTrue(oleaut::eq(got, c.expected))) << oleaut::CStr(got);
    }
}

TEST_F(MainRowCopies, NullCopiesStayNull) {
    runOnce(january());
    for (const char* column : {"Зона", "Т_гв_потр"}) {
        EXPECT_TRUE(mainColumn(db, 2, column).isNull()) << column;
    }
    // Without the T12 switch the source overheating coefficient is copied.
    EXPECT_EQ(oleaut::CDbl(mainColumn(db, 2, "Коэфф_Перетопа_Потр")), 1.15);
    EXPECT_FALSE(mainColumn(db, 2, "ПериодИзмПодкл").isNull());
}

TEST_F(MainRowCopies, KeepsTheCoefficientsForTheLaterPhases) {
    const auto kept = runAndKeep(january());
    const SourceCoefficients& one = kept.at(1).coefficients;
    EXPECT_EQ(one.Тнро_рт, -25);
    EXPECT_EQ(one.Тнро_нач, 10);
    EXPECT_EQ(one.Тхвот, 4);
    EXPECT_EQ(one.Кбал_кот, 1.02);
    EXPECT_EQ(one.K_Q_sn_ny, 0.98);
    EXPECT_EQ(one.Кбал_G, 1.05);
    EXPECT_EQ(one.K_G_sn_ny, 0.97);
    EXPECT_EQ(one.Кцирк, 1.1);
    EXPECT_EQ(one.t12Switch, 2);
    EXPECT_EQ(one.КотоплМО, 0.8);
    // `Ot_leto` true: the heating season's coefficient is 1; missing counts as false.
    EXPECT_TRUE(one.Ot_leto);
    EXPECT_EQ(one.heatingSeasonКотоплМО, 1);
    EXPECT_TRUE(oleaut::isTrue(oleaut::eq(kept.at(1).hotWater.factor, 0.9)));
    const SourceCoefficients& two = kept.at(2).coefficients;
    EXPECT_FALSE(two.Ot_leto);
    EXPECT_EQ(two.heatingSeasonКотоплМО, 0.8);
    EXPECT_TRUE(oleaut::isTrue(oleaut::eq(kept.at(2).hotWater.factor, 1.0)));
}

TEST_F(MainRowCopies, YearAndMonthAreThoseOfTheLastDay) {
    db.execute("DELETE FROM \"ПериодРасчета\"");
    db.addPeriod("2009-01-25", "2009-02-03");
    runOnce(runParameters(db, DateSerial(2009, 1, 25), DateSerial(2009, 2, 3)));
    EXPECT_EQ(oleaut::CLng(mainColumn(db, 1, "Год")), 2009);
    EXPECT_EQ(oleaut::CLng(mainColumn(db, 1, "Месяц")), 2);
}

TEST_F(MainRowCopies, TheParameterTn_t12ChangesNothing) {
    for (int16_t t12 : {int16_t{0}, int16_t{1}}) {
        RunParameters p = january();
        p.tn_t12 = t12;
        runOnce(p);
    }
    EXPECT_EQ(oleaut::CLng(db.scalar("SELECT COUNT(DISTINCT \"Коэфф_Перетопа_Потр\") FROM "
                                     "\"РезультатыПотребитель\" WHERE \"Npotr\" = 2")),
              1);
}

TEST_F(MainRowCopies, AMissingColdWaterTemperatureEndsTheRunWithoutHotWater) {
    db.execute("DELETE FROM \"Потребители\" WHERE \"Npotr\" = 1");
    db.execute("UPDATE \"ПериодРасчета\" SET \"Тхвот\" = NULL");
    try {
        runOnce(january());
        FAIL() << "the run went through";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.description(), "consumer 2: column Тхвот: Invalid use of Null");
    }
    EXPECT_EQ(db.count("РезультатыПотребитель"), 0);
}

}  // namespace
}  // namespace kalvik::consumption::test
