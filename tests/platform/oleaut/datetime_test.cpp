#include "platform/oleaut/datetime.hpp"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

// Serial numbers worked from the calendar: 30 December 1899 is 0, 1 January 1900 is 2, and
// 1 January 2000 is 36526 (100 years of 365 days plus 24 leap days, plus 2).
constexpr double k2009_01_01 = 39814;  // 36526 + 9 * 365 + 3 leap days (2000, 2004, 2008)

class Dates : public PinnedRegional {};

TEST_F(Dates, DateSerialCountsFromTheEpochAndRollsOver) {
    struct Case {
        int y, m, d;
        double serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},
        {1899, 12, 31, 1},
        {1900, 1, 1, 2},
        {1900, 2, 28, 60},
        {1900, 3, 1, 61},  // 1900 is no leap year
        {2000, 1, 1, 36526},
        {2009, 1, 1, k2009_01_01},
        {2009, 13, 1, k2009_01_01 + 365},      // month 13 is January of the next year
        {2009, 0, 1, k2009_01_01 - 31},        // month 0 is December of the year before
        {2009, 2, 29, k2009_01_01 + 31 + 28},  // no 29 February in 2009: 1 March
        {2009, 1, 0, k2009_01_01 - 1},
        {2009, 1, 32, k2009_01_01 + 31},
        {2008, 2, 29, k2009_01_01 - 366 + 31 + 28},
        {2009, -11, 1, k2009_01_01 - 366},  // month -11 is January of the year before
        {9, 1, 1, k2009_01_01},             // two-digit years: 0..29 are 2000..2029
        {99, 1, 1, 36526 - 365},            // 30..99 are 1930..1999
        {1, 1, 1, 36526 + 366},             // 2001: 2000 has 366 days
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateSerial(c.y, c.m, c.d).value, c.serial) << c.y << "-" << c.m << "-" << c.d;
    }
    EXPECT_EQ(errorNumberOf([] { return DateSerial(10000, 1, 1); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return DateSerial(9999, 13, 1); }), kInvalidProcedureCall);
}

TEST_F(Dates, PartsAndWeekdays) {
    struct Case {
        double serial;
        DateParts parts;
        int weekday;  // Monday = 1
    };
    const Case cases[] = {
        {0, {1899, 12, 30, 0, 0, 0}, 6},                    // a Saturday
        {2, {1900, 1, 1, 0, 0, 0}, 1},                      // a Monday
        {61, {1900, 3, 1, 0, 0, 0}, 4},                     // a Thursday
        {k2009_01_01, {2009, 1, 1, 0, 0, 0}, 4},            // a Thursday
        {k2009_01_01 + 14.75, {2009, 1, 15, 18, 0, 0}, 4},  // a Thursday
        {36526 + 8766, {2024, 1, 1, 0, 0, 0}, 1},           // a Monday
        {36526 + 8765.5, {2023, 12, 31, 12, 0, 0}, 7},      // a Sunday
        {-1.25, {1899, 12, 29, 6, 0, 0}, 5},                // before day 0: a Friday
        {0.5 - 0.4 / 86400, {1899, 12, 30, 12, 0, 0}, 6},   // rounded to the second
        {1 + (3600 * 13 + 60 * 7 + 9) / 86400.0, {1899, 12, 31, 13, 7, 9}, 7},
        {2958465.99999, {9999, 12, 31, 23, 59, 59}, 5},
        {2958465.999, {9999, 12, 31, 23, 58, 34}, 5},  // 86313.6 seconds
        {-657434, {100, 1, 1, 0, 0, 0}, 5},            // the first day, a Friday
        {-657434.5, {100, 1, 1, 12, 0, 0}, 5},         // its fraction counts away from zero
        {-657434.999, {100, 1, 1, 23, 58, 34}, 5},     // 86313.6 seconds
        {-657434.99999, {100, 1, 1, 23, 59, 59}, 5},   // 86399.136 seconds
    };
    for (const Case& c : cases) {
        const Date d{c.serial};
        EXPECT_EQ(Year(d), c.parts.year) << c.serial;
        EXPECT_EQ(Month(d), c.parts.month) << c.serial;
        EXPECT_EQ(Day(d), c.parts.day) << c.serial;
        EXPECT_EQ(Hour(d), c.parts.hour) << c.serial;
        EXPECT_EQ(Minute(d), c.parts.minute) << c.serial;
        EXPECT_EQ(Second(d), c.parts.second) << c.serial;
        EXPECT_EQ(Weekday(d), c.weekday) << c.serial;
        EXPECT_NEAR(makeDate(c.parts).value, c.serial, 0.5 / 86400) << c.serial;
    }
}

