#pragma once
// Scripting.FileSystemObject as scripts and the installer use it.

#include <string>

namespace wsh {

class File {
  public:
    explicit File(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const noexcept { return path_; }
    void Delete() const;

  private:
    std::string path_;
};

class FileSystemObject {
  public:
    // Copies a file, replacing the destination when overwrite is true.
    void CopyFile(const std::string& source, const std::string& destination,
                  bool overwrite = true) const;
    // A bare name "radXXXXX.tmp" (five hexadecimal digits).
    [[nodiscard]] std::string GetTempName() const;
    void DeleteFile(const std::string& path) const;
    [[nodiscard]] bool FileExists(const std::string& path) const;
    // The file at a path; 53 "File not found" when there is none.
    [[nodiscard]] File GetFile(const std::string& path) const;
};

}  // namespace wsh
