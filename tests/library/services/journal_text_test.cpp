#include "library/services/journal_text.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/regional.hpp"
#include "platform/oleaut/text.hpp"
#include "tests/support/case_names.hpp"

namespace {

std::string blanks(int count) {
    return std::string(static_cast<size_t>(count), ' ');
}

struct LabelCase {
    std::string label;
    std::string expected;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.label;
}

class JournalLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(JournalLabel, IsExactlyEightyCharacters) {
    const std::string text = kalvik::journalLabel(GetParam().label);
    EXPECT_EQ(text, GetParam().expected);
    EXPECT_EQ(oleaut::Len(text), 80);
}

const std::string kLong100 = std::string(60, 'a') + std::string(20, 'b') + std::string(20, 'c');
// 45 Cyrillic letters (90 bytes) and 45 digits: the cut counts characters, not bytes.
std::string cyrillic(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Ж";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Labels, JournalLabel,
    ::testing::Values(
        LabelCase{"Ras_Calc_Vent.  начало - ", "Ras_Calc_Vent.  начало - " + blanks(55)},
        LabelCase{"", blanks(80)}, LabelCase{kLong100, std::string(60, 'a') + std::string(20, 'b')},
        LabelCase{cyrillic(45) + std::string(45, '1'), cyrillic(45) + std::string(35, '1')}),
    kalvik::test::NamedByPrinting{});

struct EndLineCase {
    double seconds;
    std::string tail;  // what follows the 80-character label
};

void PrintTo(const EndLineCase& c, std::ostream* os) {
    *os << c.seconds;
}

class JournalEndLine : public ::testing::TestWithParam<EndLineCase> {};

TEST_P(JournalEndLine, AppendsSecondsAndAboveAMinuteMinutes) {
    oleaut::ScopedRegionalSettings pinned(oleaut::RegionalSettings::invariant());
    const std::string label = "Ras_Calc_Potr. Время расчета всего  ";
    EXPECT_EQ(kalvik::journalEndLine(label, GetParam().seconds),
              kalvik::journalLabel(label) + GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(EndLines, JournalEndLine,
                         ::testing::Values(EndLineCase{75.5, "75.50 сек - 1.26 мин"},
                                           EndLineCase{60.0, "60.00 сек"},
                                           EndLineCase{0.0, "0.00 сек"},
                                           EndLineCase{3725.0, "3,725.00 сек - 62.08 мин"}),
                         kalvik::test::NamedByPrinting{});

TEST(JournalEndLine, FollowsTheRegionalDecimalSeparator) {
    oleaut::RegionalSettings russian = oleaut::RegionalSettings::invariant();
    russian.decimalSeparator = ",";
    russian.groupingSeparator = " ";
    oleaut::ScopedRegionalSettings pinned(russian);
    EXPECT_EQ(kalvik::journalEndLine("x", 75.5),
              kalvik::journalLabel("x") + "75,50 сек - 1,26 мин");
}

TEST(PhaseClock, NeverRunsBackwards) {
    kalvik::PhaseClock clock;
    const double first = clock.seconds();
    EXPECT_GE(first, 0.0);
    EXPECT_GE(clock.seconds(), first);
}

}  // namespace
