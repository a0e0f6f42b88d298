#include "library/amount_in_words/working_days.hpp"

#include <gtest/gtest.h>

#include "library/amount_in_words/propiss.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/regional.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::amount_words {
namespace {

using test::errorNumberOf;

using oleaut::Variant;

struct MonthCase {
    int year, month, day;
    int16_t everyDay, withoutSundays, weekdays;
};

// Counts worked out on the calendar: e.g. February 2024 starts on a Thursday and has four
// Saturdays and four Sundays among its 29 days.
TEST(WorkingDaysTest, DaysCountedPerWeekendKind) {
    const MonthCase cases[] = {
        {2024, 2, 15, 29, 25, 21},  // leap February
        {2024, 2, 1, 29, 25, 21},   {2024, 2, 29, 29, 25, 21},
        {2023, 2, 10, 28, 24, 20},  {2000, 2, 29, 29, 25, 21},  // a leap century
        {1900, 2, 28, 28, 24, 20},                              // not a leap year
        {2023, 12, 31, 31, 26, 21},  // December runs to the 31st, a Sunday
        {2024, 12, 1, 31, 26, 22},  {2025, 1, 31, 31, 27, 23},
        {9999, 12, 31, 31, 27, 23},  // the last month a date can have
        {1899, 12, 29, 31, 26, 21},  // before day 0
        {100, 1, 1, 31, 26, 21},
    };
    for (const auto& c : cases) {
        const oleaut::Date date = oleaut::DateSerial(c.year, c.month, c.day);
        EXPECT_EQ(workingDaysOfMonth(date, 0), c.everyDay) << c.year << "-" << c.month;
        EXPECT_EQ(workingDaysOfMonth(date, 1), c.withoutSundays) << c.year << "-" << c.month;
        EXPECT_EQ(workingDaysOfMonth(date, 2), c.weekdays) << c.year << "-" << c.month;
        EXPECT_EQ(workingDaysOfMonth(date, -1), c.weekdays) << c.year << "-" << c.month;
        EXPECT_EQ(workingDaysOfMonth(date, 32767), c.weekdays) << c.year << "-" << c.month;
    }
}

TEST(WorkingDaysTest, TheTimeOfDayDoesNotMatter) {
    const oleaut::Date date{oleaut::DateSerial(2024, 2, 29).value + 0.99};
    EXPECT_EQ(workingDaysOfMonth(date, 2), 21);
}

TEST(WorkingDaysTest, DateArgumentKinds) {
    oleaut::ScopedRegionalSettings regional(oleaut::RegionalSettings::invariant());
    const oleaut::Date feb15 = oleaut::DateSerial(2024, 2, 15);
    const struct {
        Variant value;
        double serial;
    } cases[] = {
        {feb15, 45337},
        {45337.0, 45337},
        {int32_t{45337}, 45337},
        {int16_t{-1}, -1},
        {"2024-02-15", 45337},
        {"15.02.2024", 45337},
        {"2024-02-15 12:00", 45337.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateArgument(c.value).value, c.serial) << oleaut::CStr(c.value);
    }
}

TEST(WorkingDaysTest, ThroughTheClass) {
    oleaut::ScopedRegionalSettings regional(oleaut::RegionalSettings::invariant());
    Propiss p;
    const struct {
        Variant date;
        int16_t weekend;
        int16_t days;
    } cases[] = {
        {oleaut::DateSerial(2024, 2, 10), 2, 21},
        {"2024-02-10", 1, 25},
        {"10.02.2024", 0, 29},
        {45337.0, 2, 21},
        {"2023-12-05", 1, 26},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(identical(p.РабочиеДни(c.date, c.weekend), Variant(c.days)))
            << oleaut::CStr(c.date);
    }
}

TEST(WorkingDaysTest, WhatIsNoDateFails) {
    oleaut::ScopedRegionalSettings regional(oleaut::RegionalSettings::invariant());
    Propiss p;
    const struct {
        Variant value;
        int32_t error;
    } cases[] = {
        {oleaut::kNull, oleaut::kInvalidUseOfNull},
        {Variant(), oleaut::kTypeMismatch},
        {true, oleaut::kTypeMismatch},
        {"abc", oleaut::kTypeMismatch},
        {"", oleaut::kTypeMismatch},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorNumberOf([&] { p.РабочиеДни(c.value, 0); }), c.error)
            << oleaut::typeName(c.value.type());
    }
}

}  // namespace
}  // namespace kalvik::amount_words
