#pragma once
// Values between SQLite and variants: reading a column by its ADO type, binding parameters.

#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/ado/provider.hpp"

namespace ado::sqlite {

// The columns a statement returns, with their types and base columns.
std::vector<ColumnInfo> describeColumns(sqlite3_stmt* statement);

// The value of a column of the current row, of the kind its type gives (dates are stored as OLE
// date numbers); a stored value that cannot be of that kind fails naming the column.
oleaut::Variant readValue(sqlite3_stmt* statement, int index, const ColumnInfo& column);

// Appends the value of a column of the current row to cells, as readValue reads it; a text goes
// straight from SQLite into the store.
void readInto(sqlite3_stmt* statement, int index, const ColumnInfo& column, CellStore& cells);

// Binds a value: Boolean as 1 or 0, Currency and Date as numbers, Empty and Null as NULL.
void bindValue(sqlite3_stmt* statement, int index, const oleaut::Variant& value);

// Binds a statement's placeholders: "@name" (":name", "$name") by name, "?" in order from
// *nextPositional; a placeholder without a value fails naming it and what runs.
void bindParameters(sqlite3_stmt* statement, const std::vector<Binding>& bindings,
                    size_t* nextPositional, const std::string& what);

// "name" as a quoted SQL identifier.
std::string quoteIdentifier(const std::string& name);

}  // namespace ado::sqlite
