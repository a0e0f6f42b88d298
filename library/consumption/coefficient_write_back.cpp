#include "library/consumption/coefficient_write_back.hpp"

#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

std::array<CoefficientValue, 9> coefficientRowValues(const ConsumerContext& c) {
    namespace K = coef_row;
    const HotWaterFlows& f = c.flows;
    const double Qгвс = c.hotWater.Qгвс;
    const double Qтехгвс = c.technology.Qтехгвс;
    return {{
        {K::Q_gvs_K_G_gvs_r, Qгвс},
        {K::G_gvs_K_G_gvs_r, f.coefficientHotWater},
        {K::Q_texgvs_K_G_gvs_r, Qтехгвс},
        {K::G_texgvs_K_G_gvs_r, f.coefficientTechnologicalHotWater},
        {K::Q_gvs_пр_r, Qгвс},
        {K::G_gvs_пр_r, f.loadBasedHotWater},
        {K::Q_texgvs_пр_r, Qтехгвс},
        {K::G_texgvs_пр_r, f.loadBasedTechnologicalHotWater},
        {K::K_G_fiz, (f.hotEnthalpy - f.coldEnthalpy) / 1000},
    }};
}

// Saved at once: the coefficient row's recordset stays connected. A consumer without a
// coefficient (or without a row) is not written.
void coefficientWriteBack(Run& run, const ConsumerContext& c, MainRecordset&) {
    if (c.K_G_gvs == 0.0) return;
    CoefficientRecordset& row = run.coefficientRow();
    for (const CoefficientValue& v : coefficientRowValues(c))
        row.set(v.column, v.value);
    row.update();
}

}  // namespace kalvik::consumption
