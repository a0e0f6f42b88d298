// A period whose first day comes after its last fails in every calculation that takes one, before
// anything is read or written.

#include <gtest/gtest.h>

#include "library/consumption/ras_potr.hpp"
#include "tests/library/consumption/consumption_fixture.hpp"

namespace kalvik::consumption::test {
namespace {

TEST(ReversedPeriod, FailsNamingBothDatesAndWritesNothing) {
    ConsumptionDatabase db(true);
    using Calculation = void (Ras_Potr::*)(const std::string&, int16_t, int16_t, int16_t, int16_t,
                                           const std::string&, const std::string&, double, double,
                                           oleaut::Date, oleaut::Date, int16_t, int16_t, int16_t);
    const std::pair<const char*, Calculation> calculations[] = {
        {"Ras_Calc_Potr", &Ras_Potr::Ras_Calc_Potr},
        {"Ras_Calc_Potr_21_04_08", &Ras_Potr::Ras_Calc_Potr_21_04_08},
    };
    const auto journalRows = [&] { return oleaut::CLng(db.scalar("SELECT count(*) FROM FSB")); };
    const int32_t before = journalRows();
    for (const auto& [name, calculation] : calculations) {
        SCOPED_TRACE(name);
        Ras_Potr potr;
        try {
            (potr.*calculation)(db.connectionString(), 1, 3, 3, 3, "", "", 0.18, 0.05,
                                oleaut::DateSerial(2009, 1, 31), oleaut::DateSerial(2009, 1, 1), 0,
                                0, 0);
            ADD_FAILURE() << "a reversed period ran";
        } catch (const oleaut::Error& e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_NE(e.description().find("Нач 2009-01-31 is after Кон 2009-01-01"),
                      std::string::npos)
                << e.description();
        }
    }
    EXPECT_EQ(journalRows(), before);
    EXPECT_EQ(oleaut::CLng(db.scalar("SELECT count(*) FROM \"РезультатыПотребитель\"")), 0);
}

}  // namespace
}  // namespace kalvik::consumption::test
