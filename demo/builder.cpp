#include "demo/builder.hpp"

#include <filesystem>

#include "demo/demo_files.hpp"
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

bool isDemoDatabase(const std::string& file) {
    return ado::sqliteApplicationId(file) == kDemoApplicationId;
}

}  // namespace

std::string demoConnectionString(const std::string& file) {
    return "Provider=SQLite;Data Source=" + file;
}

std::string buildDemoDatabase(const std::string& file, std::optional<int32_t> largeConsumers) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec) || std::filesystem::is_symlink(file, ec)) {
        if (!isDemoDatabase(file)) {
            throw oleaut::Error(oleaut::kFileAlreadyExists,
                                "File already exists: " + file +
                                    " is not a demonstration database and is left as it is; "
                                    "delete it or name another file");
        }
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(file + suffix);
    }
    ado::createSqliteDatabase(file, kDemoApplicationId);
    const std::string connectionString = demoConnectionString(file);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionString);
    connection->BeginTrans();
    connection->Execute(kProceduresTable, nullptr, ado::adCmdText | ado::adExecuteNoRecords);
    for (Role role : {Role::Tables, Role::Procedures, Role::Data})
        runFiles(*connection, role, {});
    if (largeConsumers) {
        runFiles(*connection, Role::Generator, {{"@consumers", *largeConsumers}});
    }
    connection->CommitTrans();
    connection->Close();
    return connectionString;
}

}  // namespace kalvik::demo
