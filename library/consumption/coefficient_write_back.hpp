#pragma once
// What a consumer with a hot-water coefficient gets written back into its coefficient row: the
// month's hot-water and technological hot-water heat, the flows by the coefficient and by the
// enthalpies, and the physical coefficient that the enthalpies give.

#include <array>

#include "library/consumption/columns.hpp"
#include "library/consumption/consumer_context.hpp"

namespace kalvik::consumption {

struct CoefficientValue {
    Column<CoefficientRow> column;
    double value;
};

// The nine columns in writing order. The heat columns of both pairs carry the same heat; the
// `_K_G_gvs_r` flows are by the coefficient, the `_пр_r` flows by the enthalpy difference;
// `K_G_fiz` is that difference in Gcal per tonne.
[[nodiscard]] std::array<CoefficientValue, 9> coefficientRowValues(const ConsumerContext& c);

}  // namespace kalvik::consumption