TEST_F(Dates, DatePartAndTimePart) {
    EXPECT_EQ(datePart(Date{k2009_01_01 + 0.75}).value, k2009_01_01);
    EXPECT_EQ(timePart(Date{k2009_01_01 + 0.75}), 0.75);
    EXPECT_EQ(datePart(Date{-1.25}).value, -1);
    EXPECT_EQ(timePart(Date{-1.25}), 0.25);
    EXPECT_EQ(TimeSerial(6, 0, 0).value, 0.25);
    EXPECT_EQ(TimeSerial(25, 0, 0).value, 1 + 1.0 / 24);
    EXPECT_TRUE(identical(Fix(Variant(Date{61.75})), Variant(Date{61})));
}

TEST_F(Dates, DateDiffCountsBoundaries) {
    struct Case {
        const char* interval;
        double a, b;
        int64_t expected;
    };
    const double jan = k2009_01_01, feb = k2009_01_01 + 31;
    const Case cases[] = {
        {"h", jan, feb, 31 * 24},           // the hours of January 2009
        {"h", jan, jan + 28 + 1, 29 * 24},  // period hours: 1..28 February plus one day
        {"h", 10.0 / 24 + 3599.0 / 86400, 11.0 / 24, 1},  // 10:59:59 to 11:00:00
        {"h", 0.5 / 24, 1.49 / 24, 1},
        {"h", 0.1 / 24, 0.9 / 24, 0},
        {"h", feb, jan, -31 * 24},
        {"d", jan + 23.0 / 24, jan + 1 + 1.0 / 24, 1},
        {"d", jan + 0.9, jan + 0.1, 0},
        {"d", feb, jan, -31},
        {"n", 0, 1, 1440},
        {"s", 0, 1.0 / 24, 3600},
        {"m", jan + 30, jan + 31, 1},  // 31 January to 1 February
        {"m", jan, feb + 365, 13},
        {"q", jan + 89, jan + 90, 1},  // 31 March to 1 April
        {"yyyy", jan - 1, jan, 1},
        {"w", jan, jan + 13, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateDiff(c.interval, Date{c.a}, Date{c.b}), c.expected)
            << c.interval << " " << c.a << " " << c.b;
    }
    EXPECT_EQ(errorNumberOf([] { return DateDiff("x", Date{0}, Date{1}); }), kInvalidProcedureCall);
}

TEST_F(Dates, DateAddAndPlusDays) {
    struct Case {
        const char* interval;
        double number, date, expected;
    };
    const double jan = k2009_01_01;
    const Case cases[] = {
        {"d", 1, jan, jan + 1},
        {"d", -1, jan + 0.5, jan - 0.5},
        {"m", 1, jan + 30, jan + 31 + 27},  // 31 January + 1 month = 28 February
        {"m", 12, jan, jan + 365},
        {"yyyy", 1, jan - 366 + 31 + 28, jan + 31 + 27},  // 29 February 2008 + 1 year
        {"h", 25, jan, jan + 1 + 1.0 / 24},
        {"n", 90, jan, jan + 1.5 / 24},
        {"s", -1, jan, jan - 1.0 / 86400},
        {"ww", 2, jan, jan + 14},
        {"q", 1, jan, jan + 31 + 28 + 31},
        {"d", 1.5, jan, jan + 2},  // the number is rounded, halves to even
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateAdd(c.interval, c.number, Date{c.date}).value, c.expected)
            << c.interval << " " << c.number;
    }
    EXPECT_EQ(addDays(Date{jan}, 1).value, jan + 1);
    EXPECT_TRUE(identical(Variant(Date{jan}) + Variant(int16_t{1}), Variant(Date{jan + 1})));
    EXPECT_EQ(errorNumberOf([] { return DateAdd("d", 1, Date{2958465}); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { return addDays(Date{2958465}, 1); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { return DateAdd("fortnight", 1, Date{0}); }),
              kInvalidProcedureCall);
}

// A moment rounded to the nearest second across midnight is the next day at 00:00:00, on the first
// day as on any other; the last day has no next one, so its last half second stays at 23:59:59.
TEST_F(Dates, RoundingToTheSecondStaysWithinTheDates) {
    const struct {
        double serial;
        const char* text;
        double day;
    } cases[] = {
        {-657434.9999999, "0100-01-02 00:00:00", -657433},  // 86399.99136 seconds
        {0.9999999, "1899-12-31 00:00:00", 1},
        {2958465.9999999, "9999-12-31 23:59:59", 2958465},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isoDateTime(Date{c.serial}), c.text) << c.serial;
        EXPECT_EQ(datePart(Date{c.serial}).value, c.day) << c.serial;
        EXPECT_EQ(errorNumberOf([&] { Variant v(datePart(Date{c.serial})); }), 0) << c.serial;
    }
}

