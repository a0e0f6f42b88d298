#pragma once
// The lock of one demonstration database file, held across processes: while a run holds it, no
// other run builds, replaces or works on that file. It is an exclusive flock on FILE.lock beside
// the file, made when taken and removed when released; one left by a killed run is taken over.

#include <filesystem>
#include <functional>

namespace kalvik::demo {

class DemoLock {
  public:
    // Takes the lock, waiting while another process holds it; whenWaiting is called before such a
    // wait. Fails with error 75 when the lock file cannot be made.
    explicit DemoLock(std::filesystem::path file, const std::function<void()>& whenWaiting = {});
    ~DemoLock();
    DemoLock(const DemoLock&) = delete;
    DemoLock& operator=(const DemoLock&) = delete;

    // The database file the lock is for.
    const std::filesystem::path& file() const noexcept { return file_; }

  private:
    std::filesystem::path file_;
    std::filesystem::path lockFile_;
    int descriptor_ = -1;
};

}  // namespace kalvik::demo
