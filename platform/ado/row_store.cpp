#include "platform/ado/row_store.hpp"

#include <algorithm>

namespace ado {

void RowStore::assign(std::vector<ColumnInfo> columns, CellBlocks cells) {
    columns_ = std::move(columns);
    cells_ = std::move(cells);
    status_.assign(columns_.empty() ? 0 : cells_.size() / columns_.size(), RowStatus::Unchanged);
    changes_.clear();
}

void RowStore::clear() {
    assign({}, {});
}

bool RowStore::changed(size_t row, size_t column) const {
    const auto found = changes_.find(row);
    return found != changes_.end() && found->second.changed[column];
}

const oleaut::Variant& RowStore::original(size_t row, size_t column) const {
    const auto found = changes_.find(row);
    return found != changes_.end() ? found->second.original[column] : at(row, column);
}

RowStore::Changes& RowStore::changesOf(size_t row) {
    auto found = changes_.find(row);
    if (found != changes_.end()) return found->second;
    const size_t width = columns_.size();
    Changes changes;
    if (status_[row] == RowStatus::New) {
        changes.original.assign(width, oleaut::kNull);
    } else {
        for (size_t c = 0; c < width; ++c)
            changes.original.push_back(cells_[row * width + c]);
    }
    changes.changed.assign(width, false);
    return changes_.emplace(row, std::move(changes)).first->second;
}

void RowStore::set(size_t row, size_t column, oleaut::Variant value) {
    Changes& changes = changesOf(row);
    changes.changed[column] = true;
    if (status_[row] == RowStatus::Unchanged) status_[row] = RowStatus::Modified;
    cells_[row * columns_.size() + column] = std::move(value);
}

size_t RowStore::addRow() {
    cells_.append(columns_.size(), oleaut::kNull);
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
    changes_.erase(row);
}

void RowStore::store(size_t row, size_t column, oleaut::Variant value) {
    cells_[row * columns_.size() + column] = std::move(value);
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
    for (size_t c = 0; c < columns_.size(); ++c)
        snapshot.values.push_back(at(row, c));
    snapshot.status = status_[row];
    if (const auto found = changes_.find(row); found != changes_.end()) {
        snapshot.original = found->second.original;
        snapshot.changed = found->second.changed;
    }
    return snapshot;
}

void RowStore::restore(Snapshot snapshot) {
    const size_t row = snapshot.row;
    for (size_t c = 0; c < snapshot.values.size(); ++c) {
        cells_[row * columns_.size() + c] = std::move(snapshot.values[c]);
    }
    status_[row] = snapshot.status;
    if (snapshot.original) {
        changes_[row] = Changes{std::move(*snapshot.original), std::move(snapshot.changed)};
    } else {
        changes_.erase(row);
    }
}

}  // namespace ado
