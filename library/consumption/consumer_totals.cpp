#include "library/consumption/consumer_totals.hpp"

#include <stdexcept>
#include <string>

#include "library/consumption/columns.hpp"
#include "library/consumption/loss_mode.hpp"
#include "library/consumption/phases.hpp"
#include "library/consumption/row_fields.hpp"

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

double totalHeat(const ConsumerContext& c) {
    return c.ventilation.heat + c.heating.Qот + c.hotWater.Qгвс + c.hotWater.Qгвс_пс +
           c.technology.Qтех + c.technology.Qтехгвс + c.losses.rowLosses +
           c.flushings.flushingHeat + c.flushings.withdrawalHeat;
}

Variant totalTonnes(const Variant& Утечки_м3, const ConsumerContext& c) {
    const double flows =
        c.flows.technologicalHotWater + c.flows.hotWater + c.flushings.flushingWater;
    return Утечки_м3 + Variant(flows) + Variant(c.flushings.withdrawalWater);
}

ConnectedLoad connectedLoad(const ConnectionSource& s, const ConsumerContext& c, double periodShare,
                            const RunParameters& p) {
    const double construction = c.heating.connectionConstructionFactor;
    const VentilationValues& vent = c.ventilation;

    const LoadTerms losses{
        number(s.Птот_п, src::Птот_п.name),
        term(s.duplicateHotWater, s.Птгвс_п, src::Птгвс_п.name),
        term(s.duplicateTechnology, s.Пттех_п, src::Пттех_п.name),
        term(s.duplicateTechnologicalHotWater, s.ПттехГВС_п, src::ПттехГВС_п.name),
    };
    const double fullLosses = weightedSum(losses, kWhole, construction, vent.connectedLoss);
    const double correctedLosses =
        weightedSum(losses, c.monthShares, construction, vent.correctedConnectedLoss);

    ConnectedLoad r;
    const Variant& share = s.ДоляПотерьТсетях;
    auto unlessNoLosses = [&](const Variant& value) {
        return correctedLosses == 0.0 ? integerZero() : value;
    };
    switch (s.mode) {
        case 0:
            r.ТПподкл = integerZero();
            r.ТПподкл_корр = integerZero();
            break;
        case 1:
            r.ТПподкл = share;
            r.ТПподкл_корр = unlessNoLosses(share * Variant(periodShare));
            break;
        case 2:
            r.ТПподкл = fullLosses;
            r.ТПподкл_корр = correctedLosses;
            break;
        case 3:
            r.ТПподкл = share + Variant(fullLosses);
            r.ТПподкл_корр =
                unlessNoLosses(share * Variant(periodShare) + Variant(correctedLosses));
            break;
        default:
            throw std::logic_error("connection mode " + std::to_string(s.mode) +
                                   " reached the connected load unchecked");
    }
    const bool rounded = p.Okryg == 0;
    if (rounded) {
        r.ТПподкл = oleaut::Round(r.ТПподкл, p.Qpk_znk);
        r.ТПподкл_корр = oleaut::Round(r.ТПподкл_корр, p.Qpk_znk);
    }

    const LoadTerms loads{
        number(s.QHEAT26, src::QHEAT26.name),
        s.duplicateHotWater ? 0.0 : number(s.QGV_Пс, src::QGV_Пс.name) + c.Qgvs,
        term(s.duplicateTechnology, s.QTS, src::QTS.name),
        s.duplicateTechnologicalHotWater ? 0.0 : c.Qtgvs,
    };
    const double loadSum = weightedSum(loads, kWhole, construction, vent.connectedLoad);
    r.SQподкл = r.ТПподкл + Variant(loadSum) + s.Доп_потери;

    const double correctedLoadSum =
        weightedSum(loads, c.monthShares, construction, vent.correctedConnectedLoad);
    // A Null here can only be the network share (modes 1 and 3) or the additional losses.
    double corrected = number(r.ТПподкл_корр, src::ДоляПотерьТсетях.name) + correctedLoadSum +
                       number(s.Доп_потери, src::Доп_потери.name) * periodShare;
    if (rounded) {
        corrected = oleaut::roundHalfEven(corrected, p.Qpk_znk);
        r.SQподкл = oleaut::Round(r.SQподкл, p.Qpk_znk);
    }
    r.SQподкл_корр = corrected;
    return r;
}

void consumerTotals(Run& run, ConsumerContext& c, MainRecordset& row) {
    namespace M = main_row;
    namespace S = src;
    SourceRecordset& s = run.source();
    row.set(M::Всего_Гкал, totalHeat(c));
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
        lossMode(s[S::Подкл_с_потерями], S::Подкл_с_потерями.name),
    };
    const ConnectedLoad load = connectedLoad(source, c, run.period().periodShare, run.parameters());
    row.set(M::ТПподкл, load.ТПподкл);
    row.set(M::ТПподкл_корр, load.ТПподкл_корр);
    row.set(M::SQподкл, load.SQподкл);
    row.set(M::SQподкл_корр, load.SQподкл_корр);
}

}  // namespace kalvik::consumption
