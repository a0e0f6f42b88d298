// The consumer's leak and loss totals over all its loads, its loss mode, and the flushing and
// withdrawal columns.

#include "library/consumption/loss_mode.hpp"
#include "library/consumption/phases.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace S = src;

namespace {

// What a loss mode of 0 or 1 clears, in this order: the leaks and losses of every load but
// ventilation, then the totals of the row.
constexpr Column<MainRow> kClearedWithoutLosses[] = {
    M::Утот_п,    M::Утгвс_п,      M::Утгвс_Пс_п, M::Уттех_п,      M::УттехГВС_п, M::Птот_п_р,
    M::Птгвс_п_р, M::Птгвс_Пс_п_р, M::Пттех_п_р,  M::ПттехГВС_п_р, M::Потери,     M::Утечки_м3,
};

}  // namespace

// The phase: "Утечки_м3" as computed (Null when a leak is Null), the loss total, the loss mode,
// the row losses kept for the totals, and the flushing, withdrawal and consumer totals columns.
void leakAndLossTotals(Run& run, ConsumerContext& c, MainRecordset& row) {
    const VentilationValues& ventilation = c.ventilation;

    row.set(M::Утечки_м3, row[M::Утот_п] + row[M::Утгвс_п] + row[M::Утгвс_Пс_п] + row[M::Уттех_п] +
                              row[M::УттехГВС_п] + Variant(ventilation.leak));
    Gcal lossTotal =
        run.roundQ(number(row[M::Птот_п_р] + row[M::Птгвс_п_р] + row[M::Птгвс_Пс_п_р] +
                              row[M::Пттех_п_р] + row[M::ПттехГВС_п_р] + Variant(ventilation.loss),
                          "Птот_п_р + Птгвс_п_р + Птгвс_Пс_п_р + Пттех_п_р + "
                          "ПттехГВС_п_р + ventilation losses"));

    const int16_t mode = lossMode(run.source()[S::Расчет_с_потерями], S::Расчет_с_потерями.name);
    if (ownLossesCounted(mode)) {
        row.set(M::Потери, lossTotal);
    } else {
        for (const Column<MainRow> column : kClearedWithoutLosses)
            row.set(column, int16_t{0});
        lossTotal = 0;
    }
    c.rowLosses = row.number(M::Потери);

    const FlushingSums& flushings = c.flushings;
    row.set(M::Промывки_Гкал, flushings.flushingHeat);
    row.set(M::Промывки_т_час, flushings.flushingWater);
    row.set(M::Otbor_Gk, flushings.withdrawalHeat);
    row.set(M::Otbor_Tn, flushings.withdrawalWater);
    row.set(M::Ут_потр_п, row[M::Утечки_м3]);
    row.set(M::Птпотр_п_р, lossTotal);
}

}  // namespace kalvik::consumption
