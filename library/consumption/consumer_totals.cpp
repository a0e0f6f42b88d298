#include "library/consumption/consumer_totals.hpp"

#include <stdexcept>
#include <string>

#include "library/consumption/columns.hpp"
#include "library/consumption/loss_mode.hpp"
#include "library/consumption/phases.hpp"
#include "library/services/result_rounding.hpp"
#include "library/services/row_fields.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

namespace {

// A term of a connected sum: its source value as a number, 0 for a duplicate load.
double term(bool duplicate, const Variant& value, std::string_view column) {
    return duplicate ? 0.0 : number(value, column);
}

// Heating × share × construction + ventilation + hot water × share + technology × share +
// technological hot water × share, each load but heating left out when it is a duplicate.
struct LoadTerms {
    double heating, hotWater, technology, technologicalHotWater;
};

double weightedSum(const LoadTerms& t, const LongOutageShares& share, double construction,
                   double ventilation) {
    return t.heating * share.heating * construction + ventilation + t.hotWater * share.hotWater +
           t.technology * share.technology + t.technologicalHotWater * share.technologicalHotWater;
}

constexpr LongOutageShares kWhole{1, 1, 1, 1};

Variant integerZero() {
    return Variant(int16_t{0});
}

}  // namespace

Gcal totalHeat(const ConsumerContext& c) {
    return c.ventilation.heat + c.heating.Qот + c.hotWater.Qгвс + c.hotWater.Qгвс_пс +
           c.technology.Qтех + c.technology.Qтехгвс + c.rowLosses + c.flushings.flushingHeat +
           c.flushings.withdrawalHeat;
}

Gcal totalHeatT12(const ConsumerContext& c) {
    return c.ventilation.heatT12 + c.heating.QотТ12 + c.hotWater.Qгвс + c.hotWater.Qгвс_пс +
           c.technology.QтехТ12 + c.technology.Qтехгвс + c.rowLossesT12 + c.flushings.flushingHeat +
           c.flushings.withdrawalHeat;
}

Variant totalTonnes(const Variant& Утечки_м3, const ConsumerContext& c) {
    const double flows =
        c.flows.technologicalHotWater + c.flows.hotWater + c.flushings.flushingWater;
    return Утечки_м3 + Variant(flows) + Variant(c.flushings.withdrawalWater);
}

