// Connected loads and the two loss codes: the connected loss load and the heat lost with leaks.

#include "library/ventilation_steam/ventilation_phases.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace S = src;
namespace R = result;

namespace {

// What a loss code asks for: 0 or 1 none, 2 or 3 the unit's own, any other value (Null included)
// nothing written.
enum class LossCode { None, Own, Unwritten };

LossCode lossCode(const Variant& code) {
    auto is = [&](int16_t n) { return oleaut::isTrue(oleaut::eq(code, n)); };
    if (is(0) || is(1)) return LossCode::None;
    if (is(2) || is(3)) return LossCode::Own;
    return LossCode::Unwritten;
}

}  // namespace

// A duplicate unit's loads are counted elsewhere: both are 0.
void connectedLoads(SourceRecordset& unit, ResultRecordset& row, MonthShare share,
                    const ResultRounding& rounding) {
    const Variant load = unit[S::Qв_расч];
    row.set(R::Qвподкл, load);
    row.set(R::Qвподкл_корр, rounding.roundQpk(load * Variant(share)));
    if (oleaut::isTrue(unit[S::Дубль_Вент])) {
        row.set(R::Qвподкл, int16_t{0});
        row.set(R::Qвподкл_корр, int16_t{0});
    }
}

// A revision carries `ТПвподкл_корр` in `ТПвподклT12` too.
void connectedLossLoad(SourceRecordset& unit, ResultRecordset& row, MonthShare share,
                       const RunRules& rules, const ResultRounding& rounding) {
    const bool t12 = rules.t12Columns;
    switch (lossCode(unit[S::Подкл_с_потерями])) {
        case LossCode::None:
            row.set(R::ТПвподкл, int16_t{0});
            row.set(R::ТПвподкл_корр, int16_t{0});
            if (t12) row.set(R::ТПвподклT12, int16_t{0});
            break;
        case LossCode::Own: {
            const Variant loss = unit[S::Тпот_вент];
            row.set(R::ТПвподкл, loss);
            row.set(R::ТПвподкл_корр, loss * Variant(share));
            if (t12) row.set(R::ТПвподклT12, loss * Variant(share));
            break;
        }
        case LossCode::Unwritten:
            break;
    }
    for (const Column<ResultRow> column : {R::ТПвподкл, R::ТПвподкл_корр})
        row.set(column, rounding.roundQpk(row[column]));
    if (t12 && rounding.rounds()) row.set(R::ТПвподклT12, row[R::ТПвподкл_корр]);
}

// A revision writes `ПотериT12` with `Потери`: the T12 loss factor (kT12Factor) times the
// coefficient product.
void heatLostWithLeaks(SourceRecordset& unit, ResultRecordset& row, double lossFactor, Hours net,
                       const UnitCoefficients& k, const RunRules& rules,
                       const ResultRounding& rounding) {
    const bool t12 = rules.t12Columns;
    switch (lossCode(unit[S::Расчет_с_потерями])) {
        case LossCode::None:
            row.set(R::Потери, int16_t{0});
            if (t12) row.set(R::ПотериT12, int16_t{0});
            row.set(R::Утечки_вент_м3, int16_t{0});
            break;
        case LossCode::Own:
            row.set(R::Потери, lossFactor * coefficientProduct(net, k));
            if (t12) row.set(R::ПотериT12, kT12Factor * coefficientProduct(net, k));
            break;
        case LossCode::Unwritten:
            break;
    }
    row.set(R::Потери, rounding.roundQ(row[R::Потери]));
    if (t12) row.set(R::ПотериT12, rounding.roundQ(row[R::ПотериT12]));
}

}  // namespace kalvik::ventilation
