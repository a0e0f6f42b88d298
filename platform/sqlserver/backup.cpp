#include "platform/sqlserver/backup.hpp"

#include <sqlite3.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <span>

#include "platform/ado/sqlite_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/identity.hpp"
#include "platform/oleaut/letter_case.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/restore_copy.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

using ado::sqlite::File;
using oleaut::Variant;

constexpr const char* kFileListTable = "backup_files";
// A backup and a database the server restores are its own, never what the file they came from
// was marked as in its header (a demonstration database by its application id, or a backup an
// earlier build wrote with that mark): the mark is cleared.
constexpr const char* kNoMark = "PRAGMA application_id = 0";

// Opens a backup for reading, or fails as the server does when it cannot read one.
std::unique_ptr<File> openBackup(const std::string& backup) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(backup, ec)) {
        throw statementError(kCannotOpenBackup,
                             "Cannot open backup device " + serverQuotedPath(backup) +
                                 ". Operating system error 2(The system cannot find the file "
                                 "specified.).");
    }
    std::unique_ptr<File> file;
    if (ado::sqliteApplicationId(backup))
        file = std::make_unique<File>(backup, File::Mode::ReadOnly);
    if (!file || !file->hasTable(kFileListTable)) {
        throw statementError(kNotABackup, "The media family on device " + serverQuotedPath(backup) +
                                              " is incorrectly formed. SQL Server cannot process "
                                              "this media family.");
    }
    return file;
}

// The file the backup lists under a logical name, as "D" or "L"; fails with 3234.
std::string typeOf(File& backup, const std::string& logicalName, const std::string& database) {
    const ado::RowSet rows = backup.run("SELECT LogicalName, Type FROM backup_files");
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        if (oleaut::sameTextIgnoringCase(ado::sqlite::textAt(rows, row, 0), logicalName)) {
            return ado::sqlite::textAt(rows, row, 1);
        }
    }
    throw statementError(kFileNotInBackup,
                         "Logical file " + serverQuoted(logicalName) + " is not part of database " +
                             serverQuoted(database) +
                             ". Use RESTORE FILELISTONLY to list the logical file names.");
}

// A physical name the server can make by itself: a whole path, never one of its client's folder.
void requireWholePath(const std::string& physicalName) {
    if (!std::filesystem::path(physicalName).is_absolute()) {
        throw fileActivationError(physicalName);
    }
}

// A target that must not exist yet, nor for a data file (`database`) the side files SQLite keeps
// beside it, in a folder that does, leading where no database's file nor a restore's holds, nor to
// a side file of one, however the paths are spelt; a name the system refuses (too long, in a
// folder it may not enter) fails with its reason. What is there fails naming it and stays: the
// server did not make it.
void requireFree(Catalogue& catalogue, const std::string& target, bool database) {
    if (catalogue.pathTaken(target)) throw fileInUseError(target);
    if (const auto clash = catalogue.sideFileClash(target, database)) throw fileInUseError(*clash);
    const files::Presence present =
        files::firstPresent(target, database ? std::span<const char* const>(ado::kSqliteSideFiles)
                                             : std::span<const char* const>());
    if (present.error != 0) throw presentFileError(target, present);
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(target).parent_path(), ec)) {
        throw cannotCreateFileError(target, ENOENT);
    }
}

// The system's error behind a failed write of a SQLite connection: a full disk, or the error its
// I/O met.
[[nodiscard]] int writeErrorOf(sqlite3* db) {
    const int code = sqlite3_extended_errcode(db) & 0xff;
    if (code == SQLITE_FULL) return ENOSPC;
    const int system = sqlite3_system_errno(db);
    return (code == SQLITE_IOERR || code == SQLITE_CANTOPEN) && system > 0 ? system : EIO;
}

// Whether a statement that copies failed writing the copy (rather than reading the backup, then
// told as the backup's).
bool failedWriting(sqlite3* db) {
    const int code = sqlite3_extended_errcode(db);
    switch (code & 0xff) {
        case SQLITE_FULL:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return true;
        case SQLITE_IOERR:
            return code != SQLITE_IOERR_READ && code != SQLITE_IOERR_SHORT_READ;
        default:
            return false;
    }
}

