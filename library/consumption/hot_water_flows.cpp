// Hot-water flows from water enthalpies or from the consumer's coefficient.

#include "library/consumption/hot_water_flows.hpp"

#include "library/consumption/hot_water_enthalpy.hpp"
#include "library/consumption/phases.hpp"
#include "library/consumption/products.hpp"
#include "library/consumption/row_fields.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

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
    HotWaterFlows& f = c.flows;
    f.coldEnthalpy = supplyWaterEnthalpy(run, s[S::Тхв]);

    OpenSystemFlows flows;
    if (c.PAR == 0) {
        const bool open = openSystem(s[S::Закр_Отк_Обк]);
        if (open) requireConsumerTemperature(s[S::Т_гв_потр]);
        f.consumerEnthalpy = supplyWaterEnthalpy(run, s[S::Т_гв_потр]);
        c.hotWater.enthalpy = supplyWaterEnthalpy(run, s[S::Тгв]);
        f.coldEnthalpy = supplyWaterEnthalpy(run, s[S::Тхв]);
        c.hotWater.enthalpy = hotWaterEnthalpyFloor(c.hotWater.enthalpy);
        if (open) {
            const SourceCoefficients& k = c.coefficients;
            flows = openSystemFlows({c.hotWater.Qгвс, c.technology.Qтехгвс, k.Кбал_G, k.K_G_sn_ny,
                                     c.K_G_gvs, s[S::QGVS_pr], s[S::QTGVS_pr], c.hotWater.enthalpy,
                                     f.coldEnthalpy, f.consumerEnthalpy});
        }
    }

    f.loadBasedHotWater = flows.loadBasedHotWater;
    f.loadBasedTechnologicalHotWater = flows.loadBasedTechnologicalHotWater;
    f.hotWater = run.roundG(flows.hotWater);
    f.technologicalHotWater = run.roundG(flows.technologicalHotWater);
    const double hotWaterAtConsumer = run.roundG(flows.hotWaterAtConsumer);
    const double technologicalAtConsumer = run.roundG(flows.technologicalHotWaterAtConsumer);
    if (c.K_G_gvs != 0) {
        f.coefficientHotWater = f.hotWater;
        f.coefficientTechnologicalHotWater = f.technologicalHotWater;
    }

    row.set(M::ГВС_Тн, f.hotWater);
    row.set(M::Техн_ГВС_Тн, f.technologicalHotWater);
    row.set(M::Расх_ГВС_Тгсв, f.technologicalHotWater + f.hotWater);
    row.set(M::ГВС_Тн_Nr, hotWaterAtConsumer);
    row.set(M::Техн_ГВС_Тн_Nr, technologicalAtConsumer);
}

}  // namespace kalvik::consumption
