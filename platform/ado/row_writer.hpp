#pragma once
// Writing the pending change of a row of a client-side cursor to its database: a new row is
// added to its table, a changed row updates each base table of its changed fields by that
// table's key and the original values of those fields, a deleted row is deleted by its key.
// Adding rows goes through statements prepared once per table and shape of row.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ado/row_store.hpp"

namespace ado {

class RowWriter {
  public:
    // The rows, the session that writes them, and how writes are named in failures.
    struct Target {
        const RowStore& rows;
        Session& session;
        int32_t timeoutSeconds;
        const std::string& source;  // the recordset's source text
    };

    // What to store back into a row once its change is committed: the values the database gave
    // it, by column.
    struct Completion {
        size_t row;
        std::vector<std::pair<size_t, oleaut::Variant>> stored;
    };

    // Writes a row's pending change (new, changed or deleted).
    Completion send(const Target& target, size_t row);
    // Deletes a row that the database holds.
    void sendDelete(const Target& target, size_t row);

    // Forgets the prepared statements, when the rows or their columns change.
    void forget() noexcept { inserters_.clear(); }

  private:
    // Positions in the column set's tables() of the tables of a row's changed fields; an
    // expression among them fails.
    std::vector<size_t> changedTables(const Target& target, size_t row) const;
    // The one base table of the rows, for what needs a single table.
    size_t soleTable(const Target& target, const std::string& action) const;
    Completion sendNew(const Target& target, size_t row);
    void sendChanges(const Target& target, size_t row);
    std::vector<ColumnValue> keyOf(const Target& target, size_t row, size_t table,
                                   const char* action) const;
    RowInserter& inserterFor(const Target& target, size_t table, const std::vector<size_t>& columns,
                             const std::vector<bool>& set);

    struct Prepared {
        uint64_t session;
        size_t table;
        std::vector<bool> set;
        std::unique_ptr<RowInserter> inserter;
    };
    std::vector<Prepared> inserters_;  // a recordset adds rows of few shapes
};

}  // namespace ado
