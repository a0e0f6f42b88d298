#include "platform/dao/engine.hpp"

#include <regex>

#include "platform/dao/dao_errors.hpp"
#include "platform/dao/engine_test_seam.hpp"
#include "platform/dao/workstation_file.hpp"

namespace dao {
namespace {

void requireTransaction(int32_t depth) {
    if (depth == 0) {
        throw daoError(kNoTransaction,
                       "You tried to commit or rollback a transaction without first beginning a "
                       "transaction.");
    }
}

// ";LANGID=0x0419;CP=1251;COUNTRY=0" and texts of that form.
void requireLocale(const std::string& locale) {
    static const std::regex form(";LANGID=0x[0-9A-Fa-f]{4};CP=[0-9]+;COUNTRY=[0-9]+");
    if (!std::regex_match(locale, form)) {
        throw daoError(kInvalidArgument, "Invalid argument: locale " + jetQuoted(locale) + ".");
    }
}

void requireNew(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        throw daoError(kDatabaseExists,
                       "Database " + jetQuotedPath(path.string()) + " already exists.");
    }
}

}  // namespace

std::shared_ptr<Database> Workspace::OpenDatabase(const std::filesystem::path& path) {
    return std::make_shared<Database>(path);
}

void Workspace::BeginTrans() {
    if (depth_ == kMaxDepth) {
        throw daoError(kTooManyTransactions,
                       "Could not start transaction; too many transactions already nested.");
    }
    ++depth_;
    tellTransactionListener(TransactionCall::Begin);
}

void Workspace::CommitTrans() {
    requireTransaction(depth_);
    --depth_;
    tellTransactionListener(TransactionCall::Commit);
}

void Workspace::Rollback() {
    requireTransaction(depth_);
    --depth_;
    tellTransactionListener(TransactionCall::Rollback);
}

Workspace& DBEngine::Workspaces(int32_t index) {
    if (index != 0) throw daoError(kItemNotFound, "Item not found in this collection.");
    return default_;
}

std::shared_ptr<Database> DBEngine::OpenDatabase(const std::filesystem::path& path) {
    return default_.OpenDatabase(path);
}

std::shared_ptr<Database> DBEngine::CreateDatabase(const std::filesystem::path& path,
                                                   const std::string& locale) {
    requireLocale(locale);
    requireNew(path);
    {
        ado::sqlite::File file(path, ado::sqlite::File::Mode::Create);
        createEngineTables(file, locale);
    }
    return OpenDatabase(path);
}

void DBEngine::CompactDatabase(const std::filesystem::path& src, const std::filesystem::path& dst,
                               const std::string& locale) {
    requireLocale(locale);
    requireNew(dst);
    openWorkstationFile(src, ado::sqlite::File::Mode::ReadOnly)->copyInto(dst);
    ado::sqlite::File compacted(dst, ado::sqlite::File::Mode::ReadWrite);
    setProperty(compacted, "Locale", locale);
}

DBEngine& dbEngine() {
    static DBEngine engine;
    return engine;
}

}  // namespace dao
