#pragma once
// OLE dates: days since 30 December 1899 with the time of day as the fraction, on the proleptic
// Gregorian calendar (1900 is not a leap year: 1 March 1900 is day 61). Parts of a date are read
// after rounding to the nearest second.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/oleaut/regional.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// The date of year, month and day; a month or day beyond its range rolls over into the next (or
// previous) year or month: DateSerial(2009, 13, 1) is 1 January 2010. Years 0..29 mean 2000..2029
// and 30..99 mean 1930..1999. Outside 100..9999: Invalid procedure call.
[[nodiscard]] Date DateSerial(int year, int month, int day);
// A year of two digits in full: 0..29 mean 2000..2029 and 30..99 mean 1930..1999; any other year
// stays as it is.
[[nodiscard]] int expandYear(int year);
[[nodiscard]] Date TimeSerial(int hour, int minute, int second);
// The days of a month (1 to 12) of a year on the calendar.
[[nodiscard]] int daysInMonth(int year, int month);  // a time of day (days roll over likewise)
// An exact date and time; fails with Invalid procedure call when a part is out of its range.
[[nodiscard]] Date makeDate(const DateParts& parts);
[[nodiscard]] DateParts dateParts(Date date);

// Fails with Overflow naming the date of an OLE date value past the dates there are.
[[noreturn]] void dateOverflow(double value);
// Fails with Overflow naming a date sum past the dates there are by what was added to what
// ("9999-12-31 + 1"), so that a message shows the date its caller passed.
[[noreturn]] void dateOverflowOf(const std::string& sum);

// "YYYY-MM-DD" and "YYYY-MM-DD HH:MM:SS", the year always with four digits.
[[nodiscard]] std::string isoDate(Date date);
[[nodiscard]] std::string isoDateTime(Date date);
// isoDate at midnight, isoDateTime at any other time.
[[nodiscard]] std::string isoMoment(Date date);

[[nodiscard]] int Year(Date date);
[[nodiscard]] int Month(Date date);
[[nodiscard]] int Day(Date date);
[[nodiscard]] int Hour(Date date);
[[nodiscard]] int Minute(Date date);
[[nodiscard]] int Second(Date date);
[[nodiscard]] int Weekday(Date date);  // Monday = 1 .. Sunday = 7

[[nodiscard]] Date datePart(Date date);    // midnight of the date (the date's Fix)
[[nodiscard]] double timePart(Date date);  // the time of day as a fraction of a day, 0 <= t < 1

// DateAdd(interval, number, date) with the intervals "yyyy", "q", "m" (the day is cut to the end of
// a shorter month), "d", "y", "w" (days), "ww" (weeks), "h", "n", "s"; number is rounded to a
// whole count. addDays(date, n) is the plain date + n of the date arithmetic.
[[nodiscard]] Date DateAdd(std::string_view interval, double number, Date date);
[[nodiscard]] Date addDays(Date date, double days);
// DateDiff(interval, a, b): b - a counted in whole intervals: "d" differs the date parts, "h" the
// whole-hour counts, "n" minutes, "s" seconds, "m" months, "q" quarters, "yyyy" years, "w"
// whole weeks of seven days.
[[nodiscard]] int64_t DateDiff(std::string_view interval, Date a, Date b);

// A date written with a pattern of regional.hpp ("dd.MM.yyyy HH:mm:ss").
[[nodiscard]] std::string formatDate(Date date, std::string_view pattern);
// General-date text: the short date, a blank and the long time; the time is left out at exactly
// midnight and the date when it is 30 December 1899 (a bare time).
[[nodiscard]] std::string dateText(Date date,
                                   const RegionalSettings& settings = regionalSettings());
// Reads "YYYY-MM-DD[( |T)HH:MM[:SS]]", or a date in the order of the regional short date with any
// of "." "/" "-" between its numbers, optionally followed by a time, or a bare time "HH:MM[:SS]".
// Anything else: Type mismatch.
[[nodiscard]] Date parseDate(std::string_view text,
                             const RegionalSettings& settings = regionalSettings());

// The local wall-clock date and time, to the second.
[[nodiscard]] Date Now();
// Seconds since local midnight, with fractions (the classic Timer).
[[nodiscard]] double Timer();
// Seconds of a steady clock for elapsed times: unaffected by changes of the wall clock.
[[nodiscard]] double monotonicSeconds();

}  // namespace oleaut
