#pragma once
// The recordsets of a consumption run, each bound to the column list of its kind of row.

#include "library/consumption/columns.hpp"
#include "library/services/bound_recordset.hpp"

namespace kalvik::consumption {

using SourceRecordset = BoundRecordset<SourceRow>;
using OutageRecordset = BoundRecordset<OutageRow>;
using LongOutageRecordset = BoundRecordset<LongOutageRow>;
using FlushingRecordset = BoundRecordset<FlushingRow>;
using VentilationSumRecordset = BoundRecordset<VentilationSumRow>;
using MainRecordset = BoundRecordset<MainRow>;
using HoursRecordset = BoundRecordset<HoursRow>;
using CoefficientRecordset = BoundRecordset<CoefficientRow>;
using ClimateRecordset = BoundRecordset<ClimateRow>;
using KeyMaximumRecordset = BoundRecordset<KeyMaximumRow>;

}  // namespace kalvik::consumption
