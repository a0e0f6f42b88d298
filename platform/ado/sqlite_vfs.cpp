#include "platform/ado/sqlite_vfs.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/descriptor.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/files/identity.hpp"
#include "platform/files/real_path.hpp"

namespace ado::sqlite {
namespace {

constexpr const char* kVfsName = "ado-guarded";

// The side files SQLite keeps beside a database, and the two of them it deletes.
constexpr std::array<std::string_view, 3> kSideFiles = {"-wal", "-shm", "-journal"};
constexpr std::array<std::string_view, 2> kDeletedSideFiles = {"-wal", "-journal"};

// What the VFS of the copy that registered it offers the door of every copy, through pAppData.
struct Shared {
    sqlite3_vfs* base;
    const char* (*refusal)();
    void (*clearRefusal)();
};

sqlite3_vfs* baseOf(sqlite3_vfs* vfs) {
    return static_cast<Shared*>(vfs->pAppData)->base;
}

// What the VFS refused last on this thread. SQLite calls a VFS on the thread of the call that
// needs the file, so that the call's error reads it there.
thread_local std::optional<std::string> refused;

void refuse(std::string why) {
    refused = std::move(why);
}

const char* refusal() {
    return refused ? refused->c_str() : nullptr;
}

void clearRefusal() {
    refused.reset();
}

std::string quoted(const char* path) {
    return pathInQuotes(path);
}

// The databases the VFS has open, by their file handles, each with the file it is. A handle's file
// methods are the default's with only xClose replaced, to forget the database as it closes.
struct Served {
    std::mutex mutex;
    std::unordered_map<const sqlite3_file*, files::FileId> open;
    // Each of the default's method tables met, with its copy of our own.
    std::vector<std::pair<const sqlite3_io_methods*, std::unique_ptr<sqlite3_io_methods>>> methods;
};

Served& served() {
    static Served& instance = *new Served;  // never destroyed: handles may close at exit
    return instance;
}

int closeServed(sqlite3_file* file) {
    const sqlite3_io_methods* original = nullptr;
    {
        Served& s = served();
        std::lock_guard lock(s.mutex);
        s.open.erase(file);
        for (const auto& [base, own] : s.methods) {
            if (own.get() == file->pMethods) original = base;
        }
    }
    file->pMethods = original;
    return original->xClose(file);
}

void serve(sqlite3_file* file, const char* name) {
    const std::optional<files::FileId> id = files::idAt(name);
    if (!id || !file->pMethods) return;
    Served& s = served();
    std::lock_guard lock(s.mutex);
    auto found = std::find_if(s.methods.begin(), s.methods.end(),
                              [&](const auto& pair) { return pair.first == file->pMethods; });
    if (found == s.methods.end()) {
        auto own = std::make_unique<sqlite3_io_methods>(*file->pMethods);
        own->xClose = closeServed;
        s.methods.emplace_back(file->pMethods, std::move(own));
        found = std::prev(s.methods.end());
    }
    file->pMethods = found->second.get();
    s.open[file] = *id;
}

// Whether a name is a side file SQLite may delete of a database the VFS has open.
bool isServedSideFile(std::string_view name) {
    for (std::string_view suffix : kDeletedSideFiles) {
        if (!name.ends_with(suffix)) continue;
        const std::optional<files::FileId> database =
            files::idAt(std::string(name.substr(0, name.size() - suffix.size())));
        if (!database) return false;
        Served& s = served();
        std::lock_guard lock(s.mutex);
        return std::any_of(s.open.begin(), s.open.end(),
                           [&](const auto& pair) { return pair.second == *database; });
    }
    return false;
}

// The end of a journal: a super-journal record is the super-journal's name, its length and
// checksum (4 bytes each, big-endian) and the journal's magic.
constexpr std::array<unsigned char, 8> kJournalMagic = {0xd9, 0xd5, 0x05, 0xf9,
                                                        0x20, 0xa1, 0x63, 0xd7};
constexpr int kRecordTail = 16;

// Whether the last 16 bytes of a journal of size bytes end a super-journal record, as SQLite reads
// one: the magic, and a length that is not 0, fits in the journal and in a path.
bool endsSuperJournalRecord(const std::array<unsigned char, kRecordTail>& tail, int64_t size,
                            int maxPath) {
    if (!std::equal(kJournalMagic.begin(), kJournalMagic.end(), tail.begin() + 8)) return false;
    const uint32_t length =
        uint32_t{tail[0]} << 24 | uint32_t{tail[1]} << 16 | uint32_t{tail[2]} << 8 | tail[3];
    return length != 0 && length <= static_cast<uint64_t>(size - kRecordTail) &&
           length < static_cast<uint64_t>(maxPath) + 1;
}

bool recordsSuperJournal(sqlite3_file* journal, int maxPath) {
    sqlite3_int64 size = 0;
    if (journal->pMethods->xFileSize(journal, &size) != SQLITE_OK || size < kRecordTail) {
        return false;
    }
    std::array<unsigned char, kRecordTail> tail{};
    return journal->pMethods->xRead(journal, tail.data(), kRecordTail, size - kRecordTail) ==
               SQLITE_OK &&
           endsSuperJournalRecord(tail, size, maxPath);
}

// The same of a journal at a path, read without SQLite; false when there is none.
bool recordsSuperJournal(const std::string& journal, int maxPath) {
    const files::Descriptor file(
        ::open(journal.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat found {};
    if (!file || ::fstat(file.get(), &found) != 0 || !S_ISREG(found.st_mode) ||
        found.st_size < kRecordTail) {
        return false;
    }
    std::array<unsigned char, kRecordTail> tail{};
    return ::pread(file.get(), tail.data(), kRecordTail, found.st_size - kRecordTail) ==
               kRecordTail &&
           endsSuperJournalRecord(tail, found.st_size, maxPath);
}

void refuseSuperJournal(const std::string& journal) {
    refuse(quoted(journal.c_str()) +
           " names another database's journal (a super-journal), which no database of this system "
           "makes; delete it");
}

// Refuses a side file that is a folder or a symbolic link, which SQLite would write into or
// follow: whether it is neither.
bool isPlainSideFile(const std::string& side) {
    struct stat found {};
    if (::lstat(side.c_str(), &found) != 0) return true;
    if (S_ISDIR(found.st_mode)) {
        refuse(quoted(side.c_str()) + " is a folder, not a side file of its database");
        return false;
    }
    if (S_ISLNK(found.st_mode)) {
        refuse(quoted(side.c_str()) + " is a symbolic link, not a side file of its database");
        return false;
    }
    return true;
}

// Why SQLite cannot take a path (its full path, or a side file's, too long), for the refusal.
std::string whyNoFullPath(const char* path) {
    const size_t longest = longestSqlitePath();
    const std::string limit = "longer than the " + std::to_string(longest) + " bytes SQLite takes";
    std::error_code ec;
    if (std::filesystem::absolute(path, ec).native().size() > longest) {
        return quoted(path) + ": the path is " + limit;
    }
    const std::optional<std::filesystem::path> real = files::realPath(path);
    if (real && real->native().size() > longest) {
        return quoted(path) + ": the path, its links followed, is " + limit;
    }
    return quoted(path) + ": SQLite cannot make its full path (its links go round, or a folder " +
           "on the way cannot be looked at)";
}

// Before a database is opened: its side files are plain files or absent, and its journal names
// no super-journal.
bool mayOpenDatabase(const char* name, int maxPath) {
    for (std::string_view suffix : kSideFiles) {
        if (!isPlainSideFile(name + std::string(suffix))) return false;
    }
    const std::string journal = name + std::string("-journal");
    if (recordsSuperJournal(journal, maxPath)) {
        refuseSuperJournal(journal);
        return false;
    }
    return true;
}

int xOpen(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    file->pMethods = nullptr;
    if (flags & SQLITE_OPEN_SUPER_JOURNAL) {
        refuse("SQLite was to open " + (name ? quoted(name) : std::string("a file")) +
               " as a super-journal, which no database of this system makes");
        return SQLITE_CANTOPEN;
    }
    if (name && (flags & SQLITE_OPEN_MAIN_DB) && !mayOpenDatabase(name, vfs->mxPathname)) {
        return SQLITE_CANTOPEN;
    }
    if (name && (flags & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL)) && !isPlainSideFile(name)) {
        return SQLITE_CANTOPEN;
    }
    sqlite3_vfs* base = baseOf(vfs);
    const int rc = base->xOpen(base, name, file, flags, outFlags);
    if (rc != SQLITE_OK) return rc;
    if ((flags & SQLITE_OPEN_MAIN_JOURNAL) && recordsSuperJournal(file, vfs->mxPathname)) {
        file->pMethods->xClose(file);
        file->pMethods = nullptr;
        refuseSuperJournal(name);
        return SQLITE_CANTOPEN;
    }
    if (name && (flags & SQLITE_OPEN_MAIN_DB)) serve(file, name);
    return SQLITE_OK;
}

int xDelete(sqlite3_vfs* vfs, const char* name, int syncFolder) {
    if (!isServedSideFile(name)) return SQLITE_IOERR_DELETE;
    sqlite3_vfs* base = baseOf(vfs);
    return base->xDelete(base, name, syncFolder);
}

// A database's full path leaves room for its journal's suffix within SQLite's longest path: a
// longer one SQLite refuses without a reason, so that the refusal names it here.
int xFullPathname(sqlite3_vfs* vfs, const char* path, int size, char* out) {
    struct stat found {};
    int rc = SQLITE_OK;
    if (files::reachesThroughHold(path) &&
        !(::lstat(path, &found) == 0 && S_ISLNK(found.st_mode))) {
        const size_t length = std::strlen(path);
        if (length + 1 > static_cast<size_t>(size)) {
            refuse(whyNoFullPath(path));
            return SQLITE_CANTOPEN;
        }
        std::memcpy(out, path, length + 1);
    } else {
        sqlite3_vfs* base = baseOf(vfs);
        rc = base->xFullPathname(base, path, size, out);
        if (rc != SQLITE_OK && rc != SQLITE_OK_SYMLINK) {
            refuse(whyNoFullPath(path));
            return rc;
        }
    }
    if (std::strlen(out) > longestSqlitePath()) {
        refuse(whyNoFullPath(path));
        return SQLITE_CANTOPEN;
    }
    return rc;
}

sqlite3_vfs* registerVfs() {
    if (sqlite3_vfs* found = sqlite3_vfs_find(kVfsName)) return found;
    sqlite3_vfs* base = sqlite3_vfs_find(nullptr);
    // A copy of the default: the methods not replaced here read neither the VFS nor its pAppData,
    // and the replaced ones pass the default itself to the default's.
    static Shared shared{base, refusal, clearRefusal};
    static sqlite3_vfs own = *base;
    own.pNext = nullptr;
    own.zName = kVfsName;
    own.pAppData = &shared;
    own.xOpen = xOpen;
    own.xDelete = xDelete;
    own.xFullPathname = xFullPathname;
    sqlite3_vfs_register(&own, 0);
    return &own;
}

}  // namespace

sqlite3_vfs* guardedVfs() {
    static sqlite3_vfs* const vfs = registerVfs();
    return vfs;
}

const char* vfsRefusal(sqlite3_vfs* vfs) {
    return static_cast<Shared*>(vfs->pAppData)->refusal();
}

void clearVfsRefusal(sqlite3_vfs* vfs) {
    static_cast<Shared*>(vfs->pAppData)->clearRefusal();
}

}  // namespace ado::sqlite
