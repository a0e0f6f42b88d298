#include "platform/sqlserver/restore_copy.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Nothing at a path nor the side files SQLite keeps beside a database there: 0, EEXIST, or the
// system's error for looking.
[[nodiscard]] int vacancy(const std::string& path) {
    return files::firstPresent(path, ado::kSqliteSideFiles).error;
}

// The count the copies of this process's restores are numbered by, so that no two of them ever
// share a name, even in one folder spelt two ways.
std::atomic<unsigned long> copyCount{0};

// A name for a copy in its target's folder that no file has, that leads nowhere a catalogue row
// names, nor where one of `others` leads, and whose side files as a database's meet none of
// these; a folder that cannot be looked into fails naming the target. Past the statement's time,
// a timeout.
std::string copyName(Catalogue& catalogue, const std::string& target,
                     const std::vector<std::string>& others) {
    const std::filesystem::path folder = std::filesystem::path(target).parent_path();
    const std::string stem = "restoring-" + std::to_string(::getpid()) + "-";
    for (;;) {
        if (catalogue.timedOut()) throw timeoutError();
        const std::string name = (folder / (stem + std::to_string(++copyCount))).string();
        const auto there = [&](const std::string& other) {
            return other == name || files::samePlace(other, name) || isSideFileOf(other, name);
        };
        if (std::any_of(others.begin(), others.end(), there) || catalogue.pathTaken(name) ||
            catalogue.sideFileClash(name, true)) {
            continue;
        }
        const int found = vacancy(name);
        if (found == 0) return name;
        if (found != EEXIST) throw cannotCreateFileError(target, found);
    }
}

[[nodiscard]] files::Descriptor createEmpty(const std::string& path) {
    return files::Descriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
}

bool isEmptyFile(const std::string& path) {
    struct stat found {};
    return ::lstat(path.c_str(), &found) == 0 && S_ISREG(found.st_mode) && found.st_size == 0;
}

// Removes a target that is still a second name of its copy, unless its database is recorded;
// whether the target is no longer the restore's.
[[nodiscard]] bool unplace(const std::string& target, const std::string& copy, bool recorded) {
    if (recorded || copy.empty() || !files::sameFile(copy, target)) return true;
    ::unlink(target.c_str());
    return !files::sameFile(copy, target);
}

// Removes what a reservation names of a restore that made it: its targets while they are second
// names of its copies (never once recorded), then the copies, the data file's with the side files
// SQLite keeps beside it. Whether all of it is gone; a target that stays keeps its copy, the proof
// that it is the restore's. A restore of the catalogue's earlier shape, without a log copy, made
// its log file empty at its target once its data file was placed: while the data file is still
// the copy's second name, an empty log file there is that restore's.
[[nodiscard]] bool removeMade(const Reservation& made, bool recorded) {
    if (!recorded && made.logCopy.empty() && !made.copy.empty() &&
        files::sameFile(made.copy, made.dataFile) && isEmptyFile(made.logFile)) {
        ::unlink(made.logFile.c_str());
    }
    if (!unplace(made.dataFile, made.copy, recorded) ||
        !unplace(made.logFile, made.logCopy, recorded)) {
        return false;
    }
    ado::removeSqliteDatabase(made.copy);
    if (!made.logCopy.empty()) ::unlink(made.logCopy.c_str());
    return vacancy(made.copy) == 0 && (made.logCopy.empty() || files::absence(made.logCopy) == 0);
}

// Places a copy at its target as its second name; a target of a database, or a side file of one
// (`sideFiles`), that is there meanwhile fails with 5170 naming it.
void place(const std::string& copy, const std::string& target,
           std::span<const char* const> sideFiles) {
    const files::Presence present = files::firstPresent(target, sideFiles);
    if (present.error != 0) throw cannotCreateFileError(present.path.string(), present.error);
    const int fault = linkFault();
    const int error = fault != 0 ? fault : ::link(copy.c_str(), target.c_str()) == 0 ? 0 : errno;
    if (error == 0) return;
    // The system's word for a file system that makes no hard links.
    if (error == EPERM || error == EOPNOTSUPP) throw noHardLinksError(target, error);
    throw cannotCreateFileError(target, error);
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
            reservation_.copy = copyName(catalogue, reservation_.dataFile,
                                         {reservation_.dataFile, reservation_.logFile});
            reservation_.logCopy =
                copyName(catalogue, reservation_.logFile,
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

// Within a change, so that no other restore judges the reservation between its copy's making and
// locking.
bool RestoreFiles::make() {
    Catalogue::Change change = catalogue_.beginChange();
    if (!catalogue_.reserved(reservation_.copy)) return false;
    int failure = 0;
    const std::string* failed = &reservation_.dataFile;
    lock_ = createEmpty(reservation_.copy);
    if (!lock_) {
        failure = errno;
    } else if (::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
        failure = errno;  // newly made, no other open file holds it: granted at once
    } else if (!createEmpty(reservation_.logCopy)) {
        failure = errno;
        failed = &reservation_.logFile;
    }
    // What it made goes before the lock.
    const auto unmake = [this](bool logMade) {
        if (logMade) ::unlink(reservation_.logCopy.c_str());
        if (!lock_) return;
        ::unlink(reservation_.copy.c_str());
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
    if (removeMade(reservation_, recorded_)) {
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
    place(reservation_.copy, reservation_.dataFile, ado::kSqliteSideFiles);
    reachStep(RestoreStep::DataPlaced);
    place(reservation_.logCopy, reservation_.logFile, {});
    reachStep(RestoreStep::LogPlaced);
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
        const bool recorded = catalogue.recorded(over.dataFile) || catalogue.recorded(over.logFile);
        if (removeMade(over, recorded)) catalogue.dropReservation(over.copy);
    }
}

}  // namespace sqlserver
