#pragma once
// The arguments of a ventilation run as the front-end passes them, and the rules in which the
// method and its revisions differ.

#include <cstdint>
#include <string>
#include <string_view>

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::ventilation {

// Where a method takes the short and long outages of a unit.
enum class OutageRule {
    // The actual short outages (`pr_Otkl_vent_filtf`) and the long outages in every variant.
    ActualSets,
    // `План` not 0: the plan outages (`pr_Otkl_vent_Plan`) and no long outages; `План` 0 the
    // actual sets. `Дог` "Дог" counts no short outage, though the set is opened.
    PlanSetNoneForContract,
};

// What a method of the ventilation calculation makes of the shared run: one member per rule in
// which the methods differ, the current method's rule as its default, and one line in each
// revision that differs from the method it follows.
struct RunRules {
    // The progress window with its counter and bar, and pending window messages twice per unit;
    // without it, pending messages once per unit, after its row is saved.
    bool progressWindow = true;
    // The progress label of a unit: this text followed, when unitInLabel, by `NN_вент`.
    std::string_view progressLabel = "Расчет вентиляции  ";
    bool unitInLabel = true;
    OutageRule outages = OutageRule::ActualSets;
    // Outage hours rounded to `Q_znk` under `Okryg` 0.
    bool roundOutageHours = true;
    // The arguments `GorTnror`, `GorTnrvr`, `GorTnror_n_ot` stand for the unit's `Тнро_рт`,
    // `Тнрво`, `Тнро_нач`, which are not read; the heating schedule at the ventilation design
    // point is evaluated for every unit, after its net hours.
    bool cityTemperatures = false;
    // `Vent_leto` set makes the heating multiplier 1 instead of `КотоплМО`.
    bool summerMultiplierIsOne = true;
    // `R_tn_t12` not 0 takes the unit through the network temperatures (`ФРасчВентТ12`).
    bool t12PathPerUnit = true;
    // The six T12 columns written, and the recalculation year and month from the arguments.
    bool t12Columns = false;
};

inline constexpr RunRules kCurrentRules{};

// Each revision as the next later method with what it does differently.
inline constexpr RunRules k03_01_05Rules = [] {
    RunRules r = kCurrentRules;
    r.progressLabel = "Расчет вентиляции";
    r.unitInLabel = false;
    r.outages = OutageRule::PlanSetNoneForContract;
    r.roundOutageHours = false;
    r.cityTemperatures = true;
    r.summerMultiplierIsOne = false;
    r.t12PathPerUnit = false;
    r.t12Columns = true;
    return r;
}();

inline constexpr RunRules k23_10_04Rules = [] {
    RunRules r = k03_01_05Rules;
    r.progressWindow = false;
    return r;
}();

// The city's design temperatures and the recalculation month, arguments of the revisions only.
struct RevisionArguments {
    Celsius GorTnror = 0;       // design outdoor temperature of heating
    Celsius GorTnrvr = 0;       // design outdoor temperature of ventilation
    Celsius GorTnror_n_ot = 0;  // outdoor temperature at which heating starts
    double Год_Перерасч = 0;    // written into `Год_Прасч`, fractions kept
    double Месяц_Перерасч = 0;  // written into `Месяц_Прасч`, fractions kept
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
    RevisionArguments revision;
};

}  // namespace kalvik::ventilation
