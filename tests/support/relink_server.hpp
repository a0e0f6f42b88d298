#pragma once
// For the relinking's tests: a server root of the test's own with the server "Srv1", on which
// the demonstration database is restored (through the server's own restore) under a name; a
// connection to it, its data file, and the log of what the relinking shows and redraws.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/ado/connection.hpp"
#include "tests/support/temporary_directory.hpp"

namespace testing_support {

// The demonstration database's backup, built once for the test program.
const std::filesystem::path& demoBackup();

class RelinkServer {
  public:
    static constexpr const char* kServer = "Srv1";
    static constexpr const char* kDatabase = "Virsel_Demo";

    // Installs the server's driver, makes the server under root/servers and restores the
    // demonstration backup as database into root/BD.
    explicit RelinkServer(const std::filesystem::path& root,
                          const std::string& database = kDatabase);

    // An open connection to a database of the server.
    std::shared_ptr<ado::Connection> connect(const std::string& database = kDatabase) const;
    const std::filesystem::path& dataFile() const { return data_; }

  private:
    ScopedEnvironment root_;
    std::filesystem::path data_;
};

}  // namespace testing_support
