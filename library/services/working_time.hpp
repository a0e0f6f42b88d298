#pragma once
// Calendar arithmetic of the billing: working hours of a period from a weekday mask and a daily
// window, outage hours that fall into working hours, hours of a long outage clipped to a period,
// hours of a month, the first and last worked hour of an hour mask, the larger of two values and
// Null as 0. Pure functions: nothing is kept between calls, only ВремяОтключений writes back the
// outage's dates.
//
// A period runs from its first to its last day, both counted. The weekday mask holds one character
// per weekday from Monday; the hour mask one per hour from 0 to 23; "+" marks a worked one.

#include <cstdint>
#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace kalvik::working_time {

using oleaut::Date;
using oleaut::Variant;

// The most days a period may have: ВремяОтключений and ВремяРаботы count its days in a 16-bit
// integer, so a longer period (more than about 89 years) fails there with Overflow.
inline constexpr int32_t kMostPeriodDays = 32767;
// Days of the period from its first to its last day, both counted.
[[nodiscard]] int32_t periodDays(Date first, Date last);

// Outage hours from Дт_н to Дт_к that fall into the daily window Нач..Кон of the period's worked
// days. Дт_н and Дт_к become midnight of their dates.
Variant ВремяОтключений(const Variant& Вр_нед, const Variant& Дн_нед, const Variant& Нач,
                        const Variant& Кон, Date& Дт_н, Date& Дт_к, const Variant& Дпер_н,
                        const Variant& Дпер_к);

// Hours of the daily window Нач..Кон over the worked days of the period (Single). With Нач = 0 and
// Кон = 24 every worked day counts 24 hours.
Variant ВремяРаботы(const Variant& Вр_нед, const Variant& Дн_нед, const Variant& Нач,
                    const Variant& Кон, const Variant& Дпер_н, const Variant& Дпер_к);

// Hours of a long outage from ДлНач to ДлКон (Null: still running) inside the period Нач..Кон.
Variant РасчВремДлитОткл(const Variant& ДлНач, const Variant& ДлКон, const Variant& Нач,
                         const Variant& Кон);

// Start of a long outage clipped to the period start, or Null.
Variant ДлитНачало(const Variant& ДлНач, const Variant& Нач);

// End of a long outage clipped to the day after the period end, or Null.
Variant ДлитКонец(const Variant& ДлНач, const Variant& ДлКон, const Variant& Кон);

// Hours of the month of Кон.
Variant Час_в_месяц(Date Кон);

// First worked hour of the hour mask, 0 when none (Integer).
Variant ВремяНач(std::string_view Vrem);

// End of the last worked hour of the hour mask, 0 when none (Integer).
Variant ВремяКон(std::string_view Vrem);

// The larger of the two; Empty when either is Null.
Variant maxF(const Variant& x1, const Variant& x2);

// The value, or 0 (Integer) for Null.
Variant Nz_f(const Variant& x);

}  // namespace kalvik::working_time
