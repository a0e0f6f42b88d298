#pragma once
// Rows added to a SQLite table through one prepared statement.

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/sqlite_database.hpp"

namespace ado::sqlite {

std::unique_ptr<RowInserter> prepareInserter(std::shared_ptr<Database> database,
                                             const SessionIdentity& identity,
                                             const std::string& table,
                                             const std::vector<ColumnInfo>& columns,
                                             const std::vector<bool>& set);

}  // namespace ado::sqlite
