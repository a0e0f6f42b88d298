#pragma once
// The lock of one demonstration database file, held across processes: while a run holds it, no
// other run builds, replaces or works on that file. It is an exclusive flock on FILE.lock beside
// the file, FILE being where the path given leads (its real path), so that every spelling of one
// file, a symbolic link to it included, takes the one lock. The lock file is ours by record, never
// by its name: a run writes the mark of a demonstration lock into a file of its own and only then
// gives it the lock's name, and removes it when released; an existing file is taken only when it
// holds that mark (a lock another run holds, or one a killed run left). The lock file also records
// whether its holder has a build file, so that the run that takes over a killed run's lock knows
// that build file for the killed run's own.

#include <filesystem>
#include <functional>

#include "platform/files/descriptor.hpp"

namespace kalvik::demo {

class BuildFile;

class DemoLock {
  public:
    // Takes the lock, waiting while another process holds it; whenWaiting is called before such a
    // wait. Fails with error 58 when FILE.lock is a file that no run made, which stays as it is,
    // and with error 75 when the lock file cannot be made.
    explicit DemoLock(const std::filesystem::path& file,
                      const std::function<void()>& whenWaiting = {});
    ~DemoLock();
    DemoLock(const DemoLock&) = delete;
    DemoLock& operator=(const DemoLock&) = delete;

    // The database file the lock is for: the real path of the file given (the path as given when
    // its folder cannot be looked at, which then fails where it is used).
    const std::filesystem::path& file() const noexcept { return file_; }

    // Whether the run that held the lock before this one ended while it had a build file.
    bool buildLeftOver() const noexcept { return buildLeftOver_; }

  private:
    // The build file records itself, in the order its making and removal need.
    friend class BuildFile;

    // Records whether this run has a build file: set before the file is made, cleared once it
    // is gone. Fails with error 75 when the record cannot be written.
    void recordBuild(bool exists);

    std::filesystem::path file_;
    std::filesystem::path lockFile_;
    files::Descriptor descriptor_;
    bool buildLeftOver_ = false;
};

}  // namespace kalvik::demo
