// Working hours per load before outages.

#include <gtest/gtest.h>

#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

using oleaut::DateSerial;

TEST(WorkingHours, ByWeekdayMaskDailyWindowAndLoad) {
    struct Case {
        const char* what;
        const char* first;
        const char* last;
        oleaut::Date from, to;
        std::string columns, values;
        LoadHours expected;
    };
    const Case cases[] = {
        {"heating Monday to Friday over a week from a Monday",
         "2009-01-05",
         "2009-01-11",
         DateSerial(2009, 1, 5),
         DateSerial(2009, 1, 11),
         "\"Dheat\", \"Qgvs\"",
         "'+++++--', 0",
         {120, 0, 0, 0, 0}},
        {"second hot water round the clock whatever the masks",
         "2009-06-01",
         "2009-06-30",
         DateSerial(2009, 6, 1),
         DateSerial(2009, 6, 30),
         "\"QHEAT26\", \"Qgvs\", \"QGV_Пс\", \"Dheat\", \"DGVS\"",
         "0, 0, 0.01, '', '-------'",
         {0, 0, 720, 0, 0}},
        {"a hot-water load of 0 with filled masks",
         "2009-01-01",
         "2009-01-31",
         DateSerial(2009, 1, 1),
         DateSerial(2009, 1, 31),
         "\"Qgvs\", \"DGVS\", \"Нач_ГВС\", \"Кон_ГВС\"",
         "0, '+++++++', 6, 22",
         {744, 0, 0, 0, 0}},
        {"hot water from 6 to 22 h every day of January",
         "2009-01-01",
         "2009-01-31",
         DateSerial(2009, 1, 1),
         DateSerial(2009, 1, 31),
         "\"Нач_ГВС\", \"Кон_ГВС\"",
         "6, 22",
         {744, 496, 0, 0, 0}},
        {"technology 8 to 17 h on working days, technological hot water 7 to 19 h on six days",
         "2009-01-05",
         "2009-01-11",
         DateSerial(2009, 1, 5),
         DateSerial(2009, 1, 11),
         "\"QTS\", \"DTS\", \"Нач_Тех\", \"Кон_Тех\", \"Qtgvs\", \"DTGVS\", \"Нач_ТГВС\", "
         "\"Кон_ТГВС\"",
         "0.5, '+++++--', 8, 17, 0.02, '++++++-', 7, 19",
         {168, 168, 0, 45, 72}},
        {"a mask shorter than seven days works only its days",
         "2009-01-05",
         "2009-01-11",
         DateSerial(2009, 1, 5),
         DateSerial(2009, 1, 11),
         "\"Dheat\", \"Qgvs\"",
         "'++', 0",
         {48, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConsumptionDatabase db;
        db.addPeriod(c.first, c.last);
        db.addConsumer(1, c.columns, c.values);
        const LoadHours h = runAndKeep(runParameters(db, c.from, c.to)).at(1).workingHours;
        EXPECT_EQ(h.heating, c.expected.heating);
        EXPECT_EQ(h.hotWater, c.expected.hotWater);
        EXPECT_EQ(h.secondHotWater, c.expected.secondHotWater);
        EXPECT_EQ(h.technology, c.expected.technology);
        EXPECT_EQ(h.technologicalHotWater, c.expected.technologicalHotWater);
    }
}

}  // namespace
}  // namespace kalvik::consumption::test
