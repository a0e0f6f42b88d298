// Hot-water heat, losses and leaks of both kinds of hot water.

#include "library/consumption/hot_water_heat.hpp"

#include "library/consumption/phases.hpp"
#include "library/consumption/row_rounding.hpp"
#include "library/consumption/variant_rule.hpp"
#include "library/services/products.hpp"
#include "library/services/row_fields.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

InterHeatingRule interHeatingRule(int16_t План, std::string_view Дог, std::string_view Пл_Сн,
                                  double КотоплМО, const Variant& TMO, const Variant& TMO_СНиП) {
    const auto above0 = [](const Variant& t) { return oleaut::isTrue(oleaut::gt(t, int16_t{0})); };
    if (План <= 0) return {КотоплМО == 0, src::КоэффГВС_СНиП};
    if (takesNormClimate(Дог, Пл_Сн)) return {above0(TMO_СНиП), src::КоэффГВС_СНиП};
    return {above0(TMO), src::КоэффГВС};
}

Variant interHeatingFactor(const Variant& hotWaterBetweenSeasons) {
    return oleaut::isTrue(hotWaterBetweenSeasons) ? int16_t{1} : int16_t{0};
}

double hotWaterTemperatureFactor(const Variant& Тгв, const Variant& Тхв, const Variant& Т_гв_потр,
                                 Celsius Тхвот, int16_t Ras_GVS) {
    const Variant& T = Ras_GVS != 0 ? Т_гв_потр : Тгв;
    try {
        return oleaut::CDbl((Тгв - Тхв) / (T - Тхвот));
    } catch (const oleaut::Error& e) {
        throw e.withContext(Ras_GVS != 0
                                ? "hot-water temperature factor (Тгв - Тхв) / (Т_гв_потр - Тхвот)"
                                : "hot-water temperature factor (Тгв - Тхв) / (Тгв - Тхвот)");
    }
}

bool normInTonnes(const Variant& Ed_izm_Gk) {
    return oleaut::isTrue(oleaut::likeOrNull(Ed_izm_Gk, Variant(kTonneUnit)));
}

namespace {

// `Птгвс_п_р` and `Утгвс_п` over a time: the hot-water hours (with the temperature factor on the
// losses) or the share of the month's hours (without it).
void hotWaterLossesAndLeak(Run& run, ConsumerContext& c, MainRecordset& row, double time,
                           bool withTemperatureFactor) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    Variant losses = product(s[S::Птгвс_п], time);
    if (withTemperatureFactor) losses = product(losses, c.hotWater.temperatureFactor);
    row.set(M::Птгвс_п_р,
            product(losses, row[M::К_Сн_ГВС], k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QGVS_pr]));
    row.set(M::Утгвс_п,
            product(s[S::Утгвс_п], row[M::К_Сн_ГВС], time, k.Кбал_G, k.K_G_sn_ny, s[S::QGVS_pr]));
}

// `Qгвс` × hours (or share) × the heat coefficients × `QGVS_pr`, on the value the row holds; a
// method without the norm-based branch leaves `QGVS_pr` out here.
void scaleHotWaterHeat(Run& run, ConsumerContext& c, MainRecordset& row, double time) {
    const SourceCoefficients& k = c.coefficients;
    const Variant heat = product(row[M::Qгвс], time, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny);
    row.set(M::Qгвс, run.traits().hotWaterNorm == HotWaterNorm::None
                         ? heat
                         : product(heat, run.source()[S::QGVS_pr]));
}

// By the design load: `К_Сн_ГВС` × (`Qgvs` × temperature factor) over the hot-water hours.
void loadBasedHotWater(Run& run, ConsumerContext& c, MainRecordset& row) {
    const double hours = c.netHours.hotWater;
    row.set(M::Qгвс, product(row[M::К_Сн_ГВС], product(c.Qgvs, c.hotWater.temperatureFactor)));
    scaleHotWaterHeat(run, c, row, hours);
    hotWaterLossesAndLeak(run, c, row, hours, true);
}

// By a consumption norm per unit over the share of the month's hours; a norm in tonnes goes
// through the consumer's coefficient. The revisions differ in the losses and leak, which take the
// share where the current method takes the hours, and in the losses, which take no temperature
// factor.
void normBasedHotWater(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const double hours = c.netHours.hotWater;
    const double share = hours / run.period().monthHours;
    row.set(M::Qгвс, product(s[S::QUS], s[S::Norma_Gk], row[M::К_Сн_ГВС]));
    if (c.K_G_gvs != 0 && normInTonnes(s[S::Ed_izm_Gk])) {
        const Tonnes tonneNorm = number(product(s[S::QUS], s[S::Norma_Gk]), "QUS × Norma_Gk");
        row.set(M::Qгвс, product(row[M::К_Сн_ГВС], tonneNorm, c.K_G_gvs));
    }
    scaleHotWaterHeat(run, c, row, share);
    if (run.traits().hotWaterNorm == HotWaterNorm::LossesByShare)
        hotWaterLossesAndLeak(run, c, row, share, false);
    else
        hotWaterLossesAndLeak(run, c, row, hours, true);
}

