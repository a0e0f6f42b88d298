#pragma once
// Small rules on the fields of rows that the phases share: a value read as a number with its
// column named in the error, the "equals 0" test of a field, and copying columns from row to row
// unchanged.
//
// A phase that goes on from a value it has just written into the pending row reads it back from
// the row rather than keeping its own copy: the row holds the value in the column's kind (an
// integer column keeps an integer, a Null stays Null), and the later formula must see it as the
// row will store it.

#include <cstdint>
#include <string_view>

#include "library/services/column_list.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

// CDbl / CInt of a value; a failure (Null, a text that is not a number) names the column.
[[nodiscard]] double number(const oleaut::Variant& value, std::string_view column);
[[nodiscard]] int16_t integer(const oleaut::Variant& value, std::string_view column);
// CLng of a value, the same way.
[[nodiscard]] int32_t longInteger(const oleaut::Variant& value, std::string_view column);

// The field equals 0; a Null does not.
[[nodiscard]] bool equalsZero(const oleaut::Variant& value);

// One column copied unchanged (Null included) from a row of one kind to a row of another.
template <class To, class From>
struct ColumnCopy {
    Column<To> to;
    Column<From> from;
};

template <class ToRecordset, class FromRecordset, class To, class From, std::size_t N>
void copyColumns(ToRecordset& to, FromRecordset& from, const ColumnCopy<To, From> (&copies)[N]) {
    for (const ColumnCopy<To, From>& copy : copies)
        to.set(copy.to, from[copy.from]);
}

}  // namespace kalvik
