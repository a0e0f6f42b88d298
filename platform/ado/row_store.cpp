#include "platform/ado/row_store.hpp"

#include <algorithm>

namespace ado {

void RowStore::assign(std::shared_ptr<const ColumnSet> columns, CellStore cells) {
    columns_ = std::move(columns);
    cells_ = std::move(cells);
    status_.assign(columns_->empty() ? 0 : cells_.size() / columns_->size(), RowStatus::Unchanged);
    changes_.clear();
    originals_.clear();
    editing_ = false;
    last_.changes = nullptr;
    noChanges_.assign(columns_->size(), false);
}

void RowStore::clear() {
    assign(std::make_shared<const ColumnSet>(), {});
}

bool RowStore::changed(size_t row, size_t column) const {
    const auto found = changes_.find(row);
    return found != changes_.end() && found->second.changed[column];
}

const std::vector<bool>& RowStore::changedColumns(size_t row) const {
    const auto found = changes_.find(row);
    return found != changes_.end() ? found->second.changed : noChanges_;
}

oleaut::Variant RowStore::original(size_t row, size_t column) const {
    if (status_[row] == RowStatus::New) return oleaut::kNull;
    const auto found = changes_.find(row);
    if (found != changes_.end()) {
        for (const auto& [changedColumn, at] : found->second.originals) {
            if (changedColumn == column) return originals_.get(at);
        }
    }
    return at(row, column);
}

RowStore::Changes& RowStore::changesOf(size_t row) {
    if (last_.changes && last_.row == row) return *last_.changes;
    auto found = changes_.find(row);
    if (found == changes_.end()) {
        Changes changes;
        changes.changed.assign(columns_->size(), false);
        found = changes_.emplace(row, std::move(changes)).first;
    }
    last_.row = row;
    last_.changes = &found->second;  // elements of the map stay in place until erased
    return found->second;
}

void RowStore::forgetChanges(size_t row) {
    if (last_.row == row) last_.changes = nullptr;
    changes_.erase(row);
    if (changes_.empty() && !editing_) originals_.clear();
}

void RowStore::set(size_t row, size_t column, const oleaut::Variant& value) {
    if (editing_ && edit_.row == row) keepForEdit(row, column);
    Changes& changes = changesOf(row);
    if (!changes.changed[column]) {
        changes.changed[column] = true;
        if (status_[row] != RowStatus::New) {
            changes.originals.emplace_back(static_cast<uint32_t>(column),
                                           static_cast<uint32_t>(originals_.size()));
            originals_.pushCopy(cells_, cell(row, column));
        }
    }
    if (status_[row] == RowStatus::Unchanged) status_[row] = RowStatus::Modified;
    cells_.set(cell(row, column), value);
}

size_t RowStore::addRow() {
    cells_.appendNulls(columns_->size());
    status_.push_back(RowStatus::New);
    const size_t row = status_.size() - 1;
    changesOf(row);
    return row;
}

void RowStore::markDeleted(size_t row) {
    if (status_[row] == RowStatus::New) {
        markGone(row);
    } else {
        status_[row] = RowStatus::Deleted;
    }
}

void RowStore::accept(size_t row) {
    if (editing_ && edit_.row == row) editing_ = false;  // written: nothing to go back to
    status_[row] = status_[row] == RowStatus::Deleted ? RowStatus::Gone : RowStatus::Unchanged;
    forgetChanges(row);
}

void RowStore::store(size_t row, size_t column, const oleaut::Variant& value) {
    cells_.set(cell(row, column), value);
}

std::vector<size_t> RowStore::pendingRows() const {
    std::vector<size_t> rows;
    for (const auto& [row, changes] : changes_) {
        if (pending(row)) rows.push_back(row);
    }
    for (size_t row = 0; row < status_.size(); ++row) {
        if (status_[row] == RowStatus::Deleted && !changes_.count(row)) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RowStore::beginEdit(size_t row) {
    edit_.row = row;
    edit_.status = status_[row];
    const auto found = changes_.find(row);
    edit_.changes.reset();
    if (found != changes_.end()) edit_.changes = found->second;
    edit_.saved.assign(columns_->size(), false);
    edit_.values.clear();
    editing_ = true;
}

void RowStore::keepForEdit(size_t row, size_t column) {
    if (edit_.saved[column]) return;
    edit_.saved[column] = true;
    edit_.values.emplace_back(static_cast<uint32_t>(column), at(row, column));
}

void RowStore::cancelEdit() {
    if (!editing_) return;
    editing_ = false;
    const size_t row = edit_.row;
    for (const auto& [column, value] : edit_.values)
        cells_.set(cell(row, column), value);
    status_[row] = edit_.status;
    // The originals the edit's changes point at stay in place: no change is forgotten between.
    if (last_.row == row) last_.changes = nullptr;
    if (edit_.changes) {
        changes_.insert_or_assign(row, std::move(*edit_.changes));
    } else {
        forgetChanges(row);
    }
}

}  // namespace ado
