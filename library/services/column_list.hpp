#pragma once
// The form of a row kind's column list. A list is a macro that applies its argument X to each
// column as X(constant, "name"); expanded with KALVIK_COLUMN_NAME it gives the row's names in
// order (kNames), with KALVIK_COLUMN_CONSTANT one named constant per column. A constant carries
// its column's name and its position in kNames, found when compiling, so that a recordset
// resolves the field of each column once per run and every later access is an index (see
// bound_recordset.hpp).

#include <array>
#include <cstddef>
#include <string_view>

namespace kalvik {

template <std::size_t N>
consteval int positionIn(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    throw "the column is not in the list of its row";  // stops the compilation
}

// No name twice in a row's list: a second one would share the first one's position.
template <std::size_t N>
consteval bool eachNameOnce(const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (names[i] == names[j]) return false;
    return true;
}

// One column of a kind of row.
template <class Row>
struct Column {
    consteval Column(std::string_view columnName)
        : name(columnName), slot(positionIn(Row::kNames, columnName)) {}
    std::string_view name;
    int slot;  // position in Row::kNames
};

}  // namespace kalvik

// The two expansions of a column list; a namespace that expands the constants declares
// `using C = Column<Row>;` first.
#define KALVIK_COLUMN_NAME(constant, name) name,
#define KALVIK_COLUMN_CONSTANT(constant, name) inline constexpr C constant{name};
