#pragma once
// What sets the methods of the consumption calculation apart: one constexpr traits struct per
// method, read by the run's set-up and by the phases, which are the same for every method. A rule
// in which the methods differ is one member here, its value in the current method's traits, and
// one line in each revision that differs from the method it follows.

#include "library/consumption/run_parameters.hpp"

namespace kalvik::consumption {

// Where a method takes the design temperatures of heating and the cold water of the season.
enum class DesignTemperatures {
    FromSource,     // the source fields `Тнро_рт`, `Тнро_нач`, `Тхвот`
    FromParameters  // the parameters `GorTnror`, `GorTnror_n_ot`, `GorTxv`
};

// Where a method takes its outages.
enum class OutageRule {
    ByPlanSign,                // `План` <= 0 the actual outages, else the plan ones
    PlanSummedUnlessContract,  // `План` > 0 `pr_Plan_Otkl_Potr`, none for `Дог` "Дог"; used only
                               // when `Дог` is not "Дог"
};

struct RevisionTraits {
    // The consumer's row of `pr_Потребитель_K_G_gvs`, read and written back per consumer.
    bool coefficientRow;
    // The largest key of the main table read (through `Nz_f`) before the loop, and not used.
    bool readsKeyMaximum;
    OutageRule outages;
    // The summed outage hours rounded under the rounding switch.
    bool roundsOutageHours;
    // Long outages counted in every variant, or only in the actual one (`План` 0).
    bool longOutagesInEveryVariant;
    // The month's climate row (`Rst_Temp`), chosen by the variant.
    bool climateRow;
    // `Qgvs` and `Qtgvs` read as numbers at the top of the pass (a Null fails), or as they come
    // (a Null load is not 0, so it gets hours).
    bool loadsAsNumbers;
    DesignTemperatures designTemperatures;
    // `R_tn_t12` read as the T12 switch; without it `Коэфф_Перетопа_Потр` is always the copy of
    // `Коэфф_Перетопа`.
    bool readsT12Switch;
    // The second heating figure by the network temperatures: `QотТ12`, `Птот_п_рТ12`.
    bool t12Heating;
    // The progress label names the consumer's `Npotr`.
    bool numberedProgressLabel;
    // The norm-based hot water's losses and leak scaled by the month's share instead of the hours,
    // and its losses without the temperature factor.
    bool normHotWaterLossesByShare;
};

inline constexpr RevisionTraits kCurrentTraits{
    .coefficientRow = true,
    .readsKeyMaximum = false,
    .outages = OutageRule::ByPlanSign,
    .roundsOutageHours = true,
    .longOutagesInEveryVariant = true,
    .climateRow = false,
    .loadsAsNumbers = true,
    .designTemperatures = DesignTemperatures::FromSource,
    .readsT12Switch = true,
    .t12Heating = false,
    .numberedProgressLabel = true,
    .normHotWaterLossesByShare = false,
};

// Each revision as the next later method with what it does differently.
inline constexpr RevisionTraits k21_04_08Traits = [] {
    RevisionTraits t = kCurrentTraits;
    t.normHotWaterLossesByShare = true;
    return t;
}();

inline constexpr RevisionTraits k23_01_08Traits = [] {
    RevisionTraits t = k21_04_08Traits;
    t.coefficientRow = false;
    t.readsKeyMaximum = true;
    t.loadsAsNumbers = false;
    return t;
}();

inline constexpr RevisionTraits k02_01_05Traits = [] {
    RevisionTraits t = k23_01_08Traits;
    t.outages = OutageRule::PlanSummedUnlessContract;
    t.roundsOutageHours = false;
    t.longOutagesInEveryVariant = false;
    t.climateRow = true;
    t.designTemperatures = DesignTemperatures::FromParameters;
    t.readsT12Switch = false;
    t.t12Heating = true;
    t.numberedProgressLabel = false;
    return t;  // its hot water has no norm-based branch
}();

[[nodiscard]] constexpr const RevisionTraits& traitsOf(Revision revision) {
    switch (revision) {
        case Revision::Current:
            return kCurrentTraits;
        case Revision::Of21_04_08:
            return k21_04_08Traits;
        case Revision::Of23_01_08:
            return k23_01_08Traits;
        case Revision::Of02_01_05:
            return k02_01_05Traits;
    }
    return kCurrentTraits;
}

}  // namespace kalvik::consumption
