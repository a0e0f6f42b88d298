#pragma once
// The file a build goes into, FILE.building beside the locked file, ours by the lock's record,
// reached through the lock's held folder.

#include <string>
#include <string_view>

#include "demo/demo_lock.hpp"

namespace kalvik::demo {

// What the build file's name adds to the database's.
inline constexpr std::string_view kBuildSuffix = ".building";

// Recorded in the lock before it is made, and the record cleared once it is gone. One that a
// killed run recorded is removed before, with its side files; any other file at its path or at
// one of its side files' fails with error 58 and stays as it is. Whatever a failed build leaves
// is removed after.
class BuildFile {
  public:
    explicit BuildFile(DemoLock& lock);
    ~BuildFile();
    BuildFile(const BuildFile&) = delete;
    BuildFile& operator=(const BuildFile&) = delete;

    const std::string& path() const noexcept { return path_; }

  private:
    DemoLock& lock_;
    std::string path_;
};

}  // namespace kalvik::demo
