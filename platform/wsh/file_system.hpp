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
    std::string GetTempName() const;
    void DeleteFile(const std::string& path) const;
    bool FileExists(const std::string& path) const;
    // The file at a path; 53 "File not found" when there is none.
    File GetFile(const std::string& path) const;
};

}  // namespace wsh
