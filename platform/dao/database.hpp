#pragma once
// DAO's Database over a workstation file: its table definitions (local tables and links), the
// Jet SQL texts the engine knows, and Close.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/sqlite_file.hpp"

namespace dao {

// Attributes of a table definition.
inline constexpr int32_t dbAttachedODBC = 0x20000000;

class Database;

// A table definition: a local table, a link, or a new definition not appended yet.
class TableDef {
  public:
    std::string Name;
    int32_t Attributes = 0;
    std::string Connect;
    std::string SourceTableName;
};

class TableDefList {
  public:
    int32_t Count() const { return static_cast<int32_t>(defs_.size()); }
    // By position (0-based) or by name, letter case ignored; 3265 when there is none.
    [[nodiscard]] std::shared_ptr<TableDef> Item(int32_t index) const;
    [[nodiscard]] std::shared_ptr<TableDef> Item(const std::string& name) const;
    // Creates a link from a definition whose Connect is "ODBC;…": name taken 3012, no source
    // table 3011, no connection 3151.
    void Append(const std::shared_ptr<TableDef>& def);
    // Reads the file's definitions again.
    void Refresh();

  private:
    friend class Database;
    explicit TableDefList(Database* database) : database_(database) {}

    Database* database_;
    std::vector<std::shared_ptr<TableDef>> defs_;
};

class Database {
  public:
    // Opens a workstation file read-write; see DBEngine::OpenDatabase.
    explicit Database(const std::filesystem::path& path);
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& Name() const noexcept { return name_; }
    [[nodiscard]] TableDefList& TableDefs();
    [[nodiscard]] std::shared_ptr<TableDef> CreateTableDef(const std::string& name = {},
                                                           int32_t attributes = 0,
                                                           const std::string& sourceTableName = {},
                                                           const std::string& connect = {});
    // Runs one of the engine's Jet SQL texts; any other text fails quoting it.
    void Execute(const std::string& text);
    void Close();

    // The open file; 3420 once closed.
    [[nodiscard]] ado::sqlite::File& file();

  private:
    // 3420 once closed.
    void requireOpen() const;

    std::string name_;
    std::unique_ptr<ado::sqlite::File> file_;
    TableDefList tableDefs_{this};
};

}  // namespace dao
