#pragma once
// Heating: the heating ratio of the month's temperatures to the design ones, the season and steam
// rules that turn it into the heating factor, the warm-month rule, and the construction
// surcharges.

#include <cstdint>

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// The temperatures of the source row that the heating ratio reads.
struct HeatingTemperatures {
    oleaut::Variant Тн;   // the month's outdoor temperature
    oleaut::Variant Твн;  // "Твн TVNUT", the design indoor temperature
    oleaut::Variant Т1, Т2, Т1_р, Т2_р;
};

// Under the T12 switch (Т1 − Т2) / (Т1_р − Т2_р), else (Твн − Тн) / (Твн − Тнро_рт); not limited
// above. Only the temperatures of the chosen formula are read; a Null among them fails naming
// its column, a zero denominator with Division by zero.
[[nodiscard]] double heatingRatio(int16_t t12Switch, const HeatingTemperatures& t, Celsius Тнро_рт);

// The ratio of the heating figure by the network temperatures: (Т1 − Т2) / (Т1_р − Т2_р) when the
// design difference is above 0, else 1 (a Null difference too); no season rule and no clamp. With
// a positive difference a Null `Т1` or `Т2` fails naming its column.
[[nodiscard]] double t12HeatingRatio(const HeatingTemperatures& t);

// The season rule (below `Тнро_нач` the ratio, above it the ratio only with `Ot_leto`, never below
// 0), then the steam rule: a water consumer's factor is multiplied by `QHEAT26_pr`; a steam
// consumer's too, unless `QHEAT26_pr` is 0, which makes its factor exactly 1.
[[nodiscard]] double heatingFactor(double ratio, const oleaut::Variant& Тн, Celsius Тнро_нач,
                                   bool Ot_leto, double PAR, double QHEAT26_pr);

// A warm month: the outdoor temperature has reached the indoor one (a Null is no warm month).
[[nodiscard]] bool warmMonth(const oleaut::Variant& Тн, const oleaut::Variant& Твн);

// The construction surcharges of the source row, percent, and the construction period; a Null
// surcharge counts as 0, a Null date as open towards that side.
struct Construction {
    oleaut::Variant Стр_проц, Стр_проц_подкл;
    oleaut::Variant Дат_нач_стр, Дат_кон_стр;
};

// Hours of construction within the period: from the later of `Нач` and the start to the day after
// the earlier of `Кон` and the end, counted in whole hours; never below 0.
[[nodiscard]] Hours constructionHours(oleaut::Date Нач, oleaut::Date Кон,
                                      const oleaut::Variant& start, const oleaut::Variant& end);

struct ConstructionFactors {
    double construction = 1;  // `k_ctr`
    double connection = 1;    // `k_ctr_пдкл`
};

// 1 + percent × (construction hours / hours of the month) / 100 for each non-zero surcharge.
[[nodiscard]] ConstructionFactors constructionFactors(const Construction& construction,
                                                      oleaut::Date Нач, oleaut::Date Кон,
                                                      Hours monthHours);

}  // namespace kalvik::consumption
