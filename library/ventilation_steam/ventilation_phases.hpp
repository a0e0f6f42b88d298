#pragma once
// The sub-steps of a unit's pass, in the order unit_pass.cpp calls them. Beside each: what it
// reads of the unit's values, what it writes there and which columns of the pending result row it
// sets.

#include "library/ventilation_steam/ventilation_run.hpp"
#include "library/ventilation_steam/ventilation_unit_values.hpp"

namespace kalvik::ventilation {

// The whole pass of the unit in hand: its row added, filled and saved.
void unitPass(Run& run);

// unit_hours.cpp (7a): hours the unit works in the period. Writes working. Row: none.
void workingHours(Run& run, UnitValues& u);
// unit_hours.cpp (7b): the sum of its short outages. Writes outage. Row: none.
void outageHours(Run& run, UnitValues& u);
// unit_hours.cpp (7c): its weighted long outages. Writes longOutage. Row: none.
void longOutageHours(Run& run, UnitValues& u);
// unit_hours.cpp (7d): the share Доля. Reads longOutage. Writes share. Row: none.
void monthShare(Run& run, UnitValues& u);
// unit_hours.cpp (7e): net hours. Reads working, outage. Writes outage (rounded), net. Row: none.
void netHours(Run& run, UnitValues& u);
// unit_hours.cpp: the three design temperatures. Writes Тнро_рт, Тнрво, Тнро_нач.
void designTemperatures(Run& run, UnitValues& u);
// factors.cpp: a revision's heating schedule at the ventilation design point, evaluated for every
// unit and not used. Reads Тнро_рт, Тнрво. Row: none.
void revisionHeatingSchedule(Run& run, const UnitValues& u);

// row_start.cpp (7f): the new row's copies and the coefficients. Writes the coefficients and the
// heating multiplier. Row: `NDOG` to `K_G_sn_ny`, `ДатаРед` to `АвтоматВент`.
void rowStart(Run& run, UnitValues& u, ResultRecordset& row);

// factors.cpp (7g): the loss and load factors through the class's own functions. Reads the
// temperatures. Writes lossFactor, loadFactor. Row: none.
void specificLoadFactors(Run& run, UnitValues& u);

// heat_and_leaks.cpp (7h): heat and leaks split into the 12 and 26 columns. Reads loadFactor, net,
// Тнрво, the coefficients. Row: `Qвент12`, `Qвент26` (a revision's `Qвент12T12`, `Qвент26T12`),
// `Утвент12_п`, `Утвент26_п`, `Утечки_вент_м3`; then `ВрмРабЧас`, `ВрмОтклЧас`.
void heatAndLeaks(Run& run, const UnitValues& u, ResultRecordset& row);

// loads_and_losses.cpp (7i): connected loads. Reads share. Row: `Qвподкл`, `Qвподкл_корр`.
void connectedLoads(Run& run, const UnitValues& u, ResultRecordset& row);
// loads_and_losses.cpp (7j): the two loss codes. Reads share, lossFactor, the coefficients.
// Row: `ТПвподкл`, `ТПвподкл_корр`, `Потери`, `Утечки_вент_м3` (a revision's `ТПвподклT12`,
// `ПотериT12`).
void lossCodes(Run& run, const UnitValues& u, ResultRecordset& row);
// loads_and_losses.cpp (7k): totals and notes. Reads net. Row: `Pot_vent` to `Месяц_Прасч` (a
// revision's `Pot_vent12`, "Всего ГкалT12").
void totalsAndNotes(Run& run, const UnitValues& u, ResultRecordset& row);

}  // namespace kalvik::ventilation
