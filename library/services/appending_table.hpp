#pragma once
// A result table to which a run appends its rows, opened through its always-empty appending
// selection. A recordset keeps every row added to it: opened afresh after every 500th row saved,
// the table holds only the last rows, so that a run's memory does not grow with its rows.

#include <cstdint>
#include <string>
#include <string_view>

#include "library/services/appending_selection.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/run_database.hpp"

namespace kalvik {

// How an error in opening the table names it. Consumption and ventilation name it as they name the
// procedures they open ("procedure РезультатыВентиляция: ..."), steam as a table ("table
// Res_Potreb_Par: ..."); each keeps its own.
enum class TableNamedAs { Procedure, Table };

template <class Row>
class AppendingTable {
  public:
    static constexpr int32_t kRowsPerOpening = 500;

    // `key` is the column the database assigns, which the appending selection tests for Null.
    AppendingTable(RunDatabase& database, std::string_view table, std::string_view key,
                   TableNamedAs namedAs)
        : database_(database), table_(table), key_(key), namedAs_(namedAs) {}

    void open() {
        int32_t empty = 0;
        try {
            database_.openRst().Open_RST_no_Otkl(rows_.object(), database_.connString(),
                                                 appendingSelection(table_, key_), empty);
        } catch (const oleaut::Error& e) {
            throw e.withContext((namedAs_ == TableNamedAs::Procedure ? "procedure " : "table ") +
                                table_);
        }
    }

    [[nodiscard]] BoundRecordset<Row>& rows() noexcept { return rows_; }
    [[nodiscard]] const std::string& table() const noexcept { return table_; }

    // After the run's `saved`-th row (or consumer) is saved: opened afresh every 500th time.
    void renewAfter(int32_t saved) {
        if (saved % kRowsPerOpening != 0) return;
        rows_.release();
        open();
    }

    void close() { rows_.close(); }
    void release() { rows_.release(); }

  private:
    RunDatabase& database_;
    std::string table_;
    std::string key_;
    TableNamedAs namedAs_;
    BoundRecordset<Row> rows_;
};

}  // namespace kalvik
