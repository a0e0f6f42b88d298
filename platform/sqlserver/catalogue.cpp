#include "platform/sqlserver/catalogue.hpp"

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <map>

#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/identity.hpp"
#include "platform/sqlserver/database_names.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

using oleaut::Variant;

// The catalogue's shape, kept as the file's user_version: 0 for the shapes before it (databases
// without name_key, or keyed counting trailing blanks), 1 with the keys of database_names.hpp and
// the restores under way, 2 with the copy of a restore's log file.
constexpr int32_t kShape = 2;

constexpr const char* kDatabasesTable =
    "(database_id INTEGER PRIMARY KEY, name TEXT NOT NULL, name_key TEXT NOT NULL UNIQUE);";
constexpr const char* kRestoringTable =
    "CREATE TABLE restoring(name_key TEXT PRIMARY KEY, data_file TEXT NOT NULL, "
    "log_file TEXT NOT NULL, copy TEXT NOT NULL UNIQUE, log_copy TEXT);";
constexpr const char* kRestoringLogCopies =
    "CREATE UNIQUE INDEX restoring_log_copy ON restoring(log_copy);"
    "PRAGMA user_version = 2;";
constexpr const char* kOtherTables =
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

std::optional<std::chrono::steady_clock::time_point> deadlineAfter(int32_t timeoutSeconds) {
    if (timeoutSeconds <= 0) return std::nullopt;
    return std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
}

// The catalogue's file, waited for while another connection holds it as long as the statement
// may wait; past that, the statement's timeout.
ado::sqlite::File openWaiting(const std::filesystem::path& file, int waitMs) {
    try {
        return ado::sqlite::File(file, ado::sqlite::File::Mode::ReadWrite, waitMs);
    } catch (const ado::sqlite::FileBusyError&) {
        throw timeoutError();
    }
}

}  // namespace

bool isSideFileOf(const std::string& path, const std::string& database) {
    const std::optional<files::Place> place = files::placeOf(path);
    if (!place) return false;
    return std::any_of(
        std::begin(ado::kSqliteSideFiles), std::end(ado::kSqliteSideFiles),
        [&](const char* suffix) { return files::placeOf(database + suffix) == place; });
}

Catalogue::Catalogue(const std::filesystem::path& serverFolder, int32_t timeoutSeconds)
    : deadline_(deadlineAfter(timeoutSeconds)),
      file_(openWaiting(serverFolder / kFileName, waitLeftMs())) {
    upgrade();
}

void Catalogue::create(const std::filesystem::path& serverFolder) {
    ado::sqlite::File master(serverFolder / kFileName, ado::sqlite::File::Mode::Create);
    master.run(std::string("CREATE TABLE databases") + kDatabasesTable + kOtherTables +
               kRestoringTable + kRestoringLogCopies);
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

// Each step waits while another change holds the file, up to the deadline; past it the step
// fails as the statement's timeout, never with the file's own text.
template <typename Step>
auto Catalogue::waiting(Step&& step) -> decltype(step()) {
    sqlite3_busy_timeout(file_.handle(), waitLeftMs());
    try {
        return step();
    } catch (const oleaut::Error&) {
        if ((sqlite3_errcode(file_.handle()) & 0xff) == SQLITE_BUSY) throw timeoutError();
        throw;
    }
}

// The milliseconds left until the deadline; without one, as long as SQLite waits at all.
int Catalogue::waitLeftMs() const {
    if (!deadline_) return INT_MAX;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        *deadline_ - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<int64_t>(left.count(), 0, INT_MAX));
}

ado::RowSet Catalogue::run(const std::string& sql, const std::vector<Variant>& values) {
    return waiting([&] { return file_.run(sql, values); });
}

