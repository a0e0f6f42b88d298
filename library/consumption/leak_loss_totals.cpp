// The consumer's leak and loss totals over all its loads, its loss mode, and the flushing and
// withdrawal columns.

#include "library/consumption/loss_mode.hpp"
#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

namespace {

// What a loss mode of 0 or 1 clears first, in this order: the leaks and losses of every load but
// ventilation; then `Потери`, `ПотериТ12` (figures by the network temperatures) and `Утечки_м3`.
constexpr Column<MainRow> kClearedWithoutLosses[] = {
    M::Утот_п,   M::Утгвс_п,   M::Утгвс_Пс_п,   M::Уттех_п,   M::УттехГВС_п,
    M::Птот_п_р, M::Птгвс_п_р, M::Птгвс_Пс_п_р, M::Пттех_п_р, M::ПттехГВС_п_р,
};

// The design losses of the loads as the row holds them plus the ventilation losses, rounded. The
// figure by the network temperatures takes the heating and technology losses of that figure.
struct LossTotals {
    Gcal all = 0;
    Gcal t12 = 0;
};

LossTotals lossTotals(Run& run, const ConsumerContext& c, MainRecordset& row) {
    LossTotals totals;
    totals.all = number(row[M::Птот_п_р] + row[M::Птгвс_п_р] + row[M::Птгвс_Пс_п_р] +
                            row[M::Пттех_п_р] + row[M::ПттехГВС_п_р] + Variant(c.ventilation.loss),
                        "Птот_п_р + Птгвс_п_р + Птгвс_Пс_п_р + Пттех_п_р + ПттехГВС_п_р + "
                        "ventilation losses");
    if (run.traits().t12Totals) {
        totals.t12 =
            number(row[M::Птот_п_рТ12] + row[M::Птгвс_п_р] + row[M::Птгвс_Пс_п_р] +
                       row[M::Пттех_п_рТ12] + row[M::ПттехГВС_п_р] + Variant(c.ventilation.lossT12),
                   "Птот_п_рТ12 + Птгвс_п_р + Птгвс_Пс_п_р + Пттех_п_рТ12 + "
                   "ПттехГВС_п_р + T12 ventilation losses");
    }
    totals.all = run.rounding().roundQ(totals.all);
    totals.t12 = run.rounding().roundQ(totals.t12);
    return totals;
}

}  // namespace

// The phase: "Утечки_м3" as computed (Null when a leak is Null), the loss totals, the loss mode,
// the row losses kept for the totals, and the flushing, withdrawal and consumer totals columns.
void leakAndLossTotals(Run& run, ConsumerContext& c, MainRecordset& row) {
    const RevisionTraits& traits = run.traits();
    row.set(M::Утечки_м3, row[M::Утот_п] + row[M::Утгвс_п] + row[M::Утгвс_Пс_п] + row[M::Уттех_п] +
                              row[M::УттехГВС_п] + Variant(c.ventilation.leak));
    LossTotals totals = lossTotals(run, c, row);

    const Variant modeValue = run.source()[S::Расчет_с_потерями];
    const std::optional<int16_t> mode = modeOf(traits, modeValue, S::Расчет_с_потерями.name);
    if (mode && ownLossesCounted(*mode)) {
        row.set(M::Потери, totals.all);
        if (traits.t12Totals) row.set(M::ПотериТ12, totals.t12);
    } else if (mode) {
        for (const Column<MainRow> column : kClearedWithoutLosses)
            row.set(column, int16_t{0});
        row.set(M::Потери, int16_t{0});
        if (traits.t12Totals) row.set(M::ПотериТ12, int16_t{0});
        row.set(M::Утечки_м3, int16_t{0});
        if (traits.clearsLossTotalWithoutOwnLosses) totals.all = 0;
    }
    const auto readBack = [&](Column<MainRow> column) {
        return numberAfterMode(row[column], column.name, mode, S::Расчет_с_потерями.name,
                               modeValue);
    };
    c.rowLosses = readBack(M::Потери);
    if (traits.t12Totals) c.rowLossesT12 = readBack(M::ПотериТ12);

    const FlushingSums& flushings = c.flushings;
    row.set(M::Промывки_Гкал, flushings.flushingHeat);
    row.set(M::Промывки_т_час, flushings.flushingWater);
    row.set(M::Otbor_Gk, flushings.withdrawalHeat);
    row.set(M::Otbor_Tn, flushings.withdrawalWater);
    row.set(M::Ут_потр_п, row[M::Утечки_м3]);
    row.set(M::Птпотр_п_р, totals.all);
}

}  // namespace kalvik::consumption
