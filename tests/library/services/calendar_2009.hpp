#pragma once
// Days of the test calendar as OLE dates, worked by hand.

namespace kalvik::calendar_2009 {

// OLE dates worked by hand: 1 January 2009 is day 39,814 (36,526 for 1 January 2000, plus nine
// years of 365 days and the leap days of 2000, 2004 and 2008); it was a Thursday.
constexpr double k2008_02_29 = 39507;
constexpr double k2008_12_20 = 39802;
constexpr double k2008_12_31 = 39813;
constexpr double k2009_01_01 = 39814;  // Thursday
constexpr double k2009_01_02 = 39815;  // Friday
constexpr double k2009_01_05 = 39818;  // Monday
constexpr double k2009_01_10 = 39823;
constexpr double k2009_01_12 = 39825;
constexpr double k2009_01_15 = 39828;  // Thursday
constexpr double k2009_01_17 = 39830;
constexpr double k2009_01_31 = 39844;
constexpr double k2009_02_01 = 39845;
constexpr double k2009_02_10 = 39854;
constexpr double k2009_02_28 = 39872;
constexpr double k2009_04_30 = 39933;

}  // namespace kalvik::calendar_2009
