#include "platform/ado/sqlite_database.hpp"

#include <unistd.h>

#include <system_error>
#include <unordered_map>

#include "platform/ado/errors.hpp"
#include "platform/ado/sqlite_open.hpp"
#include "platform/ado/sqlite_values.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/files/identity.hpp"

namespace ado::sqlite {
namespace {

constexpr int kBusyTimeoutMs = 30000;      // journal rows of other workstations do not block us
constexpr int kProgressEveryOps = 1000;    // how often a running statement checks its deadline
constexpr size_t kMaxCachedBatches = 512;  // texts built per call must not grow the cache forever

[[noreturn]] void failOpen(const std::filesystem::path& file, const std::string& why) {
    throw adoError(adErrProviderFailed,
                   "cannot open database " + pathInQuotes(file.string()) + ": " + why, "SQLite");
}

int interruptPastDeadline(void* database) {
    return static_cast<Database*>(database)->pastDeadline() ? 1 : 0;
}

int keepFirstValue(void* value, int, char** values, char**) {
    if (values[0]) *static_cast<std::string*>(value) = values[0];
    return 0;
}

// Runs sql while opening; the first value of its last row. A failure names the file.
std::string execOrFail(sqlite3* db, const std::filesystem::path& file, const char* sql) {
    std::string value;
    char* message = nullptr;
    if (sqlite3_exec(db, sql, keepFirstValue, &value, &message) != SQLITE_OK) {
        // A damaged file's schema can be echoed in SQLite's message: cut as any echoed value.
        std::string why = message ? oleaut::echoed(message) : "unknown error";
        sqlite3_free(message);
        if (sqlite3_errcode(db) == SQLITE_NOTADB) why = "the file is not a database";
        if (sqlite3_errcode(db) == SQLITE_CANTOPEN) why = whyFailed(db, SQLITE_CANTOPEN);
        failOpen(file, why);
    }
    return value;
}

// A file this process may not write is opened read-only: it is read as it is, its journal mode
// unchanged and no WAL files made beside it.
bool writable(const std::filesystem::path& file) {
    return ::access(file.c_str(), W_OK) == 0;
}

// The busy timeout comes first, so that every later step waits for a lock another connection
// holds. Reading the schema version reads the file's header: a file that is no database fails
// here. WAL is switched on once, by a writer, when the file is not in WAL already.
void configure(sqlite3* db, const std::filesystem::path& file, bool readOnly) {
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    execOrFail(db, file, "PRAGMA schema_version");
    if (readOnly) return;
    execOrFail(db, file, "PRAGMA synchronous=NORMAL");
    if (execOrFail(db, file, "PRAGMA journal_mode") != "wal") {
        execOrFail(db, file, "PRAGMA journal_mode=WAL");
    }
}

sqlite3* openHandle(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) failOpen(file, "the file does not exist");
    if (std::filesystem::is_directory(file, ec)) failOpen(file, "it is a folder");
    if (std::filesystem::file_size(file, ec) == 0 && !ec) {
        failOpen(file, "the file is empty, not a database");
    }
    // SQLite keeps a WAL per name, so that writers under two names of one file damage it.
    if (const std::optional<nlink_t> names = files::linkCount(file); names && *names > 1) {
        failOpen(file, "the file has " + std::to_string(*names) +
                           " names (hard links), under which SQLite cannot keep one database");
    }
    const bool readOnly = !writable(file);
    const int flags =
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    std::string why;
    sqlite3* db = openFile(file, flags, why);
    if (!db) failOpen(file, why);
    try {
        configure(db, file, readOnly);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    return db;
}

}  // namespace

sqlite3_stmt* Batch::statement(sqlite3* db, size_t index) {
    while (index >= statements_.size() && !complete_) {
        const char* begin = text_.c_str() + preparedTo_;
        const char* tail = nullptr;
        sqlite3_stmt* raw = nullptr;
        const int rc = sqlite3_prepare_v3(db, begin, static_cast<int>(text_.size() - preparedTo_),
                                          SQLITE_PREPARE_PERSISTENT, &raw, &tail);
        if (rc != SQLITE_OK) raise(db, rc, "preparing " + inQuotes(text_));
        if (raw) statements_.emplace_back(raw);
        const size_t next = tail ? static_cast<size_t>(tail - text_.c_str()) : text_.size();
        // An empty statement (";") prepares to nothing; the text goes on after it.
        complete_ = next >= text_.size() || (!raw && next == preparedTo_);
        preparedTo_ = next;
    }
    return index < statements_.size() ? statements_[index].get() : nullptr;
}

const std::shared_ptr<const ColumnSet>& Batch::columns(size_t index) {
    sqlite3_stmt* statement = statements_.at(index).get();
    if (descriptions_.size() <= index) descriptions_.resize(index + 1);
    Description& description = descriptions_[index];
    const int compilations = sqlite3_stmt_status(statement, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (description.compilations != compilations) {
        description.columns = std::make_shared<const ColumnSet>(describeColumns(statement));
        description.compilations = compilations;
    }
    return description.columns;
}

std::shared_ptr<Database> Database::acquire(const std::filesystem::path& file) {
    // By what the file is: every spelling of its path, a link to it or a path through a held
    // folder, reaches the one handle. A file that is not there is opened to fail naming it.
    struct FileIdHash {
        size_t operator()(const files::FileId& id) const noexcept {
            return std::hash<uint64_t>{}(static_cast<uint64_t>(id.device) * 0x9E3779B97F4A7C15u ^
                                         static_cast<uint64_t>(id.inode));
        }
    };
    thread_local std::unordered_map<files::FileId, std::weak_ptr<Database>, FileIdHash> pool;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    const std::filesystem::path& path = ec ? file : absolute;
    const std::optional<files::FileId> key = files::idAt(path);
    if (!key) {
        sqlite3_close_v2(openHandle(path));  // fails naming the file
        failOpen(path, "the file cannot be looked at");
    }
    std::erase_if(pool, [](const auto& entry) { return entry.second.expired(); });
    if (auto found = pool.find(*key); found != pool.end()) {
        if (auto shared = found->second.lock()) return shared;
    }
    auto database = std::make_shared<Database>(openHandle(path), path);
    registerFunctions(*database);
    pool[*key] = database;
    return database;
}

Database::Database(sqlite3* db, std::filesystem::path file) : db_(db), file_(std::move(file)) {}

Database::~Database() {
    batches_.clear();
    if (transactionLevel_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

Batch& Database::batch(const std::string& sql) {
    auto found = batches_.find(sql);
    if (found != batches_.end()) return *found->second;
    if (batches_.size() >= kMaxCachedBatches) batches_.clear();
    return *batches_.emplace(sql, std::make_unique<Batch>(sql)).first->second;
}

Database::Running::Running(Database& db, const SessionIdentity& identity, int32_t timeoutSeconds)
    : db_(db) {
    db_.identity_ = &identity;
    db_.hasDeadline_ = timeoutSeconds > 0;
    if (db_.hasDeadline_) {
        db_.deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        sqlite3_progress_handler(db_.db_, kProgressEveryOps, interruptPastDeadline, &db_);
    }
}

Database::Running::~Running() {
    if (db_.hasDeadline_) sqlite3_progress_handler(db_.db_, 0, nullptr, nullptr);
    db_.hasDeadline_ = false;
    db_.identity_ = nullptr;
}

void raise(sqlite3* db, int code, const std::string& doing) {
    if ((code & 0xff) == SQLITE_INTERRUPT) {
        throw adoError(adErrQueryTimeout, "Query timeout expired while " + doing, "SQLite");
    }
    throw adoError(adErrCommandFailed,
                   oleaut::echoed(whyFailed(db, code)) + " (while " + doing + ")", "SQLite");
}

}  // namespace ado::sqlite
