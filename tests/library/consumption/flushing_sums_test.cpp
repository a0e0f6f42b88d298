// Flushing and withdrawal sums.

#include <gtest/gtest.h>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;

TEST(FlushingSums, SumsPerConsumerRoundedByTheSwitch) {
    struct Case {
        const char* what;
        int16_t okryg;
        std::string rows;
        FlushingSums one, two;  // of consumers 1 and 2
    };
    const char* const twoFlushings = "(1, 1.234, 0.26, 0, 0), (1, 2.345, 0.33, 0, 0)";
    const Case cases[] = {
        {"heat to two decimals, water to one", 0, twoFlushings, {3.58, 0.6, 0, 0}, {}},
        {"no rounding with Okryg 1", 1, twoFlushings, {3.579, 0.59, 0, 0}, {}},
        {"a missing heat adds 0, the other fields still add",
         1,
         "(1, NULL, 0.5, 1.2, 15), (1, 1, NULL, NULL, 5)",
         {1, 0.5, 1.2, 20},
         {}},
        {"a consumer after one with flushings starts from 0",
         1,
         "(1, 1, 1, 1, 1), (3, 7, 7, 7, 7)",
         {1, 1, 1, 1},
         {0, 0, 0, 0}},
        {"withdrawals round like flushings", 0, "(2, 0, 0, 1.255, 2.25)", {}, {0, 0, 1.26, 2.2}},
        {"no flushing rows in the run", 0, "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConsumptionDatabase db;
        db.addPeriod("2009-01-01", "2009-01-31");
        db.addConsumer(1);
        db.addConsumer(2);
        if (!c.rows.empty()) {
            db.execute(
                "INSERT INTO \"Промывки\" (\"NNпотр пром\", \"Пром Гкал\", \"Пром т/час\", "
                "\"Otbor_Gk\", \"Otbor_Tn\") VALUES " +
                c.rows);
        }
        // Plan flushings that an actual run must not see.
        db.execute(
            "INSERT INTO \"Промывки\" (\"NNпотр пром\", \"План\", \"Пром Гкал\") VALUES "
            "(1, 1, 100), (2, 1, 100)");
        RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
        p.Okryg = c.okryg;
        p.Q_znk = 2;
        p.G_znk = 1;
        const auto kept = runAndKeep(p);
        for (int n : {1, 2}) {
            const FlushingSums& got = kept.at(n).flushings;
            const FlushingSums& want = n == 1 ? c.one : c.two;
            EXPECT_DOUBLE_EQ(got.flushingHeat, want.flushingHeat) << n;
            EXPECT_DOUBLE_EQ(got.flushingWater, want.flushingWater) << n;
            EXPECT_DOUBLE_EQ(got.withdrawalHeat, want.withdrawalHeat) << n;
            EXPECT_DOUBLE_EQ(got.withdrawalWater, want.withdrawalWater) << n;
        }
    }
}

TEST(FlushingSums, ThePlanVariantSumsThePlanRows) {
    ConsumptionDatabase db;
    db.addPeriod("2009-01-01", "2009-01-31");
    db.addConsumer(1);
    db.execute(
        "INSERT INTO \"Промывки\" (\"NNпотр пром\", \"План\", \"Пром Гкал\", "
        "\"Пром т/час\") VALUES (1, 0, 1, 1), (1, 1, 2, 0.5)");
    RunParameters p = runParameters(db, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31));
    p.План = 2;
    const FlushingSums s = runAndKeep(p).at(1).flushings;
    EXPECT_EQ(s.flushingHeat, 2);
    EXPECT_EQ(s.flushingWater, 0.5);
}

}  // namespace
}  // namespace kalvik::consumption::test
