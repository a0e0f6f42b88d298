#include "demo/builder.hpp"

#include <filesystem>
#include <string>

#include "demo/build_file.hpp"
#include "demo/demo_files.hpp"
#include "demo/foreign_file.hpp"
#include "platform/ado/command.hpp"
#include "platform/ado/sqlite_provider.hpp"
#include "platform/files/identity.hpp"
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

bool isDemoDatabase(const std::string& file) {
    return ado::sqliteApplicationId(file) == kDemoApplicationId;
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
        if (!isDemoDatabase(file)) refuseFile(file, "is not a demonstration database");
        // SQLite keeps a WAL and its index per name, so that two names of one file do not
        // exclude each other's writers.
        if (const std::optional<nlink_t> names = files::linkCount(file); names && *names > 1) {
            refuseFile(file,
                       "has " + std::to_string(*names) +
                           " names (hard links), under which SQLite cannot keep one database,");
        }
    } else if (!found.empty()) {
        refuseFile(found, "is not a side file of a kalvik demo database");
    }
    const BuildFile building(lock);
    build(building.path(), largeConsumers);
    ado::SqliteHold held = ado::replaceSqliteDatabase(building.path(), file, whenInUse);
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
