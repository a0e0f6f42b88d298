// Hot-water flows from water enthalpies or from the consumer's coefficient.

#include "library/consumption/hot_water_flows.hpp"

#include "library/consumption/products.hpp"
#include "library/consumption/values.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

double hotWaterEnthalpyFloor(double enthalpy) {
    return enthalpy - 40 < 0.1 ? 42 : enthalpy;
}

namespace {

// Heat in Gcal over an enthalpy difference in kcal/kg, in tonnes.
Variant tonnes(double heat, double enthalpyDifference) {
    return product(Variant(heat) / Variant(enthalpyDifference), int16_t{1000});
}

double withWaterCoefficients(const Variant& flow, const FlowInputs& in, const Variant& multiplier,
                             const char* multiplierColumn) {
    return number(product(flow, in.Кбал_G, in.K_G_sn_ny, multiplier), multiplierColumn);
}

}  // namespace

OpenSystemFlows openSystemFlows(const FlowInputs& in) {
    OpenSystemFlows f;
    const double difference = in.hotEnthalpy - in.coldEnthalpy;
    f.hotWater = withWaterCoefficients(tonnes(in.Qгвс, difference), in, in.QGVS_pr, "QGVS_pr");
    f.technologicalHotWater =
        withWaterCoefficients(tonnes(in.Qтехгвс, difference), in, in.QTGVS_pr, "QTGVS_pr");
    if (in.K_G_gvs != 0) {
        f.loadBasedHotWater = f.hotWater;
        f.loadBasedTechnologicalHotWater = f.technologicalHotWater;
        f.hotWater = withWaterCoefficients(Variant(in.Qгвс) / Variant(in.K_G_gvs), in, in.QGVS_pr,
                                           "QGVS_pr");
        f.technologicalHotWater = withWaterCoefficients(Variant(in.Qтехгвс) / Variant(in.K_G_gvs),
                                                        in, in.QTGVS_pr, "QTGVS_pr");
    }
    const double atConsumer = in.consumerEnthalpy - in.coldEnthalpy;
    f.hotWaterAtConsumer = oleaut::CDbl(tonnes(in.Qгвс, atConsumer));
    f.technologicalHotWaterAtConsumer = oleaut::CDbl(tonnes(in.Qтехгвс, atConsumer));
    return f;
}

}  // namespace kalvik::consumption
