#include "library/services/working_time.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/library/services/calendar_2009.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::working_time {
namespace {

using namespace calendar_2009;
using oleaut::kNull;
using oleaut::VarType;

constexpr double kHour = 1.0 / 24;
constexpr double kMinute = kHour / 60;

Variant date(double value) {
    return oleaut::Date{value};
}
Variant integer(int16_t value) {
    return value;
}

// ---------------------------------------------------------------------------------------------
// ВремяРаботы

TEST(ВремяРаботы, HoursOfTheWorkedDays) {
    struct Case {
        const char* mask;
        double from, to;
        Variant start, end;
        float hours;
    };
    const Case cases[] = {
        // January 2009: 22 Mondays to Fridays (four whole weeks and Thursday, Friday, Saturday).
        {"+++++--", k2009_01_01, k2009_01_31, integer(0), integer(24), 22 * 24},
        {"+++++", k2009_01_01, k2009_01_31, integer(0), integer(24), 22 * 24},
        // Mondays to Wednesdays: 12 of them.
        {"+++", k2009_01_01, k2009_01_31, integer(0), integer(24), 12 * 24},
        // Saturdays (5) and Sundays (4), the other days written with two-byte letters; an eighth
        // character is no weekday.
        {"ппппп++", k2009_01_01, k2009_01_31, integer(0), integer(24), 9 * 24},
        {"пппппп-+", k2009_01_01, k2009_01_31, integer(0), integer(24), 0},
        // February 2009, every day, window 8 to 17.
        {"+++++++", k2009_02_01, k2009_02_28, integer(8), integer(17), 28 * 9},
        {"+++++++", k2009_02_01, k2009_02_28, 8.5, integer(17), 28 * 8.5f},
        {"+++++++", k2009_02_01, k2009_02_28, "8", "17", 28 * 9},
        // One day: Sunday 4 January.
        {"------+", k2009_01_05 - 1, k2009_01_05 - 1, integer(0), integer(24), 24},
        {"+++++++", k2009_01_05, k2009_01_05, integer(0), integer(24), 24},
        // No day: the end before the start; no worked day; a mask without "+".
        {"+++++++", k2009_01_05, k2009_01_01, integer(0), integer(24), 0},
        {"-----++", k2009_01_05, k2009_01_05 + 4, integer(0), integer(24), 0},
        {"", k2009_01_01, k2009_01_31, integer(0), integer(24), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " from " + std::to_string(c.from));
        const Variant result =
            ВремяРаботы(integer(40), c.mask, c.start, c.end, date(c.from), date(c.to));
        EXPECT_EQ(result.type(), VarType::Single);
        EXPECT_FLOAT_EQ(result.asSingle(), c.hours);
    }
}

TEST(ВремяРаботы, PeriodBoundsWithATimeCountTheirDayBoundaries) {
    // From Monday 18:00 to Wednesday 06:00: Monday, Tuesday, Wednesday.
    const Variant result = ВремяРаботы(integer(40), "+++++++", integer(0), integer(24),
                                       date(k2009_01_05 + 0.75), date(k2009_01_05 + 2.25));
    EXPECT_FLOAT_EQ(result.asSingle(), 72);
}

TEST(ВремяРаботы, NullMaskWorksNoDay) {
    EXPECT_FLOAT_EQ(ВремяРаботы(integer(40), kNull, integer(0), integer(24), date(k2009_01_01),
                                date(k2009_01_31))
                        .asSingle(),
                    0);
}

TEST(ВремяРаботы, WeekHoursMustBeANumberOnAWorkedDay) {
    struct Case {
        const char* mask;
        Variant weekHours;
        int32_t error;
    };
    const Case cases[] = {
        {"+++++++", kNull, oleaut::kInvalidUseOfNull},  // Invalid use of Null
        {"+++++++", "сорок", oleaut::kTypeMismatch},    // Type mismatch
        {"+++++++", "40", 0},                           // a number as text
        {"+++++++", Variant(), 0},                      // Empty counts as 0
        {"-------", kNull, 0},                          // no worked day: never converted
        {"-------", "сорок", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(test::errorNumberOf([&] {
                      ВремяРаботы(c.weekHours, c.mask, integer(0), integer(24), date(k2009_01_01),
                                  date(k2009_01_31));
                  }),
                  c.error);
    }
}

TEST(ВремяРаботы, WindowMustBeANumberOnAWorkedDay) {
    EXPECT_EQ(test::errorNumberOf([] {
                  ВремяРаботы(integer(40), "+++++++", kNull, integer(24), date(k2009_01_01),
                              date(k2009_01_31));
              }),
              oleaut::kInvalidUseOfNull);
    EXPECT_EQ(test::errorNumberOf([] {
                  ВремяРаботы(integer(40), "-------", kNull, integer(24), date(k2009_01_01),
                              date(k2009_01_31));
              }),
              0);
}

TEST(ВремяРаботы, DayCounterIsSixteenBits) {
    struct Case {
        double last;
        int32_t error;
    };
    const Case cases[] = {
        {32766, 0},                  // 32,767 days
        {32767, oleaut::kOverflow},  // 32,768 days
    };
    for (const Case& c : cases) {
        EXPECT_EQ(test::errorNumberOf([&] {
                      ВремяРаботы(integer(40), "-------", integer(0), integer(24), date(0),
                                  date(c.last));
                  }),
                  c.error);
    }
}

TEST(ВремяРаботы, NullPeriodBoundFails) {
    EXPECT_EQ(test::errorNumberOf([] {
                  ВремяРаботы(integer(40), "+++++++", integer(0), integer(24), kNull,
                              date(k2009_01_31));
              }),
              oleaut::kInvalidUseOfNull);
}

// ---------------------------------------------------------------------------------------------
// ВремяОтключений: window 8 to 17, every day worked, period January 2009 unless said otherwise.

struct Outage {
    double start, end;  // OLE dates with the time of day
};

Variant outageHours(Outage outage, const char* mask = "+++++++", double from = k2009_01_01,
                    double to = k2009_01_31) {
    oleaut::Date start{outage.start};
    oleaut::Date end{outage.end};
    return ВремяОтключений(integer(40), mask, integer(8), integer(17), start, end, date(from),
                           date(to));
}

TEST(ВремяОтключений, OneDayOutageInsideTheWindow) {
    struct Case {
        double from, to;  // hours of 15 January
        double hours;
    };
    const Case cases[] = {
        {6, 7.5, 0},
        {6, 16, 8},
        {6, 18, 9},
        {10, 20, 7},
        {10, 12, 2},
        {18, 20, 0},
        // Exact bounds are clipped like any other: the hours inside [8, 17].
        {6, 8, 0},
        {6, 17, 9},
        {17, 19, 0},
        {8, 17, 9},
        {10, 17, 7},
        {8, 10, 2},
        {17, 17, 0},
        {8, 8, 0},
        {0, 24 - 1.0 / 60, 9},
        // An end before the start holds no hour.
        {12, 10, 0},
        {20, 18, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        const Variant result =
            outageHours({k2009_01_15 + c.from * kHour, k2009_01_15 + c.to * kHour});
        EXPECT_DOUBLE_EQ(oleaut::CDbl(result), c.hours);
    }
}

TEST(ВремяОтключений, OutageOverSeveralDays) {
    struct Case {
        Outage outage;
        const char* mask;
        double hours;
    };
    const Case cases[] = {
        // 10:00 on the 15th to 12:00 on the 17th: 7 + 9 + 4.
        {{k2009_01_15 + 10 * kHour, k2009_01_17 + 12 * kHour}, "+++++++", 20},
        // Starting after the window, ending before it: 0 + 9 + 0.
        {{k2009_01_15 + 18 * kHour, k2009_01_17 + 7 * kHour}, "+++++++", 9},
        // Starting and ending on the window's bounds: 0 + 0.
        {{k2009_01_15 + 17 * kHour, k2009_01_15 + 1 + 8 * kHour}, "+++++++", 0},
        // 08:00 to 17:00 of the next day: 9 + 9.
        {{k2009_01_15 + 8 * kHour, k2009_01_15 + 1 + 17 * kHour}, "+++++++", 18},
        // Friday 10:00 to Monday 12:00, weekend not worked: 7 + 0 + 0 + 4.
        {{k2009_01_02 + 10 * kHour, k2009_01_05 + 12 * kHour}, "+++++--", 11},
        // Starting before the period: only 1 January counts, as the last date.
        {{k2008_12_31 + 10 * kHour, k2009_01_01 + 12 * kHour}, "+++++++", 4},
        // Ending after the period: only 31 January counts, as the first date.
        {{k2009_01_31 + 16 * kHour, k2009_02_01 + 12 * kHour}, "+++++++", 1},
        // Entirely outside the period.
        {{k2008_12_20 + 10 * kHour, k2008_12_31 + 12 * kHour}, "+++++++", 0},
        // The end date before the start date.
        {{k2009_01_17 + 10 * kHour, k2009_01_15 + 12 * kHour}, "+++++++", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.outage.start) + " to " + std::to_string(c.outage.end));
        EXPECT_DOUBLE_EQ(oleaut::CDbl(outageHours(c.outage, c.mask)), c.hours);
    }
}

TEST(ВремяОтключений, PeriodBoundsWithATimeCountTheirDates) {
    // The period from noon of 1 January to noon of 15 January holds the dates 1 to 15.
    EXPECT_DOUBLE_EQ(oleaut::CDbl(outageHours({k2009_01_15 + 10 * kHour, k2009_01_17 + 12 * kHour},
                                              "+++++++", k2009_01_01 + 0.5, k2009_01_15 + 0.5)),
                     7);
}

TEST(ВремяОтключений, TimesAreTakenInWholeMinutes) {
    // 10:00:40 to 12:00:50 is 10:00 to 12:00; 10:29:59 to 10:59:10 is 10:29 to 10:59.
    EXPECT_DOUBLE_EQ(oleaut::CDbl(outageHours({k2009_01_15 + 10 * kHour + 40 * kMinute / 60,
                                               k2009_01_15 + 12 * kHour + 50 * kMinute / 60})),
                     2);
    EXPECT_DOUBLE_EQ(
        oleaut::CDbl(outageHours({k2009_01_15 + 10 * kHour + 29 * kMinute + 59 * kMinute / 60,
                                  k2009_01_15 + 10 * kHour + 59 * kMinute + 10 * kMinute / 60})),
        0.5);
}

TEST(ВремяОтключений, CallersDatesBecomeMidnight) {
    struct Case {
        double start, end;
        double startDate, endDate;
    };
    const Case cases[] = {
        {k2009_01_15 + 10 * kHour, k2009_01_17 + 12 * kHour, k2009_01_15, k2009_01_17},
        {k2009_01_15, k2009_01_15 + 23 * kHour + 59 * kMinute, k2009_01_15, k2009_01_15},
        // Years that a two-digit text would misread.
        {65000.5, 65001.25, 65000, 65001},
        // Before 30 December 1899 the time is the fraction counted away from zero.
        {-10.25, -10.75, -10, -10},
    };
    for (const Case& c : cases) {
        oleaut::Date start{c.start};
        oleaut::Date end{c.end};
        ВремяОтключений(integer(40), "+++++++", integer(8), integer(17), start, end,
                        date(k2009_01_01), date(k2009_01_31));
        EXPECT_EQ(start.value, c.startDate);
        EXPECT_EQ(end.value, c.endDate);
    }
}

TEST(ВремяОтключений, NoDayGivesIntegerZero) {
    const Variant result = outageHours({k2009_01_15 + 10 * kHour, k2009_01_15 + 12 * kHour},
                                       "+++++++", k2009_02_01, k2009_02_28);
    EXPECT_TRUE(identical(result, integer(0)));
    // A day not worked counts 0 as well.
    EXPECT_TRUE(identical(
        outageHours({k2009_01_15 + 10 * kHour, k2009_01_15 + 12 * kHour}, "-------"), integer(0)));
}

TEST(ВремяОтключений, OutageCoveringWholeWindows) {
    // 06:00 on the 15th to 18:00 on the 17th covers the window of all three days.
    const Variant middle = outageHours({k2009_01_15 + 6 * kHour, k2009_01_17 + 18 * kHour});
    EXPECT_DOUBLE_EQ(oleaut::CDbl(middle), 27);
}

TEST(ВремяОтключений, WeekHoursMustBeANumberOnAWorkedDayOfTheOutage) {
    struct Case {
        Variant weekHours;
        const char* mask;
        int32_t error;
    };
    const Case cases[] = {{kNull, "+++++++", oleaut::kInvalidUseOfNull},
                          {"сорок", "+++++++", oleaut::kTypeMismatch},
                          {kNull, "-------", 0},
                          {integer(40), "+++++++", 0}};
    for (const Case& c : cases) {
        oleaut::Date start{k2009_01_15 + 10 * kHour};
        oleaut::Date end{k2009_01_15 + 12 * kHour};
        EXPECT_EQ(test::errorNumberOf([&] {
                      ВремяОтключений(c.weekHours, c.mask, integer(8), integer(17), start, end,
                                      date(k2009_01_01), date(k2009_01_31));
                  }),
                  c.error);
    }
}

TEST(ВремяОтключений, NullWindowOnAWorkedDayGivesNull) {
    oleaut::Date start{k2009_01_15 + 10 * kHour};
    oleaut::Date end{k2009_01_15 + 12 * kHour};
    const Variant result = ВремяОтключений(integer(40), "+++++++", kNull, integer(17), start, end,
                                           date(k2009_01_01), date(k2009_01_31));
    EXPECT_TRUE(result.isNull());
}

// ---------------------------------------------------------------------------------------------
// Long outages

TEST(РасчВремДлитОткл, HoursInsideThePeriod) {
    struct Case {
        Variant from, to;
        double hours;
    };
    const Case cases[] = {
        {date(k2008_12_20), kNull, 31 * 24},                // the whole period
        {date(k2009_01_10), date(k2009_01_12), 72},         // 10th to 12th
        {date(k2009_01_10), kNull, 22 * 24},                // 10th to the end
        {date(k2009_01_10), date(k2009_02_10), 22 * 24},    // past the end
        {date(k2008_12_20), date(k2009_01_12), 12 * 24},    // from before the start
        {date(k2009_01_10 + 0.25), date(k2009_01_12), 66},  // from 06:00 on the 10th
        {date(k2009_01_31), date(k2009_01_31), 24},         // the last day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(oleaut::CStr(c.from));
        Variant from = c.from;
        Variant to = c.to;
        const Variant result = РасчВремДлитОткл(from, to, date(k2009_01_01), date(k2009_01_31));
        EXPECT_EQ(result.type(), VarType::Long);
        EXPECT_EQ(oleaut::CDbl(result), c.hours);
    }
}

TEST(РасчВремДлитОткл, NullStartFails) {
    EXPECT_EQ(test::errorNumberOf([] {
                  РасчВремДлитОткл(kNull, date(k2009_01_12), date(k2009_01_01), date(k2009_01_31));
              }),
              oleaut::kInvalidUseOfNull);
}

TEST(ДлитНачало, ClippedToThePeriodStart) {
    struct Case {
        Variant from, expected;
    };
    const Case cases[] = {
        {kNull, kNull},
        {date(k2008_12_20), date(k2009_01_01)},
        {date(k2009_01_10), date(k2009_01_10)},
        {date(k2009_01_01), date(k2009_01_01)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(ДлитНачало(c.from, date(k2009_01_01)), c.expected));
    }
}

TEST(ДлитКонец, ClippedToTheDayAfterThePeriodEnd) {
    struct Case {
        Variant from, to, expected;
    };
    const Case cases[] = {
        {kNull, kNull, kNull},
        {date(k2009_01_10), kNull, date(k2009_02_01)},
        {kNull, date(k2009_01_12), date(k2009_01_12)},
        {date(k2009_01_10), date(k2009_02_10), date(k2009_02_01)},
        {date(k2009_01_10), date(k2009_01_31), date(k2009_01_31)},  // not shifted
        {date(k2009_01_10), date(k2009_01_12), date(k2009_01_12)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(ДлитКонец(c.from, c.to, date(k2009_01_31)), c.expected));
    }
}

// ---------------------------------------------------------------------------------------------

TEST(Час_в_месяц, HoursOfTheMonth) {
    struct Case {
        double day;
        int32_t hours;
    };
    const Case cases[] = {
        {k2009_01_01, 744}, {k2009_01_15, 744}, {k2009_01_31 + 23 * kHour, 744},
        {k2009_02_10, 672}, {k2008_02_29, 696}, {k2008_12_31, 744},
        {k2009_04_30, 720}, {2958465, 744},  // December 9999, the last month there is
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(Час_в_месяц(oleaut::Date{c.day}), Variant(c.hours)));
    }
}

TEST(ВремяНачКон, FirstAndLastWorkedHour) {
    struct Case {
        std::string mask;
        int16_t first, end;
    };
    const Case cases[] = {
        {std::string(8, '-') + std::string(9, '+') + std::string(7, '-'), 8, 17},
        {std::string(24, '-'), 0, 0},
        {"", 0, 0},
        {"+" + std::string(23, '-'), 0, 1},
        {"+", 0, 1},
        {std::string(23, '-') + "+", 23, 24},
        {std::string(24, '-') + "+", 0, 0},  // past hour 23: not an hour
        {std::string(24, '+'), 0, 24},
        {"ааааааааа+++", 9, 12},  // two-byte letters count as one character each
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_TRUE(identical(ВремяНач(c.mask), Variant(c.first)));
        EXPECT_TRUE(identical(ВремяКон(c.mask), Variant(c.end)));
    }
}

TEST(maxF, LargerValueOrEmpty) {
    struct Case {
        Variant x1, x2, expected;
    };
    const Case cases[] = {
        {integer(3), kNull, Variant()},
        {kNull, integer(3), Variant()},
        {kNull, kNull, Variant()},
        {integer(2), integer(2), integer(2)},
        {integer(2), 2.0, integer(2)},  // equal: the first, kind kept
        {integer(3), 5.5, 5.5},
        {5.5, integer(3), 5.5},
        {Variant(), integer(1), integer(1)},  // Empty counts as 0
        {integer(-1), Variant(), Variant()},  // Empty counts as 0: the second is larger
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(maxF(c.x1, c.x2), c.expected))
            << oleaut::typeName(maxF(c.x1, c.x2).type());
    }
}

TEST(Nz_f, NullBecomesZero) {
    struct Case {
        Variant x, expected;
    };
    const Case cases[] = {
        {kNull, integer(0)},
        {Variant(), Variant()},
        {5.5, 5.5},
        {"текст", "текст"},
        {date(k2009_01_01), date(k2009_01_01)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(Nz_f(c.x), c.expected));
    }
}

}  // namespace
}  // namespace kalvik::working_time
