#include "library/consumption/consumer_totals.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kalvik::consumption {
namespace {

using oleaut::Variant;

TEST(ConsumerTotals, TotalHeatAddsEveryLoadLossesFlushingsAndWithdrawals) {
    ConsumerContext c;
    c.ventilation.heat = 3.5;
    c.heating.Qот = 92.191;
    c.hotWater.Qгвс = 37.2;
    c.hotWater.Qгвс_пс = 1.5;
    c.technology.Qтех = 0.25;
    c.technology.Qтехгвс = 0.125;
    c.rowLosses = 1.5;
    c.flushings.flushingHeat = 3.579;
    c.flushings.withdrawalHeat = 1.2;
    // 3.5 + 92.191 + 37.2 + 1.5 + 0.25 + 0.125 + 1.5 + 3.579 + 1.2
    EXPECT_DOUBLE_EQ(totalHeat(c), 141.045);
    EXPECT_EQ(totalHeat(ConsumerContext{}), 0.0);
}

TEST(ConsumerTotals, TotalTonnesAddsLeaksFlowsFlushingAndWithdrawalWater) {
    ConsumerContext c;
    c.flows.hotWater = 600;
    c.flows.technologicalHotWater = 20;
    c.flushings.flushingWater = 0.59;
    c.flushings.withdrawalWater = 15;
    const Variant t = totalTonnes(Variant(10.5), c);
    ASSERT_EQ(t.type(), oleaut::VarType::Double);
    EXPECT_DOUBLE_EQ(t.asDouble(), 646.09);
    // A Null leak total is no error: the total is stored as Null.
    EXPECT_TRUE(totalTonnes(Variant(oleaut::kNull), c).isNull());
}

// A consumer with every load: losses 0.002 + 0.0005 + 0.001 + 0.0003 Gcal/h, loads 0.2 +
// (0.02 + 0.05) + 0.1 + 0.03 Gcal/h, ventilation connected loss 0.001 and load 0.05.
ConnectionSource everyLoad(int16_t mode) {
    ConnectionSource s;
    s.Птот_п = 0.002;
    s.Птгвс_п = 0.0005;
    s.Пттех_п = 0.001;
    s.ПттехГВС_п = 0.0003;
    s.QHEAT26 = 0.2;
    s.QGV_Пс = 0.02;
    s.QTS = 0.1;
    s.ДоляПотерьТсетях = 0.001;
    s.Доп_потери = 0.01;
    s.mode = mode;
    return s;
}

ConsumerContext shares(double share) {
    ConsumerContext c;
    c.Qgvs = 0.05;
    c.Qtgvs = 0.03;
    c.monthShares = {share, share, share, share};
    c.ventilation.connectedLoss = 0.001;
    c.ventilation.correctedConnectedLoss = 0.001;
    c.ventilation.connectedLoad = 0.05;
    c.ventilation.correctedConnectedLoad = 0.05;
    return c;
}

RunParameters unrounded() {
    RunParameters p;
    p.Okryg = 1;
    p.Qpk_znk = 3;
    return p;
}

RunParameters roundedTo(int16_t decimals) {
    RunParameters p;
    p.Okryg = 0;
    p.Qpk_znk = decimals;
    return p;
}

// Expected loss column: an integer 0, or a double.
struct Loss {
    bool integerZero;
    double value;
};
constexpr Loss kIntegerZero{true, 0};
constexpr Loss d(double v) {
    return {false, v};
}

void expectLoss(const Variant& actual, Loss expected, const char* column) {
    SCOPED_TRACE(column);
    if (expected.integerZero) {
        ASSERT_EQ(actual.type(), oleaut::VarType::Integer);
        EXPECT_EQ(actual.asInteger(), 0);
    } else {
        ASSERT_EQ(actual.type(), oleaut::VarType::Double);
        EXPECT_DOUBLE_EQ(actual.asDouble(), expected.value);
    }
}

TEST(ConnectedLoad, ByConnectionModeWholeAndHalfMonth) {
    struct Case {
        const char* name;
        int16_t mode;
        double share;  // every month share and the period share
        Loss ТПподкл, ТПподкл_корр;
        double SQподкл, SQподкл_корр;
    };
    // Full losses 0.002 + 0.001 + 0.0005 + 0.001 + 0.0003 = 0.0048; loads 0.2 + 0.05 + 0.07 +
    // 0.1 + 0.03 = 0.45. Half month: losses 0.001 + 0.001 + 0.00025 + 0.0005 + 0.00015 = 0.0029,
    // loads 0.1 + 0.05 + 0.035 + 0.05 + 0.015 = 0.25; ventilation has its own corrected values.
    const Case cases[] = {
        {"mode 2, whole month", 2, 1, d(0.0048), d(0.0048), 0.4648, 0.4648},
        {"mode 2, half month", 2, 0.5, d(0.0048), d(0.0029), 0.4648, 0.0029 + 0.25 + 0.005},
        {"mode 0", 0, 0.5, kIntegerZero, kIntegerZero, 0.46, 0.255},
        {"mode 1", 1, 0.5, d(0.001), d(0.0005), 0.461, 0.0005 + 0.25 + 0.005},
        {"mode 3, whole month", 3, 1, d(0.0058), d(0.0058), 0.4658, 0.4658},
        {"mode 3, half month", 3, 0.5, d(0.0058), d(0.0005 + 0.0029), 0.4658,
         0.0034 + 0.25 + 0.005},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const ConnectedLoad r =
            connectedLoad(everyLoad(k.mode), shares(k.share), k.share, unrounded());
        expectLoss(r.ТПподкл, k.ТПподкл, "ТПподкл");
        expectLoss(r.ТПподкл_корр, k.ТПподкл_корр, "ТПподкл_корр");
        ASSERT_EQ(r.SQподкл.type(), oleaut::VarType::Double);
        EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), k.SQподкл);
        EXPECT_DOUBLE_EQ(r.SQподкл_корр, k.SQподкл_корр);
    }
}

