#include "platform/ado/connection_string.hpp"
#include "platform/ado/sqlite_provider.hpp"

namespace ado {

std::string sqliteConnectionString(const std::filesystem::path& file) {
    return "Provider=SQLite;Data Source=" + quotedConnectionValue(file.native());
}

}  // namespace ado
