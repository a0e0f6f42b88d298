#include "platform/sqlserver/restore_copy.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCopyMark = ".restoring-";

// Whether a live restore holds the copy's lock; a missing copy is held by none.
bool isHeld(const fs::path& copy) {
    const int fd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool isEmptyFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && fs::file_size(path, ec) == 0 && !ec;
}

// The copy a file name belongs to ("X.restoring-123" or one of its side files); empty for a name
// of no copy.
std::string copyNamed(const std::string& name) {
    const size_t mark = name.rfind(kCopyMark);
    if (mark == std::string::npos || mark == 0) return {};
    size_t end = mark + kCopyMark.size();
    const size_t digits = end;
    while (end < name.size() && name[end] >= '0' && name[end] <= '9')
        ++end;
    if (end == digits) return {};
    const std::string_view rest = std::string_view(name).substr(end);
    bool known = rest.empty();
    for (const char* side : ado::kSqliteSideFiles)
        known = known || rest == side;
    return known ? name.substr(0, end) : std::string();
}

}  // namespace

RestoreCopy::RestoreCopy(const std::string& dataFile)
    : path_(dataFile + std::string(kCopyMark) + std::to_string(::getpid())),
      lock_(::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644)) {
    if (lock_ < 0) {
        throw statementError(kFileExists, "Cannot create file " + serverQuoted(path_) + ".");
    }
    // Newly made, no other open file holds it: the lock is granted at once.
    if (::flock(lock_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock_);
        ado::removeSqliteDatabase(path_);
        throw statementError(kFileExists, "Cannot lock file " + serverQuoted(path_) + ".");
    }
}

RestoreCopy::~RestoreCopy() {
    ado::removeSqliteDatabase(path_);
    ::close(lock_);
}

void dropRestoresOver(Catalogue& catalogue) {
    for (const Reservation& over : catalogue.reservations()) {
        if (isHeld(over.copy)) continue;
        std::error_code ec;
        // Killed while it placed its files: the data file is the copy itself, the log file it
        // made is empty.
        if (fs::exists(over.copy, ec) && fs::equivalent(over.copy, over.dataFile, ec)) {
            fs::remove(over.dataFile, ec);
            if (isEmptyFile(over.logFile)) fs::remove(over.logFile, ec);
        }
        ado::removeSqliteDatabase(over.copy);
        catalogue.dropReservation(over.copy);
    }
}

void removeStrayCopies(const fs::path& folder) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string copy = copyNamed(entry.path().filename().string());
        if (!copy.empty() && !isHeld(folder / copy)) fs::remove(entry.path(), ec);
    }
}

}  // namespace sqlserver