// Fills the copy of a restore's data file with the backup's database, its file list left out. A
// write that fails names the target, never the copy; so does any failure of the copy's own.
void fillCopy(File& backup, const std::string& copy, const std::string& target) {
    try {
        backup.copyIntoEmptyFile(copy);
    } catch (const oleaut::Error&) {
        if (!failedWriting(backup.handle())) throw;
        throw cannotCreateFileError(target, writeErrorOf(backup.handle()));
    }
    std::optional<File> restored;
    try {
        restored.emplace(copy, File::Mode::ReadWrite);
        restored->run(std::string("DROP TABLE ") + kFileListTable + ";" + kNoMark);
    } catch (const oleaut::Error&) {
        // Unopened, the copy just written could not be opened again.
        throw cannotCreateFileError(target, restored ? writeErrorOf(restored->handle()) : EIO);
    }
}

// The data and log moves of a restore, checked against the backup and the catalogue.
struct Targets {
    Move data;
    Move log;
};

Targets checkedTargets(Catalogue& catalogue, File& source, const std::string& name,
                       const Move& first, const Move& second) {
    const std::string firstType = typeOf(source, first.logicalName, name);
    const std::string secondType = typeOf(source, second.logicalName, name);
    if (firstType == secondType) {
        throw statementError(kFileClaimedTwice, "File " + serverQuoted(second.logicalName) +
                                                    " is claimed by both moves of the restore.");
    }
    Targets targets = firstType == "D" ? Targets{first, second} : Targets{second, first};
    // The data file is a SQLite database, which reads its side files beside it; the log file is
    // none, and neither is one of them.
    requireFree(catalogue, targets.data.physicalName, true);
    requireFree(catalogue, targets.log.physicalName, false);
    if (files::samePlace(targets.data.physicalName, targets.log.physicalName) ||
        targets.data.physicalName == targets.log.physicalName ||
        isSideFileOf(targets.log.physicalName, targets.data.physicalName)) {
        throw statementError(kFileExists, "Cannot create file " +
                                              serverQuotedPath(targets.log.physicalName) +
                                              " because the data file of the restore takes it.");
    }
    return targets;
}

}  // namespace

void writeBackup(const std::filesystem::path& database, const std::filesystem::path& backup,
                 const BackupFileList& files) {
    {
        File source(database, File::Mode::ReadOnly);
        source.copyInto(backup);
    }
    File written(backup, File::Mode::ReadWrite);
    written.run("PRAGMA journal_mode=DELETE");
    written.run(kNoMark);
    written.run(
        "CREATE TABLE backup_files(FileId INTEGER PRIMARY KEY, LogicalName TEXT NOT NULL, "
        "PhysicalName TEXT NOT NULL, Type TEXT NOT NULL)");
    written.run("INSERT INTO backup_files VALUES (1, ?, ?, 'D'), (2, ?, ?, 'L')",
                {Variant(files.data.logicalName), Variant(files.data.physicalName),
                 Variant(files.log.logicalName), Variant(files.log.physicalName)});
}

ado::RowSet backupFileList(const std::string& backup) {
    return openBackup(backup)->run(
        "SELECT LogicalName, PhysicalName, Type, FileId FROM backup_files "
        "ORDER BY Type <> 'D', FileId");
}

void restoreDatabase(Catalogue& catalogue, const std::string& name, const std::string& backup,
                     const Move& first, const Move& second, int32_t timeoutSeconds) {
    requireWholePath(first.physicalName);
    requireWholePath(second.physicalName);
    std::unique_ptr<File> source;
    Targets targets;
    // The name and the paths are checked and reserved in one short change of the catalogue: of
    // restores under one name at once, the first takes it and the others find it taken.
    RestoreFiles files(catalogue, [&] {
        if (catalogue.nameTaken(name)) throw databaseExistsError(name);
        source = openBackup(backup);
        targets = checkedTargets(catalogue, *source, name, first, second);
        return Reservation{name, targets.data.physicalName, targets.log.physicalName, {}, {}};
    });
    // The copy is filled outside the catalogue's lock: restores of other names go on meanwhile.
    applyFault(StatementKind::Restore, timeoutSeconds);
    fillCopy(*source, files.copy(), targets.data.physicalName);
    files.record(name, targets.data.logicalName, targets.log.logicalName);
}

}  // namespace sqlserver
