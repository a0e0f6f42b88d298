#pragma once
// The lock of one demonstration database file, held across processes: while a run holds it, no
// other run builds, replaces or works on that file. It is an exclusive flock on FILE.lock beside
// the file, FILE being where the path given leads (its real path), so that every spelling of one
// file, a symbolic link to it included, takes the one lock. The folder is held from the start, so
// that the lock, the build and the database stay in the folder held whatever its path becomes. The
// lock file is ours by record, never by its name: a run writes the mark of a demonstration lock
// into a file of its own and only then gives it the lock's name, and removes it when released; an
// existing file is taken only when it holds that mark (a lock another run holds, or one a killed
// run left). The lock file also records whether its holder has a build file, so that the run that
// takes over a killed run's lock knows that build file for the killed run's own.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/files/descriptor.hpp"
#include "platform/files/held_folder.hpp"

namespace kalvik::demo {

class BuildFile;

class DemoLock {
  public:
    // Takes the lock, waiting while another process holds it; whenWaiting is called before such a
    // wait. Fails with error 75 when a run cannot take the path (see demoFilePath), with error 58
    // when FILE.lock is a file that no run made, which stays as it is, and with error 75 when the
    // lock file cannot be made.
    explicit DemoLock(const std::filesystem::path& file,
                      const std::function<void()>& whenWaiting = {});
    ~DemoLock();
    DemoLock(const DemoLock&) = delete;
    DemoLock& operator=(const DemoLock&) = delete;

    // The database file the lock is for: the real path of the file given, as it was when the lock
    // was taken.
    const std::filesystem::path& file() const noexcept { return file_; }

    // The folder of the file, held from the lock's taking to its release: the lock, the build
    // file and the database are reached through it, wherever its path leads meanwhile.
    const files::HeldFolder& folder() const noexcept { return folder_; }
    // The database file's name in the folder.
    const std::string& name() const noexcept { return name_; }
    // A path to the database file (or, with a suffix, to a file named after it) through the held
    // folder, for the system's calls and SQLite, never for a message: see files::shownPath.
    [[nodiscard]] std::filesystem::path reach(std::string_view suffix = {}) const {
        return folder_.reach(name_ + std::string(suffix));
    }

    // Whether the run that held the lock before this one ended while it had a build file.
    bool buildLeftOver() const noexcept { return buildLeftOver_; }

  private:
    // The build file records itself, in the order its making and removal need.
    friend class BuildFile;

    // Records whether this run has a build file: set before the file is made, cleared once it
    // is gone. Fails with error 75 when the record cannot be written.
    void recordBuild(bool exists);

    // Whether an open lock file is the one at the lock's name in the folder.
    [[nodiscard]] bool holdsItsName(int descriptor) const noexcept;

    std::filesystem::path file_;
    std::filesystem::path lockFile_;  // its path, for messages
    files::HeldFolder folder_;
    std::string name_;
    std::string lockName_;
    files::Descriptor descriptor_;
    bool buildLeftOver_ = false;
};

}  // namespace kalvik::demo
