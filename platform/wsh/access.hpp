#pragma once
// The Access automation a build script drives: an instance, opened on a workstation file or not,
// that compiles the file's modules and makes the compiled copy (.mde).

#include <filesystem>
#include <memory>
#include <string>

#include "platform/dao/database.hpp"

namespace wsh {

class AccessApplication {
  public:
    // GetObject(path): an instance with the file open.
    void openFile(const std::string& path);
    // SysCmd 504, 16483: every module of the open file compiled and saved.
    void compileModules();
    // SysCmd 603, source, target: the compiled copy of source written at target (tables, links,
    // indexes and properties, no module sources, property MDE = "T"), replacing an earlier one
    // at once.
    void makeCompiledCopy(const std::string& source, const std::string& target);
    // DoCmd.Quit: the open file closed, the instance gone.
    void quit();

  private:
    void requireRunning() const;

    std::shared_ptr<dao::Database> open_;
    bool quit_ = false;
};

}  // namespace wsh
