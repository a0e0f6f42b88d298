#pragma once
// A rollback journal planted beside a database as a transaction over two databases leaves one: a
// valid header and, at its end, a super-journal record naming another file, which SQLite's
// recovery deletes once it has rolled the journal back and found no journal that still names it.

#include <filesystem>

namespace testing_support {

// Writes DATABASE-journal naming the file named as its super-journal.
void plantSuperJournal(const std::filesystem::path& database, const std::filesystem::path& named);

}  // namespace testing_support
