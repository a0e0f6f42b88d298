// The revisions of 03.01.05 and 23.10.04 of the ventilation run on the demonstration units
// (demo/ventilation/data.sql), values worked by hand. January 2009: 744 hours, plan Тн -10; the
// city's temperatures -26, -25, 8 unless a case says otherwise. Unit 1 (0.25 Gcal/h, regime from
// -25 to 8) has r = (8 + 10) / 33 as a Single, 0.13636364042758942 of its load and
// 0.0021818182 of its loss.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "library/ventilation_steam/ras_vent.hpp"
#include "library/ventilation_steam/ventilation_variant.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/text.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/messages.hpp"
#include "tests/library/ventilation_steam/ventilation_fixture.hpp"
#include "tests/support/case_names.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::ventilation {
namespace {

using test::VentilationDatabase;

using Method = void (Ras_Vent::*)(const std::string&, int16_t, int16_t, int16_t, int16_t, double,
                                  double, double, const std::string&, double, double, oleaut::Date,
                                  oleaut::Date, int16_t);
constexpr Method k03_01_05 = &Ras_Vent::Ras_Calc_Vent_03_01_05;
constexpr Method k23_10_04 = &Ras_Vent::Ras_Calc_Vent_23_10_04;

struct Call {
    int16_t plan = 1;
    const char* dog = "";
    int16_t okryg = 0;
    double GorTnror = -26;
    double GorTnrvr = -25;
    double year = 2009;
    double month = 1;

