#include "library/consumption/closing_columns.hpp"

#include "library/consumption/phases.hpp"
#include "platform/oleaut/format.hpp"

namespace kalvik::consumption {

std::string remark(const LoadHours& hours, Hours ventilationHours) {
    using oleaut::numberText;
    std::string text = "ВрОт= " + numberText(hours.heating) + " ";
    // Kept as found: no blank between the ventilation hours and the next label.
    text += "СрВрВент. " + numberText(ventilationHours);
    text += "ВрГвс= " + numberText(hours.hotWater) + " ";
    text += "ВрГвс_Пс= " + numberText(hours.secondHotWater) + " ";
    text += "ВрТех= " + numberText(hours.technology) + " ";
    text += "ВрТехГвс= " + numberText(hours.technologicalHotWater);
    return text;
}

void closingColumns(Run& run, const ConsumerContext& c, MainRecordset& row) {
    namespace M = main_row;
    SourceRecordset& s = run.source();
    const RevisionTraits& traits = run.traits();
    copyColumns(row, s, kConnectionCopies);
    if (traits.recalculationPeriod) {
        row.set(M::Год_Прасч, run.parameters().Год_Перерасч);
        row.set(M::Месяц_Прасч, run.parameters().Месяц_Перерасч);
    }
    const oleaut::Variant zero(int16_t{0});
    for (const Column<MainRow>& column : kClearedColumns)
        row.set(column, zero);
    if (traits.t12ClearedColumns) {
        for (const Column<MainRow>& column : kClearedT12Columns)
            row.set(column, zero);
    }
    row.set(M::PAR, s[src::PAR]);
    for (const Column<MainRow>& column : kClearedTonneColumns)
        row.set(column, zero);
    row.set(M::Примечание, remark(c.netHours, c.ventilation.hours));
}

}  // namespace kalvik::consumption
