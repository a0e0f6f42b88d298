// The ventilation unit update and its older form on units of their own, values worked by hand
// from the formulas with the enthalpies and specific volumes of Fiz_par: cold water 3 kgf/cm² at
// 5 °C (hc 5.016809); water 6/3 kgf/cm² at 150/70 °C (hs 154.39279, hr 70.0385, mean specific
// volume 0.0010516564 at 5.5 kgf/cm², 110 °C); steam 6 kgf/cm² (Isp 659.6854, Vsp 0.27775204)
// with condensate 1 kgf/cm² at 95 °C (95.52163) and 80 °C (80.17933). Rounded to 4 decimals.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "demo/builder.hpp"
#include "library/load_update/unit_update_columns.hpp"
#include "library/load_update/vent.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/text.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/message_box.hpp"
#include "platform/ui/messages.hpp"
#include "tests/platform/ado/temp_database.hpp"

namespace kalvik::unit_update {
namespace {

// Units 1-6 on the band bounds; 7 a load that rounds, no given volume; 8 steam without a supply
// temperature after a 150 °C unit; 9 a consumer whose `PAR` is Null, a given volume; 10 and 11
// their daily hours; 12 unit 9 with cold water at 15 °C; 13 steam with a given volume.
constexpr const char* kUnits = R"sql(
DELETE FROM "ВентУстановки";
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Тхвот", "Т подающ", "Qв_расч", "V_вент_п",
    "Нач_В", "Кон_В") VALUES
    (1, 114, 5, 145, 1, 0, 0, 24), (2, 114, 5, 144.5, 1, 0, 0, 24), (3, 114, 5, 130, 1, 0, 0, 24),
    (4, 114, 5, 129.5, 1, 0, 0, 24), (5, 114, 5, 110, 1, 0, 0, 24), (6, 114, 5, 109.9, 1, 0, 0, 24),
    (7, 114, 5, 150, 0.12345, NULL, 0, 24), (9, 111, 5, 150, 0.2, 20, 0, 24),
    (10, 114, 5, 150, 1, 0, 20, 8), (11, 114, 5, 150, 1, 0, NULL, 8),
    (12, 111, 15, 150, 0.2, 20, 0, 24);
INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Тхвот", "Т подающ", "Т обрат", "P подающ",
    "P обрат", "Ут_дол", "QVENT26_t_vkn", "QVENT26_p_vkn", "Qв_расч", "V_вент_п") VALUES
    (8, 116, 5, NULL, 95, 6, 1, 2, 80, 50, 0.15, 0), (13, 116, 5, 150, 95, 6, 1, 2, 80, 50, 0.15, 10);
UPDATE "Потребители" SET "PAR" = NULL WHERE "Npotr" = 111;)sql";

enum class Method { Current, Old };

std::ostream& operator<<(std::ostream& out, Method m) {
    return out << (m == Method::Current ? "CalculationVent" : "CalculationVent_old");
}

// The demonstration database; with `units`, the units above, each with its own `Тхвот`.
class UnitDatabase : public kalvik_test::TempDatabase {
  public:
    explicit UnitDatabase(bool units = true) {
        removeFiles();
        kalvik::demo::buildDemoDatabase(path());
        if (!units) return;
        execute(R"sql(ALTER TABLE "ВентУстановки" ADD COLUMN "Тхвот" REAL;
            UPDATE procedures SET body = replace(body, 'р."Тхвот"', 'у."Тхвот"')
            WHERE name = 'pr_vent_obn';)sql");
        execute(kUnits);
    }

    void run(Method method, int16_t decimals = 4, double coldWater = 5) const {
        Vent vent;
        if (method == Method::Current)
            vent.CalculationVent(connectionString(), decimals);
        else
            vent.CalculationVent_old(connectionString(), decimals, coldWater);
    }
    oleaut::Variant value(int unit, std::string_view column) const {
        return scalar("SELECT \"" + std::string(column) +
                      "\" FROM \"ВентУстановки\" WHERE \"NN_вент\" = " + std::to_string(unit));
    }
    int64_t journalLines() const { return oleaut::CLng(scalar("SELECT count(*) FROM FSB")); }
    std::string lastJournalLine() const {
        return oleaut::CStr(scalar("SELECT \"Имя_Проц_Форм\" FROM FSB ORDER BY id DESC LIMIT 1"));
    }
};

