// Connected loads, the two loss codes, and the row's totals and notes.

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
void connectedLoads(Run& run, const UnitValues& u, ResultRecordset& row) {
    SourceRecordset& s = run.source();
    const Variant load = s[S::Qв_расч];
    row.set(R::Qвподкл, load);
    row.set(R::Qвподкл_корр, run.roundQpk(load * Variant(u.share)));
    if (oleaut::isTrue(s[S::Дубль_Вент])) {
        row.set(R::Qвподкл, int16_t{0});
        row.set(R::Qвподкл_корр, int16_t{0});
    }
}

// A revision carries `ТПвподкл_корр` in `ТПвподклT12` too, and writes `ПотериT12` with `Потери`:
// the T12 loss factor (kT12Factor) times the coefficient product.
void lossCodes(Run& run, const UnitValues& u, ResultRecordset& row) {
    SourceRecordset& s = run.source();
    const bool t12 = run.rules().t12Columns;
    switch (lossCode(s[S::Подкл_с_потерями])) {
        case LossCode::None:
            row.set(R::ТПвподкл, int16_t{0});
            row.set(R::ТПвподкл_корр, int16_t{0});
            if (t12) row.set(R::ТПвподклT12, int16_t{0});
            break;
        case LossCode::Own: {
            const Variant loss = s[S::Тпот_вент];
            row.set(R::ТПвподкл, loss);
            row.set(R::ТПвподкл_корр, loss * Variant(u.share));
            if (t12) row.set(R::ТПвподклT12, loss * Variant(u.share));
            break;
        }
        case LossCode::Unwritten:
            break;
    }
    for (const Column<ResultRow> column : {R::ТПвподкл, R::ТПвподкл_корр})
        row.set(column, run.roundQpk(row[column]));
    if (t12 && run.rounds()) row.set(R::ТПвподклT12, row[R::ТПвподкл_корр]);

    switch (lossCode(s[S::Расчет_с_потерями])) {
        case LossCode::None:
            row.set(R::Потери, int16_t{0});
            if (t12) row.set(R::ПотериT12, int16_t{0});
            row.set(R::Утечки_вент_м3, int16_t{0});
            break;
        case LossCode::Own:
            row.set(R::Потери, u.lossFactor * u.coefficientProduct());
            if (t12) row.set(R::ПотериT12, kT12Factor * u.coefficientProduct());
            break;
        case LossCode::Unwritten:
            break;
    }
    row.set(R::Потери, run.roundQ(row[R::Потери]));
    if (t12) row.set(R::ПотериT12, run.roundQ(row[R::ПотериT12]));
}

// A revision adds the T12 totals and its recalculation year and month, as Doubles.
void totalsAndNotes(Run& run, const UnitValues& u, ResultRecordset& row) {
    const bool t12 = run.rules().t12Columns;
    row.set(R::Pot_vent, row[R::Потери]);
    if (t12) row.set(R::Pot_vent12, row[R::ПотериT12]);
    row.set(R::Y_vent_sum, row[R::Утечки_вент_м3]);
    row.set(R::Q_Y_vent_sum, row[R::Потери]);
    row.set(R::Всего_Гкал, row[R::Qвент26] + row[R::Qвент12] + row[R::Потери]);
    if (t12) row.set(R::Всего_ГкалT12, row[R::Qвент26T12] + row[R::Qвент12T12] + row[R::ПотериT12]);
    row.set(R::Твент, u.net);
    row.set(R::Твент_без_уз, u.net);
    row.set(R::Примечание, "ВрРабВент=" + oleaut::CStr(Variant(u.net)));
    row.set(R::План_Вент, run.parameters().План);
    const RevisionArguments& r = run.parameters().revision;
    row.set(R::Год_Прасч, t12 ? Variant(r.Год_Перерасч) : Variant(int16_t{0}));
    row.set(R::Месяц_Прасч, t12 ? Variant(r.Месяц_Перерасч) : Variant(int16_t{0}));
}

}  // namespace kalvik::ventilation
