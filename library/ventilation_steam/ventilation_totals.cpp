// The row's totals and notes, from the values it holds.

#include "library/ventilation_steam/ventilation_phases.hpp"

namespace kalvik::ventilation {

using oleaut::Variant;
namespace R = result;

// A revision adds the T12 totals and its recalculation year and month, as Doubles.
void totalsAndNotes(ResultRecordset& row, Hours net, int16_t План, const RunRules& rules,
                    const RevisionArguments& revision) {
    const bool t12 = rules.t12Columns;
    row.set(R::Pot_vent, row[R::Потери]);
    if (t12) row.set(R::Pot_vent12, row[R::ПотериT12]);
    row.set(R::Y_vent_sum, row[R::Утечки_вент_м3]);
    row.set(R::Q_Y_vent_sum, row[R::Потери]);
    row.set(R::Всего_Гкал, row[R::Qвент26] + row[R::Qвент12] + row[R::Потери]);
    if (t12) row.set(R::Всего_ГкалT12, row[R::Qвент26T12] + row[R::Qвент12T12] + row[R::ПотериT12]);
    row.set(R::Твент, net);
    row.set(R::Твент_без_уз, net);
    row.set(R::Примечание, "ВрРабВент=" + oleaut::CStr(Variant(net)));
    row.set(R::План_Вент, План);
    row.set(R::Год_Прасч, t12 ? Variant(revision.Год_Перерасч) : Variant(int16_t{0}));
    row.set(R::Месяц_Прасч, t12 ? Variant(revision.Месяц_Перерасч) : Variant(int16_t{0}));
}

}  // namespace kalvik::ventilation
