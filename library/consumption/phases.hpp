#pragma once
// The phases of a consumer's pass. Each is a function of the run, the consumer's working values
// and the pending main row, in a file named after what it computes; consumer_pass.cpp calls them
// in this order. A new phase is declared here at its place and called at the same place there.

#include "library/consumption/consumer_context.hpp"
#include "library/consumption/row_fields.hpp"
#include "library/consumption/run.hpp"

namespace kalvik::consumption {

using Phase = void (*)(Run& run, ConsumerContext& c, MainRecordset& row);

// working_hours.cpp: working hours of each load before outages.
void workingHours(Run& run, ConsumerContext& c, MainRecordset& row);
// outages.cpp: net working hours and disconnection hours of each load.
void outages(Run& run, ConsumerContext& c, MainRecordset& row);
// long_outages.cpp: the month share of each load left by its long outages.
void longOutages(Run& run, ConsumerContext& c, MainRecordset& row);
// flushing_sums.cpp: flushing and withdrawal sums.
void flushingSums(Run& run, ConsumerContext& c, MainRecordset& row);
// main_row_copies.cpp: the main row's copied and derived columns and the source coefficients.
void mainRowCopies(Run& run, ConsumerContext& c, MainRecordset& row);
// heating_heat.cpp: heating heat, losses and leak; the construction factors.
void heatingHeat(Run& run, ConsumerContext& c, MainRecordset& row);
// hot_water_heat.cpp: hot-water heat, losses and leaks of both kinds; the hot-water factors.
void hotWaterHeat(Run& run, ConsumerContext& c, MainRecordset& row);
// technology_heat.cpp: technology and technological hot-water heat, losses and leaks.
void technologyHeat(Run& run, ConsumerContext& c, MainRecordset& row);
// hot_water_enthalpy.cpp: the enthalpy of the hot water.
void hotWaterEnthalpy(Run& run, ConsumerContext& c, MainRecordset& row);
// ventilation_heat.cpp: ventilation from the summed ventilation results.
void ventilationHeat(Run& run, ConsumerContext& c, MainRecordset& row);
// hot_water_flows.cpp: hot-water flows of an open system.
void hotWaterFlows(Run& run, ConsumerContext& c, MainRecordset& row);
// leak_loss_totals.cpp: leak and loss totals, the loss mode, flushings and withdrawals.
void leakAndLossTotals(Run& run, ConsumerContext& c, MainRecordset& row);
// consumer_totals.cpp: "Всего Гкал", `Всего_тн` and the connected losses and loads.
void consumerTotals(Run& run, ConsumerContext& c, MainRecordset& row);
// load_hours.cpp: the hours of each load, the connection shares and the copied loads.
void loadHours(Run& run, ConsumerContext& c, MainRecordset& row);
// coefficient_write_back.cpp: the coefficient row written back and saved.
void coefficientWriteBack(Run& run, ConsumerContext& c, MainRecordset& row);
// closing_columns.cpp: the copied connection values, the cleared columns and the remark.
void closingColumns(Run& run, ConsumerContext& c, MainRecordset& row);
// hours_row.cpp: the used and actual hours of the hours row, their maxima and `Время_тс`.
void hoursRow(Run& run, ConsumerContext& c, MainRecordset& row);

}  // namespace kalvik::consumption
