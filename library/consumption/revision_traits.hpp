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

// The norm-based hot water (`Norma_Gk` not 0) of a method.
enum class HotWaterNorm {
    LossesByHours,  // losses and leak over the hot-water hours, losses with the temperature factor
    LossesByShare,  // losses and leak over the month's share, losses without the temperature factor
    None,  // no norm-based branch: the load-based one always, its heat scaled without `QGVS_pr`
};

// Which consumers get the hot-water flows of an open system.
enum class FlowConsumers {
    WaterOnly,    // `PAR` 0; a steam consumer's flows are 0
    AllButSteam,  // `PAR` <= 0; only a steam consumer (`PAR` > 0) gets 0
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
    // The month's climate row (`Rst_Temp`), chosen by the variant: the hot-water rule between
    // heating seasons reads its `TMO` and `КоэффГВС` instead of the source row's, and takes the
    // plan and contract variants as one case. The cold water of the temperature factor follows
    // designTemperatures.
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
    HotWaterNorm hotWaterNorm;
    FlowConsumers flowConsumers;
    // The hot-water and technological hot-water flows divided by `Кбал_кот`.
    bool flowsPerBoilerBalance;
    // The figures by the network temperatures beyond heating: technology (`QтехТ12`,
    // `Пттех_п_рТ12`), ventilation (four columns and the T12 ventilation losses), the totals
    // (`ПотериТ12`, "Всего ГкалТ12") and five more cleared columns.
    bool t12Technology;
    bool t12Ventilation;
    bool t12Totals;
    bool t12ClearedColumns;
    // Loss modes 0 and 1 clear the loss total of `Птпотр_п_р` too.
    bool clearsLossTotalWithoutOwnLosses;
    // A loss or connection mode outside 0 to 3 (Null included) fails at once; otherwise the mode's
    // columns are left as the new row holds them, and the run fails where a number is read back.
    bool unknownModeFailsAtOnce;
    // Connection modes 1 and 3 give 0 corrected losses when the corrected loss sum is 0.
    bool connectedLossZeroTest;
    // `Год_Прасч` and `Месяц_Прасч` of both rows from the parameters.
    bool recalculationPeriod;
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
    .hotWaterNorm = HotWaterNorm::LossesByHours,
    .flowConsumers = FlowConsumers::WaterOnly,
    .flowsPerBoilerBalance = false,
    .t12Technology = false,
    .t12Ventilation = false,
    .t12Totals = false,
    .t12ClearedColumns = false,
    .clearsLossTotalWithoutOwnLosses = true,
    .unknownModeFailsAtOnce = true,
    .connectedLossZeroTest = true,
    .recalculationPeriod = false,
};

// Each revision as the next later method with what it does differently.
inline constexpr RevisionTraits k21_04_08Traits = [] {
    RevisionTraits t = kCurrentTraits;
    t.hotWaterNorm = HotWaterNorm::LossesByShare;
    return t;
}();

inline constexpr RevisionTraits k23_01_08Traits = [] {
    RevisionTraits t = k21_04_08Traits;
    t.coefficientRow = false;
    t.readsKeyMaximum = true;
    t.loadsAsNumbers = false;
    t.flowConsumers = FlowConsumers::AllButSteam;
    t.clearsLossTotalWithoutOwnLosses = false;
    t.unknownModeFailsAtOnce = false;
    return t;  // without the coefficient row its norm has no tonnes and its flows no coefficient
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
    t.hotWaterNorm = HotWaterNorm::None;
    t.flowsPerBoilerBalance = true;
    t.t12Technology = true;
    t.t12Ventilation = true;
    t.t12Totals = true;
    t.t12ClearedColumns = true;
    t.connectedLossZeroTest = false;
    t.recalculationPeriod = true;
    return t;
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
