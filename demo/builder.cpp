#include "demo/builder.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "demo/build_file.hpp"
#include "demo/demo_files.hpp"
#include "demo/foreign_file.hpp"
#include "platform/ado/command.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/oleaut/error.hpp"

namespace kalvik::demo {
namespace {

// The mark in the header of every database this builder makes ("KLVK"): only such a file is
// ever replaced.
constexpr uint32_t kDemoApplicationId = 0x4B4C564B;

constexpr const char* kProceduresTable =
    "CREATE TABLE procedures(name TEXT PRIMARY KEY, body TEXT NOT NULL)";

enum class Role { Tables, Procedures, Data, Generator };

Role roleOf(const DemoFile& file) {
    const std::string name = std::filesystem::path(file.path).filename().string();
    if (name == "procedures.sql") return Role::Procedures;
    if (name == "data.sql") return Role::Data;
    if (name.starts_with("generate")) return Role::Generator;
    return Role::Tables;
}

// Runs every file of a role; a failure names the file.
void runFiles(ado::Connection& connection, Role role, const std::vector<ado::Binding>& bindings) {
    for (const DemoFile& file : demoFiles()) {
        if (roleOf(file) != role) continue;
        try {
            ado::Command command;
            command.ActiveConnection(connection.shared_from_this());
            command.CommandType(ado::adCmdText);
            command.CommandText(std::string(file.text));
            command.CommandTimeout(0);
            for (const ado::Binding& binding : bindings) {
                command.Parameters().Append(command.CreateParameter(
                    binding.name, ado::adVariant, ado::adParamInput, 0, binding.value));
            }
            command.Execute(nullptr, ado::adExecuteNoRecords);
        } catch (const oleaut::Error& e) {
            throw e.withContext("demo/" + std::string(file.path));
        }
    }
}

// The name of each table that a CREATE TABLE statement of a text makes, as written there:
// "name", [name] or a bare name.
void collectTableNames(std::string_view text, std::set<std::string>& names) {
    constexpr std::string_view kCreate = "CREATE TABLE";
    const auto upper = [](std::string_view s) {
        std::string up(s);
        std::transform(up.begin(), up.end(), up.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return up;
    };
    const std::string upperText = upper(text);
    for (size_t at = upperText.find(kCreate); at != std::string::npos;
         at = upperText.find(kCreate, at + 1)) {
        size_t begin = text.find_first_not_of(" \t\r\n", at + kCreate.size());
        if (begin == std::string_view::npos) break;
        if (upperText.compare(begin, 13, "IF NOT EXISTS") == 0) {
            begin = text.find_first_not_of(" \t\r\n", begin + 13);
            if (begin == std::string_view::npos) break;
        }
        const char open = text[begin];
        const char close = open == '"' ? '"' : open == '[' ? ']' : open == '`' ? '`' : '\0';
        const size_t end =
            close ? text.find(close, begin + 1) : text.find_first_of(" \t\r\n(", begin);
        if (end == std::string_view::npos) break;
        names.emplace(close ? text.substr(begin + 1, end - begin - 1)
                            : text.substr(begin, end - begin));
    }
}

// The tables a build makes: procedures and those of every table file.
const std::set<std::string>& tablesOfBuild() {
    static const std::set<std::string> names = [] {
        std::set<std::string> made;
        collectTableNames(kProceduresTable, made);
        for (const DemoFile& file : demoFiles()) {
            if (roleOf(file) == Role::Tables) collectTableNames(file.text, made);
        }
        return made;
    }();
    return names;
}

// Whether a file is a demonstration database that a build may replace: it carries the mark, has
// one name (SQLite keeps a WAL and its index per name, so that two names of one file do not
// exclude each other's writers), and holds no table a build does not make (a backup of one holds
// its list of files, a user's copy the tables added). Else fails with error 58 naming it.
void judgeDemoFile(const std::string& file, const ado::SqliteFileFacts& facts) {
    if (facts.applicationId != kDemoApplicationId) {
        refuseFile(file, "is not a demonstration database");
    }
    if (facts.names > 1) {
        refuseFile(file, "has " + std::to_string(facts.names) +
                             " names (hard links), under which SQLite cannot keep one database,");
    }
    for (const std::string& table : facts.tables.value_or(std::vector<std::string>{})) {
        if (!tablesOfBuild().contains(table)) {
            refuseFile(file, "holds the table \"" + table +
                                 "\", which a kalvik demo build does not make,");
        }
    }
}

// The tables, procedures and rows of every subject in one transaction, in a new file. Closing the
// only connection folds the WAL into the file.
void build(const std::string& file, std::optional<int32_t> largeConsumers) {
    ado::createSqliteDatabase(file, kDemoApplicationId);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(demoConnectionString(file));
    connection->BeginTrans();
    connection->Execute(kProceduresTable, nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    for (Role role : {Role::Tables, Role::Procedures, Role::Data})
        runFiles(*connection, role, {});
    if (largeConsumers) {
        runFiles(*connection, Role::Generator, {{"@consumers", *largeConsumers}});
    }
    connection->CommitTrans();
    connection->Close();
}

}  // namespace

std::string demoConnectionString(const std::string& file) {
    return ado::sqliteConnectionString(file);
}

DemoDatabase buildDemoDatabase(DemoLock& lock, std::optional<int32_t> largeConsumers,
                               const std::function<void()>& whenInUse) {
    const std::string file = lock.reach().string();
    if (const std::filesystem::path found = firstPresentOf(file); found == file) {
        judgeDemoFile(file, ado::sqliteFileFacts(file));
    } else if (!found.empty()) {
        refuseFile(found, "is not a side file of a kalvik demo database");
    }
    const BuildFile building(lock);
    build(building.path(), largeConsumers);
    // Asked again under the placing's hold: a file may have been put at the path meanwhile.
    ado::SqliteHold held = ado::replaceSqliteDatabase(
        building.path(), file,
        [&file](const ado::SqliteFileFacts& facts) { judgeDemoFile(file, facts); }, whenInUse);
    return {demoConnectionString(file), std::move(held),
            lock.folder().idOf(lock.name()).value_or(files::FileId{})};
}

std::string buildDemoDatabase(const std::string& file, std::optional<int32_t> largeConsumers) {
    DemoLock lock(file);
    const DemoDatabase built = buildDemoDatabase(lock, largeConsumers);
    // The hold and the lock with its held folder end here: the caller reaches the file by its path.
    return demoConnectionString(lock.file().string());
}

}  // namespace kalvik::demo
