#pragma once
// The copy a restore fills before it places it at its data file's path, "DATA.restoring-PID",
// locked (flock) by the restore while it runs. The lock ends with the restore's process however it
// ends, also by kill -9, and is never a matter of process ids: a copy whose lock is free belongs
// to a restore that is over, and what it left is removed.

#include <filesystem>
#include <string>

#include "platform/sqlserver/catalogue.hpp"

namespace sqlserver {

class RestoreCopy {
  public:
    // Makes the empty copy for a data file and locks it; fails with 5170 when it exists.
    explicit RestoreCopy(const std::string& dataFile);
    // Removes the copy and its journal, then lets the lock go.
    ~RestoreCopy();
    RestoreCopy(const RestoreCopy&) = delete;
    RestoreCopy& operator=(const RestoreCopy&) = delete;

    [[nodiscard]] const std::string& path() const noexcept { return path_; }

  private:
    std::string path_;
    int lock_;
};

// Within a change of the catalogue: drops the reservations of restores that are over, with their
// copies and the files they placed without recording them.
void dropRestoresOver(Catalogue& catalogue);

// Removes in a folder the copies (and their journals) that no live restore holds, reserved or not.
void removeStrayCopies(const std::filesystem::path& folder);

}  // namespace sqlserver
