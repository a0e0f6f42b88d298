// The last phases of a consumer over the demonstration data (1 to 31 January 2009, 744 hours,
// rounded to three decimals): the connected loads by connection mode, the hours and copied loads,
// the closing columns and the remark, the used hours of the hours row, the coefficient rows. The
// values here follow from the source rows and the hours alone; no heat enters them.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "library/consumption/closing_columns.hpp"
#include "platform/oleaut/regional.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;
using oleaut::Variant;

class ClosingPhases : public ::testing::Test {
  protected:
    ClosingPhases() : db(true), settings(oleaut::RegionalSettings::invariant()) {
        RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
        p.Okryg = 0;
        runOnce(p);
    }

    // One column of the consumer's row of a table.
    Variant value(const std::string& table, int npotr, const std::string& column) const {
        return db.scalar("SELECT \"" + column + "\" FROM \"" + table +
                         "\" WHERE \"Npotr\" = " + std::to_string(npotr));
    }
    Variant main(int npotr, const std::string& column) const {
        return value("РезультатыПотребитель", npotr, column);
    }
    Variant hours(int npotr, const std::string& column) const {
        return value("РезультатыПотребитель_Время", npotr, column);
    }

    ConsumptionDatabase db;
    oleaut::ScopedRegionalSettings settings;
};

void expectNumber(const Variant& actual, double expected) {
    ASSERT_TRUE(actual.isNumeric()) << oleaut::typeName(actual.type());
    EXPECT_NEAR(oleaut::CDbl(actual), expected, 1e-12);
}

TEST_F(ClosingPhases, ConnectedLossesAndLoadsByConnectionMode) {
    struct Case {
        int npotr;
        const char* what;
        double ТПподкл, ТПподкл_корр, SQподкл, SQподкл_корр;
    };
    // Losses: heating 0.002, hot water 0.0005 (counted though a load is 0), technology as given;
    // loads: heating 0.2, hot water 0.05 unless 0, technology as given.
    const Case cases[] = {
        // Mode 0: no losses; the load alone.
        {103, "mode 0", 0, 0, 0.25, 0.25},
        // Mode 1: the network share 0.001 (the corrected one × the period share 1); the steam
        // consumer's load 0.2 + technology 0.5.
        {104, "mode 1, steam with technology", 0.001, 0.001, 0.701, 0.701},
        {115, "mode 1, network share 0.002", 0.002, 0.002, 0.252, 0.252},
        // Mode 2: 0.002 + 0.0005 = 0.0025, a half, rounded to the even 0.002.
        {113, "mode 2, no hot-water load", 0.002, 0.002, 0.202, 0.202},
        {108, "mode 2", 0.002, 0.002, 0.252, 0.252},
        // Every load but heating a duplicate: heating alone, plus 0.005 additional losses.
        {111, "duplicates", 0.002, 0.002, 0.207, 0.207},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        expectNumber(main(k.npotr, "ТПподкл"), k.ТПподкл);
        expectNumber(main(k.npotr, "ТПподкл_корр"), k.ТПподкл_корр);
        expectNumber(main(k.npotr, "SQподкл"), k.SQподкл);
        expectNumber(main(k.npotr, "SQподкл_корр"), k.SQподкл_корр);
    }
}

