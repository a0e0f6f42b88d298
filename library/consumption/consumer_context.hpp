#pragma once
// The working values of one consumer's pass: what a phase of the pass computes and a later phase
// takes. Each member has one writer, named beside it (phases.hpp says who reads it); a value that
// a later step computes again gets a member of its own. The run resets the whole context at the
// start of every pass, so nothing carries from one consumer to the next. Values that a phase has
// written into the pending main row and a later phase needs as the row holds them are read back
// from the row, not kept here.

#include <cstdint>

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// Hours of the five loads that have hours of their own (ventilation has its own, summed).
struct LoadHours {
    Hours heating = 0;
    Hours hotWater = 0;
    Hours secondHotWater = 0;  // ГВС_Пс
    Hours technology = 0;
    Hours technologicalHotWater = 0;
};

// Share of the month during which a load was not cut off by a long outage.
struct LongOutageShares {
    MonthShare heating = 0;
    MonthShare hotWater = 0;  // also weights the second hot water
    MonthShare technology = 0;
    MonthShare technologicalHotWater = 0;
};

struct FlushingSums {
    Gcal flushingHeat = 0;       // "Пром Гкал"
    Tonnes flushingWater = 0;    // "Пром т/час", counted in the month's tonnes
    Gcal withdrawalHeat = 0;     // `Otbor_Gk`
    Tonnes withdrawalWater = 0;  // `Otbor_Tn`
};

// Numbers of the source row that the heat formulas use (read where the main row is begun).
struct SourceCoefficients {
    Celsius Тнро_рт = 0;   // design outdoor temperature for heating
    Celsius Тнро_нач = 0;  // heating start temperature
    Celsius Тхвот = 0;     // cold-water temperature of the heating season
    double Кбал_кот = 0;   // boiler balance coefficient, also the column `Ккот`
    double K_Q_sn_ny = 0;
    double Кбал_G = 0;
    double K_G_sn_ny = 0;
    double Кцирк = 0;
    double КотоплМО = 0;               // as read: the inter-heating rule of hot water
    double heatingSeasonКотоплМО = 0;  // `КотоплМО`, or 1 when `Ot_leto` is true
    int16_t t12Switch = 0;             // `R_tn_t12`: replaces the parameter `tn_t12`
    bool Ot_leto = false;
};

struct HeatingValues {
    double constructionFactor = 1;            // `k_ctr`
    double connectionConstructionFactor = 1;  // `k_ctr_пдкл`
    Gcal Qот = 0;                             // final, as the row holds it
    Gcal QотТ12 = 0;  // by the network temperatures, final, as the row holds it
};

struct HotWaterValues {
    // `К_ГВС` unchanged (Null stays Null), or 1 or 0 under the inter-heating rule.
    oleaut::Variant factor;
    double temperatureFactor = 0;
    Gcal Qгвс = 0;     // final, as the row holds it
    Gcal Qгвс_пс = 0;  // final, as the row holds it
};

struct TechnologyValues {
    Gcal Qтех = 0;     // final, as the row holds it
    Gcal Qтехгвс = 0;  // final, as the row holds it
    Gcal QтехТ12 = 0;  // by the network temperatures, final, as the row holds it
};

struct VentilationValues {
    Gcal loss = 0;                           // `Sum-Потери`
    Tonnes leak = 0;                         // `Утвент26_п` + `Утвент12_п` of the row
    Gcal heat = 0;                           // `Qвент12` + `Qвент26` of the row
    GcalPerHour connectedLoss = 0;           // `Sum-ТПвподкл`
    GcalPerHour connectedLoad = 0;           // `Sum-Qвподкл`
    GcalPerHour correctedConnectedLoss = 0;  // `Sum-ТПвподкл_корр`
    GcalPerHour correctedConnectedLoad = 0;  // `Sum-Qвподкл_корр`
    Hours maximumHours = 0;                  // `Max_Tvent_tc`
    Hours hours = 0;                         // mean net hours of one ventilation result row
    Gcal lossT12 = 0;                        // `Sum-ПотериT12`, a Null counted as 0
    Gcal heatT12 = 0;                        // `Qвент12Т12` + `Qвент26Т12` of the row
};

struct HotWaterFlows {
    KcalPerKg coldEnthalpy = 0;
    // The hot-water enthalpy the flows take: for a water consumer computed again and floored
    // (hotWaterEnthalpyFloor), for a steam consumer the enthalpy phase's value.
    KcalPerKg hotEnthalpy = 0;
    Tonnes hotWater = 0;               // `ГВС_Тн`
    Tonnes technologicalHotWater = 0;  // `Техн_ГВС_Тн`
    Tonnes loadBasedHotWater = 0;      // by enthalpies, before the coefficient replaced it
    Tonnes loadBasedTechnologicalHotWater = 0;
    Tonnes coefficientHotWater = 0;  // by `K_G_gvs`
    Tonnes coefficientTechnologicalHotWater = 0;
};

struct ConsumerContext {
    // Written by the pass before the phases: the coefficient (0 without a coefficient row) and the
    // values read at the top of the pass. The hot-water loads are numbers where the method reads
    // them as numbers, else the fields as they come (a Null included).
    GcalPerTonne K_G_gvs = 0;
    double PAR = 0;  // non-zero for a steam consumer
    oleaut::Variant Qgvs;
    oleaut::Variant Qtgvs;

    LoadHours workingHours;           // workingHours: before outages
    LoadHours netHours;               // outages: working less outage hours, never below 0
    LoadHours disconnectionHours;     // outages: second hot water always 0
    LongOutageShares monthShares;     // longOutages
    FlushingSums flushings;           // flushingSums
    SourceCoefficients coefficients;  // mainRowCopies
    HeatingValues heating;            // heatingHeat
    HotWaterValues hotWater;          // hotWaterHeat
    TechnologyValues technology;      // technologyHeat
    KcalPerKg hotWaterEnthalpy = 0;   // hotWaterEnthalpy: of `Тгв` at the supply pressure
    VentilationValues ventilation;    // ventilationHeat
    HotWaterFlows flows;              // hotWaterFlows
    Gcal rowLosses = 0;     // leakAndLossTotals: `Потери` of the row after the loss mode
    Gcal rowLossesT12 = 0;  // leakAndLossTotals: `ПотериТ12` of the row after the loss mode
};

}  // namespace kalvik::consumption
