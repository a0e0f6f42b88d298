#pragma once
// The update of the ventilation units' rows, shared by `Vent.CalculationVent` and its older form
// `CalculationVent_old`: each row of `pr_vent_obn` gets its daily hours, rounded load, flow,
// system volume, leak and leak heat written back and is saved before the next one is taken.

#include <cstdint>
#include <optional>

#include "library/com/ifiz_par.hpp"
#include "library/load_update/unit_update_columns.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/units/units.hpp"

namespace kalvik {
class RowProgress;
}  // namespace kalvik

namespace kalvik::unit_update {

using UnitRecordset = BoundRecordset<UnitRow>;

// Where a row's cold-water temperature comes from: unset, the row's own `Тхвот`; set, this one
// temperature for every row (the older form's `GorTxv`).
struct ColdWater {
    std::optional<Celsius> given;
};

// What the update of every row needs besides the row.
struct UnitUpdate {
    IFiz_par& fizPar;
    ColdWater coldWater;
    int16_t Qpk_znk;  // decimals of every rounded value
};

// Every row from the first: updated, saved, and the next taken. With `progress`, each row is
// announced in the window and the host's pending window messages run at its start and end.
// A failure drops the pending row, names the unit ("unit 7 (consumer 101): column Ут_дол: ...")
// and ends the update; rows saved before stay saved.
void updateUnits(UnitRecordset& units, const UnitUpdate& update, RowProgress* progress);

// The computed columns of the current row, not saved.
void updateUnit(UnitRecordset& row, const UnitUpdate& update);

}  // namespace kalvik::unit_update
