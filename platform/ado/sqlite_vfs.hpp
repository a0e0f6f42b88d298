#pragma once
// The VFS under which every SQLite file of the system is opened (see sqlite_open.hpp), over the
// system's default one. It touches no file but a database's own:
// - it opens no super-journal, and refuses a database's journal that names one before anything
//   is rolled back from it: the system never writes two databases in one transaction, so such a
//   journal is none of its own, and SQLite's recovery would delete whatever file it names;
// - it deletes only the -wal or -journal of a database it has open;
// - it refuses a side file (-wal, -shm, -journal) that is a folder or a symbolic link, and a path
//   longer than SQLite takes;
// - a path that reaches a file through a held folder (files::HeldFolder::reach) is kept as it is,
//   so that SQLite reaches the held folder whatever its path has become; any other gets the
//   default's full path, its links followed, so that the WAL lies beside a linked file's target.
// Reads and writes go straight to the default VFS's methods for the file.
//
// This layer is linked statically into more than one module of a process, all over one SQLite:
// the first copy to ask registers the VFS, and every copy uses that registration.

#include <sqlite3.h>

namespace ado::sqlite {

// The VFS, registered (not as the default) on first use.
[[nodiscard]] sqlite3_vfs* guardedVfs();

// What the VFS refused on the calling thread since the refusal was last cleared, for the error of
// the call that failed by it; null when it refused nothing.
[[nodiscard]] const char* vfsRefusal(sqlite3_vfs* vfs);
void clearVfsRefusal(sqlite3_vfs* vfs);

}  // namespace ado::sqlite
