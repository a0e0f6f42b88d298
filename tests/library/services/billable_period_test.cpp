// The period of every calculation that takes one: reversed, or of more days than the working hours
// count, it fails naming both dates before anything is read or written.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "library/consumption/ras_potr.hpp"
#include "library/services/run_period.hpp"
#include "library/ventilation_steam/ras_vent.hpp"
#include "tests/library/ventilation_steam/ventilation_fixture.hpp"

namespace kalvik {
namespace {

using oleaut::Date;
using oleaut::DateSerial;

using Calculation = std::pair<const char*, std::function<void(Date, Date)>>;

std::vector<Calculation> calculationsOn(const std::string& connection) {
    return {
        {"Ras_Calc_Potr",
         [=](Date first, Date last) {
             Ras_Potr().Ras_Calc_Potr(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, first, last, 0, 0,
                                      0);
         }},
        {"Ras_Calc_Potr_21_04_08",
         [=](Date first, Date last) {
             Ras_Potr().Ras_Calc_Potr_21_04_08(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, first,
                                               last, 0, 0, 0);
         }},
        {"Ras_Calc_Potr_23_01_08",
         [=](Date first, Date last) {
             Ras_Potr().Ras_Calc_Potr_23_01_08(connection, 1, 3, 3, 3, "", "", 0.18, 0.05, first,
                                               last, 0, 0, 0);
         }},
        {"Ras_Calc_Potr_02_01_05",
         [=](Date first, Date last) {
             Ras_Potr().Ras_Calc_Potr_02_01_05(connection, 1, 3, 3, 3, -26, -15, 8, 5, "", "", 2009,
                                               1, 0.18, 0.05, first, last, 0, 0);
         }},
        {"Ras_Calc_Vent",
         [=](Date first, Date last) {
             Ras_Vent().Ras_Calc_Vent(connection, 0, 3, 3, 3, "", first, last, 0, 0);
         }},
        {"Ras_Calc_Vent_03_01_05",
         [=](Date first, Date last) {
             Ras_Vent().Ras_Calc_Vent_03_01_05(connection, 0, 3, 3, 3, -26, -25, 8, "", 2009, 1,
                                               first, last, 1);
         }},
        {"Ras_Calc_Vent_23_10_04",
         [=](Date first, Date last) {
             Ras_Vent().Ras_Calc_Vent_23_10_04(connection, 0, 3, 3, 3, -26, -25, 8, "Дог", 2009, 1,
                                               first, last, 0);
         }},
    };
}

struct Refused {
    Date first, last;
    int32_t number;
    const char* description;
};

// 1919-05-17 to 2009-01-31 are 32,768 days, one more than a 16-bit count holds.
const Refused kRefused[] = {
    {DateSerial(2009, 1, 31), DateSerial(2009, 1, 1), oleaut::kInvalidProcedureCall,
     "Invalid procedure call or argument: the period is reversed: Нач 2009-01-31 is after Кон "
     "2009-01-01"},
    {DateSerial(1919, 5, 17), DateSerial(2009, 1, 31), oleaut::kOverflow,
     "Overflow: the period from Нач 1919-05-17 to Кон 2009-01-31 is too long: more than 32767 "
     "days"},
    {DateSerial(100, 1, 1), DateSerial(2009, 1, 31), oleaut::kOverflow,
     "Overflow: the period from Нач 0100-01-01 to Кон 2009-01-31 is too long: more than 32767 "
     "days"},
};

TEST(BillablePeriod, ARefusedPeriodFailsNamingBothDatesAndWritesNothing) {
    ventilation::test::VentilationDatabase db;
    const int64_t journalRows = db.count("FSB");
    for (const auto& [name, calculation] : calculationsOn(db.connectionString())) {
        for (const Refused& period : kRefused) {
            SCOPED_TRACE(std::string(name) + " " + period.description);
            try {
                calculation(period.first, period.last);
                ADD_FAILURE() << "the period was billed";
            } catch (const oleaut::Error& e) {
                EXPECT_EQ(e.number(), period.number);
                EXPECT_EQ(e.description(), period.description);
            }
        }
    }
    EXPECT_EQ(db.count("FSB"), journalRows);
    EXPECT_EQ(db.count("РезультатыПотребитель"), 0);
    for (const char* table : ventilation::test::kVentilationTables)
        EXPECT_EQ(db.count(table), 0) << table;
}

// 1919-05-18 to 2009-01-31: 32,767 days, the longest period billed; one day: the shortest.
TEST(BillablePeriod, TheLongestAndTheShortestPeriodAreBilled) {
    EXPECT_NO_THROW(requireBillablePeriod(DateSerial(1919, 5, 18), DateSerial(2009, 1, 31)));
    EXPECT_NO_THROW(requireBillablePeriod(DateSerial(2009, 1, 31), DateSerial(2009, 1, 31)));
}

}  // namespace
}  // namespace kalvik
