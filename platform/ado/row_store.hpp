#pragma once
// The rows of a client-side cursor: every value in one compact store, row after row, with the
// status of each row and, for a row whose changes are not in the database yet, which columns
// changed and their original values, held as compactly as the values themselves.

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
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
    void assign(std::shared_ptr<const ColumnSet> columns, CellStore cells);
    void clear();

    const ColumnSet& columnSet() const noexcept { return *columns_; }
    const std::shared_ptr<const ColumnSet>& sharedColumns() const noexcept { return columns_; }
    const std::vector<ColumnInfo>& columns() const noexcept { return columns_->list(); }
    size_t columnCount() const noexcept { return columns_->size(); }
    size_t rowCount() const noexcept { return status_.size(); }

    oleaut::Variant at(size_t row, size_t column) const { return cells_.get(cell(row, column)); }
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
    // Which columns of the row were set, by column (none for a row without changes).
    const std::vector<bool>& changedColumns(size_t row) const;
    // The value the database holds (Null for a new row).
    oleaut::Variant original(size_t row, size_t column) const;

    // Sets a value; the first change of a column keeps its original value.
    void set(size_t row, size_t column, const oleaut::Variant& value);
    // Adds a row whose values are all Null; returns its number.
    size_t addRow();
    // A deleted row that the database holds waits for the batch; a new one is simply dropped.
    void markDeleted(size_t row);
    void markGone(size_t row) {
        if (editing_ && edit_.row == row) editing_ = false;
        status_[row] = RowStatus::Gone;
        forgetChanges(row);
    }
    // The row is in step with the database now (a deleted row is gone); an edit of it ends.
    void accept(size_t row);
    // Overwrites a value as the database holds it (a key it assigned, a default).
    void store(size_t row, size_t column, const oleaut::Variant& value);

    // The rows whose changes are not in the database yet, in row order.
    std::vector<size_t> pendingRows() const;

    // An edit of a row that can be cancelled as a whole: each value set during it keeps the value
    // it replaced, the first time its column is set. Ending it keeps the changes; cancelling it
    // returns the row, its status and its pending change to what they were when it began.
    void beginEdit(size_t row);
    void endEdit() noexcept { editing_ = false; }
    void cancelEdit();

  private:
    // The change of a row not yet in the database: which columns changed and, for each changed
    // column of a row the database holds, where its original value lies in originals_. A new row
    // has no originals: they are Null.
    struct Changes {
        std::vector<bool> changed;
        std::vector<std::pair<uint32_t, uint32_t>> originals;  // column, cell of originals_
    };
    // The row under edit as it was when the edit began; its vectors keep their memory from one
    // edit to the next.
    struct Edit {
        size_t row = 0;
        RowStatus status = RowStatus::Unchanged;
        std::optional<Changes> changes;
        std::vector<bool> saved;  // by column: its value before the edit is in values
        std::vector<std::pair<uint32_t, oleaut::Variant>> values;
    };
    // Keeps the value a set replaces, once per column of an edit.
    void keepForEdit(size_t row, size_t column);

    size_t cell(size_t row, size_t column) const noexcept {
        return row * columns_->size() + column;
    }
    Changes& changesOf(size_t row);
    // Forgets a row's change; the originals go too once no row has one and no edit is open.
    void forgetChanges(size_t row);

    std::shared_ptr<const ColumnSet> columns_ = std::make_shared<const ColumnSet>();
    CellStore cells_;
    std::vector<RowStatus> status_;
    std::unordered_map<size_t, Changes> changes_;
    // The original values of the changed columns of every pending row, as compactly as the rows'
    // own values; emptied whenever no row has a change and no edit is open, so that a connected
    // recordset, which writes each row as it is done, never holds more than one row's originals.
    CellStore originals_;
    Edit edit_;
    bool editing_ = false;
    // The row last changed and its changes, as a row is set column after column. A copy of the
    // store starts without it: it points into this store's map.
    struct LastChanged {
        size_t row = 0;
        Changes* changes = nullptr;
        LastChanged() = default;
        LastChanged(const LastChanged&) noexcept {}
        LastChanged& operator=(const LastChanged&) noexcept {
            changes = nullptr;
            return *this;
        }
    };
    LastChanged last_;
    std::vector<bool> noChanges_;
};

}  // namespace ado
