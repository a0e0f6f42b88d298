#pragma once
// The working values of one consumer's pass: what a phase of the pass computes and a later phase
// takes. The run resets the whole context at the start of every pass, so nothing carries from one
// consumer to the next. Values that a phase has written into the pending main row and a later
// phase needs as the row holds them are read back from the row, not kept here.

#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// Hours of the five loads that have hours of their own (ventilation has its own, summed).
struct LoadHours {
    double heating = 0;
    double hotWater = 0;
    double secondHotWater = 0;  // ГВС_Пс
    double technology = 0;
    double technologicalHotWater = 0;
};

// Share of the month during which a load was not cut off by a long outage.
struct LongOutageShares {
    double heating = 0;
    double hotWater = 0;  // also weights the second hot water
    double technology = 0;
    double technologicalHotWater = 0;
};

struct FlushingSums {
    double flushingHeat = 0;     // "Пром Гкал"
    double flushingWater = 0;    // "Пром т/час"
    double withdrawalHeat = 0;   // `Otbor_Gk`
    double withdrawalWater = 0;  // `Otbor_Tn`
};

// Numbers of the source row that the heat formulas use (read where the main row is begun).
struct SourceCoefficients {
    double Тнро_рт = 0;   // design outdoor temperature for heating
    double Тнро_нач = 0;  // heating start temperature
    double Тхвот = 0;     // cold-water temperature of the heating season
    double Кбал_кот = 0;  // boiler balance coefficient, also the column `Ккот`
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
    double Qот = 0;                           // final, as the row holds it
};

struct HotWaterValues {
    // `К_ГВС` unchanged (Null stays Null), or 1 or 0 under the inter-heating rule.
    oleaut::Variant factor;
    double temperatureFactor = 0;
    double tonneNorm = 0;
    double Qгвс = 0;      // final, as the row holds it
    double Qгвс_пс = 0;   // final, as the row holds it
    double enthalpy = 0;  // of `Тгв`, kcal/kg
};

struct TechnologyValues {
    double Qтех = 0;     // final, as the row holds it
    double Qтехгвс = 0;  // final, as the row holds it
};

struct VentilationValues {
    double loss = 0;                    // `Sum-Потери`
    double leak = 0;                    // `Утвент26_п` + `Утвент12_п` of the row
    double heat = 0;                    // `Qвент12` + `Qвент26` of the row
    double connectedLoss = 0;           // `Sum-ТПвподкл`
    double connectedLoad = 0;           // `Sum-Qвподкл`
    double correctedConnectedLoss = 0;  // `Sum-ТПвподкл_корр`
    double correctedConnectedLoad = 0;  // `Sum-Qвподкл_корр`
    double maximumHours = 0;            // `Max_Tvent_tc`
    double hours = 0;                   // mean net hours of one ventilation result row
};

struct HotWaterFlows {
    double coldEnthalpy = 0;
    double consumerEnthalpy = 0;       // of `Т_гв_потр`
    double hotWater = 0;               // `ГВС_Тн`
    double technologicalHotWater = 0;  // `Техн_ГВС_Тн`
    double loadBasedHotWater = 0;      // by enthalpies, before the coefficient replaced it
    double loadBasedTechnologicalHotWater = 0;
    double coefficientHotWater = 0;  // by `K_G_gvs`
    double coefficientTechnologicalHotWater = 0;
};

struct LossTotals {
    double lossTotal = 0;  // `Птпотр_п_р`
    double rowLosses = 0;  // `Потери` of the row after the loss mode
};

struct ConsumerContext {
    // Pass steps 2 and 3: the coefficient (0 without a coefficient row) and the numbers read at
    // the top of the pass.
    double K_G_gvs = 0;
    double PAR = 0;
    double Qgvs = 0;
    double Qtgvs = 0;

    LoadHours workingHours;        // before outages
    LoadHours netHours;            // working hours less outage hours, never below 0
    LoadHours disconnectionHours;  // second hot water always 0
    LongOutageShares monthShares;
    FlushingSums flushings;
    SourceCoefficients coefficients;
    HeatingValues heating;
    HotWaterValues hotWater;
    TechnologyValues technology;
    VentilationValues ventilation;
    HotWaterFlows flows;
    LossTotals losses;
};

}  // namespace kalvik::consumption