// Brings a catalogue of an earlier shape to the present one: the databases keyed anew and the
// table of restores under way added, or the column of a restore's log copy added. Names that the
// keys make one cannot be kept apart: such a catalogue is refused.
void Catalogue::upgrade() {
    auto shape = [this] { return oleaut::CLng(run("PRAGMA user_version").cells.get(0)); };
    if (shape() >= kShape) return;
    Change change = beginChange();
    const int32_t earlier = shape();
    if (earlier >= kShape) return;  // upgraded by another meanwhile
    if (earlier == 0) {
        keyDatabases();
        run(kRestoringTable);
    } else {
        run("ALTER TABLE restoring ADD COLUMN log_copy TEXT");
    }
    run(kRestoringLogCopies);
    change.commit();
}

void Catalogue::keyDatabases() {
    const ado::RowSet rows = run("SELECT database_id, name FROM databases ORDER BY database_id");
    run(std::string("CREATE TABLE databases_keyed") + kDatabasesTable);
    std::map<std::string, std::string> names;
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        const std::string name = ado::sqlite::textAt(rows, row, 1);
        const auto [earlier, fresh] = names.emplace(nameKey(name), name);
        if (!fresh) {
            throw connectionError(
                kCatalogueUnusable,
                "The server's catalogue " + serverQuotedPath(file_.path().string()) +
                    " holds the databases " + serverQuoted(earlier->second) + " and " +
                    serverQuoted(name) +
                    ", which are one name to the server, so it cannot be brought to the present "
                    "shape. Make the folder again with vendrel-demo-tree.");
        }
        run("INSERT INTO databases_keyed VALUES (?, ?, ?)",
            {rows.cells.get(row * 2), Variant(name), Variant(earlier->first)});
    }
    run("DROP TABLE databases; ALTER TABLE databases_keyed RENAME TO databases");
}

ado::RowSet Catalogue::databases() {
    return run("SELECT name, database_id FROM databases ORDER BY database_id");
}

ado::RowSet Catalogue::databasesNamed(const std::string& name) {
    return run("SELECT name, database_id FROM databases WHERE name_key = ? ORDER BY database_id",
               {Variant(nameKey(name))});
}

std::optional<std::string> Catalogue::dataFileOf(const std::string& name) {
    const ado::RowSet rows =
        run("SELECT f.physical_name FROM databases d JOIN master_files f USING (database_id) "
            "WHERE d.name_key = ? AND f.type_desc = 'ROWS' ORDER BY f.file_id LIMIT 1",
            {Variant(nameKey(name))});
    if (rows.rowCount() == 0) return std::nullopt;
    return ado::sqlite::textAt(rows, 0, 0);
}

ado::RowSet Catalogue::filesAt(const std::string& physicalName) {
    return run("SELECT * FROM master_files WHERE physical_name = ? ORDER BY database_id",
               {Variant(physicalName)});
}

ado::RowSet Catalogue::permission(const std::string& name) {
    return run(
        "SELECT 'database' AS entity_name, '' AS subentity_name, permission_name "
        "FROM my_permissions WHERE permission_name = ?",
        {Variant(name)});
}

bool Catalogue::holds(const std::string& right) {
    return permission(right).rowCount() > 0;
}

bool Catalogue::nameTaken(const std::string& name) {
    return run("SELECT 1 FROM databases WHERE name_key = ?1 "
               "UNION ALL SELECT 1 FROM restoring WHERE name_key = ?1",
               {Variant(nameKey(name))})
               .rowCount() > 0;
}

bool Catalogue::pathTaken(const std::string& path) {
    return anyAt(
        "SELECT physical_name FROM master_files UNION ALL "
        "SELECT data_file FROM restoring UNION ALL SELECT log_file FROM restoring "
        "UNION ALL SELECT copy FROM restoring "
        "UNION ALL SELECT log_copy FROM restoring WHERE log_copy IS NOT NULL",
        path);
}

bool Catalogue::recorded(const std::string& path) {
    return anyAt("SELECT physical_name FROM master_files", path);
}

