#pragma once
// For the installer's tests: a server root of the test's own with the server "Srv1" (both rights
// granted), and a program folder holding a backup of a few tables as the demonstration backup
// "BD/BdBackup/Virsel_Demo.bak" (logical names "Virsel_Demo" and "Virsel_Demo_log") and an empty
// "BD" folder for the restored files.

#include <filesystem>
#include <string>

#include "tests/support/temporary_directory.hpp"

namespace testing_support {

// Takes a right ("CONNECT", "CREATE DATABASE") from the caller on the server in that folder.
void refuseRight(const std::filesystem::path& serverFolder, const std::string& right);

class DemoServer {
  public:
    static constexpr const char* kServer = "Srv1";

    // Installs the server's driver; makes the server under root/servers and the program folder
    // root/app.
    explicit DemoServer(const std::filesystem::path& root);

    const std::string& programFolder() const { return app_; }
    std::string backup() const { return app_ + "/BD/BdBackup/Virsel_Demo.bak"; }
    std::filesystem::path serverFolder() const { return server_; }

    // Takes a right from the caller.
    void refuse(const std::string& right) const;
    // Restores the backup as another database at these paths, behind the installer's back.
    void restoreAs(const std::string& name, const std::string& data, const std::string& log) const;

  private:
    ScopedEnvironment root_;
    std::filesystem::path server_;
    std::string app_;
};

}  // namespace testing_support
