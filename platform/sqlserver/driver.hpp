#pragma once
// The ODBC driver "SQL Server": connection strings "Driver={SQL Server};Trusted_Connection=Yes;
// Server=NAME;Database=NAME;" reach the servers under the server root.

#include <filesystem>
#include <string>

namespace sqlserver {

// Registers the driver with ADO's ODBC provider, as installing it on a machine does; a program
// that talks to the server calls it once before it connects.
void installDriver();

// Makes a server folder of that name under the root with a new catalogue; fails when the folder
// exists. Returns the folder.
[[nodiscard]] std::filesystem::path makeServer(const std::string& name);

}  // namespace sqlserver