std::vector<std::string> Catalogue::paths(const std::string& query) {
    const ado::RowSet rows = run(query);
    std::vector<std::string> found;
    for (size_t row = 0; row < rows.rowCount(); ++row)
        found.push_back(ado::sqlite::textAt(rows, row, 0));
    return found;
}

// Whether one of the paths a query reads leads where the path does: one spelling of it, or the
// same place by its device and inode (a file there, else its folder and name).
bool Catalogue::anyAt(const std::string& query, const std::string& path) {
    const std::optional<files::Place> place = files::placeOf(path);
    for (const std::string& found : paths(query)) {
        if (found == path || (place && files::placeOf(found) == place)) return true;
    }
    return false;
}

std::optional<std::string> Catalogue::sideFileClash(const std::string& target, bool database) {
    std::vector<std::string> databases = paths(
        "SELECT physical_name FROM master_files WHERE type_desc = 'ROWS' UNION ALL "
        "SELECT data_file FROM restoring UNION ALL SELECT copy FROM restoring");
    for (const SystemDatabase& system : kSystemDatabases)
        databases.push_back((folder() / system.dataFile).string());
    for (const std::string& file : databases) {
        if (isSideFileOf(target, file)) return target;
    }
    if (database) {
        for (const char* suffix : ado::kSqliteSideFiles) {
            const std::string side = target + suffix;
            if (pathTaken(side)) return side;
        }
    }
    return std::nullopt;
}

bool Catalogue::timedOut() const {
    return deadline_ && std::chrono::steady_clock::now() >= *deadline_;
}

Catalogue::Change::Change(Catalogue& catalogue)
    : catalogue_(catalogue),
      transaction_(
          catalogue.waiting([&] { return ado::sqlite::FileTransaction(catalogue.file_); })) {}

void Catalogue::Change::commit() {
    catalogue_.waiting([this] { transaction_.commit(); });
}

Catalogue::Change Catalogue::beginChange() {
    return Change(*this);
}

void Catalogue::add(const std::string& name, const DatabaseFile& data, const DatabaseFile& log) {
    const ado::RowSet next = run("SELECT coalesce(max(database_id), 0) + 1 FROM databases");
    const Variant id = next.cells.get(0);
    run("INSERT INTO databases VALUES (?, ?, ?)",
        {id, Variant(std::string(keptName(name))), Variant(nameKey(name))});
    run("INSERT INTO master_files VALUES (?, 1, 'ROWS', ?, ?), (?, 2, 'LOG', ?, ?)",
        {id, Variant(data.logicalName), Variant(data.physicalName), id, Variant(log.logicalName),
         Variant(log.physicalName)});
}

void Catalogue::reserve(const Reservation& reservation) {
    run("INSERT INTO restoring VALUES (?, ?, ?, ?, ?)",
        {Variant(nameKey(reservation.name)), Variant(reservation.dataFile),
         Variant(reservation.logFile), Variant(reservation.copy), Variant(reservation.logCopy)});
}

bool Catalogue::reserved(const std::string& copy) {
    return run("SELECT 1 FROM restoring WHERE copy = ?", {Variant(copy)}).rowCount() > 0;
}

void Catalogue::dropReservation(const std::string& copy) {
    run("DELETE FROM restoring WHERE copy = ?", {Variant(copy)});
}

std::vector<Reservation> Catalogue::reservations() {
    const ado::RowSet rows =
        run("SELECT name_key, data_file, log_file, copy, coalesce(log_copy, '') FROM restoring");
    std::vector<Reservation> found;
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        found.push_back({ado::sqlite::textAt(rows, row, 0), ado::sqlite::textAt(rows, row, 1),
                         ado::sqlite::textAt(rows, row, 2), ado::sqlite::textAt(rows, row, 3),
                         ado::sqlite::textAt(rows, row, 4)});
    }
    return found;
}

}  // namespace sqlserver
