#include "platform/dao/database.hpp"

#include <algorithm>

#include "platform/ado/connection.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/dao/dao_errors.hpp"
#include "platform/dao/database_test_seam.hpp"
#include "platform/dao/jet_sql.hpp"
#include "platform/dao/workstation_file.hpp"
#include "platform/oleaut/letter_case.hpp"

namespace dao {
namespace {

constexpr std::string_view kOdbcPrefix = "ODBC;";

// The columns of the source table, read through an ADO connection on the link's string.
std::vector<std::string> sourceColumns(const TableDef& def) {
    const std::string connection = def.Connect.substr(kOdbcPrefix.size());
    auto open = std::make_shared<ado::Connection>();
    try {
        open->Open(connection);
    } catch (const oleaut::Error& e) {
        throw daoError(kOdbcConnectionFailed, "ODBC--connection to " + jetQuoted(connection) +
                                                  " failed: " + e.description());
    }
    std::shared_ptr<ado::Recordset> rows;
    try {
        rows = open->Execute(def.SourceTableName, nullptr, ado::adCmdTable);
    } catch (const oleaut::Error& e) {
        // Only a missing table is "not found"; a timeout, a lock or a broken database stays
        // itself.
        if (e.number() == ado::adErrNoTable) {
            throw daoError(kObjectNotFound, "The engine could not find the object " +
                                                jetQuoted(def.SourceTableName) + ".");
        }
        throw e.withContext("the source table " + jetQuoted(def.SourceTableName) + " of " +
                            jetQuoted(def.Name));
    }
    std::vector<std::string> columns;
    ado::Fields fields = rows->Fields();
    for (int32_t i = 0; i < fields.Count(); ++i)
        columns.push_back(fields.Item(i).Name());
    return columns;
}

}  // namespace

std::shared_ptr<TableDef> TableDefList::Item(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw daoError(kItemNotFound, "Item not found in this collection.");
    }
    return defs_[static_cast<size_t>(index)];
}

std::shared_ptr<TableDef> TableDefList::Item(const std::string& name) const {
    for (const auto& def : defs_) {
        if (oleaut::sameTextIgnoringCase(def->Name, name)) return def;
    }
    throw daoError(kItemNotFound, "Item " + jetQuoted(name) + " not found in this collection.");
}

void TableDefList::Refresh() {
    ado::sqlite::File& file = database_->file();
    defs_.clear();
    for (const std::string& table : file.tables()) {
        if (isEngineTable(table)) continue;
        defs_.push_back(std::make_shared<TableDef>(TableDef{table, 0, {}, {}}));
    }
    for (const Link& link : readLinks(file)) {
        defs_.push_back(std::make_shared<TableDef>(
            TableDef{link.name, link.attributes, link.connect, link.sourceTableName}));
    }
    std::sort(defs_.begin(), defs_.end(), [](const auto& a, const auto& b) {
        return oleaut::lowerCaseText(a->Name) < oleaut::lowerCaseText(b->Name);
    });
}

void TableDefList::Append(const std::shared_ptr<TableDef>& def) {
    ado::sqlite::File& file = database_->file();
    Refresh();
    for (const auto& existing : defs_) {
        if (oleaut::sameTextIgnoringCase(existing->Name, def->Name) || isEngineTable(def->Name)) {
            throw daoError(kObjectExists, "Object " + jetQuoted(def->Name) + " already exists.");
        }
    }
    if (!def->Connect.starts_with(kOdbcPrefix)) {
        throw daoError(kInvalidArgument,
                       "not implemented: appending a table definition that is "
                       "no ODBC link (" +
                           jetQuoted(def->Name) + ")");
    }
    Link link{def->Name, def->Connect, def->SourceTableName, dbAttachedODBC, sourceColumns(*def)};
    writeLink(file, link);
    def->Attributes = dbAttachedODBC;
    Refresh();
}

Database::Database(const std::filesystem::path& path)
    : name_(path.string()), file_(openWorkstationFile(path, ado::sqlite::File::Mode::ReadWrite)) {}

TableDefList& Database::TableDefs() {
    if (tableDefs_.defs_.empty()) tableDefs_.Refresh();
    return tableDefs_;
}

std::shared_ptr<TableDef> Database::CreateTableDef(const std::string& name, int32_t attributes,
                                                   const std::string& sourceTableName,
                                                   const std::string& connect) {
    requireOpen();
    return std::make_shared<TableDef>(TableDef{name, attributes, connect, sourceTableName});
}

void Database::Execute(const std::string& text) {
    executedTexts().record(text);
    executeJetSql(file(), text);
    if (!tableDefs_.defs_.empty()) tableDefs_.Refresh();
}

void Database::Close() {
    requireOpen();
    file_.reset();
}

void Database::requireOpen() const {
    if (!file_) throw daoError(kObjectInvalid, "Object invalid or no longer set.");
}

ado::sqlite::File& Database::file() {
    requireOpen();
    return *file_;
}

}  // namespace dao
