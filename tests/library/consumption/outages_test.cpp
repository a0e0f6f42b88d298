// Outages and long outages: net working hours, disconnection hours and month shares.

#include <gtest/gtest.h>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;

const char* const kOutageColumns =
    "INSERT INTO \"ОтключенияПотр\" (\"Npotr\", \"ОтВр_откл\", \"ГвсВр_откл\", "
    "\"ГвсВр_откл_Пс\", \"ТехВр_откл\", \"ТгвсВр_откл\", \"От_откл\", \"ГВС_откл\", \"Тех_откл\", "
    "\"Техгвс_откл\") VALUES ";

TEST(Outages, NetHoursAndDisconnectionHours) {
    struct Case {
        const char* what;
        int16_t okryg, qZnk;
        std::string rows;  // outage rows of consumer 1 (and others)
        LoadHours net;
        LoadHours disconnection;
    };
    // Consumer 1 works every load round the clock in January: 744 hours each.
    const Case cases[] = {
        {"no outage rows", 0, 0, "", {744, 744, 744, 744, 744}, {0, 0, 0, 0, 0}},
        {"sums of 2.5 and 3.5 round to 2 and 4, halves to even",
         0,
         0,
         "(1, 2.5, 3.5, 0.5, 1.5, 0, 2.5, 3.5, 0, 0)",
         {742, 740, 744, 742, 744},
         {2.5, 3.5, 0, 0, 0}},
        {"no rounding with Okryg 1",
         1,
         0,
         "(1, 2.5, 3.5, 0.5, 1.5, 0, 2.5, 3.5, 0, 0)",
         {741.5, 740.5, 743.5, 742.5, 744},
         {2.5, 3.5, 0, 0, 0}},
        {"outages beyond the working hours leave 0",
         0,
         0,
         "(1, 800, 0, 0, 0, 900, 48, 0, 0, 0)",
         {0, 744, 744, 744, 0},
         {48, 0, 0, 0, 0}},
        {"rows add up, Null counts 0, other consumers do not count",
         0,
         1,
         "(1, 1.25, NULL, NULL, NULL, NULL, 1.25, NULL, NULL, NULL), "
         "(1, 1.25, 0.5, NULL, NULL, NULL, 1.25, 0.5, NULL, 2), "
         "(2, 100, 100, 100, 100, 100, 100, 100, 100, 100)",
         {741.5, 743.5, 744, 744, 744},
         {2.5, 0.5, 0, 0, 2}},
        {"a negative disconnection sum becomes 0",
         0,
         0,
         "(1, 0, 0, 0, 0, 0, -5, -1, -2, -3)",
         {744, 744, 744, 744, 744},
         {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConsumptionDatabase db;
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(1, "\"QGV_Пс\", \"QTS\", \"Qtgvs\"", "0.01, 0.1, 0.02");
        db.addConsumer(2);
        if (!c.rows.empty()) db.execute(kOutageColumns + c.rows);
        RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
        p.Okryg = c.okryg;
        p.Q_znk = c.qZnk;
        const ConsumerContext k = runAndKeep(p).at(1);
        EXPECT_EQ(k.netHours.heating, c.net.heating);
        EXPECT_EQ(k.netHours.hotWater, c.net.hotWater);
        EXPECT_EQ(k.netHours.secondHotWater, c.net.secondHotWater);
        EXPECT_EQ(k.netHours.technology, c.net.technology);
        EXPECT_EQ(k.netHours.technologicalHotWater, c.net.technologicalHotWater);
        EXPECT_EQ(k.disconnectionHours.heating, c.disconnection.heating);
        EXPECT_EQ(k.disconnectionHours.hotWater, c.disconnection.hotWater);
        EXPECT_EQ(k.disconnectionHours.secondHotWater, 0);
        EXPECT_EQ(k.disconnectionHours.technology, c.disconnection.technology);
        EXPECT_EQ(k.disconnectionHours.technologicalHotWater,
                  c.disconnection.technologicalHotWater);
    }
}

const char* const kLongOutageColumns =
    "INSERT INTO \"ДлитОтключенияПотр\" (\"Npotr\", \"ПотопНач\", \"ПотопКон\", \"ОтВремПост\", "
    "\"ПгвсНач\", \"ПгвсКон\", \"ГВСВремПост\", \"ПтехНач\", \"ПтехКон\", \"ТехВремПост\", "
    "\"ПтгвсНач\", \"ПтгвсКон\", \"ТГВСВремПост\") VALUES ";

// A long outage of every load from `first` to `last`, with the four share columns given.
std::string allLoads(const char* first, const char* last, const char* shares[4]) {
    std::string row = "(1";
    for (int i = 0; i < 4; ++i) {
        row += ", " + (first ? oleDate(first) : std::string("NULL")) + ", " +
               (last ? oleDate(last) : std::string("NULL")) + ", " + shares[i];
    }
    return row + ")";
}

TEST(LongOutages, MonthSharesOfEachLoad) {
    const char* quarterHalf[4] = {"0.25", "0.5", "0", "0.75"};
    const char* full[4] = {"1", "0.3", "0.3", "0.3"};
    const char* nullShares[4] = {"NULL", "NULL", "NULL", "NULL"};
    struct Case {
        const char* what;
        std::string rows;
        std::string consumer;  // columns and values of consumer 1
        std::string consumerValues;
        double heating, hotWater, technology, technologicalHotWater;  // long-outage hours
    };
    const Case cases[] = {
        {"no long outages", "", "", "", 0, 0, 0, 0},
        // 48 clipped hours weighted 1 - share: 36, 24, 48, 12.
        {"weights 0.25 and 0.5 over 48 hours", allLoads("2009-01-05", "2009-01-06", quarterHalf),
         "", "", 36, 24, 48, 12},
        {"`ОтВремПост` 1 counts every load in full", allLoads("2009-01-05", "2009-01-06", full), "",
         "", 48, 48, 48, 48},
        {"a Null `ОтВремПост` weights nothing", allLoads("2009-01-05", "2009-01-06", nullShares),
         "", "", 48, 48, 48, 48},
        {"without an end date nothing is added", allLoads("2009-01-10", nullptr, quarterHalf), "",
         "", 0, 0, 0, 0},
        {"from before the period, clipped to its start",
         allLoads("2008-12-20", "2009-01-02", quarterHalf), "", "", 36, 24, 48, 12},
        {"a load of 0 counts nothing", allLoads("2009-01-05", "2009-01-06", full),
         "\"QHEAT26\", \"Qgvs\"", "0, 0", 0, 0, 48, 48},
        {"two rows, weights taken row by row",
         allLoads("2009-01-05", "2009-01-06", quarterHalf) + ", " +
             allLoads("2009-01-20", "2009-01-20", full),
         "", "", 60, 48, 72, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConsumptionDatabase db;
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(1, "\"QTS\", \"Qtgvs\"" + (c.consumer.empty() ? "" : ", " + c.consumer),
                       "0.1, 0.02" + (c.consumerValues.empty() ? "" : ", " + c.consumerValues));
        if (!c.rows.empty()) db.execute(kLongOutageColumns + c.rows);
        const LongOutageShares s =
            runAndKeep(runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31)))
                .at(1)
                .monthShares;
        EXPECT_DOUBLE_EQ(s.heating, (744 - c.heating) / 744);
        EXPECT_DOUBLE_EQ(s.hotWater, (744 - c.hotWater) / 744);
        EXPECT_DOUBLE_EQ(s.technology, (744 - c.technology) / 744);
        EXPECT_DOUBLE_EQ(s.technologicalHotWater, (744 - c.technologicalHotWater) / 744);
    }
}

TEST(LongOutages, SharesOfAHalfMonthAndOfAWholeMonthOut) {
    ConsumptionDatabase db;
    db.addPeriod("2009-06-01", "2009-06-15");
    db.addConsumer(1);
    const char* none[4] = {"0", "0", "0", "0"};
    db.execute(kLongOutageColumns + allLoads("2009-05-01", "2009-07-31", none));
    db.addConsumer(2);
    const auto kept =
        runAndKeep(runParameters(db, DateSerial(2009, 6, 1), DateSerial(2009, 6, 15)));
    // 360 of June's 720 hours.
    EXPECT_DOUBLE_EQ(kept.at(2).monthShares.heating, 0.5);
    EXPECT_DOUBLE_EQ(kept.at(2).monthShares.hotWater, 0.5);
    // Out for the whole period: never below 0.
    EXPECT_EQ(kept.at(1).monthShares.heating, 0);
    EXPECT_EQ(kept.at(1).monthShares.hotWater, 0);
}

TEST(LongOutages, ANullShareOfAWeightedLoadEndsTheRun) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    const char* shares[4] = {"0.25", "NULL", "0", "0"};
    db.execute(kLongOutageColumns + allLoads("2009-01-05", "2009-01-06", shares));
    try {
        runOnce(runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31)));
        FAIL() << "the run went through";
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.description(), "consumer 1: column ГВСВремПост: Invalid use of Null");
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
