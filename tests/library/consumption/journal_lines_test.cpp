#include "library/consumption/journal_lines.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/regional.hpp"

namespace kalvik::consumption {
namespace {

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(JournalLines, LabelsArePaddedToEightyCharactersAndTimesFollowDirectly) {
    oleaut::ScopedRegionalSettings point(oleaut::RegionalSettings::invariant());
    struct Case {
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        // Line 1: the label alone, 59 characters and 21 blanks.
        {sourceStartLine(),
         "Ras_Calc_Potr. Подготовка исходных начало - 'pr_Isxod_Potr'" + blanks(21)},
        // Line 2 of a run of 250 consumers: 55 characters, 25 blanks, then the seconds.
        {sourceEndLine(250, 1.5),
         "Ras_Calc_Potr. Подготовка исходных конец.  Кол-во - 250" + blanks(25) + "1.50 сек"},
        // Line 4 with three ventilation sums: the count and one blank, 59 characters.
        {ventilationEndLine(3, 0.25),
         "Ras_Calc_Potr. Сум Qвент. начало - 'pr_Sum_Qvent'. iВент=3 " + blanks(21) + "0.25 сек"},
        // Line 5: the label alone, not padded.
        {loopStartLine(), "Ras_Calc_Potr. Цикл по потребителям - начало "},
        // Above 60 seconds the minutes follow; exactly 60 has none.
        {totalLine(75.5),
         "Ras_Calc_Potr. Время расчета всего  " + blanks(44) + "75.50 сек - 1.26 мин"},
        {loopEndLine(60),
         "Ras_Calc_Potr. Цикл по потребителям - Конец " + blanks(36) + "60.00 сек"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line, c.expected);
}

TEST(JournalLines, NumbersFollowTheRegionalSettings) {
    oleaut::RegionalSettings comma = oleaut::RegionalSettings::invariant();
    comma.decimalSeparator = ",";
    comma.groupingSeparator = " ";
    oleaut::ScopedRegionalSettings scoped(comma);
    EXPECT_EQ(loopEndLine(1234.5), "Ras_Calc_Potr. Цикл по потребителям - Конец " + blanks(36) +
                                       "1 234,50 сек - 20,58 мин");
}

}  // namespace
}  // namespace kalvik::consumption
