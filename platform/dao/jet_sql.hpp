#pragma once
// The Jet SQL texts the engine runs, read exactly: dropping a table, emptying and filling the
// connection row, a primary index on a link. Any other text fails quoting it.

#include <string>

#include "platform/ado/sqlite_file.hpp"

namespace dao {

void executeJetSql(ado::sqlite::File& file, const std::string& text);

}  // namespace dao
