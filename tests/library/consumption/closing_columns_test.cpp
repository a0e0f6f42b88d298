#include "library/consumption/closing_columns.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/oleaut/regional.hpp"

namespace kalvik::consumption {
namespace {

oleaut::RegionalSettings decimalComma() {
    oleaut::RegionalSettings s = oleaut::RegionalSettings::invariant();
    s.decimalSeparator = ",";
    s.groupingSeparator = " ";
    return s;
}

TEST(ClosingColumns, RemarkListsTheHoursOfEachLoad) {
    struct Case {
        const char* name;
        oleaut::RegionalSettings settings;
        LoadHours hours;
        double ventilation;
        const char* expected;
    };
    const Case cases[] = {
        {"heating, ventilation and hot water",
         oleaut::RegionalSettings::invariant(),
         {744, 744, 0, 0, 0},
         372.5,
         "ВрОт= 744 СрВрВент. 372.5ВрГвс= 744 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0"},
        {"a decimal comma",
         decimalComma(),
         {741.5, 744, 0, 0, 0},
         372.5,
         "ВрОт= 741,5 СрВрВент. 372,5ВрГвс= 744 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0"},
        {"no ventilation",
         oleaut::RegionalSettings::invariant(),
         {528, 490, 360, 216, 264},
         0,
         "ВрОт= 528 СрВрВент. 0ВрГвс= 490 ВрГвс_Пс= 360 ВрТех= 216 ВрТехГвс= 264"},
        // No grouping and at most 15 significant digits.
        {"long numbers",
         decimalComma(),
         {1234.5, 0, 0, 0, 0},
         2.0 / 3,
         "ВрОт= 1234,5 СрВрВент. 0,666666666666667ВрГвс= 0 ВрГвс_Пс= 0 ВрТех= 0 ВрТехГвс= 0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        oleaut::ScopedRegionalSettings settings(k.settings);
        EXPECT_EQ(remark(k.hours, k.ventilation), k.expected);
    }
}

TEST(ClosingColumns, TheClearedColumnsAreFiftySixDistinctColumns) {
    std::set<std::string_view> names;
    for (const Column<MainRow>& c : kClearedColumns)
        names.insert(c.name);
    for (const Column<MainRow>& c : kClearedTonneColumns)
        names.insert(c.name);
    EXPECT_EQ(std::size(kClearedColumns), 46u);
    EXPECT_EQ(std::size(kClearedTonneColumns), 10u);
    EXPECT_EQ(names.size(), 56u);
    // The first and last of each list, and the one the hours row fills later.
    EXPECT_EQ(kClearedColumns[0].name, "QотУз");
    EXPECT_EQ(kClearedColumns[7].name, "Потери в тсетях");
    EXPECT_EQ(kClearedColumns[45].name, "Время_тс");
    EXPECT_EQ(kClearedTonneColumns[0].name, "Qот_Тн");
    EXPECT_EQ(kClearedTonneColumns[9].name, "Qгвс_пс_уз_Тн");
    // The main row's network share is cleared; the consumer's goes to the `_подк` column.
    EXPECT_TRUE(names.count("ДоляУтечекТсетях"));
    EXPECT_EQ(kConnectionCopies[4].to.name, "ДоляУтечекТсетях_подк");
    EXPECT_EQ(kConnectionCopies[4].from.name, "ДоляУтечекТсетях");
}

}  // namespace
}  // namespace kalvik::consumption