// Past the last date (or before the first) a failure names what its caller passed, never the
// date that does not exist.
TEST_F(Dates, PastTheDatesAFailureNamesWhatTheCallerPassed) {
    constexpr double kLast = 2958465;   // 31 December 9999
    constexpr double kFirst = -657434;  // 1 January 100
    const struct {
        const char* what;
        std::function<void()> call;
        int32_t number;
        const char* named;
    } cases[] = {
        {"plus days", [] { (void)addDays(Date{kLast}, 1); }, kOverflow,
         "9999-12-31 + 1 is outside"},
        {"Variant sum", [] { (void)(Variant(Date{kLast}) + Variant(int16_t{1})); }, kOverflow,
         "9999-12-31 + 1 is outside"},
        {"Variant difference", [] { (void)(Variant(Date{kFirst - 0.5}) - Variant(0.5)); },
         kOverflow, "0100-01-01 12:00:00 - 0.5 is outside"},
        {"CDate", [] { (void)CDate(Variant(kFirst - 1)); }, kOverflow,
         "the date 0099-12-31 is outside 0100-01-01 to 9999-12-31"},
        {"DateAdd days", [] { (void)DateAdd("d", 1, Date{kLast + 0.5}); }, kInvalidProcedureCall,
         "DateAdd(\"d\", 1, 9999-12-31 12:00:00) is outside"},
        {"DateAdd months", [] { (void)DateAdd("m", 1, Date{kLast}); }, kInvalidProcedureCall,
         "DateAdd(\"m\", 1, 9999-12-31) is outside"},
        {"DateSerial", [] { (void)DateSerial(9999, 13, 1); }, kInvalidProcedureCall,
         "DateSerial(9999, 13, 1) is outside"},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what << ": no failure";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), c.number) << c.what;
            EXPECT_NE(e.description().find(c.named), std::string::npos) << e.description();
            EXPECT_EQ(e.description().find("10000"), std::string::npos) << e.description();
        }
    }
}

TEST_F(Dates, GeneralDateText) {
    struct Case {
        double serial;
        const char* text;
    };
    const Case cases[] = {
        {k2009_01_01 + 14.75, "15.01.2009 18:00:00"},
        {k2009_01_01 + 14, "15.01.2009"},  // exactly midnight: no time
        {0.5, "12:00:00"},                 // day 0: a bare time
        {61 + (9 * 3600 + 5 * 60 + 7) / 86400.0, "01.03.1900 09:05:07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateText(Date{c.serial}), c.text) << c.serial;
    const RegionalSettings us{".", ",", 3, "M/d/yyyy", "h:mm:ss tt"};
    EXPECT_EQ(dateText(Date{k2009_01_01 + 14.75}, us), "1/15/2009 6:00:00 PM");
    EXPECT_EQ(dateText(Date{k2009_01_01 + 14.25}, us), "1/15/2009 6:00:00 AM");
    EXPECT_EQ(formatDate(Date{k2009_01_01}, "yyyy-MM-dd HH:mm:ss"), "2009-01-01 00:00:00");
    EXPECT_EQ(formatDate(Date{k2009_01_01}, "dd.MM.yy"), "01.01.09");
    // Read back in the regional order.
    EXPECT_EQ(parseDate("1/15/2009 6:00:00 PM", us).value, k2009_01_01 + 14.75);
    EXPECT_EQ(parseDate("15.01.2009 18:00:00").value, k2009_01_01 + 14.75);
}

TEST_F(Dates, ClocksAreSane) {
    const std::time_t before = std::time(nullptr);
    const Date now = Now();
    const std::time_t after = std::time(nullptr);
    const auto local = [](std::time_t t) {
        std::tm tm{};
        localtime_r(&t, &tm);
        return makeDate(
            {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
    };
    // time() reads a coarse clock that may lag the precise one by a tick: allow one second.
    const double second = 1.0 / 86400.0;
    EXPECT_LE(local(before).value - second, now.value);
    EXPECT_LE(now.value, local(after).value + second);
    const double timer = Timer();
    EXPECT_GE(timer, 0.0);
    EXPECT_LT(timer, 86400.0);
    const double a = monotonicSeconds();
    const double b = monotonicSeconds();
    EXPECT_LE(a, b);
}

}  // namespace
}  // namespace oleaut
