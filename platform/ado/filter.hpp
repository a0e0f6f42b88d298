#pragma once
// Client-side filters: "[column] = value" conditions joined by AND, evaluated in memory and never
// turned into SQL. A value is a number, a quoted text ('it''s'), a date (#2009-01-31#), True,
// False or Null; it is compared typed: a numeric column numerically, a text column as text.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ado/row_store.hpp"

namespace ado {

enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

struct Condition {
    size_t column = 0;
    Comparison comparison = Comparison::Equal;
    bool isNull = false;              // "= Null" / "<> Null"
    std::optional<double> number;     // the value as a number, when it is one
    std::optional<std::string> text;  // the value as text, for text columns

    bool matches(const oleaut::Variant& cell) const;
};

// Parses a filter; columnOf finds a column by name (failing when it is missing). A malformed
// filter fails with a message quoting it.
std::vector<Condition> parseFilter(std::string_view filter,
                                   const std::function<size_t(std::string_view)>& columnOf,
                                   const std::vector<ColumnInfo>& columns);

// The shown rows of one column by value, built once and then looked up per filter, so that a
// filter costs its matches and not the whole row count: the values with their rows, sorted once,
// searched by halving.
class EqualityIndex {
  public:
    EqualityIndex(const RowStore& rows, size_t column);

    // The rows, in row order, whose value equals the condition's.
    std::vector<uint32_t> find(const Condition& condition) const;

  private:
    std::vector<std::pair<double, uint32_t>> numbers_;
    std::vector<std::pair<std::string, uint32_t>> texts_;
};

}  // namespace ado
