#include "platform/ado/row_store.hpp"

#include <algorithm>

namespace ado {

void RowStore::assign(std::shared_ptr<const ColumnSet> columns, CellStore cells) {
    columns_ = std::move(columns);
    cells_ = std::move(cells);
    status_.assign(columns_->empty() ? 0 : cells_.size() / columns_->size(), RowStatus::Unchanged);
    changes_.clear();
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
        for (const auto& [changedColumn, value] : found->second.originals) {
            if (changedColumn == column) return value;
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
}

void RowStore::set(size_t row, size_t column, const oleaut::Variant& value) {
    Changes& changes = changesOf(row);
    if (!changes.changed[column]) {
        changes.changed[column] = true;
        if (status_[row] != RowStatus::New) {
            changes.originals.emplace_back(static_cast<uint32_t>(column), at(row, column));
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

RowStore::Snapshot RowStore::snapshot(size_t row) const {
    Snapshot snapshot;
    snapshot.row = row;
    for (size_t c = 0; c < columns_->size(); ++c)
        snapshot.values.push_back(at(row, c));
    snapshot.status = status_[row];
    if (const auto found = changes_.find(row); found != changes_.end()) {
        snapshot.changes = found->second;
    }
    return snapshot;
}

void RowStore::restore(Snapshot snapshot) {
    const size_t row = snapshot.row;
    for (size_t c = 0; c < snapshot.values.size(); ++c) {
        cells_.set(cell(row, c), snapshot.values[c]);
    }
    status_[row] = snapshot.status;
    if (snapshot.changes) {
        forgetChanges(row);
        changes_.emplace(row, std::move(*snapshot.changes));
    } else {
        forgetChanges(row);
    }
}

}  // namespace ado
