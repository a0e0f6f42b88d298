#pragma once
// The phases of one steam result row, in the order the run calls them. Beside each: what it reads
// and which columns of the new row it writes. Sums and differences take the values as they stand
// in the row; a Null operand makes its column Null, and nothing becomes 0 but through a ratio.

#include <cstdint>

#include "library/services/bound_recordset.hpp"
#include "library/units/units.hpp"
#include "library/ventilation_steam/steam_load_kinds.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::steam {

using SourceRecordset = BoundRecordset<SourceRow>;
using ResultRecordset = BoundRecordset<ResultRow>;

// Reads the identity columns of the source and `Кон`. Row: `NNрасчТепл` to `ДатаРед_SR`.
void identityColumns(SourceRecordset& source, ResultRecordset& row, oleaut::Date Кон);

// Reads each kind's design load and, when it is non-zero, its month heat. Row: none.
// A Null month heat under a non-zero load fails naming the month-heat column.
[[nodiscard]] Ratios loadRatios(SourceRecordset& source);

// Reads the steam flows. Row: `QHEAT26_par_ит` to `SG_пар_ит` (each total rounded to `G_znk`
// decimals).
void steamTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k, int16_t G_znk);

// Reads the returned condensate. Row: `QHEAT26_Gvkn_ит` to `S_Gvkn_Конд_ит` (rounded to `G_znk`
// decimals).
void condensateTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                      int16_t G_znk);

// Reads the row's steam and condensate totals. Row: `QHEAT26_G_kond` to `SG_Конд_ит`.
void notReturnedCondensate(ResultRecordset& row);

// Reads the row's `SG_пар_ит` and `S_Gvkn_Конд_ит`. Row: none. A Null in either fails naming the
// first Null source column of steam flow or returned condensate, in kind order.
void requireSteamSums(SourceRecordset& source, ResultRecordset& row);

// Reads the heat of returned condensate. Row: `QHEAT26_Qvkn_ит` to `S_Qvkn_Конд_ит` (rounded to
// `Q_znk` decimals).
void returnedHeatTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                        int16_t Q_znk);

// Reads "Всего Гкал", `Потери`, "Промывки Гкал", `Otbor_Gk`. Row: `SQ_Пар_ит`.
void steamHeat(SourceRecordset& source, ResultRecordset& row);

// Reads the row's totals and the source's loss, leak and steam columns. Row: `SQ_Пар_Итого` to
// `Par_ит`.
void closingCopies(SourceRecordset& source, ResultRecordset& row);

}  // namespace kalvik::steam
