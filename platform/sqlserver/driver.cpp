#include "platform/sqlserver/driver.hpp"

#include "platform/ado/connection_string.hpp"
#include "platform/ado/provider.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/sqlserver/backup.hpp"
#include "platform/sqlserver/driver_test_seam.hpp"
#include "platform/sqlserver/server_errors.hpp"
#include "platform/sqlserver/server_root.hpp"

namespace sqlserver {
namespace {

constexpr const char* kDriverName = "SQL Server";
constexpr const char* kDefaultDatabase = "master";
// The rights a connection and a restore need.
constexpr const char* kConnect = "CONNECT";
constexpr const char* kCreateDatabase = "CREATE DATABASE";

bool isYes(const std::string& value) {
    return ado::equalsIgnoringAsciiCase(value, "Yes") ||
           ado::equalsIgnoringAsciiCase(value, "true");
}

class ServerSession final : public ado::Session {
  public:
    ServerSession(std::filesystem::path server, std::string dataFile, ado::SessionIdentity identity)
        : server_(std::move(server)),
          dataFile_(std::move(dataFile)),
          identity_(std::move(identity)) {}

    ado::RowSet execute(const ado::Request& request) override {
        receivedStatements().record(request.text);
        if (request.type == ado::adCmdTable || request.type == ado::adCmdTableDirect) {
            applyFault(StatementKind::TableRequest, request.timeoutSeconds);
            return table(request);
        }
        const auto statement = parseStatement(request.text);
        if (!statement) {
            throw statementError(kIncorrectSyntax,
                                 "Incorrect syntax near " + serverQuoted(request.text) + ".");
        }
        // A restore's fault strikes once it has made its copies (restoreDatabase).
        if (statement->kind != StatementKind::Restore) {
            applyFault(statement->kind, request.timeoutSeconds);
        }
        return run(*statement, request.timeoutSeconds);
    }

    const std::vector<std::string>& primaryKey(const std::string& table) override {
        return database().primaryKey(table);
    }
    std::unique_ptr<ado::RowInserter> prepareInsert(const std::string& table,
                                                    const std::vector<ado::ColumnInfo>& columns,
                                                    const std::vector<bool>& set) override {
        return database().prepareInsert(table, columns, set);
    }
    int64_t updateRows(const std::string& table, const std::vector<ado::ColumnValue>& values,
                       const std::vector<ado::ColumnValue>& match, int32_t timeout) override {
        return database().updateRows(table, values, match, timeout);
    }
    int64_t deleteRows(const std::string& table, const std::vector<ado::ColumnValue>& match,
                       int32_t timeout) override {
        return database().deleteRows(table, match, timeout);
    }
    int32_t beginTransaction() override { return database().beginTransaction(); }
    void commitTransaction() override { database().commitTransaction(); }
    void rollbackTransaction() override { database().rollbackTransaction(); }

  private:
    // A statement waits for the catalogue up to its timeout.
    ado::RowSet run(const Statement& s, int32_t timeoutSeconds) {
        const auto& v = s.values;
        auto catalogue = [&] { return Catalogue(server_, timeoutSeconds); };
        switch (s.kind) {
            case StatementKind::Permission:
                return catalogue().permission(v[0]);
            case StatementKind::Databases:
                return catalogue().databases();
            case StatementKind::DatabaseByName:
                return catalogue().databasesNamed(v[0]);
            case StatementKind::FileList:
                return backupFileList(v[0]);
            case StatementKind::MasterFiles:
                return catalogue().filesAt(v[0]);
            case StatementKind::Restore: {
                Catalogue master = catalogue();
                if (!master.holds(kCreateDatabase)) {
                    throw statementError(kPermissionDenied,
                                         "CREATE DATABASE permission denied in database 'master'.");
                }
                restoreDatabase(master, v[0], v[1], {v[2], v[3]}, {v[4], v[5]}, timeoutSeconds);
                return {};  // nothing returns rows
            }
            case StatementKind::StampWorkstationTables:
                return inDatabase(
                    "UPDATE [001_Таблицы_АРМов] SET [SQLServer] = ?, [SQLDatabase] = ?", v,
                    timeoutSeconds);
            case StatementKind::WorkstationTables:
                return inDatabase(
                    "SELECT * FROM [001_Таблицы_АРМов] WHERE [АРМ] LIKE ? AND [Нал] = 0 AND "
                    "[Резерв1] = '0'",
                    v, timeoutSeconds);
            case StatementKind::TableRequest:
                break;
        }
        throw statementError(kIncorrectSyntax, "Incorrect syntax.");
    }

