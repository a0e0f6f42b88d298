#pragma once
// Backups: a .bak is a SQLite file holding a database's tables and the list of its files
// (table backup_files). Reading its list and restoring it under a new name, all or nothing.

#include <filesystem>
#include <string>

#include "platform/ado/provider.hpp"
#include "platform/sqlserver/catalogue.hpp"

namespace sqlserver {

// The file list of a backup written by writeBackup.
struct BackupFileList {
    DatabaseFile data;
    DatabaseFile log;
};

// Writes a backup of a SQLite database file; fails when the backup exists. The database is left
// as it was.
void writeBackup(const std::filesystem::path& database, const std::filesystem::path& backup,
                 const BackupFileList& files);

// LogicalName, PhysicalName, Type ("D" data, "L" log), FileId of a backup, the data file first.
// A missing file fails with 3201, a file that is no backup with 3241.
[[nodiscard]] ado::RowSet backupFileList(const std::string& backup);

// One "Move logical TO physical" of a restore.
struct Move {
    std::string logicalName;
    std::string physicalName;
};

// Restores a backup as a new database: its tables at the data file's target, an empty log file
// at the log file's target, both catalogued. The name and the targets are reserved first, the
// backup copied outside the catalogue's lock, the database recorded last: restores of other
// names go on side by side. A target that is not a whole path fails with 5105 before anything is
// made; a name taken by a database or a restore under way, as the server compares names, fails
// with 1801; a target taken so with 1834, one that exists with 5170, one that the system does not
// let the server make or write with 5123 and the system's reason, naming the target. Any failure
// leaves catalogue and files as they were (restore_copy.hpp); a restore's fault
// (driver_test_seam.hpp) strikes once its copies are made, before it fills them.
void restoreDatabase(Catalogue& catalogue, const std::string& name, const std::string& backup,
                     const Move& first, const Move& second, int32_t timeoutSeconds);

}  // namespace sqlserver
