#pragma once
// The always-empty updatable selection through which a calculation appends rows to a result
// table: the table's rows whose key, which the database assigns, is Null.

#include <string>
#include <string_view>

namespace kalvik {

// "SELECT T.* FROM T WHERE (((T.KEY) Is Null))", the three pieces joined as they stand.
[[nodiscard]] std::string appendingSelection(std::string_view table, std::string_view key);

}  // namespace kalvik
