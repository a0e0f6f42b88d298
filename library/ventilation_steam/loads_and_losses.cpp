// Connected loads, the two loss codes, and the row's totals and notes.

#include "library/ventilation_steam/phases.hpp"

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

void lossCodes(Run& run, const UnitValues& u, ResultRecordset& row) {
    SourceRecordset& s = run.source();
    switch (lossCode(s[S::Подкл_с_потерями])) {
        case LossCode::None:
            row.set(R::ТПвподкл, int16_t{0});
            row.set(R::ТПвподкл_корр, int16_t{0});
            break;
        case LossCode::Own: {
            const Variant loss = s[S::Тпот_вент];
            row.set(R::ТПвподкл, loss);
            row.set(R::ТПвподкл_корр, loss * Variant(u.share));
            break;
        }
        case LossCode::Unwritten:
            break;
    }
    for (const Column<ResultRow> column : {R::ТПвподкл, R::ТПвподкл_корр})
        row.set(column, run.roundQpk(row[column]));

    switch (lossCode(s[S::Расчет_с_потерями])) {
        case LossCode::None:
            row.set(R::Потери, int16_t{0});
            row.set(R::Утечки_вент_м3, int16_t{0});
            break;
        case LossCode::Own:
            row.set(R::Потери, u.lossFactor * u.coefficientProduct());
            break;
        case LossCode::Unwritten:
            break;
    }
    row.set(R::Потери, run.roundQ(row[R::Потери]));
}

void totalsAndNotes(Run& run, const UnitValues& u, ResultRecordset& row) {
    row.set(R::Pot_vent, row[R::Потери]);
    row.set(R::Y_vent_sum, row[R::Утечки_вент_м3]);
    row.set(R::Q_Y_vent_sum, row[R::Потери]);
    row.set(R::Всего_Гкал, row[R::Qвент26] + row[R::Qвент12] + row[R::Потери]);
    row.set(R::Твент, u.net);
    row.set(R::Твент_без_уз, u.net);
    row.set(R::Примечание, "ВрРабВент=" + oleaut::CStr(Variant(u.net)));
    row.set(R::План_Вент, run.parameters().План);
    row.set(R::Год_Прасч, int16_t{0});
    row.set(R::Месяц_Прасч, int16_t{0});
}

}  // namespace kalvik::ventilation