// The six written columns of a unit, Null as "Null".
std::string writtenColumns(const UnitDatabase& db, int unit) {
    std::string text;
    for (const char* column : {"Час_дн", "Qв_расч", "G_vent", "V_вент_р", "Ут_Вент", "Тпот_вент"}) {
        const oleaut::Variant v = db.value(unit, column);
        text += std::string(column) + "=" + (v.isNull() ? "Null" : oleaut::CStr(v)) + " ";
    }
    return text;
}

struct Expected {
    int unit;
    const char* column;
    std::optional<double> value;  // nullopt: Null
};

const Expected kExpected[] = {
    // bands: 1 Gcal/h times the factor
    {1, "V_вент_р", 5.5},
    {2, "V_вент_р", 6.0},
    {3, "V_вент_р", 6.0},
    {4, "V_вент_р", 6.5},
    {5, "V_вент_р", 6.5},
    {6, "V_вент_р", 8.5},
    // 0.12345 stored as 0.1234; the flow from 0.12345: 123.45 / 84.35429
    {7, "Час_дн", 24},
    {7, "Qв_расч", 0.1234},
    {7, "G_vent", 1.4635},
    {7, "V_вент_р", std::nullopt},
    {7, "Ут_Вент", std::nullopt},
    {7, "Тпот_вент", std::nullopt},
    // steam: 150 / ((659.6854 - hc) - (80.17933 - hc) / 2); factor 0, not 5.5
    {8, "Qв_расч", 0.15},
    {8, "G_vent", 0.2431},
    {8, "V_вент_р", 0},
    {8, "Ут_Вент", 0},
    {8, "Тпот_вент", 0},
    // water by a Null PAR: 200 / 84.35429; 20 × 0.0025 × 0.001 × 950.88; 0.0475 × 107.19883 / 1000
    {9, "G_vent", 2.371},
    {9, "V_вент_р", 20},
    {9, "Ут_Вент", 0.0475},
    {9, "Тпот_вент", 0.0051},
    {10, "Час_дн", -12},
    {11, "Час_дн", std::nullopt},
    // hc 14.992998: 0.0475 × 97.22264 / 1000
    {12, "Тпот_вент", 0.0046},
    // 10 × 0.02 × 0.001 / 0.27775204; 0.0007 × 372.58668 / 1000
    {13, "V_вент_р", 10},
    {13, "Ут_Вент", 0.0007},
    {13, "Тпот_вент", 0.0003},
};

TEST(VentUnitUpdate, WritesTheUnitsWorkedByHand) {
    UnitDatabase db;
    db.run(Method::Current);
    for (const Expected& e : kExpected) {
        const oleaut::Variant v = db.value(e.unit, e.column);
        if (!e.value)
            EXPECT_TRUE(v.isNull()) << "unit " << e.unit << " " << e.column;
        else
            EXPECT_DOUBLE_EQ(oleaut::CDbl(v), *e.value) << "unit " << e.unit << " " << e.column;
    }
    EXPECT_TRUE(db.lastJournalLine().starts_with(
        oleaut::fixedLength("Обновление. CalculationVent. конец.  Кол-во - 13", 80)));
}

// With GorTxv equal to every `Тхвот` the older form writes what the current one writes; with
// `Тхвот` differing, only GorTxv counts (unit 12 as unit 9).
TEST(VentUnitUpdate, TheOlderFormTakesTheCallersColdWater) {
    UnitDatabase current, old;
    for (UnitDatabase* db : {&current, &old})
        db->execute("UPDATE \"ВентУстановки\" SET \"Тхвот\" = 5");
    current.run(Method::Current);
    old.run(Method::Old, 4, 5);
    for (int unit = 1; unit <= 13; ++unit)
        EXPECT_EQ(writtenColumns(old, unit), writtenColumns(current, unit)) << unit;

    UnitDatabase differing;
    differing.run(Method::Old, 4, 5);
    EXPECT_EQ(writtenColumns(differing, 12), writtenColumns(differing, 9));
}

