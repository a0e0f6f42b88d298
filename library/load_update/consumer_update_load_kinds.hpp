#pragma once
// The six load kinds of a consumer's flows, in the order of their enthalpies: the columns of
// each, and the orders in which the steam columns add them.

#include <array>
#include <cstddef>
#include <optional>

#include "library/load_update/consumer_update_columns.hpp"

namespace kalvik::consumer_update {

struct ConsumerLoadKind {
    std::optional<col::C> load;  // Gcal/h; ventilation has none: its flow is given
    col::C flow;                 // t/h
    col::C returnPercent;
    col::C condensateTemperature;
    std::optional<col::C> duplicate;  // set: the kind's flow is 0
    // Steam consumers: the copies of the flow, the return flow and the return heat. Ventilation
    // writes each into two columns, the others into one (the second repeats the first).
    std::array<col::C, 2> steamCopy;
    std::array<col::C, 2> returnFlow;
    std::array<col::C, 2> returnHeat;
};

enum Kind : std::size_t {
    Heating,
    Ventilation,
    SecondHotWater,
    Technology,
    TechHotWater,
    HotWater
};

inline constexpr std::array<ConsumerLoadKind, 6> kConsumerLoadKinds{{
    {col::QHEAT26,
     col::G_ot,
     col::QHEAT26_p_vkn,
     col::QHEAT26_t_vkn,
     std::nullopt,
     {col::QHEAT26_par, col::QHEAT26_par},
     {col::QHEAT26_Gvkn, col::QHEAT26_Gvkn},
     {col::QHEAT26_Qvkn, col::QHEAT26_Qvkn}},
    {std::nullopt,
     col::G_vent,
     col::QVENT26_p_vkn,
     col::QVENT26_t_vkn,
     std::nullopt,
     {col::QVENT12_par, col::QVENT26_par},
     {col::QVENT12_Gvkn, col::QVENT26_Gvkn},
     {col::QVENT12_Qvkn, col::QVENT26_Qvkn}},
    {col::QGV_Пс,
     col::G_GV_Пс,
     col::QGV_Пс_p_vkn,
     col::QGV_Пс_t_vkn,
     std::nullopt,
     {col::QGV_Пс_par, col::QGV_Пс_par},
     {col::QGV_Пс_Gvkn, col::QGV_Пс_Gvkn},
     {col::QGV_Пс_Qvkn, col::QGV_Пс_Qvkn}},
    {col::QTS,
     col::G_tex,
     col::QTS_p_vkn,
     col::QTS_t_vkn,
     col::Дубль_Тех,
     {col::QTS_par, col::QTS_par},
     {col::QTS_Gvkn, col::QTS_Gvkn},
     {col::QTS_Qvkn, col::QTS_Qvkn}},
    {col::Qtgvs,
     col::G_tex_gvs,
     col::QTGVS_p_vkn,
     col::QTGVS_t_vkn,
     col::Дубль_ТехГВС,
     {col::QTGVS_par, col::QTGVS_par},
     {col::QTGVS_Gvkn, col::QTGVS_Gvkn},
     {col::QTGVS_Qvkn, col::QTGVS_Qvkn}},
    {col::Qgvs,
     col::G_GVS,
     col::QGVS_p_vkn,
     col::QGVS_t_vkn,
     col::Дубль_ГВС,
     {col::QGVS_par, col::QGVS_par},
     {col::QGVS_Gvkn, col::QGVS_Gvkn},
     {col::QGVS_Qvkn, col::QGVS_Qvkn}},
}};

// The orders in which the steam columns add the kinds: the flows and the return flows, and the
// return heats (ventilation first). The order of additions decides the last digit.
inline constexpr std::array<Kind, 6> kFlowSumOrder{Heating,  Ventilation,    Technology,
                                                   HotWater, SecondHotWater, TechHotWater};
inline constexpr std::array<Kind, 6> kHeatSumOrder{Ventilation, Heating,        Technology,
                                                   HotWater,    SecondHotWater, TechHotWater};

}  // namespace kalvik::consumer_update