// The second kind of hot water: no temperature factor and no reduction, the hot-water factor
// instead, over its own hours.
void secondHotWater(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const SourceCoefficients& k = c.coefficients;
    const Variant& factor = c.hotWater.factor;
    const double hours = c.netHours.secondHotWater;
    row.set(M::Qгвс_пс, product(factor, s[S::QGV_Пс]));
    row.set(M::Qгвс_пс,
            product(row[M::Qгвс_пс], hours, k.Кцирк, k.Кбал_кот, k.K_Q_sn_ny, s[S::QGV_Пс_pr]));
    row.set(M::Птгвс_Пс_п_р, product(s[S::Птгвс_Пс_п], hours, factor, k.Кцирк, k.Кбал_кот,
                                     k.K_Q_sn_ny, s[S::QGV_Пс_pr]));
    row.set(M::Утгвс_Пс_п,
            product(s[S::Утгвс_Пс_п], hours, factor, k.Кбал_G, k.K_G_sn_ny, s[S::QGV_Пс_pr]));
    c.hotWater.Qгвс_пс = roundLoad(run, row, {M::Qгвс_пс, M::Птгвс_Пс_п_р, M::Утгвс_Пс_п});
}

// The rule between heating seasons by the month's climate row: the actual variant tests the
// heating coefficient as read, a plan or contract the row's `TMO` for being above 0 (a Null is
// not); both reduce by the row's `КоэффГВС`.
bool climateRuleApplies(Run& run, const ConsumerContext& c) {
    if (run.parameters().План < 1) return c.coefficients.КотоплМО == 0;
    return oleaut::isTrue(oleaut::gt(run.climateValue(climate::TMO), int16_t{0}));
}

// `К_Сн_ГВС` of a month between heating seasons: the hot-water factor, or under "К сниж ГВС
// (K3)" the factor reduced by the coefficient, which is read only then.
template <class Coefficient>
void reduceBetweenSeasons(Run& run, ConsumerContext& c, MainRecordset& row,
                          Coefficient coefficient) {
    SourceRecordset& s = run.source();
    c.hotWater.factor = interHeatingFactor(s[S::ГВС_в_меж_отоп]);
    row.set(M::К_Сн_ГВС, c.hotWater.factor);
    if (oleaut::isTrue(s[S::К_сниж_ГВС_K3]))
        row.set(M::К_Сн_ГВС, product(coefficient(), c.hotWater.factor));
}

}  // namespace

// The phase: the reduction `К_Сн_ГВС` of the month, `Qгвс` with its losses and leak, and the
// second hot water; keeps the factors and the final heats.
void hotWaterHeat(Run& run, ConsumerContext& c, MainRecordset& row) {
    SourceRecordset& s = run.source();
    const RunParameters& p = run.parameters();
    HotWaterValues& hw = c.hotWater;

    hw.factor = s[S::К_ГВС];
    if (run.traits().climateRow) {
        if (climateRuleApplies(run, c))
            reduceBetweenSeasons(run, c, row, [&] { return run.climateValue(climate::КоэффГВС); });
    } else {
        const InterHeatingRule rule = interHeatingRule(
            p.План, p.Дог, p.Пл_Сн, c.coefficients.КотоплМО, s[S::TMO], s[S::TMO_СНиП]);
        if (rule.applies) reduceBetweenSeasons(run, c, row, [&] { return s[rule.coefficient]; });
    }

    hw.temperatureFactor = hotWaterTemperatureFactor(s[S::Тгв], s[S::Тхв], s[S::Т_гв_потр],
                                                     c.coefficients.Тхвот, p.Ras_GVS);
    if (run.traits().hotWaterNorm == HotWaterNorm::None || equalsZero(s[S::Norma_Gk]))
        loadBasedHotWater(run, c, row);
    else
        normBasedHotWater(run, c, row);

    hw.Qгвс = roundLoad(run, row, {M::Qгвс, M::Птгвс_п_р, M::Утгвс_п});

    secondHotWater(run, c, row);
}

}  // namespace kalvik::consumption
