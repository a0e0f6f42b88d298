#include "library/services/working_time.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::working_time {

using oleaut::isTrue;

namespace {

// True for each of the first N characters of a mask that is "+" (characters, not bytes: a mask may
// hold Cyrillic letters).
template <std::size_t N>
std::array<bool, N> plusMarks(std::string_view mask) {
    std::array<bool, N> marks{};
    for (std::size_t i = 0; i < N; ++i) {
        marks[i] = oleaut::Mid(mask, static_cast<int32_t>(i + 1), 1) == "+";
    }
    return marks;
}

// Worked weekdays, Monday first. A Null mask compares with nothing: no day is worked.
using Weekdays = std::array<bool, 7>;

Weekdays workedWeekdays(const Variant& Дн_нед) {
    if (Дн_нед.isNull()) return {};
    if (Дн_нед.isString()) return plusMarks<7>(Дн_нед.asString());
    return plusMarks<7>(oleaut::CStr(Дн_нед));
}

// The days of a period: day k (from 1) is the first day + k - 1. The day count is a 16-bit
// integer, so a period of more than kMostPeriodDays fails with Overflow.
struct Period {
    Date first;
    int16_t days;

    Date day(int32_t k) const { return oleaut::addDays(first, k - 1); }
};

Period periodOf(const Variant& Дпер_н, const Variant& Дпер_к) {
    const Date first = oleaut::CDate(Дпер_н);
    const Date last = oleaut::CDate(Дпер_к);
    return {first, oleaut::CInt(Variant(periodDays(first, last)))};
}

bool isWorked(const Weekdays& worked, Date day) {
    return worked[oleaut::Weekday(day) - 1];
}

int32_t countWorkedDays(const Period& period, const Weekdays& worked) {
    int32_t count = 0;
    for (int32_t k = 1; k <= period.days; ++k) {
        if (isWorked(worked, period.day(k))) ++count;
    }
    return count;
}

// Single + Single: a sum beyond the range of Single fails with Overflow.
float addSingle(float sum, float value) {
    const float result = sum + value;
    if (std::isinf(result)) throw oleaut::overflowError();
    return result;
}

// A moment of an outage as its text form "dd.mm.yy hh:mm" shows it, without the text: rounded to
// the second, its date (midnight) and its time of day in hours, counted in whole minutes.
struct DateAndTime {
    Date date;
    double hours;
};

DateAndTime splitMoment(Date moment) {
    const oleaut::DateParts parts = oleaut::dateParts(moment);
    return {oleaut::datePart(moment), (parts.hour * 60 + parts.minute) / 60.0};
}

// Outage hours of one day inside the window [Нач, Кон]: the whole window on a day inside the
// outage, from the start on its first date, up to the end on its last date, never less than 0.
// A day with no window (w not above 0) keeps w.
Variant outageHoursOfDay(const Variant& w, const Variant& Нач, const Variant& Кон, bool firstDate,
                         bool lastDate, double tS, double tE) {
    if (!isTrue(oleaut::gt(w, Variant(int16_t{0})))) return w;
    const Variant from = firstDate && !isTrue(oleaut::lt(Variant(tS), Нач)) ? Variant(tS) : Нач;
    const Variant to = lastDate && !isTrue(oleaut::gt(Variant(tE), Кон)) ? Variant(tE) : Кон;
    Variant hours = to - from;
    if (isTrue(oleaut::lt(hours, Variant(int16_t{0})))) return Variant(int16_t{0});
    return hours;
}

// Hour boundaries from a to b (Long).
Variant hoursBetween(Date a, Date b) {
    return Variant(static_cast<int32_t>(oleaut::DateDiff("h", a, b)));
}

}  // namespace

int32_t periodDays(Date first, Date last) {
    return static_cast<int32_t>(oleaut::DateDiff("d", first, last) + 1);
}

