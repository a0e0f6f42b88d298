#include "library/amount_in_words/working_days.hpp"

#include "platform/oleaut/datetime.hpp"

namespace kalvik::amount_words {

namespace {

constexpr int kSaturday = 6;
constexpr int kSunday = 7;
constexpr int kLongestMonth = 31;

enum WeekendKind : int16_t { kNoDayOff = 0, kSundayOff = 1 };

bool counts(int weekday, int16_t weekend) {
    if (weekend == kNoDayOff) return true;
    if (weekday == kSunday) return false;
    return weekday != kSaturday || weekend == kSundayOff;
}

}  // namespace

oleaut::Date dateArgument(const oleaut::Variant& value) {
    switch (value.type()) {
        case oleaut::VarType::Date:
            return value.asDate();
        case oleaut::VarType::Integer:
        case oleaut::VarType::Long:
        case oleaut::VarType::Single:
        case oleaut::VarType::Double:
        case oleaut::VarType::Currency:
        case oleaut::VarType::String:
            return oleaut::CDate(value);
        case oleaut::VarType::Null:
            throw oleaut::invalidUseOfNullError();
        default:
            throw oleaut::typeMismatchError();
    }
}

int16_t workingDaysOfMonth(oleaut::Date date, int16_t weekend) {
    const int month = oleaut::Month(date);
    const oleaut::Date first = oleaut::DateSerial(oleaut::Year(date), month, 1);
    // Walking the days rather than asking for the first of the next month keeps December 9999,
    // whose next month has no date, countable.
    int16_t count = 0;
    for (int offset = 0; offset < kLongestMonth; ++offset) {
        const oleaut::Date day = oleaut::addDays(first, offset);
        if (oleaut::Month(day) != month) break;
        if (counts(oleaut::Weekday(day), weekend)) ++count;
    }
    return count;
}

}  // namespace kalvik::amount_words