TEST(ConnectedLoad, ModesOneAndThreeWithoutCorrectedLossesWriteZeroCorrected) {
    ConnectionSource s = everyLoad(1);
    s.Птот_п = 0;
    s.Птгвс_п = 0;
    s.Пттех_п = 0;
    s.ПттехГВС_п = 0;
    ConsumerContext c = shares(1);
    c.ventilation.connectedLoss = 0;
    c.ventilation.correctedConnectedLoss = 0;
    ConnectedLoad r = connectedLoad(s, c, 1, unrounded());
    expectLoss(r.ТПподкл, d(0.001), "ТПподкл");
    expectLoss(r.ТПподкл_корр, kIntegerZero, "ТПподкл_корр");
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.001 + 0.45 + 0.01);
    EXPECT_DOUBLE_EQ(r.SQподкл_корр, 0.45 + 0.01);

    s.mode = 3;
    r = connectedLoad(s, c, 1, unrounded());
    expectLoss(r.ТПподкл, d(0.001), "ТПподкл");
    expectLoss(r.ТПподкл_корр, kIntegerZero, "ТПподкл_корр");
}

TEST(ConnectedLoad, DuplicateLoadsAddNothingWeightedOrNot) {
    struct Case {
        const char* name;
        bool hotWater, technology, technologicalHotWater;
        double losses, loads;  // whole month, mode 2
    };
    const Case cases[] = {
        {"hot water", true, false, false, 0.0043, 0.38},
        {"technology", false, true, false, 0.0038, 0.35},
        {"technological hot water", false, false, true, 0.0045, 0.42},
        {"all three", true, true, true, 0.003, 0.25},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ConnectionSource s = everyLoad(2);
        s.duplicateHotWater = k.hotWater;
        s.duplicateTechnology = k.technology;
        s.duplicateTechnologicalHotWater = k.technologicalHotWater;
        // A duplicate load's columns are not read: a Null there is no error.
        if (k.hotWater) s.Птгвс_п = s.QGV_Пс = Variant(oleaut::kNull);
        if (k.technology) s.Пттех_п = s.QTS = Variant(oleaut::kNull);
        if (k.technologicalHotWater) s.ПттехГВС_п = Variant(oleaut::kNull);
        const ConnectedLoad whole = connectedLoad(s, shares(1), 1, unrounded());
        EXPECT_DOUBLE_EQ(whole.ТПподкл.asDouble(), k.losses);
        EXPECT_DOUBLE_EQ(whole.SQподкл.asDouble(), k.losses + k.loads + 0.01);
        EXPECT_DOUBLE_EQ(whole.SQподкл_корр, k.losses + k.loads + 0.01);
    }
}

TEST(ConnectedLoad, AHeatingLongOutageOfTheWholeMonthDropsTheHeatingTerms) {
    ConsumerContext c = shares(1);
    c.monthShares.heating = 0;
    const ConnectedLoad r = connectedLoad(everyLoad(2), c, 1, unrounded());
    EXPECT_DOUBLE_EQ(r.ТПподкл.asDouble(), 0.0048);
    EXPECT_DOUBLE_EQ(r.ТПподкл_корр.asDouble(), 0.0028);
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.4648);
    EXPECT_DOUBLE_EQ(r.SQподкл_корр, 0.0028 + 0.25 + 0.01);
}

