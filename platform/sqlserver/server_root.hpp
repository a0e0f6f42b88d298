#pragma once
// Where the servers live: one folder per server under one root, found by name.

#include <filesystem>
#include <optional>
#include <string_view>

namespace sqlserver {

// $KALVIK_SQLSERVER_ROOT, else ${XDG_DATA_HOME:-~/.local/share}/kalvik/sqlserver.
[[nodiscard]] std::filesystem::path serverRoot();

// The folder of the server named so, letter case ignored. The name is compared with the root's
// folder names, never joined into a path: "../x" names no server.
[[nodiscard]] std::optional<std::filesystem::path> findServer(std::string_view name);

}  // namespace sqlserver
