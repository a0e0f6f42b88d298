#include "platform/oleaut/datetime.hpp"

#include "platform/oleaut/format.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>

namespace oleaut {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kEpochShift = 25569;  // days from 30 December 1899 to 1 January 1970

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1 January 1970 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = floorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = floorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int64_t serialDay(int64_t y, int m, int d) {
    return daysFromCivil(y, m, d) + kEpochShift;
}

std::string padded(int64_t value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < static_cast<size_t>(width)) digits.insert(0, width - digits.size(), '0');
    return (value < 0 ? "-" : "") + digits;
}

std::string isoText(int64_t year, int month, int day) {
    return padded(year, 4) + "-" + padded(month, 2) + "-" + padded(day, 2);
}

constexpr const char* kDateRange = " is outside 0100-01-01 to 9999-12-31";

// Fails with error naming what the caller asked for ("the date 10000-01-01", "DateSerial(10000, 1,
// 1)"), which lies outside the dates there are.
[[noreturn]] void outside(const Error& error, const std::string& what) {
    throw Error(error.number(), error.description() + ": " + what + kDateRange);
}

// Fails with error naming the date of serial day `day`, which lies outside the dates there are.
[[noreturn]] void outsideDates(const Error& error, int64_t day) {
    int year = 0, month = 0, dayOfMonth = 0;
    civilFromDays(day - kEpochShift, year, month, dayOfMonth);
    outside(error, "the date " + isoText(year, month, dayOfMonth));
}

// Seconds on a straight time line (the OLE encoding counts the time of day forwards from
// midnight also before day 0), rounded to the nearest second. The last half second of 31 December
// 9999 stays in its last second, which has no next one.
int64_t linearSeconds(Date date) {
    constexpr int64_t kLastSecond = static_cast<int64_t>(Date::kLastDay + 1) * kSecondsPerDay - 1;
    const double whole = std::trunc(date.value);
    const double linear = date.value >= 0 ? date.value : whole + (whole - date.value);
    return std::min<int64_t>(std::llround(linear * kSecondsPerDay), kLastSecond);
}

// The date at a count of linear seconds; nothing when it lies outside the dates there are.
std::optional<Date> fromLinearSeconds(int64_t seconds) {
    const int64_t day = floorDiv(seconds, kSecondsPerDay);
    const double time = static_cast<double>(seconds - day * kSecondsPerDay) / kSecondsPerDay;
    const double value = day >= 0 ? day + time : day - time;
    if (!Date::holds(value)) return std::nullopt;
    return Date{value};
}

// The date of serial day `day` at a time of day; nothing outside the dates there are.
std::optional<Date> serialDate(int64_t day, double time) {
    if (!Date::holds(static_cast<double>(day))) return std::nullopt;
    return Date{day >= 0 ? day + time : day - time};
}

// The date some months on, its day cut to the end of a shorter month; nothing outside the dates
// there are.
std::optional<Date> addMonths(Date date, int64_t months) {
    const DateParts p = dateParts(date);
    const int64_t total = static_cast<int64_t>(p.year) * 12 + (p.month - 1) + months;
    const int64_t year = floorDiv(total, 12);
    const int month = static_cast<int>(total - year * 12) + 1;
    if (year < 100 || year > 9999) return std::nullopt;
    const int day = std::min(p.day, daysInMonth(static_cast<int>(year), month));
    return serialDate(serialDay(year, month, day), timePart(date));
}

int64_t monthCount(Date date) {
    const DateParts p = dateParts(date);
    return static_cast<int64_t>(p.year) * 12 + p.month - 1;
}

// Seconds of the DateAdd intervals that count in fixed lengths; 0 for any other.
int64_t secondsOfInterval(std::string_view interval) {
    if (interval == "d" || interval == "y" || interval == "w") return kSecondsPerDay;
    if (interval == "ww") return 7 * kSecondsPerDay;
    if (interval == "h") return 3600;
    if (interval == "n") return 60;
    if (interval == "s") return 1;
    return 0;
}

std::tm localNow(std::timespec& ts) {
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    return tm;
}

}  // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

int expandYear(int year) {
    if (year >= 0 && year < 30) return year + 2000;
    if (year >= 30 && year < 100) return year + 1900;
    return year;
}

Date DateSerial(int year, int month, int day) {
    // In 64 bits: the month may be any int, the smallest one too.
    const int64_t total =
        static_cast<int64_t>(expandYear(year)) * 12 + (static_cast<int64_t>(month) - 1);
    const int64_t y = floorDiv(total, 12);
    const int m = static_cast<int>(total - y * 12) + 1;
    std::optional<Date> date;
    if (y >= 100 && y <= 9999) date = serialDate(serialDay(y, m, 1) + day - 1, 0.0);
    if (!date) {
        outside(invalidProcedureCallError(), "DateSerial(" + std::to_string(year) + ", " +
                                                 std::to_string(month) + ", " +
                                                 std::to_string(day) + ")");
    }
    return *date;
}

Date TimeSerial(int hour, int minute, int second) {
    const std::optional<Date> time = fromLinearSeconds(static_cast<int64_t>(hour) * 3600 +
                                                       static_cast<int64_t>(minute) * 60 + second);
    if (!time) {
        outside(invalidProcedureCallError(), "TimeSerial(" + std::to_string(hour) + ", " +
                                                 std::to_string(minute) + ", " +
                                                 std::to_string(second) + ")");
    }
    return *time;
}

