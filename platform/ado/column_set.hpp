#pragma once
// The columns of a row set, described once per statement and shared by every recordset opened on
// its rows: names resolve to positions through one table, and each column knows which of the
// row set's base tables it belongs to, so that neither a field look-up nor a row write compares
// names again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ado/constants.hpp"

namespace ado {

// A column of a row set and where its values come from.
struct ColumnInfo {
    std::string name;
    DataTypeEnum type = adVariant;  // adVariant: an expression, each value keeps its own kind
    std::string baseTable;          // empty for an expression
    std::string baseColumn;
};

class ColumnSet {
  public:
    static constexpr size_t kNoTable = static_cast<size_t>(-1);

    ColumnSet() = default;
    explicit ColumnSet(std::vector<ColumnInfo> columns);

    const std::vector<ColumnInfo>& list() const noexcept { return columns_; }
    size_t size() const noexcept { return columns_.size(); }
    bool empty() const noexcept { return columns_.empty(); }
    const ColumnInfo& operator[](size_t column) const { return columns_[column]; }

    // The position of the column named so (ASCII letter case aside; the first of equal names).
    std::optional<size_t> find(std::string_view name) const;

    // The base tables of the columns, each once (letter case aside), in order of first column.
    const std::vector<std::string>& tables() const noexcept { return tables_; }
    // The position in tables() of a column's base table; kNoTable for an expression.
    size_t tableOf(size_t column) const noexcept { return tableOf_[column]; }

  private:
    // The position in tables() of a table named so, or kNoTable.
    size_t findTable(std::string_view table) const noexcept;

    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const noexcept;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };

    std::vector<ColumnInfo> columns_;
    std::unordered_map<std::string, size_t, NameHash, NameEqual> names_;
    std::vector<std::string> tables_;
    std::vector<size_t> tableOf_;
};

}  // namespace ado