TEST(VentUnitUpdate, DecimalsZeroSendHalvesToEven) {
    UnitDatabase db;
    db.execute(R"sql(DELETE FROM "ВентУстановки";
        INSERT INTO "ВентУстановки" ("NN_вент", "Npotr", "Тхвот", "Qв_расч") VALUES
        (1, 114, 5, 2.5), (2, 114, 5, 3.5);)sql");
    db.run(Method::Current, 0);
    EXPECT_EQ(oleaut::CDbl(db.value(1, "Qв_расч")), 2);
    EXPECT_EQ(oleaut::CDbl(db.value(2, "Qв_расч")), 4);
    EXPECT_EQ(oleaut::CDbl(db.value(1, "V_вент_р")), 11);  // 2 × 5.5
    EXPECT_EQ(oleaut::CDbl(db.value(2, "V_вент_р")), 22);
}

TEST(VentUnitUpdate, WithoutUnitsTheBoxAndOnlyTheCurrentMethodsEndLine) {
    for (Method method : {Method::Current, Method::Old}) {
        UnitDatabase db;
        db.execute("DELETE FROM \"ВентУстановки\"");
        std::vector<ui::MessageBoxRequest> boxes;
        ui::ScopedResponder responder([&](const ui::MessageBoxRequest& box) {
            boxes.push_back(box);
            return ui::Answer::Ok;
        });
        const int64_t lines = db.journalLines();
        db.run(method);
        const ui::MessageBoxRequest expected{"Вентиляция отсутствует", ui::Buttons::OkOnly,
                                             ui::Icon::NoIcon, "Kalvik_dll"};
        EXPECT_EQ(boxes, std::vector<ui::MessageBoxRequest>{expected}) << method;
        if (method == Method::Current) {
            EXPECT_EQ(db.journalLines(), lines + 1);
            EXPECT_TRUE(db.lastJournalLine().starts_with(
                oleaut::fixedLength("Обновление. CalculationVent. конец.  Кол-во - 0", 80)));
        } else {
            EXPECT_EQ(db.journalLines(), lines);
        }
    }
}

// A failure at unit 3: units 1 and 2 saved, unit 3 as it was, the error naming it and the column,
// no end line, no window left.
TEST(VentUnitUpdate, AFailureKeepsTheSavedUnitsAndNamesTheUnit) {
    struct Case {
        Method method;
        const char* change;
        const char* column;
    };
    const Case cases[] = {
        {Method::Current, "\"Тхвот\" = NULL", "Тхвот"},
        {Method::Current, "\"Т подающ\" = NULL", "Т подающ"},
        {Method::Old, "\"Т обрат\" = NULL", "Т обрат"},
    };
    for (const Case& c : cases) {
        UnitDatabase db;
        db.execute("UPDATE \"ВентУстановки\" SET " + std::string(c.change) +
                   " WHERE \"NN_вент\" = 3");
        const int64_t lines = db.journalLines();
        try {
            db.run(c.method);
            ADD_FAILURE() << "no failure: " << c.column;
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kInvalidUseOfNull);
            EXPECT_NE(
                e.description().find("unit 3 (consumer 114): column " + std::string(c.column)),
                std::string::npos)
                << e.description();
        }
        EXPECT_FALSE(db.value(2, "G_vent").isNull()) << c.column;
        EXPECT_TRUE(db.value(3, "G_vent").isNull()) << c.column;
        EXPECT_EQ(db.journalLines(), lines) << c.column;
        EXPECT_EQ(ui::Form::shownCount(), 0u) << c.column;
    }
}

TEST(VentUnitUpdate, PendingMessagesRunTwicePerRowInTheCurrentMethodOnly) {
    for (Method method : {Method::Current, Method::Old}) {
        UnitDatabase db;
        int calls = 0;
        ui::ScopedMessageHook hook([&] { ++calls; });
        db.run(method);
        EXPECT_EQ(calls, method == Method::Current ? 26 : 0) << method;
    }
}

TEST(VentUnitUpdate, ColumnsAreInTheSchema) {
    UnitDatabase db(false);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    auto rows = connection->Execute("exec pr_vent_obn");
    std::set<std::string> have;
    for (int32_t i = 0; i < rows->Fields().Count(); ++i)
        have.insert(rows->Fields(i).Name());
    for (std::string_view name : UnitRow::kNames)
        EXPECT_TRUE(have.count(std::string(name))) << name;
}

}  // namespace
}  // namespace kalvik::unit_update
