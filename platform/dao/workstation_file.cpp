#include "platform/dao/workstation_file.hpp"

#include <algorithm>
#include <iterator>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/dao/dao_errors.hpp"
#include "platform/oleaut/letter_case.hpp"

namespace dao {
namespace {

using ado::sqlite::File;
using oleaut::Variant;

constexpr const char* kEngineSchema =
    "CREATE TABLE dao_properties(Name TEXT PRIMARY KEY COLLATE NOCASE, Value TEXT);"
    "CREATE TABLE dao_links(Name TEXT PRIMARY KEY COLLATE NOCASE, Connect TEXT NOT NULL, "
    "SourceTableName TEXT NOT NULL, Attributes INTEGER NOT NULL, Columns TEXT NOT NULL);"
    "CREATE TABLE dao_indexes(Name TEXT PRIMARY KEY COLLATE NOCASE, TableName TEXT NOT NULL, "
    "Fields TEXT NOT NULL, IsPrimary INTEGER NOT NULL);"
    "CREATE TABLE dao_modules(Name TEXT PRIMARY KEY COLLATE NOCASE, Source TEXT, "
    "Compiled INTEGER NOT NULL DEFAULT 0);";

constexpr char kColumnSeparator = '\n';

// The engine's own tables, as kEngineSchema makes them.
constexpr std::string_view kEngineTables[] = {"dao_properties", "dao_links", "dao_indexes",
                                              "dao_modules"};

}  // namespace

bool isEngineTable(std::string_view name) {
    return std::any_of(
        std::begin(kEngineTables), std::end(kEngineTables),
        [&](std::string_view engine) { return oleaut::sameTextIgnoringCase(name, engine); });
}

std::string joinColumns(const std::vector<std::string>& columns) {
    std::string joined;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i) joined += kColumnSeparator;
        joined += columns[i];
    }
    return joined;
}

std::vector<std::string> splitColumns(const std::string& joined) {
    std::vector<std::string> columns;
    size_t start = 0;
    while (start < joined.size()) {
        size_t end = joined.find(kColumnSeparator, start);
        if (end == std::string::npos) end = joined.size();
        columns.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return columns;
}

std::unique_ptr<File> openWorkstationFile(const std::filesystem::path& path, File::Mode mode) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        throw daoError(kFileNotFound, "Could not find file " + jetQuotedPath(path.string()) + ".");
    }
    std::unique_ptr<File> file;
    if (ado::sqliteApplicationId(path.string())) file = std::make_unique<File>(path, mode);
    if (!file || !file->hasTable("dao_properties")) {
        throw daoError(kUnrecognizedFormat,
                       "Unrecognized database format " + jetQuotedPath(path.string()) + ".");
    }
    return file;
}

void createEngineTables(File& file, const std::string& locale) {
    file.run(kEngineSchema);
    setProperty(file, "Locale", locale);
}

void makeWorkstationFile(const std::filesystem::path& path, const WorkstationContents& contents) {
    File file(path, File::Mode::Create);
    createEngineTables(file, "");
    for (const std::string& sql : contents.localTables)
        file.run(sql);
    for (const Link& link : contents.links)
        writeLink(file, link);
    for (const Module& module : contents.modules) {
        file.run("INSERT INTO dao_modules(Name, Source, Compiled) VALUES (?, ?, 0)",
                 {Variant(module.name), Variant(module.source)});
    }
}

std::vector<Link> readLinks(File& file) {
    const ado::RowSet rows =
        file.run("SELECT Name, Connect, SourceTableName, Attributes, Columns FROM dao_links");
    std::vector<Link> links;
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        Link link;
        link.name = ado::sqlite::textAt(rows, row, 0);
        link.connect = ado::sqlite::textAt(rows, row, 1);
        link.sourceTableName = ado::sqlite::textAt(rows, row, 2);
        link.attributes = oleaut::CLng(rows.cells.get(row * 5 + 3));
        link.columns = splitColumns(ado::sqlite::textAt(rows, row, 4));
        links.push_back(std::move(link));
    }
    return links;
}

void writeLink(File& file, const Link& link) {
    file.run("INSERT INTO dao_links VALUES (?, ?, ?, ?, ?)",
             {Variant(link.name), Variant(link.connect), Variant(link.sourceTableName),
              Variant(link.attributes), Variant(joinColumns(link.columns))});
}

std::string property(File& file, const std::string& name) {
    const ado::RowSet rows =
        file.run("SELECT Value FROM dao_properties WHERE Name = ?", {Variant(name)});
    if (rows.rowCount() == 0) {
        throw daoError(kItemNotFound, "Property " + jetQuoted(name) + " not found.");
    }
    return ado::sqlite::textAt(rows, 0, 0);
}

void setProperty(File& file, const std::string& name, const std::string& value) {
    file.run("INSERT OR REPLACE INTO dao_properties VALUES (?, ?)",
             {Variant(name), Variant(value)});
}

void compileModules(File& file) {
    file.run("UPDATE dao_modules SET Compiled = 1");
}

void makeCompiledCopy(File& file) {
    file.run("UPDATE dao_modules SET Source = NULL, Compiled = 1");
    setProperty(file, "MDE", "T");
    file.run("VACUUM");
}

}  // namespace dao
