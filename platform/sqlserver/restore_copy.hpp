#pragma once
// The files a restore makes, each named by its reservation in the catalogue before it exists: the
// copy it fills from the backup and an empty log, each in its target's folder, placed at their
// targets as second names (hard links) when the database is recorded, and removed after. The
// restore holds its targets' folders from the making of its copies on and reaches the copies
// through them only (restore_made.hpp); a target whose path leads elsewhere by the time the
// restore places is refused, its copies removed from the folder held. The copy
// is locked (flock) while the restore runs; the lock ends with the restore's process however it
// ends, also by kill -9, and is never a matter of process ids. Between reserving and locking its
// copy, a restore holds a shared lock of the server's folder instead. A reservation whose copy
// nobody locks, and that has no copy while no restore holds the folder's lock, belongs to a
// restore that is over: what its row names is removed, the targets only while they are second
// names of its copies and the database is not recorded. A file that no row names is never
// removed, whatever its name.

#include <functional>
#include <optional>
#include <string>

#include "platform/files/descriptor.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/sqlserver/catalogue.hpp"
#include "platform/sqlserver/restore_made.hpp"

namespace sqlserver {

class RestoreFiles {
  public:
    // Drops the reservations of restores that are over, then reserves in one change: `reserve`
    // checks the name and the targets and gives the reservation's name and targets, the copies
    // are named here, from one count of the process so that no two copies share a name however
    // their folders are spelt. Then makes the copies, the data file's locked, in a change of
    // their own: a copy's name taken meanwhile by a file is reserved again, until the statement's
    // time is up (then a timeout, leaving nothing). A copy that cannot be made fails naming its
    // target.
    RestoreFiles(Catalogue& catalogue, const std::function<Reservation()>& reserve);
    // Removes the copies, and what it placed unless recorded, then drops the reservation and
    // lets the lock go.
    ~RestoreFiles();
    RestoreFiles(const RestoreFiles&) = delete;
    RestoreFiles& operator=(const RestoreFiles&) = delete;

    // The copy of the data file, to fill, as SQLite reaches it through its folder held; never
    // named to a user.
    [[nodiscard]] std::string copy() const;

    // In one change: places the copies at their targets and catalogues the database with the
    // logical names of its files. A name that a database has meanwhile fails with 1801, a target
    // that a side file of a database recorded meanwhile takes with 1834, a target or a side file
    // of the data file's that is there meanwhile with 5170, a target whose path no longer leads
    // to the folder held (moved, or replaced) with 5123 saying so; a target that cannot be placed
    // fails naming it, and why when its folder makes no hard links.
    void record(const std::string& name, const std::string& dataLogicalName,
                const std::string& logLogicalName);

  private:
    [[nodiscard]] bool make();
    [[nodiscard]] Made made() const;
    void requireFoldersInPlace() const;

    Catalogue& catalogue_;
    Reservation reservation_;
    // The targets' folders, held from the making of the copies on: each copy is made, filled,
    // placed and removed in the folder its target's path led to then.
    std::optional<files::HeldFolder> dataFolder_;
    std::optional<files::HeldFolder> logFolder_;
    files::Descriptor lock_;
    bool recorded_ = false;
};

// Within a change of the catalogue: drops the reservations of restores that are over, with the
// files their rows name.
void dropRestoresOver(Catalogue& catalogue);

}  // namespace sqlserver
