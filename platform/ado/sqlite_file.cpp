#include "platform/ado/sqlite_file.hpp"

#include <sqlite3.h>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_database.hpp"
#include "platform/ado/sqlite_open.hpp"
#include "platform/ado/sqlite_values.hpp"
#include "platform/files/held_folder.hpp"

namespace ado::sqlite {
namespace {

[[noreturn]] void failOpen(const std::filesystem::path& path, const std::string& why) {
    throw adoError(adErrProviderFailed, "cannot open " + pathInQuotes(path.string()) + ": " + why,
                   "SQLite");
}

int flagsOf(File::Mode mode) {
    switch (mode) {
        case File::Mode::ReadOnly:
            return SQLITE_OPEN_READONLY;
        case File::Mode::ReadWrite:
            return SQLITE_OPEN_READWRITE;
        case File::Mode::Create:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    return SQLITE_OPEN_READONLY;
}

}  // namespace

File::File(const std::filesystem::path& path, Mode mode, int busyWaitMs) : path_(path) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (mode == Mode::Create && exists) failOpen(path, "the file exists");
    if (mode != Mode::Create && !std::filesystem::is_regular_file(path, ec)) {
        failOpen(path, "the file does not exist");
    }
    std::string why;
    db_ = openFile(path, flagsOf(mode) | SQLITE_OPEN_NOMUTEX, why);
    if (!db_) failOpen(path, why);
    sqlite3_busy_timeout(db_, busyWaitMs);
    const int read = sqlite3_exec(db_, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    if (read != SQLITE_OK) {
        sqlite3_close_v2(db_);
        if ((read & 0xff) == SQLITE_BUSY) {
            throw FileBusyError(
                adErrProviderFailed,
                "cannot open " + pathInQuotes(path) + ": another connection holds the file",
                "SQLite");
        }
        failOpen(path, "the file is not a database");
    }
}

File::~File() {
    sqlite3_close_v2(db_);
}

RowSet File::run(const std::string& sql, const std::vector<oleaut::Variant>& values) {
    // The statements are this layer's own: a failure names the file, never the statement's text.
    const std::string what = "a statement on " + pathInQuotes(path_.string());
    std::vector<Binding> bindings;
    bindings.reserve(values.size());
    for (const oleaut::Variant& value : values)
        bindings.push_back({{}, value});
    RowSet result;
    size_t nextPositional = 0;
    const char* rest = sql.c_str();
    const char* end = sql.c_str() + sql.size();
    while (rest < end) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db_, rest, static_cast<int>(end - rest), &raw, &tail);
        if (rc != SQLITE_OK) raise(db_, rc, "preparing " + what);
        rest = tail ? tail : end;
        if (!raw) continue;
        Statement statement(raw);
        bindParameters(raw, bindings, &nextPositional, what);
        const int columnCount = sqlite3_column_count(raw);
        if (columnCount > 0) {
            result.columns = std::make_shared<const ColumnSet>(describeColumns(raw));
            result.cells.clear();
            result.returnsRows = true;
        }
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
            for (int i = 0; i < columnCount; ++i) {
                readInto(raw, i, (*result.columns)[static_cast<size_t>(i)], result.cells);
            }
        }
        if (rc != SQLITE_DONE) raise(db_, rc, "running " + what);
        result.recordsAffected += sqlite3_changes64(db_);
    }
    return result;
}

bool File::hasTable(const std::string& name) {
    return run("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
               {name})
               .rowCount() > 0;
}

std::vector<std::string> File::tables() {
    const RowSet rows =
        run("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
            "ESCAPE '\\' ORDER BY rowid");
    std::vector<std::string> names;
    for (size_t row = 0; row < rows.rowCount(); ++row)
        names.push_back(textAt(rows, row, 0));
    return names;
}

void File::copyInto(const std::filesystem::path& target) {
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        throw adoError(adErrProviderFailed,
                       "cannot copy into " + pathInQuotes(target.string()) + ": the file exists",
                       "SQLite");
    }
    run("VACUUM INTO ?", {oleaut::Variant(target.string())});
}

void File::copyIntoEmptyFile(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(target, ec) ||
        std::filesystem::file_size(target, ec) != 0) {
        throw adoError(adErrProviderFailed,
                       "cannot copy into " + pathInQuotes(target.string()) + ": not an empty file",
                       "SQLite");
    }
    run("VACUUM INTO ?", {oleaut::Variant(target.string())});
}

FileTransaction::FileTransaction(File& file) : file_(file) {
    file_.run("BEGIN IMMEDIATE");
}

FileTransaction::~FileTransaction() {
    if (open_) sqlite3_exec(file_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void FileTransaction::commit() {
    file_.run("COMMIT");
    open_ = false;
}

std::string textAt(const RowSet& rows, size_t row, size_t column) {
    const oleaut::Variant value = rows.cells.get(row * rows.columns->size() + column);
    return value.isNull() ? std::string() : oleaut::CStr(value);
}

}  // namespace ado::sqlite