Date makeDate(const DateParts& p) {
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > daysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59) {
        throw Error(kInvalidProcedureCall,
                    invalidProcedureCallError().description() + ": there is no date " +
                        isoText(p.year, p.month, p.day) + " " + padded(p.hour, 2) + ":" +
                        padded(p.minute, 2) + ":" + padded(p.second, 2));
    }
    const int64_t day = serialDay(p.year, p.month, p.day);
    return *serialDate(
        day, (p.hour * 3600 + p.minute * 60 + p.second) / static_cast<double>(kSecondsPerDay));
}

DateParts dateParts(Date date) {
    const int64_t seconds = linearSeconds(date);
    const int64_t day = floorDiv(seconds, kSecondsPerDay);
    const int64_t time = seconds - day * kSecondsPerDay;
    DateParts p;
    civilFromDays(day - kEpochShift, p.year, p.month, p.day);
    p.hour = static_cast<int>(time / 3600);
    p.minute = static_cast<int>(time / 60 % 60);
    p.second = static_cast<int>(time % 60);
    return p;
}

void dateOverflow(double value) {
    if (std::isfinite(value) && std::fabs(value) < 1e9) {
        outsideDates(overflowError(), static_cast<int64_t>(std::trunc(value)));
    }
    throw overflowError();
}

void dateOverflowOf(const std::string& sum) {
    outside(overflowError(), sum);
}

std::string isoMoment(Date date) {
    return timePart(date) == 0 ? isoDate(date) : isoDateTime(date);
}

std::string isoDate(Date date) {
    const DateParts p = dateParts(date);
    return isoText(p.year, p.month, p.day);
}

std::string isoDateTime(Date date) {
    const DateParts p = dateParts(date);
    return isoText(p.year, p.month, p.day) + " " + padded(p.hour, 2) + ":" + padded(p.minute, 2) +
           ":" + padded(p.second, 2);
}

int Year(Date date) {
    return dateParts(date).year;
}
int Month(Date date) {
    return dateParts(date).month;
}
int Day(Date date) {
    return dateParts(date).day;
}
int Hour(Date date) {
    return dateParts(date).hour;
}
int Minute(Date date) {
    return dateParts(date).minute;
}
int Second(Date date) {
    return dateParts(date).second;
}

int Weekday(Date date) {
    const int64_t day = floorDiv(linearSeconds(date), kSecondsPerDay);
    return static_cast<int>(day + 5 - floorDiv(day + 5, 7) * 7) + 1;  // day 0 was a Saturday
}

Date datePart(Date date) {
    return Date{static_cast<double>(floorDiv(linearSeconds(date), kSecondsPerDay))};
}

double timePart(Date date) {
    const int64_t seconds = linearSeconds(date);
    return static_cast<double>(seconds - floorDiv(seconds, kSecondsPerDay) * kSecondsPerDay) /
           kSecondsPerDay;
}

Date DateAdd(std::string_view interval, double number, Date date) {
    const double rounded = std::nearbyint(checkedDouble(number));
    if (std::fabs(rounded) > 1e9) throw invalidProcedureCallError();
    const auto n = static_cast<int64_t>(rounded);
    std::optional<Date> result;
    if (interval == "yyyy") {
        result = addMonths(date, 12 * n);
    } else if (interval == "q") {
        result = addMonths(date, 3 * n);
    } else if (interval == "m") {
        result = addMonths(date, n);
    } else if (const int64_t unit = secondsOfInterval(interval); unit > 0) {
        result = fromLinearSeconds(linearSeconds(date) + unit * n);
    } else {
        throw invalidProcedureCallError();
    }
    if (!result) {
        outside(invalidProcedureCallError(), "DateAdd(\"" + std::string(interval) + "\", " +
                                                 std::to_string(n) + ", " + isoMoment(date) + ")");
    }
    return *result;
}

Date addDays(Date date, double days) {
    const double value = checkedDouble(date.value + days);
    if (!Date::holds(value)) dateOverflowOf(isoMoment(date) + " + " + numberText(days));
    return Date{value};
}

int64_t DateDiff(std::string_view interval, Date a, Date b) {
    const int64_t sa = linearSeconds(a), sb = linearSeconds(b);
    const auto count = [&](int64_t unit) { return floorDiv(sb, unit) - floorDiv(sa, unit); };
    if (interval == "d" || interval == "y") return count(kSecondsPerDay);
    if (interval == "h") return count(3600);
    if (interval == "n") return count(60);
    if (interval == "s") return sb - sa;
    if (interval == "w") return count(kSecondsPerDay) / 7;
    if (interval == "m") return monthCount(b) - monthCount(a);
    if (interval == "q") return floorDiv(monthCount(b), 3) - floorDiv(monthCount(a), 3);
    if (interval == "yyyy") return dateParts(b).year - dateParts(a).year;
    throw invalidProcedureCallError();
}

Date Now() {
    std::timespec ts{};
    const std::tm tm = localNow(ts);
    return makeDate({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                     tm.tm_sec > 59 ? 59 : tm.tm_sec});
}

double Timer() {
    std::timespec ts{};
    const std::tm tm = localNow(ts);
    return tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + ts.tv_nsec / 1e9;
}

double monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace oleaut
