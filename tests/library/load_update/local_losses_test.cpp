// The local loss spreading on consumers of its own, values worked by hand.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "library/load_update/poteri_vneshn.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::loss_spreading {
namespace {

using oleaut::Variant;

class LocalLosses : public ::testing::Test {
  protected:
    consumption::test::ConsumptionDatabase db;

    // A consumer with its hourly load and seven loads (Null where given as NULL) and its contract
    // figures; its loss and leak columns start at 9.
    void consumer(int npotr, const std::string& load, const std::string& loads,
                  const std::string& contract) {
        db.execute(
            "INSERT INTO \"Потребители\" (\"Npotr\", \"SQсрчас\", \"QHEAT26\", \"QVENT26\", "
            "\"QVENT12\", \"Qgvs\", \"QGV_Пс\", \"QTS\", \"Qtgvs\", \"Птот_п\", "
            "\"Утот_п\", \"Птпотр_п\") VALUES (" +
            std::to_string(npotr) + ", " + load + ", " + loads + ", 9, 9, 9)");
        db.execute("INSERT INTO \"ПотериДоговор\" VALUES (" + std::to_string(npotr) + ", " +
                   contract + ")");
    }
    int run(int16_t Qpk_znk) {
        return test::errorNumberOf(
            [&] { Poteri_vneshn().Obnovl_mest_Poter(db.connectionString(), Qpk_znk); });
    }
    std::optional<double> value(int npotr, const char* column) {
        const Variant v =
            db.scalar("SELECT \"" + std::string(column) +
                      "\" FROM \"Потребители\" WHERE \"Npotr\" = " + std::to_string(npotr));
        if (v.isNull()) return std::nullopt;
        return oleaut::CDbl(v);
    }
};

struct Expected {
    int npotr;
    const char* column;
    std::optional<double> value;
};

// 1: SQсрчас 0, hot water Null: zeros, Null hot-water shares and totals, shares copied.
// 2: SQсрчас Null: zeros, totals 0; Pot_ts Null copied as Null.
// 3 (the last row, saved by the move past it): 1 / 10 and 0.5 / 10 over loads 6, 4 and 2.
TEST_F(LocalLosses, SpreadsOverTheSevenLoads) {
    consumer(1, "0", "6, 0, 0, NULL, 0, 0, 0", "1, 2, 0.1, 0.2, 0.3, 0.4");
    consumer(2, "NULL", "6, 0, 0, 0, 0, 0, 0", "1, 2, NULL, 0.2, 0.3, 0.4");
    consumer(3, "10", "6, 4, 2, 0, 0, 0, 0", "1, 0.5, 0.1, 0.2, 0.3, 0.4");
    ASSERT_EQ(run(3), 0);
    const Expected expected[] = {
        {1, "Птот_п", 0},
        {1, "Птгвс_п", std::nullopt},
        {1, "Птпотр_п", std::nullopt},
        {1, "Утот_п", 0},
        {1, "Утгвс_п", std::nullopt},
        {1, "Утпотр_п", std::nullopt},
        {1, "ДоляПотерьТсетях", 0.1},
        {1, "ДоляУтечекТсетях", 0.2},
        {1, "ДоляТПУтечекТсетях", 0.3},
        {1, "ДоляТПотерьТсетях", 0.4},
        {2, "Птот_п", 0},
        {2, "Птпотр_п", 0},
        {2, "Утпотр_п", 0},
        {2, "ДоляПотерьТсетях", std::nullopt},
        {3, "Птот_п", 0.6},
        {3, "Птвент26_п", 0.4},
        {3, "Птвент12_п", 0.2},
        {3, "Птгвс_п", 0},
        {3, "Птпотр_п", 1.2},
        {3, "Утот_п", 0.3},
        {3, "Утвент26_п", 0.2},
        {3, "Утвент12_п", 0.1},
        {3, "Утпотр_п", 0.6},
        {3, "ДоляТПотерьТсетях", 0.4},
    };
    for (const Expected& e : expected) {
        const std::optional<double> actual = value(e.npotr, e.column);
        ASSERT_EQ(actual.has_value(), e.value.has_value()) << e.npotr << " " << e.column;
        if (actual) {
            EXPECT_DOUBLE_EQ(*actual, *e.value) << e.npotr << " " << e.column;
        }
    }
}

// No decimals: 1 / 4 × 2 = 0.5 goes to 0, 1 / 4 × 6 = 1.5 to 2; the total is 2.
TEST_F(LocalLosses, HalvesGoToEven) {
    consumer(1, "4", "2, 6, 0, 0, 0, 0, 0", "1, 0, 0, 0, 0, 0");
    ASSERT_EQ(run(0), 0);
    EXPECT_EQ(value(1, "Птот_п"), 0.0);
    EXPECT_EQ(value(1, "Птвент26_п"), 2.0);
    EXPECT_EQ(value(1, "Птпотр_п"), 2.0);
}

// A Null local loss beside a load ends the call: the row before is saved, the failing row and
// the one after keep their values.
TEST_F(LocalLosses, ANullLocalLossEndsTheCall) {
    consumer(1, "10", "6, 4, 2, 0, 0, 0, 0", "1, 0.5, 0.1, 0.2, 0.3, 0.4");
    consumer(2, "10", "6, 4, 2, 0, 0, 0, 0", "NULL, 0.5, 0.1, 0.2, 0.3, 0.4");
    consumer(3, "10", "6, 4, 2, 0, 0, 0, 0", "1, 0.5, 0.1, 0.2, 0.3, 0.4");
    EXPECT_EQ(run(3), oleaut::kInvalidUseOfNull);
    EXPECT_EQ(value(1, "Птот_п"), 0.6);
    for (const int npotr : {2, 3}) {
        EXPECT_EQ(value(npotr, "Птот_п"), 9.0) << npotr;
        EXPECT_EQ(value(npotr, "Утот_п"), 9.0) << npotr;
        EXPECT_EQ(value(npotr, "Птпотр_п"), 9.0) << npotr;
    }
}

}  // namespace
}  // namespace kalvik::loss_spreading
