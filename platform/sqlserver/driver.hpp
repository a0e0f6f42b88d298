#pragma once
// The ODBC driver "SQL Server": connection strings "Driver={SQL Server};Trusted_Connection=Yes;
// Server=NAME;Database=NAME;" reach the servers under the server root.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/errors.hpp"
#include "platform/oleaut/recorded_texts.hpp"
#include "platform/sqlserver/statements.hpp"

namespace sqlserver {

// Registers the driver with ADO's ODBC provider, as installing it on a machine does; a program
// that talks to the server calls it once before it connects.
void installDriver();

// Makes a server folder of that name under the root with a new catalogue; fails when the folder
// exists. Returns the folder.
std::filesystem::path makeServer(const std::string& name);

// The texts the servers receive while a log is kept, table requests included, in order.
oleaut::RecordedTexts& receivedStatements();
class StatementLog : public oleaut::KeptLog {
  public:
    StatementLog() : KeptLog(receivedStatements()) {}
};

// A statement that fails with an error or takes a time (then fails with a timeout when that is
// longer than its CommandTimeout), while the object lives.
struct Fault {
    std::optional<ado::ProviderError> error;
    std::chrono::milliseconds delay{0};
};

class ScopedFault {
  public:
    ScopedFault(StatementKind kind, Fault fault);
    ~ScopedFault();
    ScopedFault(const ScopedFault&) = delete;
    ScopedFault& operator=(const ScopedFault&) = delete;

  private:
    StatementKind kind_;
};

}  // namespace sqlserver
