// Moving through the rows shown, and the filter that chooses them.

#include "platform/ado/recordset.hpp"

#include <algorithm>

#include "platform/ado/errors.hpp"

namespace ado {

bool Recordset::EndOfFile() const {
    requireOpen();
    return cursor_.eof();
}

bool Recordset::BOF() const {
    requireOpen();
    return cursor_.bof();
}

void Recordset::MoveFirst() {
    requireOpen();
    finishEdit();
    // An empty recordset stays at BOF and EOF: the calculations move to the first row of rows
    // that may be empty.
    cursor_.first();
}

void Recordset::MoveLast() {
    requireOpen();
    finishEdit();
    cursor_.last();
}

void Recordset::MoveNext() {
    requireOpen();
    if (EndOfFile()) throw noCurrentRecordError(sourceName());
    finishEdit();
    cursor_.next();
}

void Recordset::MovePrevious() {
    requireOpen();
    if (BOF()) throw noCurrentRecordError(sourceName());
    finishEdit();
    cursor_.previous();
}

int32_t Recordset::RecordCount() const {
    requireOpen();
    return static_cast<int32_t>(cursor_.count());
}

void Recordset::showAll() {
    std::vector<uint32_t> shown;
    for (size_t row = 0; row < rows_.rowCount(); ++row) {
        if (rows_.shown(row)) shown.push_back(static_cast<uint32_t>(row));
    }
    cursor_.show(std::move(shown));
}

void Recordset::Filter(const oleaut::Variant& filter) {
    requireOpen();
    finishEdit();
    if (filter.isString() && !filter.asString().empty()) {
        const auto conditions = parseFilter(
            filter.asString(), [this](std::string_view name) { return columnIndex(name); },
            rows_.columns());
        applyFilter(conditions);
        filter_ = filter;
        return;
    }
    const int32_t group =
        filter.isString() || filter.isEmpty() ? adFilterNone : oleaut::CLng(filter);
    if (group == adFilterNone) {
        showAll();
    } else if (group == adFilterPendingRecords) {
        std::vector<uint32_t> pending;
        for (size_t row : rows_.pendingRows()) {
            if (rows_.shown(row)) pending.push_back(static_cast<uint32_t>(row));
        }
        cursor_.show(std::move(pending));
    } else {
        throw adoError(adErrInvalidArgument,
                       "Filter takes a text, adFilterNone or adFilterPendingRecords",
                       kRecordsetSource);
    }
    filter_ = group;
}

void Recordset::applyFilter(const std::vector<Condition>& conditions) {
    const auto indexed = std::find_if(conditions.begin(), conditions.end(), [](const Condition& c) {
        return c.comparison == Comparison::Equal && !c.isNull;
    });
    const Condition* answeredByIndex = indexed != conditions.end() ? &*indexed : nullptr;
    std::vector<uint32_t> candidates;
    if (answeredByIndex) {
        auto found = indexes_.find(indexed->column);
        if (found == indexes_.end()) {
            found = indexes_.emplace(indexed->column, EqualityIndex(rows_, indexed->column)).first;
        }
        candidates = found->second.find(*indexed);
    } else {
        for (size_t row = 0; row < rows_.rowCount(); ++row) {
            if (rows_.shown(row)) candidates.push_back(static_cast<uint32_t>(row));
        }
    }
    std::vector<uint32_t> passing;
    for (uint32_t row : candidates) {
        const bool passes =
            std::all_of(conditions.begin(), conditions.end(), [&](const Condition& c) {
                return &c == answeredByIndex || c.matches(rows_.at(row, c.column));
            });
        if (passes) passing.push_back(row);
    }
    cursor_.show(std::move(passing));
}

}  // namespace ado
