#pragma once
// A server's catalogue in its master.mdf: the databases, their files and the caller's rights.
// Database names compare ignoring letter case (Latin and Cyrillic), paths exactly.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/sqlite_file.hpp"

namespace sqlserver {

struct DatabaseFile {
    std::string logicalName;
    std::string physicalName;
};

class Catalogue {
  public:
    static constexpr const char* kFileName = "master.mdf";

    explicit Catalogue(const std::filesystem::path& serverFolder);

    // Writes a new catalogue: master, tempdb, model and msdb, the rights CONNECT and CREATE
    // DATABASE.
    static void create(const std::filesystem::path& serverFolder);

    // name and database_id of every database, in id order, or of the one named so.
    [[nodiscard]] ado::RowSet databases();
    [[nodiscard]] ado::RowSet databasesNamed(const std::string& name);
    // The data file of the database named so; nothing when none is catalogued.
    [[nodiscard]] std::optional<std::string> dataFileOf(const std::string& name);
    // The catalogued files at a path.
    [[nodiscard]] ado::RowSet filesAt(const std::string& physicalName);
    // entity_name, subentity_name, permission_name when the caller holds the right.
    [[nodiscard]] ado::RowSet permission(const std::string& name);
    [[nodiscard]] bool holds(const std::string& right);

    // A change of the catalogue: what it reads and writes until committed is one transaction, so
    // that of two changes at once the second sees what the first did. Rolled back unless
    // committed.
    [[nodiscard]] ado::sqlite::FileTransaction beginChange();
    // Catalogues a database with its data and log file, within a change. The catalogue keeps
    // names unique, letter case ignored: a name already there fails.
    void add(const std::string& name, const DatabaseFile& data, const DatabaseFile& log);

  private:
    ado::sqlite::File file_;
};

}  // namespace sqlserver
