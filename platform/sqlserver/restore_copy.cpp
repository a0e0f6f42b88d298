#include "platform/sqlserver/restore_copy.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/identity.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/restore_made.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

// Whether a live restore holds the copy's lock; a missing copy is held by none.
bool isHeld(const std::string& copy) {
    const files::Descriptor copyFile(::open(copy.c_str(), O_RDONLY | O_CLOEXEC));
    return copyFile && ::flock(copyFile.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

[[nodiscard]] files::Descriptor openFolder(const std::filesystem::path& folder) {
    return files::Descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The server folder's shared lock, taken within the change that reserves: no restore then judges
// reservations (that takes the catalogue too), so it is granted at once. Without one (a folder
// whose file system locks nothing) reservations are judged by their copies alone.
[[nodiscard]] files::Descriptor holdReserving(Catalogue& catalogue) {
    files::Descriptor folder = openFolder(catalogue.folder());
    if (folder && ::flock(folder.get(), LOCK_SH | LOCK_NB) != 0) folder.reset();
    return folder;
}

// Whether a restore is between reserving and locking its copy: one holds the server folder's
// shared lock.
bool someoneReserving(Catalogue& catalogue) {
    const files::Descriptor folder = openFolder(catalogue.folder());
    return folder && ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

// The count the copies of this process's restores are numbered by, so that no two of them ever
// share a name, even in one folder spelt two ways.
std::atomic<unsigned long> copyCount{0};

// A name for a copy in its target's folder, held, that no file has, that leads nowhere a
// catalogue row names, nor where one of `others` leads, and whose side files as a database's meet
// none of these; a folder that cannot be looked into fails naming the target. Past the
// statement's time, a timeout. The copy's path, as the catalogue names it.
std::string copyName(Catalogue& catalogue, const std::string& target,
                     const files::HeldFolder& folder, const std::vector<std::string>& others) {
    const std::string stem = "restoring-" + std::to_string(::getpid()) + "-";
    for (;;) {
        if (catalogue.timedOut()) throw timeoutError();
        const std::string name = stem + std::to_string(++copyCount);
        const std::string path = (std::filesystem::path(target).parent_path() / name).string();
        const auto there = [&](const std::string& other) {
            return other == path || files::samePlace(other, path) || isSideFileOf(other, path);
        };
        if (std::any_of(others.begin(), others.end(), there) || catalogue.pathTaken(path) ||
            catalogue.sideFileClash(path, true)) {
            continue;
        }
        const int found = firstPresent({&folder, name}, ado::kSqliteSideFiles).error;
        if (found == 0) return path;
        if (found != EEXIST) throw cannotCreateFileError(target, found);
    }
}

// The folder of a restore's target, held from the making of its copies on; one that cannot be
// held fails naming the target.
files::HeldFolder holdFolderOf(const std::string& target) {
    std::optional<files::HeldFolder> held = files::HeldFolder::ofFile(target);
    if (!held) throw cannotCreateFileError(target, errno != 0 ? errno : EIO);
    return std::move(*held);
}

// The name of a file in its folder.
std::string nameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// A restore's file that a killed restore's row names by path, reached through its folder held
// now. Whether it can be told what is there: a folder that is gone holds nothing.
[[nodiscard]] bool reachNow(const std::string& path, std::optional<files::HeldFolder>& folder,
                            Reached& file) {
    file = {nullptr, nameOf(path)};
    if (path.empty()) return true;
    folder = files::HeldFolder::ofFile(path);
    if (folder) file.folder = &*folder;
    return folder || errno == ENOENT || errno == ENOTDIR;
}

}  // namespace

RestoreFiles::RestoreFiles(Catalogue& catalogue, const std::function<Reservation()>& reserve)
    : catalogue_(catalogue) {
    for (;;) {
        if (catalogue.timedOut()) throw timeoutError();
        {
            Catalogue::Change change = catalogue.beginChange();
            dropRestoresOver(catalogue);
            change.commit();
        }
        // The copies are named before they exist: a restore killed from here on leaves only what
        // its row names. Until its copy is locked, the folder's lock tells that it is under way.
        files::Descriptor reserving;
        {
            Catalogue::Change change = catalogue.beginChange();
            reservation_ = reserve();
            dataFolder_.emplace(holdFolderOf(reservation_.dataFile));
            logFolder_.emplace(holdFolderOf(reservation_.logFile));
            reservation_.copy = copyName(catalogue, reservation_.dataFile, *dataFolder_,
                                         {reservation_.dataFile, reservation_.logFile});
            reservation_.logCopy =
                copyName(catalogue, reservation_.logFile, *logFolder_,
                         {reservation_.dataFile, reservation_.logFile, reservation_.copy});
            catalogue.reserve(reservation_);
            reserving = holdReserving(catalogue);
            change.commit();
        }
        reachStep(RestoreStep::Reserved);
        if (make()) break;
    }
    reachStep(RestoreStep::CopiesMade);
}

Made RestoreFiles::made() const {
    return {{&*dataFolder_, nameOf(reservation_.dataFile)},
            {&*logFolder_, nameOf(reservation_.logFile)},
            {&*dataFolder_, nameOf(reservation_.copy)},
            {&*logFolder_, nameOf(reservation_.logCopy)}};
}

std::string RestoreFiles::copy() const {
    return dataFolder_->reach(nameOf(reservation_.copy)).string();
}

// Within a change, so that no other restore judges the reservation between its copy's making and
// locking.
bool RestoreFiles::make() {
    Catalogue::Change change = catalogue_.beginChange();
    if (!catalogue_.reserved(reservation_.copy)) return false;
    const Made files = made();
    int failure = 0;
    const std::string* failed = &reservation_.dataFile;
    lock_ = createEmpty(files.copy);
    if (!lock_) {
        failure = errno;
    } else if (::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
        failure = errno;  // newly made, no other open file holds it: granted at once
    } else if (!createEmpty(files.logCopy)) {
        failure = errno;
        failed = &reservation_.logFile;
    }
    // What it made goes before the lock.
    const auto unmake = [&](bool logMade) {
        if (logMade) remove(files.logCopy);
        if (!lock_) return;
        remove(files.copy);
        lock_.reset();
    };
    if (failure == 0) {
        try {
            change.commit();
        } catch (...) {
            unmake(true);  // the reservation stays, without files, for the next restore to drop
            throw;
        }
        return true;
    }
    unmake(false);
    catalogue_.dropReservation(reservation_.copy);
    change.commit();
    if (failure == EEXIST) return false;  // reserved again under other names
    throw cannotCreateFileError(*failed, failure);
}

RestoreFiles::~RestoreFiles() {
    if (removeMade(made(), recorded_)) {
        try {
            Catalogue::Change change = catalogue_.beginChange();
            catalogue_.dropReservation(reservation_.copy);
            change.commit();
        } catch (const std::exception&) {
            // The catalogue held past the restore's timeout: the reservation stays, its files
            // gone, for the next restore to drop.
        }
    }
}

// A target whose path no longer leads to the folder the restore holds: what it placed there is
// no longer at the path the catalogue would record.
void RestoreFiles::requireFoldersInPlace() const {
    for (const auto& [folder, target] : {std::pair{&*dataFolder_, &reservation_.dataFile},
                                         std::pair{&*logFolder_, &reservation_.logFile}}) {
        if (!folder->isAt(std::filesystem::path(*target).parent_path()))
            throw folderMovedError(*target);
    }
}

void RestoreFiles::record(const std::string& name, const std::string& dataLogicalName,
                          const std::string& logLogicalName) {
    Catalogue::Change change = catalogue_.beginChange();
    // The reservation holds the name; a database of it is refused as the server does, whatever
    // took it.
    if (catalogue_.databasesNamed(name).rowCount() > 0) throw databaseExistsError(name);
    // A database recorded meanwhile beside a target, by way of SQLite's side files, is refused as
    // at the check.
    for (const auto& [target, database] :
         {std::pair{&reservation_.dataFile, true}, std::pair{&reservation_.logFile, false}}) {
        if (const auto clash = catalogue_.sideFileClash(*target, database))
            throw fileInUseError(*clash);
    }
    requireFoldersInPlace();
    const Made files = made();
    place(files.copy, files.data, reservation_.dataFile, ado::kSqliteSideFiles);
    reachStep(RestoreStep::DataPlaced);
    place(files.logCopy, files.log, reservation_.logFile, {});
    reachStep(RestoreStep::LogPlaced);
    requireFoldersInPlace();  // moved while placing
    catalogue_.add(name, {dataLogicalName, reservation_.dataFile},
                   {logLogicalName, reservation_.logFile});
    change.commit();
    recorded_ = true;
    reachStep(RestoreStep::Recorded);
}

void dropRestoresOver(Catalogue& catalogue) {
    std::optional<bool> reserving;  // asked once, when a reservation has no copy
    for (const Reservation& over : catalogue.reservations()) {
        if (isHeld(over.copy)) continue;
        if (files::absence(over.copy) == 0) {
            if (!reserving) reserving = someoneReserving(catalogue);
            if (*reserving) continue;  // perhaps its restore's, about to make it
        }
        std::optional<files::HeldFolder> folders[4];
        Made made;
        if (!reachNow(over.dataFile, folders[0], made.data) ||
            !reachNow(over.logFile, folders[1], made.log) ||
            !reachNow(over.copy, folders[2], made.copy) ||
            !reachNow(over.logCopy, folders[3], made.logCopy)) {
            continue;  // a folder that cannot be looked into: what is there is unknown
        }
        const bool recorded = catalogue.recorded(over.dataFile) || catalogue.recorded(over.logFile);
        if (removeMade(made, recorded)) catalogue.dropReservation(over.copy);
    }
}

}  // namespace sqlserver
