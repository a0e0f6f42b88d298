#pragma once
// The phases of a consumer's pass. Each is a function of the run, the consumer's working values
// and the pending main row, in a file named after what it computes; consumer_pass.cpp calls them
// in this order. A new phase is declared here at its place and called at the same place there.

#include "library/consumption/consumer_context.hpp"
#include "library/consumption/run.hpp"
#include "library/consumption/values.hpp"

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

}  // namespace kalvik::consumption
