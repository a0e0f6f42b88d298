#pragma once
// The number of days of a month that count as working days.

#include <cstdint>

#include "platform/oleaut/variant.hpp"

namespace kalvik::amount_words {

// The date a caller gives: a date, a number (an OLE date) or a date text in the ISO form or the
// regional short form. Null fails with Invalid use of Null, any other kind with Type mismatch.
oleaut::Date dateArgument(const oleaut::Variant& value);

// The days of the month of `date`, first to last: every day when `weekend` is 0, all but
// Sundays when it is 1, Monday to Friday for any other value.
int16_t workingDaysOfMonth(oleaut::Date date, int16_t weekend);

}  // namespace kalvik::amount_words
