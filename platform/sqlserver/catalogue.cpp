#include "platform/sqlserver/catalogue.hpp"

#include <sqlite3.h>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/oleaut/letter_case.hpp"

namespace sqlserver {
namespace {

using oleaut::Variant;

constexpr const char* kSchema =
    "CREATE TABLE databases(database_id INTEGER PRIMARY KEY, name TEXT NOT NULL, "
    "name_key TEXT NOT NULL UNIQUE);"
    "CREATE TABLE master_files(database_id INTEGER NOT NULL, file_id INTEGER NOT NULL, "
    "type_desc TEXT NOT NULL, name TEXT NOT NULL, physical_name TEXT NOT NULL, "
    "PRIMARY KEY(database_id, file_id));"
    "CREATE TABLE my_permissions(permission_name TEXT PRIMARY KEY);"
    "INSERT INTO my_permissions VALUES ('CONNECT'), ('CREATE DATABASE');";

// The system databases every server has, in id order, with their data files.
struct SystemDatabase {
    const char* name;
    const char* dataFile;
};
constexpr SystemDatabase kSystemDatabases[] = {
    {"master", Catalogue::kFileName},
    {"tempdb", "tempdb.mdf"},
    {"model", "model.mdf"},
    {"msdb", "msdbdata.mdf"},
};

// same_name(a, b): database names compared as the server's collation does.
void sameName(sqlite3_context* context, int, sqlite3_value** values) {
    auto text = [](sqlite3_value* v) {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return std::string_view(chars ? chars : "");
    };
    sqlite3_result_int(context, oleaut::sameTextIgnoringCase(text(values[0]), text(values[1])));
}

// A database name as the catalogue keeps it unique: letter case ignored, as the server compares.
std::string nameKey(const std::string& name) {
    return oleaut::lowerCaseText(name);
}

}  // namespace

Catalogue::Catalogue(const std::filesystem::path& serverFolder)
    : file_(serverFolder / kFileName, ado::sqlite::File::Mode::ReadWrite) {
    sqlite3_create_function(file_.handle(), "same_name", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                            nullptr, sameName, nullptr, nullptr);
}

void Catalogue::create(const std::filesystem::path& serverFolder) {
    ado::sqlite::File master(serverFolder / kFileName, ado::sqlite::File::Mode::Create);
    master.run(kSchema);
    int32_t id = 1;
    for (const SystemDatabase& system : kSystemDatabases) {
        const std::string path = (serverFolder / system.dataFile).string();
        if (id > 1) ado::createSqliteDatabase(path);
        master.run("INSERT INTO databases VALUES (?, ?, ?)",
                   {Variant(id), Variant(system.name), Variant(nameKey(system.name))});
        master.run("INSERT INTO master_files VALUES (?, 1, 'ROWS', ?, ?)",
                   {Variant(id), Variant(system.name), Variant(path)});
        ++id;
    }
}

ado::RowSet Catalogue::databases() {
    return file_.run("SELECT name, database_id FROM databases ORDER BY database_id");
}

ado::RowSet Catalogue::databasesNamed(const std::string& name) {
    return file_.run(
        "SELECT name, database_id FROM databases WHERE same_name(name, ?) ORDER BY database_id",
        {Variant(name)});
}

std::optional<std::string> Catalogue::dataFileOf(const std::string& name) {
    const ado::RowSet rows = file_.run(
        "SELECT f.physical_name FROM databases d JOIN master_files f USING (database_id) "
        "WHERE same_name(d.name, ?) AND f.type_desc = 'ROWS' ORDER BY f.file_id LIMIT 1",
        {Variant(name)});
    if (rows.rowCount() == 0) return std::nullopt;
    return ado::sqlite::textAt(rows, 0, 0);
}

ado::RowSet Catalogue::filesAt(const std::string& physicalName) {
    return file_.run("SELECT * FROM master_files WHERE physical_name = ? ORDER BY database_id",
                     {Variant(physicalName)});
}

ado::RowSet Catalogue::permission(const std::string& name) {
    return file_.run(
        "SELECT 'database' AS entity_name, '' AS subentity_name, permission_name "
        "FROM my_permissions WHERE permission_name = ?",
        {Variant(name)});
}

bool Catalogue::holds(const std::string& right) {
    return permission(right).rowCount() > 0;
}

ado::sqlite::FileTransaction Catalogue::beginChange() {
    return ado::sqlite::FileTransaction(file_);
}

void Catalogue::add(const std::string& name, const DatabaseFile& data, const DatabaseFile& log) {
    const ado::RowSet next = file_.run("SELECT coalesce(max(database_id), 0) + 1 FROM databases");
    const Variant id = next.cells.get(0);
    file_.run("INSERT INTO databases VALUES (?, ?, ?)",
              {id, Variant(name), Variant(nameKey(name))});
    file_.run("INSERT INTO master_files VALUES (?, 1, 'ROWS', ?, ?), (?, 2, 'LOG', ?, ?)",
              {id, Variant(data.logicalName), Variant(data.physicalName), id,
               Variant(log.logicalName), Variant(log.physicalName)});
}

}  // namespace sqlserver
