#pragma once
// A fresh folder for one test, removed with everything in it afterwards; reading a file whole;
// and an environment variable set (or unset) for one test.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

class TemporaryDirectory {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The whole text of file ("" when it cannot be read).
std::string fileContents(const std::filesystem::path& file);

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

class ScopedEnvironment {
  public:
    // value nullopt: the variable is unset.
    ScopedEnvironment(std::string name, std::optional<std::string> value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace testing_support
