// Hot-water flows from water enthalpies or from the consumer's coefficient.

#include "library/consumption/hot_water_flows.hpp"

#include "library/consumption/hot_water_enthalpy.hpp"
#include "library/consumption/phases.hpp"
#include "library/services/network_water.hpp"
#include "library/services/products.hpp"
#include "library/services/row_fields.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

namespace {

// Heat in Gcal over an enthalpy difference in kcal/kg, in tonnes.
Variant tonnes(Gcal heat, KcalPerKg enthalpyDifference) {
    return product(Variant(heat) / Variant(enthalpyDifference), int16_t{1000});
}

Tonnes withWaterCoefficients(const Variant& flow, const FlowInputs& in, const Variant& multiplier,
                             const char* multiplierColumn) {
    const Variant tonnes = product(flow, in.Кбал_G, in.K_G_sn_ny, multiplier);
    return number(in.perBoilerBalance ? tonnes / Variant(in.Кбал_кот) : tonnes, multiplierColumn);
}

}  // namespace

OpenSystemFlows openSystemFlows(const FlowInputs& in) {
    OpenSystemFlows flows;
    const KcalPerKg difference = in.hotEnthalpy - in.coldEnthalpy;
    flows.hotWater = withWaterCoefficients(tonnes(in.Qгвс, difference), in, in.QGVS_pr, "QGVS_pr");
    flows.technologicalHotWater =
        withWaterCoefficients(tonnes(in.Qтехгвс, difference), in, in.QTGVS_pr, "QTGVS_pr");
    if (in.K_G_gvs != 0) {
        flows.loadBasedHotWater = flows.hotWater;
        flows.loadBasedTechnologicalHotWater = flows.technologicalHotWater;
        flows.hotWater = withWaterCoefficients(Variant(in.Qгвс) / Variant(in.K_G_gvs), in,
                                               in.QGVS_pr, "QGVS_pr");
        flows.technologicalHotWater = withWaterCoefficients(
            Variant(in.Qтехгвс) / Variant(in.K_G_gvs), in, in.QTGVS_pr, "QTGVS_pr");
    }
    const KcalPerKg atConsumer = in.consumerEnthalpy - in.coldEnthalpy;
    flows.hotWaterAtConsumer = oleaut::CDbl(tonnes(in.Qгвс, atConsumer));
    flows.technologicalHotWaterAtConsumer = oleaut::CDbl(tonnes(in.Qтехгвс, atConsumer));
    return flows;
}

namespace {

// An open system: `Закр_Отк_Обк` is 1.
bool openSystem(const Variant& closedOpen) {
    return oleaut::isTrue(oleaut::eq(closedOpen, int16_t{1}));
}

// The flows of an open system bill the consumer for water at its own temperature: without that
// temperature `Iv` would take 0 °C and the flows would come out negative.
void requireConsumerTemperature(const Variant& Т_гв_потр) {
    if (Т_гв_потр.isNull()) {
        throw oleaut::invalidUseOfNullError().withContext(
            "column Т_гв_потр: the consumer's hot-water temperature is needed for the flows of an "
            "open system");
    }
}

}  // namespace

// The phase: the enthalpies of cold, hot and the consumer's hot water at the supply pressure, the
// five flow columns, and the flows kept for the totals and the coefficient write-back.
void hotWaterFlows(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    HotWaterFlows& kept = c.flows;
    kept.coldEnthalpy = supplyWaterEnthalpy(run, s[S::Тхв]);

    OpenSystemFlows flows;
    const bool flowsComputed =
        run.traits().flowConsumers == FlowConsumers::WaterOnly ? c.PAR == 0 : c.PAR <= 0;
    if (flowsComputed) {
        const bool open = openSystem(s[S::Закр_Отк_Обк]);
        if (open) requireConsumerTemperature(s[S::Т_гв_потр]);
        const KcalPerKg consumerEnthalpy = supplyWaterEnthalpy(run, s[S::Т_гв_потр]);
        // Kept as found: the hot and cold enthalpies are asked of `Fiz_par.Iv` again with the same
        // arguments, so they come out as before; the calls stay, in their order.
        const KcalPerKg hotEnthalpy = supplyWaterEnthalpy(run, s[S::Тгв]);
        kept.coldEnthalpy = supplyWaterEnthalpy(run, s[S::Тхв]);
        kept.hotEnthalpy = hotWaterEnthalpyFloor(hotEnthalpy);
        if (open) {
            const SourceCoefficients& k = c.coefficients;
            flows = openSystemFlows({c.hotWater.Qгвс, c.technology.Qтехгвс, k.Кбал_G, k.K_G_sn_ny,
                                     c.K_G_gvs, s[S::QGVS_pr], s[S::QTGVS_pr], kept.hotEnthalpy,
                                     kept.coldEnthalpy, consumerEnthalpy,
                                     run.traits().flowsPerBoilerBalance, k.Кбал_кот});
        }
    } else {
        kept.hotEnthalpy = c.hotWaterEnthalpy;
    }

    kept.loadBasedHotWater = flows.loadBasedHotWater;
    kept.loadBasedTechnologicalHotWater = flows.loadBasedTechnologicalHotWater;
    kept.hotWater = run.rounding().roundG(flows.hotWater);
    kept.technologicalHotWater = run.rounding().roundG(flows.technologicalHotWater);
    const Tonnes hotWaterAtConsumer = run.rounding().roundG(flows.hotWaterAtConsumer);
    const Tonnes technologicalAtConsumer =
        run.rounding().roundG(flows.technologicalHotWaterAtConsumer);
    if (c.K_G_gvs != 0) {
        kept.coefficientHotWater = kept.hotWater;
        kept.coefficientTechnologicalHotWater = kept.technologicalHotWater;
    }

    row.set(M::ГВС_Тн, kept.hotWater);
    row.set(M::Техн_ГВС_Тн, kept.technologicalHotWater);
    row.set(M::Расх_ГВС_Тгсв, kept.technologicalHotWater + kept.hotWater);
    row.set(M::ГВС_Тн_Nr, hotWaterAtConsumer);
    row.set(M::Техн_ГВС_Тн_Nr, technologicalAtConsumer);
}

}  // namespace kalvik::consumption