    std::string table() const { return std::string(resultTable(plan, dog)); }
};

void run(const VentilationDatabase& db, Method method, const Call& c = {}) {
    Ras_Vent vent;
    (vent.*method)(db.connectionString(), c.okryg, 3, 3, 3, c.GorTnror, c.GorTnrvr, 8, c.dog,
                   c.year, c.month, oleaut::DateSerial(2009, 1, 1), oleaut::DateSerial(2009, 1, 31),
                   c.plan);
}

// Plan: outages 4.0625 h unrounded, net 739.9375, Доля 1. Contract: no outages, net 744.
TEST(VentilationRevision, TheWorkedUnitPlanAndContract) {
    struct Expected {
        const char* column;
        double plan, contract;
    };
    const Expected expected[] = {
        {"ВрмОтклЧас", 4.0625, 0},     {"Твент", 739.9375, 744},
        {"Qвент12", 100.901, 101.455}, {"Утвент12_п", 14.799, 14.88},
        {"Потери", 1.614, 1.623},      {"Всего Гкал", 102.515, 103.078},
        {"Qвподкл_корр", 0.25, 0.25},  {"ТПвподкл_корр", 0.004, 0.004},
        {"ТПвподклT12", 0.004, 0.004}, {"Qвент12T12", 0, 0},
        {"Qвент26T12", 0, 0},          {"ПотериT12", 0, 0},
        {"Pot_vent12", 0, 0},          {"Всего ГкалT12", 0, 0},
    };
    VentilationDatabase db;
    const Call plan, contract{.dog = "Дог"};
    run(db, k03_01_05, plan);
    run(db, k23_10_04, contract);
    for (const Expected& e : expected) {
        EXPECT_DOUBLE_EQ(db.value(plan.table(), 1, e.column), e.plan) << e.column;
        EXPECT_DOUBLE_EQ(db.value(contract.table(), 1, e.column), e.contract) << e.column;
    }
    EXPECT_EQ(oleaut::CStr(db.latest(plan.table(), 1, "Примечание")), "ВрРабВент=739.9375");
}

// The same rows and journal lines; 23.10.04 shows no window and lets messages run once per unit,
// each time with that unit's row saved; 03.01.05 shows its window and lets them run twice.
TEST(VentilationRevision, BothRevisionsWriteTheSameRowsAndDifferOnlyInTheWindow) {
    VentilationDatabase db;
    const Call c;
    struct Seen {
        int calls = 0;
        int savedAtEachCall = 0;  // calls that found the rows of the units so far saved
        int withWindow = 0;
    };
    auto watchedRun = [&](Method method) {
        Seen seen;
        const int64_t before = db.count(c.table());
        const std::size_t shown = ui::Form::shownCount();
        ui::ScopedMessageHook hook([&] {
            ++seen.calls;
            if (db.count(c.table()) == before + seen.calls) ++seen.savedAtEachCall;
            if (ui::Form::shownCount() > shown) ++seen.withWindow;
        });
        run(db, method, c);
        EXPECT_EQ(ui::Form::shownCount(), shown);
        return seen;
    };
    const int64_t lastJournalLine = oleaut::CLng(db.scalar("SELECT coalesce(max(id), 0) FROM FSB"));
    const Seen withWindow = watchedRun(k03_01_05);
    const Seen without = watchedRun(k23_10_04);
    EXPECT_EQ(withWindow.calls, 16);
    EXPECT_EQ(withWindow.withWindow, 16);
    EXPECT_EQ(without.calls, 8);
    EXPECT_EQ(without.savedAtEachCall, 8);
    EXPECT_EQ(without.withWindow, 0);

    const auto rows = db.rows("SELECT * FROM \"" + c.table() + "\" ORDER BY \"NNрасчТеплВент\"");
    ASSERT_EQ(rows.size(), 16u);
    for (std::size_t i = 0; i < 8; ++i) {
        for (const auto& [column, value] : rows[i]) {
            if (column == "NNрасчТеплВент" || column == "ДатаРед") continue;
            EXPECT_TRUE(identical(value, rows[i + 8].at(column))) << column << " row " << i;
        }
    }
    const auto journal = db.rows(
        "SELECT substr(\"Имя_Проц_Форм\", 1, 80) AS label FROM FSB "
        "WHERE id > " +
        std::to_string(lastJournalLine) + " ORDER BY id");
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_TRUE(identical(journal[0].at("label"), journal[2].at("label")));
    EXPECT_TRUE(identical(journal[1].at("label"), journal[3].at("label")));
}

// Without units 23.10.04 lets no message run; a run failing at the first unit (a heating design
// temperature of 18, where the schedule divides by zero) leaves no window behind.
TEST(VentilationRevision, NoMessagesWithoutUnitsAndNoWindowLeftAfterAFailure) {
    const std::size_t shown = ui::Form::shownCount();
    for (Method method : {k03_01_05, k23_10_04}) {
        VentilationDatabase db;
        EXPECT_EQ(kalvik::test::errorNumberOf([&] { run(db, method, {.GorTnror = 18}); }),
                  oleaut::kDivisionByZero);
        EXPECT_EQ(ui::Form::shownCount(), shown);
        EXPECT_EQ(db.count("РезультатыВентиляция_План"), 0);
    }
    VentilationDatabase db;
    db.execute("DELETE FROM \"ВентУстановки\"");
    int calls = 0;
    ui::ScopedMessageHook hook([&] { ++calls; });
    run(db, k23_10_04);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(oleaut::CStr(db.scalar("SELECT \"Имя_Проц_Форм\" FROM FSB ORDER BY id DESC")),
              oleaut::fixedLength("Ras_Calc_Vent.  Вентиляция отсутствует!!!", 80));
}

// One rule of the revisions per case: the fixture's change, the call, and one column of a unit.
struct Difference {
    const char* rule;
    const char* change;
    Call call;
    int unit;
    const char* column;
    double expected;
};

void PrintTo(const Difference& d, std::ostream* os) {
    *os << d.rule;
}

// Unit 1 in summer ventilation, in a month whose heating multiplier is 0.8.
constexpr const char* kSummerUnit =
    "UPDATE \"ВентУстановки\" SET \"Vent_leto\" = 1 WHERE \"NN_вент\" = 1; UPDATE "
    "\"ПериодРасчета\" SET \"КотоплМО\" = 0.8";

const Difference kDifferences[] = {
    // Long outages of 48 h × 0.75 and 24 h still lower Доля: 0.25 × 684 / 744.
    {"contract actual: no outages", "", {.plan = 0, .dog = "Дог"}, 1, "ВрмОтклЧас", 0},
    {"contract actual: long outages", "", {.plan = 0, .dog = "Дог"}, 1, "Qвподкл_корр", 0.23},
    {"contract plan: plan outages not applied", "", {.dog = "Дог"}, 2, "ВрмОтклЧас", 0},
    {"plan outages by NN_вент", "", {}, 2, "ВрмОтклЧас", 10},
    {"plan: no actual outages", "", {}, 3, "ВрмОтклЧас", 0},
    // Unit 8's long outage over the period does not count: Доля 744 / 744, its load 0.12345 to
    // three decimals.
    {"plan: share period by month", "", {}, 8, "Qвподкл_корр", 0.123},
    {"actual outages unrounded", "", {.plan = 0}, 3, "ВрмОтклЧас", 1.2345},
    {"split on GorTnrvr, not Тнрво",
     "UPDATE \"ВентУстановки\" SET \"Тнрво\" = -15 WHERE \"NN_вент\" = 1",
     {},
     1,
     "Qвент12",
     100.901},
    {"26 columns when Тнач is not GorTnrvr", "", {.GorTnrvr = -24}, 1, "Qвент26", 100.901},
    // 0.13636364042758942 × 739.9375 × 0.8 and 0.02 × 739.9375 × 0.8.
    {"Vent_leto keeps КотоплМО", kSummerUnit, {}, 1, "Qвент12", 80.72},
    {"Vent_leto keeps КотоплМО in leaks", kSummerUnit, {}, 1, "Утвент12_п", 11.839},
    {"recalculation year kept", "", {.year = 2008.5, .month = 1.25}, 1, "Год_Прасч", 2008.5},
    {"recalculation month kept", "", {.year = 2008.5, .month = 1.25}, 1, "Месяц_Прасч", 1.25},
    {"unit's temperature columns not read",
     "UPDATE \"ВентУстановки\" SET \"Тнрво\" = NULL, \"R_tn_t12\" = NULL; UPDATE "
     "\"ПериодРасчета\" SET \"Тнро_рт\" = NULL, \"Тнро_нач\" = NULL, \"Т1\" = NULL, \"Т2\" = NULL",
     {},
     1,
     "Всего Гкал",
     102.515},
};

class VentilationRevisionRule : public ::testing::TestWithParam<Difference> {};

TEST_P(VentilationRevisionRule, HoldsTheValueWorkedByHand) {
    const Difference& d = GetParam();
    VentilationDatabase db;
    if (*d.change != '\0') db.execute(d.change);
    for (Method method : {k03_01_05, k23_10_04}) {
        run(db, method, d.call);
        EXPECT_DOUBLE_EQ(db.value(d.call.table(), d.unit, d.column), d.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, VentilationRevisionRule, ::testing::ValuesIn(kDifferences),
                         kalvik::test::NamedByPrinting{});

// Every unit, loss codes 0 to 4 and Null among them, rounded or not: `ТПвподклT12` is the stored
// `ТПвподкл_корр`, the T12 heat is 0, `ПотериT12` is 0 where `Потери` is written and Null where
// not, and `Pot_vent12` and "Всего ГкалT12" follow it.
TEST(VentilationRevision, T12ColumnsFollowTheLossCodes) {
    for (int16_t okryg : {0, 1}) {
        VentilationDatabase db;
        run(db, k03_01_05, {.okryg = okryg});
        EXPECT_EQ(
            db.count("РезультатыВентиляция_План",
                     "\"ТПвподклT12\" IS \"ТПвподкл_корр\" AND \"Qвент12T12\" = 0 AND "
                     "\"Qвент26T12\" = 0 AND \"ПотериT12\" IS 0 * \"Потери\" AND "
                     "\"Pot_vent12\" IS \"ПотериT12\" AND \"Всего ГкалT12\" IS \"ПотериT12\""),
            8)
            << okryg;
        EXPECT_EQ(db.count("РезультатыВентиляция_План", "\"ТПвподклT12\" IS NULL"), 1) << okryg;
        EXPECT_EQ(db.count("РезультатыВентиляция_План", "\"ПотериT12\" IS NULL"), 1) << okryg;
    }
}

}  // namespace
}  // namespace kalvik::ventilation
