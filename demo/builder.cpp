#include "demo/builder.hpp"

#include <filesystem>
#include <string>

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

// The file a build goes into, FILE.building, ours by the lock's record: recorded there before it
// is made, and the record cleared once it is gone. One that a killed run recorded is removed
// before; any other file at its path fails with error 58 and stays as it is. Whatever a failed
// build leaves is removed after.
class BuildFile {
  public:
    explicit BuildFile(DemoLock& lock) : lock_(lock), path_(lock.file().string() + ".building") {
        if (lock_.buildLeftOver()) {
            ado::removeSqliteDatabase(path_);
        } else {
            refuseAnyAt(path_);
            for (const char* suffix : ado::kSqliteSideFiles)
                refuseAnyAt(path_ + suffix);
        }
        lock_.recordBuild(true);
    }
    ~BuildFile() {
        ado::removeSqliteDatabase(path_);
        try {
            lock_.recordBuild(false);
        } catch (const oleaut::Error&) {
            // A destructor throws nothing: left recorded, the build file that is gone is only
            // looked for by the next run.
        }
    }
    BuildFile(const BuildFile&) = delete;
    BuildFile& operator=(const BuildFile&) = delete;

    const std::string& path() const noexcept { return path_; }

  private:
    static void refuseAnyAt(const std::string& path) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !std::filesystem::is_symlink(path, ec)) return;
        throw oleaut::Error(oleaut::kFileAlreadyExists,
                            "File already exists: " + path +
                                " is not the build of a kalvik demo run and is left as it is; "
                                "delete it or name another file");
    }

    DemoLock& lock_;
    std::string path_;
};

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
    return "Provider=SQLite;Data Source=" + file;
}

std::string buildDemoDatabase(DemoLock& lock, std::optional<int32_t> largeConsumers,
                              const std::function<void()>& whenInUse) {
    const std::string file = lock.file().string();
    std::error_code ec;
    if ((std::filesystem::exists(file, ec) || std::filesystem::is_symlink(file, ec)) &&
        !isDemoDatabase(file)) {
        throw oleaut::Error(oleaut::kFileAlreadyExists,
                            "File already exists: " + file +
                                " is not a demonstration database and is left as it is; "
                                "delete it or name another file");
    }
    const BuildFile building(lock);
    build(building.path(), largeConsumers);
    ado::replaceSqliteDatabase(building.path(), file, whenInUse);
    return demoConnectionString(file);
}

std::string buildDemoDatabase(const std::string& file, std::optional<int32_t> largeConsumers) {
    DemoLock lock(file);
    return buildDemoDatabase(lock, largeConsumers);
}

}  // namespace kalvik::demo
