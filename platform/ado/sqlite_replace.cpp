// Replacing and removing a database file together with the side files SQLite keeps beside it.

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace ado {
namespace {

[[noreturn]] void failReplace(const std::string& target, const std::string& why) {
    throw adoError(adErrProviderFailed, "cannot replace database " + inQuotes(target) + ": " + why,
                   "SQLite");
}

// The first value of the last row: the checkpoint's busy flag.
int keepBusyFlag(void* busy, int, char** values, char**) {
    *static_cast<bool*>(busy) = values[0] && std::strcmp(values[0], "0") != 0;
    return 0;
}

// Reading the header recovers the WAL (or rolls back a hot journal), and the checkpoint copies
// every committed page into the main file and empties the WAL: the side files then hold nothing.
// Side files without their main file belong to no database and are only removed.
void foldSideFiles(const std::string& path, const std::string& target) {
    std::error_code ec;
    bool any = false;
    for (const char* suffix : kSqliteSideFiles)
        any = any || std::filesystem::exists(path + suffix, ec);
    if (!any) return;
    if (!std::filesystem::exists(path, ec)) {
        removeSqliteDatabase(path);
        return;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    bool busy = false;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 30000);
        rc = sqlite3_exec(db, "PRAGMA schema_version; PRAGMA wal_checkpoint(TRUNCATE)",
                          keepBusyFlag, &busy, nullptr);
    }
    const std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) failReplace(target, inQuotes(path) + ": " + why);
    if (busy) failReplace(target, inQuotes(path) + " is in use");
    for (const char* suffix : kSqliteSideFiles)
        std::filesystem::remove(path + suffix, ec);
}

}  // namespace

void replaceSqliteDatabase(const std::string& source, const std::string& target) {
    foldSideFiles(source, target);
    foldSideFiles(target, target);
    if (std::rename(source.c_str(), target.c_str()) != 0) {
        failReplace(target, std::strerror(errno));
    }
}

void removeSqliteDatabase(const std::string& path) noexcept {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    for (const char* suffix : kSqliteSideFiles)
        std::filesystem::remove(path + suffix, ec);
}

}  // namespace ado
