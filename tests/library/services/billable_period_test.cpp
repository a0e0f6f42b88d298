// A period whose first day comes after its last fails in every calculation that takes one, before
// anything is read or written.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "library/consumption/ras_potr.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "tests/library/ventilation_steam/ventilation_fixture.hpp"

namespace kalvik {
namespace {

TEST(ReversedPeriod, FailsNamingBothDatesAndWritesNothing) {
    ventilation::test::VentilationDatabase db;
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 31);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 1);
    const std::string connection = db.connectionString();
    const std::pair<const char*, std::function<void()>> calculations[] = {
        {"Ras_Calc_Potr",
         [&] {
             Ras_Potr().Ras_Calc_Potr(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, first, last, 0, 0,
                                      0);
         }},
        {"Ras_Calc_Potr_21_04_08",
         [&] {
             Ras_Potr().Ras_Calc_Potr_21_04_08(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, first,
                                               last, 0, 0, 0);
         }},
        {"Ras_Calc_Vent",
         [&] { Ras_Vent().Ras_Calc_Vent(connection, 0, 3, 3, 3, "", first, last, 0, 0); }},
        {"Ras_Calc_Vent_03_01_05",
         [&] {
             Ras_Vent().Ras_Calc_Vent_03_01_05(connection, 0, 3, 3, 3, -26, -25, 8, "", 2009, 1,
                                               first, last, 1);
         }},
        {"Ras_Calc_Vent_23_10_04",
         [&] {
             Ras_Vent().Ras_Calc_Vent_23_10_04(connection, 0, 3, 3, 3, -26, -25, 8, "Дог", 2009, 1,
                                               first, last, 0);
         }},
    };
    const int64_t journalRows = db.count("FSB");
    for (const auto& [name, calculation] : calculations) {
        SCOPED_TRACE(name);
        try {
            calculation();
            ADD_FAILURE() << "a reversed period ran";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), oleaut::kInvalidProcedureCall);
            EXPECT_NE(e.description().find("Нач 2009-01-31 is after Кон 2009-01-01"),
                      std::string::npos)
                << e.description();
        }
    }
    EXPECT_EQ(db.count("FSB"), journalRows);
    EXPECT_EQ(db.count("РезультатыПотребитель"), 0);
    for (const char* table : ventilation::test::kVentilationTables)
        EXPECT_EQ(db.count(table), 0) << table;
}

}  // namespace
}  // namespace kalvik
