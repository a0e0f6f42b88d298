#pragma once
// Units of the billing calculations, named. Each is a plain double: a name costs nothing at run
// time and says in a signature what a number measures. Conversions between them are written out
// where they happen (hours / month hours is a month share).

namespace kalvik {

using Hours = double;         // a duration in hours
using MonthShare = double;    // a part of a month: hours over the month's hours, 1 for all of it
using Gcal = double;          // heat, gigacalories
using GcalPerHour = double;   // a heat load, gigacalories per hour
using GcalPerTonne = double;  // heat per mass of water, as a consumer's hot-water coefficient
using Tonnes = double;        // a mass of water
using KcalPerKg = double;     // a specific enthalpy
using Celsius = double;       // a temperature, degrees Celsius

}  // namespace kalvik
