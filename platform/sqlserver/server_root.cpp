#include "platform/sqlserver/server_root.hpp"

#include <cstdlib>

#include "platform/oleaut/letter_case.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {

std::filesystem::path serverRoot() {
    if (const char* root = std::getenv("KALVIK_SQLSERVER_ROOT"); root && *root) return root;
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        data = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        data = std::filesystem::path(home) / ".local" / "share";
    } else {
        throw connectionError(kServerNotFound,
                              "no server root: set KALVIK_SQLSERVER_ROOT, XDG_DATA_HOME or HOME");
    }
    return data / "kalvik" / "sqlserver";
}

std::optional<std::filesystem::path> findServer(std::string_view name) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(serverRoot(), ec)) {
        if (entry.is_directory(ec) &&
            oleaut::sameTextIgnoringCase(entry.path().filename().string(), name)) {
            return entry.path();
        }
    }
    return std::nullopt;
}

}  // namespace sqlserver
