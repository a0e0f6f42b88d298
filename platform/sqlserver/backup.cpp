#include "platform/sqlserver/backup.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/ado/sqlite_file.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/oleaut/letter_case.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/restore_copy.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

using ado::sqlite::File;
using oleaut::Variant;

constexpr const char* kFileListTable = "backup_files";

// The folder a target path lies in.
std::filesystem::path folderOf(const std::string& target) {
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    return folder.empty() ? "." : folder;
}

// Opens a backup for reading, or fails as the server does when it cannot read one.
std::unique_ptr<File> openBackup(const std::string& backup) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(backup, ec)) {
        throw statementError(kCannotOpenBackup,
                             "Cannot open backup device " + serverQuoted(backup) +
                                 ". Operating system error 2(The system cannot find the file "
                                 "specified.).");
    }
    std::unique_ptr<File> file;
    if (ado::sqliteApplicationId(backup))
        file = std::make_unique<File>(backup, File::Mode::ReadOnly);
    if (!file || !file->hasTable(kFileListTable)) {
        throw statementError(kNotABackup, "The media family on device " + serverQuoted(backup) +
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

// A target that must not exist yet, in a folder that does, held by no database and no restore; a
// name the system refuses (too long, in a folder it may not enter) fails with its reason.
void requireFree(Catalogue& catalogue, const std::string& target) {
    if (catalogue.pathTaken(target)) {
        throw statementError(kFileInUse, "The file " + serverQuoted(target) +
                                             " cannot be overwritten. It is being used by "
                                             "another database.");
    }
    struct stat found {};
    if (::lstat(target.c_str(), &found) == 0) throw cannotCreateFileError(target, EEXIST);
    if (errno != ENOENT) throw cannotCreateFileError(target, errno);
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(target).parent_path(), ec)) {
        throw cannotCreateFileError(target, ENOENT);
    }
}

// Files made on the way, removed unless the restore completes.
class MadeFiles {
  public:
    ~MadeFiles() {
        std::error_code ec;
        for (const auto& file : files_)
            std::filesystem::remove(file, ec);
    }
    void add(std::filesystem::path file) { files_.push_back(std::move(file)); }
    void keep() { files_.clear(); }

  private:
    std::vector<std::filesystem::path> files_;
};

// A restore's reservation, dropped unless it recorded its database. Dropping waits for the
// catalogue as the restore did; one the catalogue holds past that stays, its copy gone, for the
// next restore to drop.
class HeldReservation {
  public:
    HeldReservation(Catalogue& catalogue, std::string copy)
        : catalogue_(catalogue), copy_(std::move(copy)) {}
    ~HeldReservation() {
        if (copy_.empty()) return;
        try {
            Catalogue::Change change = catalogue_.beginChange();
            catalogue_.dropReservation(copy_);
            change.commit();
        } catch (const std::exception&) {
            // The restore's own failure is on its way; this one leaves the reservation behind.
        }
    }
    HeldReservation(const HeldReservation&) = delete;
    HeldReservation& operator=(const HeldReservation&) = delete;
    void release() { copy_.clear(); }

  private:
    Catalogue& catalogue_;
    std::string copy_;
};

// Creates an empty file that must not exist.
void createExclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw statementError(kFileExists, "Cannot create file " + serverQuoted(path) + ".");
    }
    ::close(fd);
}

// Links a finished copy at a target that must not exist: a link cannot replace a file that
// appeared meanwhile.
void placeExclusive(const std::string& copy, const std::string& target) {
    if (::link(copy.c_str(), target.c_str()) != 0) {
        if (errno == EEXIST) createExclusive(target);  // fails naming the target
        std::filesystem::rename(copy, target);         // a file system without links
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
    requireFree(catalogue, targets.data.physicalName);
    requireFree(catalogue, targets.log.physicalName);
    if (targets.data.physicalName == targets.log.physicalName) {
        throw statementError(kFileExists, "Cannot create file " +
                                              serverQuoted(targets.log.physicalName) +
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
    written.run(
        "PRAGMA journal_mode=DELETE;"
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
    std::optional<Targets> targets;
    std::optional<RestoreCopy> copy;
    {
        // The name and the paths are checked and reserved in one short change of the catalogue:
        // of restores under one name at once, the first takes it and the others find it taken.
        Catalogue::Change change = catalogue.beginChange();
        dropRestoresOver(catalogue);
        if (catalogue.nameTaken(name)) {
            throw statementError(kDatabaseExists, "Database " + serverQuoted(name) +
                                                      " already exists. Choose a different "
                                                      "database name.");
        }
        source = openBackup(backup);
        targets = checkedTargets(catalogue, *source, name, first, second);
        removeStrayCopies(folderOf(targets->data.physicalName));
        copy.emplace(targets->data.physicalName);
        catalogue.reserve(
            {name, targets->data.physicalName, targets->log.physicalName, copy->path()});
        change.commit();
    }
    // The copy is made outside the catalogue's lock: restores of other names go on meanwhile.
    HeldReservation reservation(catalogue, copy->path());
    applyFault(StatementKind::Restore, timeoutSeconds);
    source->copyIntoEmptyFile(copy->path());
    {
        File restored(copy->path(), File::Mode::ReadWrite);
        restored.run("DROP TABLE backup_files");
    }
    MadeFiles made;
    Catalogue::Change change = catalogue.beginChange();
    placeExclusive(copy->path(), targets->data.physicalName);
    made.add(targets->data.physicalName);
    createExclusive(targets->log.physicalName);
    made.add(targets->log.physicalName);
    catalogue.dropReservation(copy->path());
    catalogue.add(name, {targets->data.logicalName, targets->data.physicalName},
                  {targets->log.logicalName, targets->log.physicalName});
    change.commit();
    reservation.release();
    made.keep();
    // The copy, now a second name of the data file, goes with its lock as the restore returns.
}

}  // namespace sqlserver
