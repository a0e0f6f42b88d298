#include "platform/ado/column_set.hpp"

#include "platform/ado/connection_string.hpp"

namespace ado {
namespace {

char lowerAscii(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

size_t ColumnSet::NameHash::operator()(std::string_view name) const noexcept {
    size_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(lowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ColumnSet::NameEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return equalsIgnoringAsciiCase(a, b);
}

ColumnSet::ColumnSet(std::vector<ColumnInfo> columns) : columns_(std::move(columns)) {
    names_.reserve(columns_.size());
    tableOf_.reserve(columns_.size());
    for (size_t i = 0; i < columns_.size(); ++i) {
        const ColumnInfo& column = columns_[i];
        names_.emplace(column.name, i);
        if (column.baseTable.empty()) {
            tableOf_.push_back(kNoTable);
            continue;
        }
        size_t table = findTable(column.baseTable);
        if (table == kNoTable) {
            table = tables_.size();
            tables_.push_back(column.baseTable);
        }
        tableOf_.push_back(table);
    }
}

std::optional<size_t> ColumnSet::find(std::string_view name) const {
    const auto found = names_.find(name);
    if (found == names_.end()) return std::nullopt;
    return found->second;
}

size_t ColumnSet::findTable(std::string_view table) const noexcept {
    for (size_t i = 0; i < tables_.size(); ++i) {
        if (equalsIgnoringAsciiCase(tables_[i], table)) return i;
    }
    return kNoTable;
}

}  // namespace ado
