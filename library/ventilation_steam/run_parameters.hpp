#pragma once
// The arguments of a ventilation run as the front-end passes them, and the rules in which the
// method and its revisions differ.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/oleaut/variant.hpp"

namespace kalvik::ventilation {

// What a method of the ventilation calculation makes of the shared run. The current method's
// rules are the defaults; a revision states its own.
struct RunRules {
    // The progress label of a unit: this text followed, when unitInLabel, by `NN_вент`.
    std::string_view progressLabel = "Расчет вентиляции  ";
    bool unitInLabel = true;
    // Outage hours rounded to `Q_znk` under `Okryg` 0.
    bool roundOutageHours = true;
    // `Vent_leto` set makes the heating multiplier 1 instead of `КотоплМО`.
    bool summerMultiplierIsOne = true;
    // `R_tn_t12` not 0 takes the unit through the network temperatures (`ФРасчВентТ12`).
    bool t12PathPerUnit = true;
};

struct RunParameters {
    std::string ConnString_Fin;
    int16_t Okryg = 0;    // 0: round the results
    int16_t Qpk_znk = 0;  // decimals of connected loads
    int16_t Q_znk = 0;    // decimals of heat and outage hours
    int16_t G_znk = 0;    // decimals of leaks
    std::string Дог;
    oleaut::Date Нач;  // first day of the period
    oleaut::Date Кон;  // last day of the period, inclusive
    int16_t План = 0;
    int16_t tn_t12 = 0;  // accepted and not read: the unit's `R_tn_t12` decides
    RunRules rules;
};

}  // namespace kalvik::ventilation
