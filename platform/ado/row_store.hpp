#pragma once
// The rows of a client-side cursor: every value in one array, row after row, with the status and
// the original values of each row that has changes not yet in the database.

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/ado/provider.hpp"

namespace ado {

enum class RowStatus : uint8_t {
    Unchanged,
    Modified,  // changed values, originals kept
    New,       // added, not in the database yet
    Deleted,   // deleted, still in the database
    Gone,      // deleted from the database, or added and cancelled: never shown again
};

class RowStore {
  public:
    void assign(std::vector<ColumnInfo> columns, CellBlocks cells);
    void clear();

    const std::vector<ColumnInfo>& columns() const noexcept { return columns_; }
    size_t columnCount() const noexcept { return columns_.size(); }
    size_t rowCount() const noexcept { return status_.size(); }

    const oleaut::Variant& at(size_t row, size_t column) const {
        return cells_[row * columns_.size() + column];
    }
    RowStatus status(size_t row) const { return status_[row]; }
    bool shown(size_t row) const {
        return status_[row] != RowStatus::Deleted && status_[row] != RowStatus::Gone;
    }
    bool pending(size_t row) const {
        return status_[row] == RowStatus::Modified || status_[row] == RowStatus::New ||
               status_[row] == RowStatus::Deleted;
    }
    // Whether a column of the row was set since the row was last in step with the database.
    bool changed(size_t row, size_t column) const;
    // The value the database holds (Null for a new row).
    const oleaut::Variant& original(size_t row, size_t column) const;

    // Sets a value; the first change of a row keeps its original values.
    void set(size_t row, size_t column, oleaut::Variant value);
    // Adds a row whose values are all Null; returns its number.
    size_t addRow();
    // A deleted row that the database holds waits for the batch; a new one is simply dropped.
    void markDeleted(size_t row);
    void markGone(size_t row) {
        status_[row] = RowStatus::Gone;
        changes_.erase(row);
    }
    // The row is in step with the database now (a deleted row is gone).
    void accept(size_t row);
    // Overwrites a value as the database holds it (a key it assigned, a default).
    void store(size_t row, size_t column, oleaut::Variant value);

    // The rows whose changes are not in the database yet, in row order.
    std::vector<size_t> pendingRows() const;

    // A row as it stands, to return to it when an edit is cancelled.
    struct Snapshot {
        size_t row = 0;
        std::vector<oleaut::Variant> values;
        RowStatus status = RowStatus::Unchanged;
        std::optional<std::vector<oleaut::Variant>> original;
        std::vector<bool> changed;
    };
    Snapshot snapshot(size_t row) const;
    void restore(Snapshot snapshot);

  private:
    struct Changes {
        std::vector<oleaut::Variant> original;
        std::vector<bool> changed;
    };
    Changes& changesOf(size_t row);

    std::vector<ColumnInfo> columns_;
    CellBlocks cells_;
    std::vector<RowStatus> status_;
    std::unordered_map<size_t, Changes> changes_;
};

}  // namespace ado