    // A statement of the connected database, its values bound; a missing table fails with 208.
    ado::RowSet inDatabase(const std::string& sql, const std::vector<std::string>& values,
                           int32_t timeoutSeconds) {
        requireTable("001_Таблицы_АРМов");
        ado::Request request;
        request.text = sql;
        request.timeoutSeconds = timeoutSeconds;
        for (const std::string& value : values)
            request.bindings.push_back({{}, oleaut::Variant(value)});
        return database().execute(request);
    }

    ado::RowSet table(const ado::Request& request) {
        std::string name = request.text;
        if (name.size() >= 2 && name.front() == '[' && name.back() == ']') {
            name = name.substr(1, name.size() - 2);
        }
        requireTable(name);
        ado::Request asTable = request;
        asTable.text = name;
        return database().execute(asTable);
    }

    void requireTable(const std::string& name) {
        ado::Request look;
        look.text =
            "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = ? COLLATE "
            "NOCASE";
        look.bindings.push_back({{}, oleaut::Variant(name)});
        if (database().execute(look).rowCount() == 0) throw noTableError(name);
    }

    // The connected database's file, opened on first use.
    ado::Session& database() {
        if (!open_) {
            open_ =
                ado::openSqliteSession(ado::ConnectionString::parse(
                                           "Data Source=" + ado::quotedConnectionValue(dataFile_)),
                                       identity_);
        }
        return *open_;
    }

    std::filesystem::path server_;
    std::string dataFile_;
    ado::SessionIdentity identity_;
    std::unique_ptr<ado::Session> open_;
};

std::unique_ptr<ado::Session> connect(const ado::ConnectionString& text,
                                      const ado::SessionIdentity& identity) {
    const std::string serverName = text.getOr("Server", "");
    const auto server = findServer(serverName);
    if (!server) {
        throw connectionError(kServerNotFound, "SQL Server " + serverQuoted(serverName) +
                                                   " does not exist or access denied.");
    }
    if (!isYes(text.getOr("Trusted_Connection", ""))) {
        throw connectionError(kLoginNotTrusted,
                              "Login failed. The login is not associated with a trusted SQL "
                              "Server connection.");
    }
    std::string database = text.getOr("Database", "");
    if (database.empty()) database = kDefaultDatabase;
    Catalogue catalogue(*server, Catalogue::kConnectionWaitSeconds);
    const auto dataFile = catalogue.dataFileOf(database);
    // Without the right to connect, a database is refused as one that is not there.
    if (!dataFile || !catalogue.holds(kConnect)) {
        throw connectionError(kCannotOpenDatabase, "Cannot open database \"" + database +
                                                       "\" requested by the login. The login "
                                                       "failed.");
    }
    return std::make_unique<ServerSession>(*server, *dataFile, identity);
}

}  // namespace

void installDriver() {
    ado::registerOdbcDriver(kDriverName, connect);
}

std::filesystem::path makeServer(const std::string& name) {
    const std::filesystem::path folder = serverRoot() / name;
    std::filesystem::create_directories(serverRoot());
    if (!std::filesystem::create_directory(folder)) {
        throw connectionError(
            kServerNotFound,
            "server folder " + serverQuotedPath(folder.string()) + " exists already");
    }
    Catalogue::create(folder);
    return folder;
}

}  // namespace sqlserver
