#pragma once
// The seven load kinds of the steam calculation, in the order every step takes them: the source
// columns of each (month heat, design load, design steam flow, returned condensate and its heat)
// and the result columns they give.

#include <array>

#include "library/ventilation_steam/steam_columns.hpp"

namespace kalvik::steam {

struct LoadKind {
    src::C monthHeat;           // Gcal of the month
    src::C designLoad;          // Gcal/h
    src::C steamFlow;           // t/h
    src::C returnedCondensate;  // t/h
    src::C returnedHeat;        // Gcal/h
    res::C steamTotal;          // steam flow × k
    res::C condensateTotal;     // returned condensate × k
    res::C notReturned;         // steam total − condensate total
    res::C returnedHeatTotal;   // heat of returned condensate × k
};

inline constexpr int kLoadKinds = 7;

// Both ventilation kinds take `QVENT26` as their design load.
inline constexpr std::array<LoadKind, kLoadKinds> kLoadKindTable{{
    {src::Qот, src::QHEAT26, src::QHEAT26_par, src::QHEAT26_Gvkn, src::QHEAT26_Qvkn,
     res::QHEAT26_par_ит, res::QHEAT26_Gvkn_ит, res::QHEAT26_G_kond, res::QHEAT26_Qvkn_ит},
    {src::Qвент12, src::QVENT26, src::QVENT12_par, src::QVENT12_Gvkn, src::QVENT12_Qvkn,
     res::QVENT12_par_ит, res::QVENT12_Gvkn_ит, res::QVENT12_G_kond, res::QVENT12_Qvkn_ит},
    {src::Qвент26, src::QVENT26, src::QVENT26_par, src::QVENT26_Gvkn, src::QVENT26_Qvkn,
     res::QVENT26_par_ит, res::QVENT26_Gvkn_ит, res::QVENT26_G_kond, res::QVENT26_Qvkn_ит},
    {src::Qгвс, src::Qgvs, src::QGVS_par, src::QGVS_Gvkn, src::QGVS_Qvkn, res::QGVS_par_ит,
     res::QGVS_Gvkn_ит, res::QGVS_G_kond, res::QGVS_Qvkn_ит},
    {src::Qгвс_пс, src::QGV_Пс, src::QGV_Пс_par, src::QGV_Пс_Gvkn, src::QGV_Пс_Qvkn,
     res::QGV_Пс_par_ит, res::QGV_Пс_Gvkn_ит, res::QGV_Пс_G_kond, res::QGV_Пс_Qvkn_ит},
    {src::Qтех, src::QTS, src::QTS_par, src::QTS_Gvkn, src::QTS_Qvkn, res::QTS_par_ит,
     res::QTS_Gvkn_ит, res::QTS_G_kond, res::QTS_Qvkn_ит},
    {src::Qтехгвс, src::Qtgvs, src::QTGVS_par, src::QTGVS_Gvkn, src::QTGVS_Qvkn, res::QTGVS_par_ит,
     res::QTGVS_Gvkn_ит, res::QTGVS_G_kond, res::QTGVS_Qvkn_ит},
}};

// The ratio k of each kind, in hours: month heat ÷ design load.
using Ratios = std::array<double, kLoadKinds>;

}  // namespace kalvik::steam