ConnectedLoad connectedLoad(const ConnectionSource& source, const ConsumerContext& consumer,
                            MonthShare periodShare, const RunParameters& parameters) {
    const double construction = consumer.heating.connectionConstructionFactor;
    const VentilationValues& ventilation = consumer.ventilation;

    const LoadTerms losses{
        number(source.Птот_п, src::Птот_п.name),
        term(source.duplicateHotWater, source.Птгвс_п, src::Птгвс_п.name),
        term(source.duplicateTechnology, source.Пттех_п, src::Пттех_п.name),
        term(source.duplicateTechnologicalHotWater, source.ПттехГВС_п, src::ПттехГВС_п.name),
    };
    const double fullLosses = weightedSum(losses, kWhole, construction, ventilation.connectedLoss);
    const double correctedLosses =
        weightedSum(losses, consumer.monthShares, construction, ventilation.correctedConnectedLoss);

    ConnectedLoad connected;
    const Variant& share = source.ДоляПотерьТсетях;
    auto unlessNoLosses = [&](const Variant& value) {
        return source.zeroTest && correctedLosses == 0.0 ? integerZero() : value;
    };
    switch (source.mode.value_or(-1)) {
        case 0:
            connected.ТПподкл = integerZero();
            connected.ТПподкл_корр = integerZero();
            break;
        case 1:
            connected.ТПподкл = share;
            connected.ТПподкл_корр = unlessNoLosses(share * Variant(periodShare));
            break;
        case 2:
            connected.ТПподкл = fullLosses;
            connected.ТПподкл_корр = correctedLosses;
            break;
        case 3:
            connected.ТПподкл = share + Variant(fullLosses);
            connected.ТПподкл_корр =
                unlessNoLosses(share * Variant(periodShare) + Variant(correctedLosses));
            break;
        default:
            if (source.mode) {
                throw std::logic_error("connection mode " + std::to_string(*source.mode) +
                                       " reached the connected load unchecked");
            }
            connected.ТПподкл = source.heldТПподкл;
            connected.ТПподкл_корр = source.heldТПподкл_корр;
    }
    const ResultRounding rounding = roundingOf(parameters);
    connected.ТПподкл = rounding.roundQpk(connected.ТПподкл);
    connected.ТПподкл_корр = rounding.roundQpk(connected.ТПподкл_корр);

    const LoadTerms loads{
        number(source.QHEAT26, src::QHEAT26.name),
        source.duplicateHotWater
            ? 0.0
            : number(source.QGV_Пс, src::QGV_Пс.name) + number(consumer.Qgvs, src::Qgvs.name),
        term(source.duplicateTechnology, source.QTS, src::QTS.name),
        source.duplicateTechnologicalHotWater ? 0.0 : number(consumer.Qtgvs, src::Qtgvs.name),
    };
    const double loadSum = weightedSum(loads, kWhole, construction, ventilation.connectedLoad);
    connected.SQподкл = connected.ТПподкл + Variant(loadSum) + source.Доп_потери;

    const double correctedLoadSum =
        weightedSum(loads, consumer.monthShares, construction, ventilation.correctedConnectedLoad);
    // A Null here can only be the network share (modes 1 and 3), what an unknown mode left, or
    // the additional losses.
    const double correctedConnectedLosses =
        source.mode ? number(connected.ТПподкл_корр, src::ДоляПотерьТсетях.name)
                    : numberAfterMode(connected.ТПподкл_корр, main_row::ТПподкл_корр.name,
                                      source.mode, src::Подкл_с_потерями.name, source.modeValue);
    double corrected = correctedConnectedLosses + correctedLoadSum +
                       number(source.Доп_потери, src::Доп_потери.name) * periodShare;
    connected.SQподкл_корр = rounding.roundQpk(corrected);
    connected.SQподкл = rounding.roundQpk(connected.SQподкл);
    return connected;
}

void consumerTotals(Run& run, const ConsumerContext& c, MainRecordset& row) {
    namespace M = main_row;
    namespace S = src;
    SourceRecordset& s = run.source();
    row.set(M::Всего_Гкал, totalHeat(c));
    if (run.traits().t12Totals) row.set(M::Всего_ГкалТ12, totalHeatT12(c));
    row.set(M::Всего_тн, totalTonnes(row[M::Утечки_м3], c));

    const ConnectionSource source{
        s[S::Птот_п],
        s[S::Птгвс_п],
        s[S::Пттех_п],
        s[S::ПттехГВС_п],
        s[S::QHEAT26],
        s[S::QGV_Пс],
        s[S::QTS],
        s[S::ДоляПотерьТсетях],
        s[S::Доп_потери],
        oleaut::isTrue(s[S::Дубль_ГВС]),
        oleaut::isTrue(s[S::Дубль_Тех]),
        oleaut::isTrue(s[S::Дубль_ТехГВС]),
        modeOf(run.traits(), s[S::Подкл_с_потерями], S::Подкл_с_потерями.name),
        run.traits().connectedLossZeroTest,
        row[M::ТПподкл],
        row[M::ТПподкл_корр],
        s[S::Подкл_с_потерями],
    };
    const ConnectedLoad load = connectedLoad(source, c, run.period().periodShare, run.parameters());
    row.set(M::ТПподкл, load.ТПподкл);
    row.set(M::ТПподкл_корр, load.ТПподкл_корр);
    row.set(M::SQподкл, load.SQподкл);
    row.set(M::SQподкл_корр, load.SQподкл_корр);
}

}  // namespace kalvik::consumption