TEST(ConnectedLoad, TheConnectionConstructionFactorRaisesTheHeatingTerms) {
    ConsumerContext c = shares(1);
    c.heating.connectionConstructionFactor = 1.025;
    const ConnectedLoad r = connectedLoad(everyLoad(2), c, 1, unrounded());
    // 0.002 × 1.025 = 0.00205, 0.2 × 1.025 = 0.205.
    EXPECT_DOUBLE_EQ(r.ТПподкл.asDouble(), 0.00485);
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.00485 + 0.455 + 0.01);
}

TEST(ConnectedLoad, RoundingTakesTheRoundedLossesIntoTheLoad) {
    // A heating consumer: losses 0.002 + 0.0005 = 0.0025, a half, rounded to the even 0.002;
    // the load 0.002 + 0.2 + 0.0004 = 0.2024 rounded to 0.202.
    ConnectionSource s = everyLoad(2);
    s.Пттех_п = s.ПттехГВС_п = s.QGV_Пс = s.QTS = 0.0;
    s.Доп_потери = 0.0004;
    ConsumerContext c;
    c.monthShares = {1, 1, 1, 1};

    ConnectedLoad r = connectedLoad(s, c, 1, roundedTo(3));
    EXPECT_DOUBLE_EQ(r.ТПподкл.asDouble(), 0.002);
    EXPECT_DOUBLE_EQ(r.ТПподкл_корр.asDouble(), 0.002);
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.202);
    EXPECT_DOUBLE_EQ(r.SQподкл_корр, 0.202);

    // Mode 3: 0.001 + 0.0025 = 0.0035, a half, to the even 0.004; the load 0.2044 to 0.204.
    s.mode = 3;
    r = connectedLoad(s, c, 1, roundedTo(3));
    EXPECT_DOUBLE_EQ(r.ТПподкл.asDouble(), 0.004);
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.204);
    EXPECT_DOUBLE_EQ(r.SQподкл_корр, 0.204);

    // Without rounding nothing is rounded.
    r = connectedLoad(s, c, 1, unrounded());
    EXPECT_DOUBLE_EQ(r.ТПподкл.asDouble(), 0.0035);
    EXPECT_DOUBLE_EQ(r.SQподкл.asDouble(), 0.2039);
}

TEST(ConnectedLoad, NullsStayNullWhereNoNumberIsNeededAndFailNamingTheColumnElsewhere) {
    struct Case {
        const char* name;
        int16_t mode;
        bool nullShare, nullAdditional, nullHeatingLoss;
        bool zeroLosses;
        std::optional<std::string> failure;  // the column the error names
        bool nullLoss, nullLoad;
    };
    const Case cases[] = {
        // Mode 1 stores the Null network share; the corrected load needs it as a number.
        {"mode 1, Null share", 1, true, false, false, false, "ДоляПотерьТсетях", false, false},
        // Without corrected losses the corrected column is 0 and only the plain ones are Null.
        {"mode 1, Null share, no losses", 1, true, false, false, true, std::nullopt, true, true},
        {"mode 3, Null share, no losses", 3, true, false, false, true, std::nullopt, true, true},
        {"mode 2, Null share", 2, true, false, false, false, std::nullopt, false, false},
        {"Null additional losses", 2, false, true, false, false, "Доп_потери", false, false},
        {"Null heating loss", 0, false, false, true, false, "Птот_п", false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ConnectionSource s = everyLoad(k.mode);
        ConsumerContext c = shares(1);
        if (k.zeroLosses) {
            s.Птот_п = s.Птгвс_п = s.Пттех_п = s.ПттехГВС_п = 0.0;
            c.ventilation.connectedLoss = c.ventilation.correctedConnectedLoss = 0;
        }
        if (k.nullShare) s.ДоляПотерьТсетях = Variant(oleaut::kNull);
        if (k.nullAdditional) s.Доп_потери = Variant(oleaut::kNull);
        if (k.nullHeatingLoss) s.Птот_п = Variant(oleaut::kNull);
        if (k.failure) {
            try {
                (void)connectedLoad(s, c, 1, unrounded());
                ADD_FAILURE() << "no error";
            } catch (const oleaut::Error& e) {
                EXPECT_EQ(e.number(), oleaut::kInvalidUseOfNull);
                EXPECT_NE(std::string(e.what()).find(*k.failure), std::string::npos) << e.what();
            }
            continue;
        }
        const ConnectedLoad r = connectedLoad(s, c, 1, unrounded());
        EXPECT_EQ(r.ТПподкл.isNull(), k.nullLoss);
        EXPECT_EQ(r.SQподкл.isNull(), k.nullLoad);
    }
}

}  // namespace
}  // namespace kalvik::consumption
