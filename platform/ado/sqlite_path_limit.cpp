#include <sqlite3.h>

#include <string>

#include "platform/ado/sqlite_provider.hpp"

namespace ado {

size_t longestSqlitePath() noexcept {
    // SQLite keeps room for the journal's suffix within its longest path.
    constexpr size_t kJournalSuffix = std::char_traits<char>::length("-journal");
    const sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    const size_t longest = vfs ? static_cast<size_t>(vfs->mxPathname) : 0;
    return longest > kJournalSuffix ? longest - kJournalSuffix : 0;
}

}  // namespace ado
