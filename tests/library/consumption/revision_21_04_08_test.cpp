// The revision of 21.04.08 beside the current method, both called through the class's interface
// on the same demonstration data: they differ only in the norm-based hot water's losses and leak
// and in the totals that add them up.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "library/com/iras_potr.hpp"
#include "library/com/service.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;
using oleaut::Variant;

using Row = ConsumptionDatabase::Row;

// The main rows of the table by `Npotr`, in the order the runs wrote them.
std::map<int, std::vector<Row>> mainRows(const ConsumptionDatabase& db) {
    std::map<int, std::vector<Row>> rows;
    for (Row& row : db.rows("SELECT * FROM \"РезультатыПотребитель\" ORDER BY \"NNрасчТепл\""))
        rows[oleaut::CLng(row.at("Npotr"))].push_back(std::move(row));
    return rows;
}

bool same(const Variant& a, const Variant& b) {
    return (a.isNull() && b.isNull()) || oleaut::isTrue(oleaut::eq(a, b));
}

// January 2009, unrounded, so that the revision's values relate to the current ones exactly.
void runJanuary(const ConsumptionDatabase& db, bool revision) {
    Service<IRas_Potr> rasPotr;
    const oleaut::Date first = DateSerial(2009, 1, 1), last = DateSerial(2009, 1, 31);
    if (revision) {
        rasPotr->Ras_Calc_Potr_21_04_08(db.connectionString(), 1, 3, 3, 3, "", "", 0.18, 0.05,
                                        first, last, 0, 0, 0);
    } else {
        rasPotr->Ras_Calc_Potr(db.connectionString(), 1, 3, 3, 3, "", "", 0.18, 0.05, first, last,
                               0, 0, 0);
    }
}

TEST(Revision21_04_08, DiffersOnlyInTheNormBasedHotWaterLossesLeakAndTheirTotals) {
    ConsumptionDatabase db(true);
    runJanuary(db, false);
    runJanuary(db, true);
    const auto rows = mainRows(db);
    ASSERT_EQ(static_cast<int64_t>(rows.size()), db.count("Потребители"));

    // 102 is the one norm-based consumer whose losses count (103's are cleared by its loss mode).
    const std::set<std::string> revised = {"Птгвс_п_р", "Утгвс_п",    "Утечки_м3",  "Ут_потр_п",
                                           "Потери",    "Птпотр_п_р", "Всего Гкал", "Всего_тн"};
    for (const auto& [npotr, pair] : rows) {
        SCOPED_TRACE(npotr);
        ASSERT_EQ(pair.size(), 2u);
        const Row& current = pair[0];
        const Row& revision = pair[1];
        for (const auto& [column, value] : current) {
            if (column == "NNрасчТепл") continue;
            const bool differs = !same(value, revision.at(column));
            if (npotr == 102 && revised.count(column)) {
                EXPECT_TRUE(differs) << column;
            } else {
                EXPECT_FALSE(differs) << column << ": " << oleaut::CStr(value) << " and "
                                      << oleaut::CStr(revision.at(column));
            }
        }
    }

    // 102: hot water 744 h less 1.5 outage hours; the norm's share 742.5 / 744. Losses
    // 0.0005 × 742.5 (temperature factor 1) become 0.0005 × 742.5 / 744, the leak
    // 0.002 × 742.5 becomes 0.002 × 742.5 / 744; the heat itself is the same.
    const Row& current = rows.at(102)[0];
    const Row& revision = rows.at(102)[1];
    auto number = [](const Row& row, const char* column) { return oleaut::CDbl(row.at(column)); };
    EXPECT_NEAR(number(current, "Птгвс_п_р"), 0.37125, 1e-12);
    EXPECT_NEAR(number(revision, "Птгвс_п_р"), 0.0005 * 742.5 / 744, 1e-15);
    EXPECT_NEAR(number(current, "Утгвс_п"), 1.485, 1e-12);
    EXPECT_NEAR(number(revision, "Утгвс_п"), 0.002 * 742.5 / 744, 1e-15);
    EXPECT_DOUBLE_EQ(number(revision, "Утгвс_п"), number(current, "Утгвс_п") / 744);
    EXPECT_DOUBLE_EQ(number(revision, "Птгвс_п_р"), number(current, "Птгвс_п_р") / 744);
    EXPECT_EQ(number(revision, "Qгвс"), number(current, "Qгвс"));

    // The totals move by exactly those differences (a closed system: no flows).
    const double losses = number(current, "Птгвс_п_р") - number(revision, "Птгвс_п_р");
    const double leak = number(current, "Утгвс_п") - number(revision, "Утгвс_п");
    EXPECT_NEAR(number(current, "Потери") - number(revision, "Потери"), losses, 1e-12);
    EXPECT_NEAR(number(current, "Птпотр_п_р") - number(revision, "Птпотр_п_р"), losses, 1e-12);
    EXPECT_NEAR(number(current, "Всего Гкал") - number(revision, "Всего Гкал"), losses, 1e-12);
    EXPECT_NEAR(number(current, "Утечки_м3") - number(revision, "Утечки_м3"), leak, 1e-12);
    EXPECT_NEAR(number(current, "Ут_потр_п") - number(revision, "Ут_потр_п"), leak, 1e-12);
    EXPECT_NEAR(number(current, "Всего_тн") - number(revision, "Всего_тн"), leak, 1e-12);
}

TEST(Revision21_04_08, JournalsTheTextsOfTheCurrentMethod) {
    ConsumptionDatabase db(true);
    runJanuary(db, true);
    EXPECT_EQ(db.count("FSB"), 7);
    EXPECT_EQ(db.count("FSB", "\"Имя_Проц_Форм\" LIKE 'Ras_Calc_Potr. %'"), 7);
    EXPECT_EQ(db.count("РезультатыПотребитель_Время"), db.count("Потребители"));
}
}  // namespace
}  // namespace kalvik::consumption::test