Variant ВремяОтключений(const Variant& Вр_нед, const Variant& Дн_нед, const Variant& Нач,
                        const Variant& Кон, Date& Дт_н, Date& Дт_к, const Variant& Дпер_н,
                        const Variant& Дпер_к) {
    const DateAndTime start = splitMoment(Дт_н);
    Дт_н = start.date;
    const DateAndTime end = splitMoment(Дт_к);
    Дт_к = end.date;

    const Period period = periodOf(Дпер_н, Дпер_к);
    const Weekdays worked = workedWeekdays(Дн_нед);
    Variant sum = int16_t{0};
    for (int32_t k = 1; k <= period.days; ++k) {
        const Date day = oleaut::datePart(period.day(k));
        if (day.value < start.date.value || day.value > end.date.value) continue;
        Variant w = int16_t{0};
        if (isWorked(worked, day)) {
            w = Кон - Нач;
            (void)oleaut::CDbl(Вр_нед);  // takes no part, but must be a number
        }
        sum = sum + outageHoursOfDay(w, Нач, Кон, day == start.date, day == end.date, start.hours,
                                     end.hours);
    }
    return sum;
}

Variant ВремяРаботы(const Variant& Вр_нед, const Variant& Дн_нед, const Variant& Нач,
                    const Variant& Кон, const Variant& Дпер_н, const Variant& Дпер_к) {
    const Period period = periodOf(Дпер_н, Дпер_к);
    const int32_t workedDays = countWorkedDays(period, workedWeekdays(Дн_нед));
    float weekHours = 0;  // not returned, but Вр_нед must be a number on a worked day
    float windowHours = 0;
    if (workedDays > 0) {
        const float perWeek = oleaut::CSng(Вр_нед);
        const float perDay = oleaut::CSng(Кон - Нач);
        for (int32_t day = 0; day < workedDays; ++day) {
            weekHours = addSingle(weekHours, perWeek);
            windowHours = addSingle(windowHours, perDay);
        }
    }
    return windowHours;
}

Variant РасчВремДлитОткл(const Variant& ДлНач, const Variant& ДлКон, const Variant& Нач,
                         const Variant& Кон) {
    if (ДлНач.isNull()) throw oleaut::invalidUseOfNullError();
    const Variant& start = isTrue(oleaut::lt(ДлНач, Нач)) ? Нач : ДлНач;
    const Variant& end = ДлКон.isNull() || isTrue(oleaut::gt(ДлКон, Кон)) ? Кон : ДлКон;
    const Variant endOfLastDay = end + Variant(int16_t{1});
    if (endOfLastDay.isNull()) return oleaut::kNull;  // no period end
    return hoursBetween(oleaut::CDate(start), oleaut::CDate(endOfLastDay));
}

Variant ДлитНачало(const Variant& ДлНач, const Variant& Нач) {
    if (ДлНач.isNull()) return oleaut::kNull;
    return isTrue(oleaut::lt(ДлНач, Нач)) ? Нач : ДлНач;
}

Variant ДлитКонец(const Variant& ДлНач, const Variant& ДлКон, const Variant& Кон) {
    if (ДлНач.isNull() && ДлКон.isNull()) return oleaut::kNull;
    if (ДлКон.isNull() || isTrue(oleaut::gt(ДлКон, Кон))) return Кон + Variant(int16_t{1});
    return ДлКон;
}

// 24 hours a day: counted without the first day of the next month, which December 9999 lacks.
Variant Час_в_месяц(Date Кон) {
    return Variant(
        static_cast<int32_t>(24 * oleaut::daysInMonth(oleaut::Year(Кон), oleaut::Month(Кон))));
}

Variant ВремяНач(std::string_view Vrem) {
    const std::array<bool, 24> worked = plusMarks<24>(Vrem);
    for (int16_t hour = 0; hour < 24; ++hour) {
        if (worked[hour]) return hour;
    }
    return int16_t{0};
}

Variant ВремяКон(std::string_view Vrem) {
    const std::array<bool, 24> worked = plusMarks<24>(Vrem);
    for (int16_t hour = 24; hour > 0; --hour) {
        if (worked[hour - 1]) return hour;
    }
    return int16_t{0};
}

Variant maxF(const Variant& x1, const Variant& x2) {
    if (isTrue(oleaut::eq(x1, x2)) || isTrue(oleaut::gt(x1, x2))) return x1;
    if (isTrue(oleaut::gt(x2, x1))) return x2;
    return {};
}

Variant Nz_f(const Variant& x) {
    return x.isNull() ? Variant(int16_t{0}) : x;
}

}  // namespace kalvik::working_time
