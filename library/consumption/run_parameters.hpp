#pragma once
// The arguments of a consumption run, as the front-end passes them to `Ras_Calc_Potr`.

#include <cstdint>
#include <string>

#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// The method whose rules a run follows (revision_traits.hpp says how they differ).
enum class Revision { Current, Of21_04_08, Of23_01_08, Of02_01_05 };

struct RunParameters {
    std::string ConnString_Fin;
    int16_t Okryg = 0;    // 0: round the results
    int16_t Qpk_znk = 0;  // decimals of connected loads
    int16_t Q_znk = 0;    // decimals of heat quantities and outage hours
    int16_t G_znk = 0;    // decimals of masses and leaks
    std::string Дог;
    std::string Пл_Сн;
    double D_NDS_p = 0;
    double D_Cpec_N_p = 0;
    oleaut::Date Нач;  // first day of the period
    oleaut::Date Кон;  // last day of the period, inclusive
    int16_t План = 0;
    int16_t Ras_GVS = 0;
    int16_t tn_t12 = 0;  // replaced per consumer by the source `R_tn_t12`
    Revision revision = Revision::Current;
    // Of the revision of 02.01.05 only.
    double GorTnror = 0;        // design outdoor temperature for heating
    double GorTnrvr = 0;        // accepted and never read
    double GorTnror_n_ot = 0;   // outdoor temperature at which heating starts
    double GorTxv = 0;          // cold-water temperature
    double Год_Перерасч = 0;    // recalculation year of both rows
    double Месяц_Перерасч = 0;  // recalculation month of both rows
};

}  // namespace kalvik::consumption