TEST_F(ClosingPhases, HoursOfEachLoadInTheMainRowTheRemarkAndTheHoursRow) {
    struct Case {
        int npotr;
        double heating, hotWater, technology, technologicalHotWater;
        const char* remark;
    };
    const Case cases[] = {
        // 22 working days of 24 hours less 800 outage hours: 0; hot water 16 h × 31 less 6.
        {108, 0, 490, 0, 0, "ВрОт= 0 СрВрВент. 0ВрГвс= 490 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0"},
        // Technology 8 to 17 h on 22 working days; no hot water.
        {104, 744, 0, 198, 0, "ВрОт= 744 СрВрВент. 0ВрГвс= 0 ВрГвс_Пс= 0 ВрТех= 198 ВрТехГвс= 0"},
        // Outages 1.25 + 1.25 heating and Null + 0.5 hot-water hours.
        {111, 741.5, 743.5, 744, 744,
         "ВрОт= 741.5 СрВрВент. 0ВрГвс= 743.5 ВрГвс_Пс= 0 ВрТех= 744 ВрТехГвс= 744"},
        {115, 528, 744, 0, 0, "ВрОт= 528 СрВрВент. 0ВрГвс= 744 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.npotr);
        const std::map<std::string, double> mainHours = {
            {"Тотоп", k.heating},
            {"Тгвс", k.hotWater},
            {"Тгвс_Пс", 0},
            {"Ттех", k.technology},
            {"ТтехГВС", k.technologicalHotWater},
            {"Тотоп_ЖСК", k.heating},
            {"Тгвс_ЖСК", k.hotWater},
            {"ПодклОтоп", 1},
            {"ПодклГВС", 1},
        };
        for (const auto& [column, expected] : mainHours) {
            SCOPED_TRACE(column);
            expectNumber(main(k.npotr, column), expected);
        }
        EXPECT_EQ(oleaut::CStr(main(k.npotr, "Примечание")), k.remark);
        // The hours row shows the same hours as used.
        expectNumber(hours(k.npotr, "Тотоп_r"), k.heating);
        expectNumber(hours(k.npotr, "Тгвс_r"), k.hotWater);
        expectNumber(hours(k.npotr, "Тгвс_Пс_r"), 0);
        expectNumber(hours(k.npotr, "Ттех_r"), k.technology);
        expectNumber(hours(k.npotr, "ТтехГВС_r"), k.technologicalHotWater);
        EXPECT_EQ(oleaut::CLng(hours(k.npotr, "NNрасчТепл")),
                  oleaut::CLng(main(k.npotr, "NNрасчТепл")));
    }
}

TEST_F(ClosingPhases, CopiedLoadsFactorsAndPlan) {
    // 111: QTS 0.05, Qtgvs 0.01, additional losses 0.005; 114: ventilation load 0.3.
    const std::map<std::string, double> copied111 = {
        {"QHEAT26", 0.2}, {"QVENT26", 0}, {"Qgvs", 0.05},    {"QGV_Пс", 0},         {"QTS", 0.05},
        {"Qtgvs", 0.01},  {"k_ctr", 1},   {"k_ctr_пдкл", 1}, {"Доп_потери", 0.005}, {"План", 0},
    };
    for (const auto& [column, expected] : copied111) {
        SCOPED_TRACE(column);
        expectNumber(main(111, column), expected);
    }
    expectNumber(main(114, "QVENT26"), 0.3);
    expectNumber(main(114, "QHEAT26"), 0);
    expectNumber(hours(111, "План"), 0);
}

TEST_F(ClosingPhases, ConnectionCopiesKeepNullsAndTheClearedColumnsAreZero) {
    // 110's copied columns are Null in the source; the network share is the default.
    for (const char* column : {"SQсрчас", "SQсрчас с пот", "Утпотр_п_подк", "Птпотр_п_подк"}) {
        SCOPED_TRACE(column);
        EXPECT_TRUE(main(110, column).isNull());
    }
    expectNumber(main(110, "ДоляУтечекТсетях_подк"), 0.0001);
    expectNumber(main(110, "ДоляПотерьТсетях_подк"), 0.001);
    expectNumber(main(113, "SQсрчас"), 0.25);
    expectNumber(main(113, "SQсрчас с пот"), 0.26);
    expectNumber(main(113, "Утпотр_п_подк"), 0.012);
    expectNumber(main(113, "Птпотр_п_подк"), 0.0025);
    // `PAR` is copied: 1 for the steam consumer.
    expectNumber(main(104, "PAR"), 1);
    expectNumber(main(113, "PAR"), 0);

    // Every cleared column is 0 in every row (`Время_тс` gets its value with the hours row).
    for (const Column<MainRow>& column : kClearedColumns) {
        if (column.name == "Время_тс") continue;
        SCOPED_TRACE(column.name);
        EXPECT_EQ(
            db.count("РезультатыПотребитель", "\"" + std::string(column.name) + "\" IS NOT 0"), 0);
    }
    for (const Column<MainRow>& column : kClearedTonneColumns) {
        SCOPED_TRACE(column.name);
        EXPECT_EQ(
            db.count("РезультатыПотребитель", "\"" + std::string(column.name) + "\" IS NOT 0"), 0);
    }
}

TEST_F(ClosingPhases, OnlyANonZeroCoefficientIsWrittenBack) {
    auto written = [&](int npotr) {
        return !db.scalar("SELECT \"K_G_fiz\" FROM \"Потребитель_K_G_gvs\" WHERE \"Npotr\" = " +
                          std::to_string(npotr))
                    .isNull();
    };
    EXPECT_TRUE(written(101));
    EXPECT_TRUE(written(102));
    EXPECT_TRUE(written(106));
    EXPECT_FALSE(written(105));  // its coefficient is 0
    EXPECT_EQ(db.count("Потребитель_K_G_gvs", "\"Q_gvs_K_G_gvs_r\" IS NOT NULL"), 3);
}

// A Null heating load is not 0 to the working hours, but the heat and the connected load need it
// as a number: the run ends, naming the consumer, and keeps nothing of that consumer.
TEST(ConnectedLoadFailure, ANullHeatingLoadEndsTheRunNamingTheConsumer) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    db.addConsumer(2, "\"QHEAT26\", \"Qgvs\"", "NULL, 0");
    try {
        runOnce(runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31)));
        ADD_FAILURE() << "the run did not fail";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), oleaut::kInvalidUseOfNull);
        const std::string text = e.what();
        EXPECT_NE(text.find("consumer 2"), std::string::npos) << text;
    }
    EXPECT_EQ(db.count("РезультатыПотребитель"), 1);
    EXPECT_EQ(db.count("РезультатыПотребитель", "\"Npotr\" = 2"), 0);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), 1);
}

}  // namespace
}  // namespace kalvik::consumption::test
