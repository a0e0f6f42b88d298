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

// Reads the identity columns of the source and `Кон`. Row: columns 1 to 14.
void identityColumns(SourceRecordset& source, ResultRecordset& row, oleaut::Date Кон);

// Reads each kind's design load and, when it is non-zero, its month heat. Row: none.
// A Null month heat under a non-zero load fails naming the month-heat column.
[[nodiscard]] Ratios loadRatios(SourceRecordset& source);

// Reads the steam flows. Row: columns 15 to 22 (each total rounded to `G_znk` decimals).
void steamTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k, int16_t G_znk);

// Reads the returned condensate. Row: columns 23 to 30 (rounded to `G_znk` decimals).
void condensateTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                      int16_t G_znk);

// Reads the row's steam and condensate totals. Row: columns 31 to 38.
void notReturnedCondensate(ResultRecordset& row);

// Reads the row's `SG_пар_ит` and `S_Gvkn_Конд_ит`. Row: none. A Null in either fails naming the
// first Null source column of steam flow or returned condensate, in kind order.
void requireSteamSums(SourceRecordset& source, ResultRecordset& row);

// Reads the heat of returned condensate. Row: columns 39 to 46 (rounded to `Q_znk` decimals).
void returnedHeatTotals(SourceRecordset& source, ResultRecordset& row, const Ratios& k,
                        int16_t Q_znk);

// Reads "Всего Гкал", `Потери`, "Промывки Гкал", `Otbor_Gk`. Row: column 47.
void steamHeat(SourceRecordset& source, ResultRecordset& row);

// Reads the row's totals and the source's loss, leak and steam columns. Row: columns 48 to 58.
void closingCopies(SourceRecordset& source, ResultRecordset& row);

}  // namespace kalvik::steam
