// The ventilation run on the demonstration units (demo/ventilation/data.sql), values worked by
// hand. January 2009: 744 hours, Тн -8.5 actual and -10 plan, every unit's coefficients 1.

#include <gtest/gtest.h>

#include <set>

#include "library/consumption/ras_potr.hpp"
#include "library/services/appending_selection.hpp"
#include "library/services/procedure_command.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "library/ventilation_steam/ventilation_columns.hpp"
#include "platform/oleaut/text.hpp"
#include "tests/library/ventilation_steam/ventilation_fixture.hpp"
#include "tests/support/schema_columns.hpp"

namespace kalvik::ventilation {
namespace {

using oleaut::DateSerial;

using test::VentilationDatabase;

class VentilationRun : public ::testing::Test {
  protected:
    VentilationDatabase db;

    void run(int16_t plan = 0, const std::string& dog = "", int16_t okryg = 0) {
        Ras_Vent vent;
        vent.Ras_Calc_Vent(db.connectionString(), okryg, 3, 3, 3, dog, DateSerial(2009, 1, 1),
                           DateSerial(2009, 1, 31), plan, 0);
    }
    double value(const std::string& table, int unit, const std::string& column) {
        return db.value(table, unit, column);
    }
};

// Unit 1: 0.25 Gcal/h from -25 to 8 at -8.5: r = 16.5 / 33; outages 2.5 + 3.5; long outages of
// 48 h weighted 0.75 and 24 h in full: Доля (744 - 60) / 744.
TEST_F(VentilationRun, TheWorkedUnitActualAndPlan) {
    struct Expected {
        const char* column;
        double actual, plan;
    };
    const Expected expected[] = {
        {"ВрмРабЧас", 744, 744},          {"ВрмОтклЧас", 6, 6},    {"Твент", 738, 738},
        {"Qвент12", 92.25, 100.636},      {"Qвент26", 0, 0},       {"Утвент12_п", 14.76, 14.76},
        {"Утечки_вент_м3", 14.76, 14.76}, {"Qвподкл", 0.25, 0.25}, {"Qвподкл_корр", 0.23, 0.23},
        {"ТПвподкл_корр", 0.004, 0.004},  {"Потери", 1.476, 1.61}, {"Pot_vent", 1.476, 1.61},
        {"Всего Гкал", 93.726, 102.246},  {"План_Вент", 0, 1},
    };
    run(0);
    run(1);
    for (const Expected& e : expected) {
        EXPECT_DOUBLE_EQ(value("РезультатыВентиляция", 1, e.column), e.actual) << e.column;
        EXPECT_DOUBLE_EQ(value("РезультатыВентиляция_План", 1, e.column), e.plan) << e.column;
    }
    EXPECT_EQ(oleaut::CStr(db.scalar("SELECT \"Примечание\" FROM \"РезультатыВентиляция\" WHERE "
                                     "\"NNВентОснТабл\" = 1")),
              "ВрРабВент=738");
}

TEST_F(VentilationRun, VariantRule) {
    struct Case {
        int16_t plan;
        const char* dog;
        const char* table;
    };
    for (const Case& c :
         {Case{0, "Дог", "РезультатыВентиляция_Дог"}, Case{1, "дог", "РезультатыВентиляция_План"},
          Case{0, "дог", "РезультатыВентиляция"}}) {
        const int64_t before = db.count(c.table);
        run(c.plan, c.dog);
        EXPECT_EQ(db.count(c.table), before + 8) << c.dog << c.plan;
    }
}

TEST_F(VentilationRun, WithoutUnitsItJournalsAndWritesNothing) {
    db.execute("DELETE FROM \"ВентУстановки\"");
    const int64_t lines = db.count("FSB");
    run();
    EXPECT_EQ(db.count("FSB"), lines + 2);
    EXPECT_EQ(oleaut::CStr(db.scalar("SELECT \"Имя_Проц_Форм\" FROM FSB ORDER BY id DESC")),
              oleaut::fixedLength("Ras_Calc_Vent.  Вентиляция отсутствует!!!", 80));
    EXPECT_EQ(db.count("РезультатыВентиляция"), 0);
}

// The weight starts at 1 for each long outage: 48 × 0.75 + 24 in either order.
TEST_F(VentilationRun, LongOutageWeightsInEitherOrder) {
    for (bool reversed : {false, true}) {
        if (reversed)
            db.execute("UPDATE \"ДлитОтключенияВент\" SET id = -id WHERE \"NNВентТабл\" = 1");
        run(0, "", 1);
        EXPECT_DOUBLE_EQ(value("РезультатыВентиляция", 1, "Qвподкл_корр"), 0.25 * 684 / 744)
            << reversed;
    }
}

// Codes 4 and Null leave their columns Null; outages above the working hours and a long outage
// over the period give 0 net hours and a share of 0.
TEST_F(VentilationRun, UnknownLossCodesAndNoHoursLeft) {
    run();
    for (const char* column : {"ТПвподкл", "ТПвподкл_корр", "Потери", "Pot_vent", "Всего Гкал"})
        EXPECT_TRUE(db.scalar("SELECT \"" + std::string(column) +
                              "\" FROM \"РезультатыВентиляция\" WHERE \"NNВентОснТабл\" = 8")
                        .isNull())
            << column;
    EXPECT_EQ(value("РезультатыВентиляция", 8, "Твент"), 0);
    EXPECT_EQ(value("РезультатыВентиляция", 8, "Qвподкл_корр"), 0);
    // Codes 1 and 0 of unit 6: no losses, the leak columns kept.
    EXPECT_EQ(value("РезультатыВентиляция", 6, "Утечки_вент_м3"), 0);
    EXPECT_EQ(value("РезультатыВентиляция", 6, "ТПвподкл_корр"), 0);
}

// A Null where a number is needed ends the run at unit 7: units 1 to 6 stay saved.
TEST_F(VentilationRun, NullNumbersEndTheRunNamingUnitAndColumn) {
    struct Case {
        const char* change;
        const char* column;
    };
    const Case cases[] = {
        {"UPDATE \"Потребители\" SET \"Кбал_кот\" = NULL WHERE \"Npotr\" = 111", "Кбал_кот"},
        {"UPDATE \"ВентУстановки\" SET \"Коэфф_Сниж\" = NULL WHERE \"NN_вент\" = 7", "Коэфф_Сниж"},
        {"UPDATE \"ВентУстановки\" SET \"R_tn_t12\" = NULL WHERE \"NN_вент\" = 7", "R_tn_t12"},
        {"INSERT INTO \"ОтключенияВент\" (\"NNвентотк\", \"ВентВр_откл_р\") VALUES (7, NULL)",
         "ВентВр_откл_р"},
        {"INSERT INTO \"ДлитОтключенияВент\" (\"NNВентТабл\") VALUES (7)", "ПотНачВент"},
        {"UPDATE \"ВентУстановки\" SET \"Тнач\" = NULL WHERE \"NN_вент\" = 7", "Тнач"},
    };
    for (const Case& c : cases) {
        VentilationDatabase fresh;
        fresh.execute(c.change);
        try {
            Ras_Vent vent;
            vent.Ras_Calc_Vent(fresh.connectionString(), 0, 3, 3, 3, "", DateSerial(2009, 1, 1),
                               DateSerial(2009, 1, 31), 0, 0);
            ADD_FAILURE() << "no failure: " << c.column;
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kInvalidUseOfNull);
            EXPECT_NE(e.description().find("unit 7: column " + std::string(c.column)),
                      std::string::npos)
                << e.description();
        }
        EXPECT_EQ(fresh.count("РезультатыВентиляция"), 6) << c.column;
    }
}

// Consumer 114 has units 1 (92.25 in the 12 columns) and 8 (nothing); a second run replaces the
// first one's rows in the sums.
TEST_F(VentilationRun, TheConsumptionSumsTheLatestRowsOfTheUnits) {
    for (int pass = 0; pass < 2; ++pass) {
        run();
        Ras_Potr consumption;
        consumption.Ras_Calc_Potr(db.connectionString(), 0, 3, 3, 3, "", "", 0.18, 0.05,
                                  DateSerial(2009, 1, 1), DateSerial(2009, 1, 31), 0, 0, 0);
        EXPECT_DOUBLE_EQ(
            oleaut::CDbl(db.scalar("SELECT \"Qвент12\" FROM \"РезультатыПотребитель\" WHERE "
                                   "\"Npotr\" = 114 ORDER BY \"NNрасчТепл\" DESC LIMIT 1")),
            92.25)
            << pass;
    }
}

using testing_support::columnsOf;
using testing_support::expectColumns;

TEST_F(VentilationRun, ColumnsAreInTheSchema) {
    ProcedureCommand source(db.connectionString(), "pr_Isx_Vent_Potr", {planParameter(0)});
    expectColumns<SourceRow>(
        columnsOf(*std::dynamic_pointer_cast<ado::Command>(source.command())->Execute()),
        "pr_Isx_Vent_Potr");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    expectColumns<OutageRow>(columnsOf(*connection->Execute("exec pr_Otkl_vent_filtf")), "outages");
    expectColumns<LongOutageRow>(columnsOf(*connection->Execute("exec pr_Otkl_vent_Dlit")),
                                 "long outages");
    for (const char* table :
         {"РезультатыВентиляция", "РезультатыВентиляция_План", "РезультатыВентиляция_Дог"}) {
        expectColumns<ResultRow>(
            columnsOf(*connection->Execute(appendingSelection(table, kResultKey))), table);
    }
}

}  // namespace
}  // namespace kalvik::ventilation
