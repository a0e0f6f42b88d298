#include "platform/ado/sqlite_open.hpp"

#include <sqlite3.h>

#include "platform/ado/sqlite_vfs.hpp"

namespace ado::sqlite {

sqlite3* openFile(const std::filesystem::path& path, int flags, std::string& why) {
    sqlite3_vfs* vfs = guardedVfs();
    clearVfsRefusal(vfs);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, vfs->zName);
    if (rc == SQLITE_OK) return db;
    why = whyFailed(db, rc);
    sqlite3_close_v2(db);
    return nullptr;
}

std::string whyFailed(sqlite3* db, int code) {
    sqlite3_vfs* vfs = guardedVfs();
    if ((code & 0xff) == SQLITE_CANTOPEN) {
        if (const char* refused = vfsRefusal(vfs)) {
            std::string why = refused;
            clearVfsRefusal(vfs);
            return why;
        }
    }
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
}

}  // namespace ado::sqlite
