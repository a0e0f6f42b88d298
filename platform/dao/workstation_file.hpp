#pragma once
// A workstation file: a SQLite file with the engine's tables (dao_properties, dao_links,
// dao_indexes, dao_modules) beside its local tables. Without dao_properties a file is no
// workstation file.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/sqlite_file.hpp"

namespace dao {

// Whether a table is one of the engine's own (letter case ignored), which are no table
// definitions of the file.
[[nodiscard]] bool isEngineTable(std::string_view name);

// A linked table as the file keeps it.
struct Link {
    std::string name;
    std::string connect;
    std::string sourceTableName;
    int32_t attributes = 0;
    std::vector<std::string> columns;  // the source table's columns when linked
};

struct Module {
    std::string name;
    std::string source;
};

// What a new file holds, for tests and the demonstration.
struct WorkstationContents {
    std::vector<std::string> localTables;  // CREATE TABLE statements (and rows to insert)
    std::vector<Link> links;
    std::vector<Module> modules;
};

// Opens a workstation file: missing 3024, not a workstation file 3343.
[[nodiscard]] std::unique_ptr<ado::sqlite::File> openWorkstationFile(
    const std::filesystem::path& path, ado::sqlite::File::Mode mode);

// Creates the engine's tables in a new file, with its Locale property.
void createEngineTables(ado::sqlite::File& file, const std::string& locale);

// Makes a workstation file with local tables, links and modules; fails when it exists.
void makeWorkstationFile(const std::filesystem::path& path, const WorkstationContents& contents);

// Column lists as the engine's tables keep them, one name a line.
[[nodiscard]] std::string joinColumns(const std::vector<std::string>& columns);
[[nodiscard]] std::vector<std::string> splitColumns(const std::string& joined);

// The links, indexes and properties of a file.
[[nodiscard]] std::vector<Link> readLinks(ado::sqlite::File& file);
void writeLink(ado::sqlite::File& file, const Link& link);
[[nodiscard]] std::string property(ado::sqlite::File& file, const std::string& name);
void setProperty(ado::sqlite::File& file, const std::string& name, const std::string& value);

// Every module of the file compiled and saved, its source kept.
void compileModules(ado::sqlite::File& file);
// Makes the file a compiled copy: every module compiled and its source dropped, property MDE =
// "T", and no trace of the sources left in free pages.
void makeCompiledCopy(ado::sqlite::File& file);

}  // namespace dao
