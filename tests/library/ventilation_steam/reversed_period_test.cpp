// A ventilation period whose first day comes after its last fails in the run and both revisions,
// before anything is read or written, as the consumption calculation does.

#include <gtest/gtest.h>

#include <functional>

#include "library/ventilation_steam/ras_vent.hpp"
#include "tests/library/ventilation_steam/ventilation_fixture.hpp"

namespace kalvik::ventilation {
namespace {

using test::VentilationDatabase;

TEST(VentilationReversedPeriod, FailsNamingBothDatesAndWritesNothing) {
    VentilationDatabase db;
    const oleaut::Date first = oleaut::DateSerial(2009, 1, 31);
    const oleaut::Date last = oleaut::DateSerial(2009, 1, 1);
    using Calculation = std::function<void(Ras_Vent&, const std::string&)>;
    const std::pair<const char*, Calculation> calculations[] = {
        {"Ras_Calc_Vent",
         [&](Ras_Vent& v, const std::string& c) {
             v.Ras_Calc_Vent(c, 0, 3, 3, 3, "", first, last, 0, 0);
         }},
        {"Ras_Calc_Vent_03_01_05",
         [&](Ras_Vent& v, const std::string& c) {
             v.Ras_Calc_Vent_03_01_05(c, 0, 3, 3, 3, -26, -25, 8, "", 2009, 1, first, last, 1);
         }},
        {"Ras_Calc_Vent_23_10_04",
         [&](Ras_Vent& v, const std::string& c) {
             v.Ras_Calc_Vent_23_10_04(c, 0, 3, 3, 3, -26, -25, 8, "Дог", 2009, 1, first, last, 0);
         }},
    };
    const int64_t journalRows = db.count("FSB");
    for (const auto& [name, calculation] : calculations) {
        SCOPED_TRACE(name);
        Ras_Vent vent;
        try {
            calculation(vent, db.connectionString());
            ADD_FAILURE() << "a reversed period ran";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_NE(e.description().find("Нач 2009-01-31 is after Кон 2009-01-01"),
                      std::string::npos)
                << e.description();
        }
    }
    EXPECT_EQ(db.count("FSB"), journalRows);
    for (const char* table : test::kVentilationTables)
        EXPECT_EQ(db.count(table), 0) << table;
}

}  // namespace
}  // namespace kalvik::ventilation
