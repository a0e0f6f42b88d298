#include "platform/ado/row_writer.hpp"

#include <algorithm>

#include "platform/ado/connection_string.hpp"
#include "platform/ado/errors.hpp"

namespace ado {
RowWriter::Completion RowWriter::send(const Target& target, size_t row) {
    switch (target.rows.status(row)) {
        case RowStatus::New:
            return sendNew(target, row);
        case RowStatus::Modified:
            sendChanges(target, row);
            break;
        case RowStatus::Deleted:
            sendDelete(target, row);
            break;
        default:
            break;
    }
    return Completion{row, {}};
}

std::vector<size_t> RowWriter::changedTables(const Target& target, size_t row) const {
    const ColumnSet& columns = target.rows.columnSet();
    const std::vector<bool>& changed = target.rows.changedColumns(row);
    std::vector<size_t> tables;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!changed[c]) continue;
        const size_t table = columns.tableOf(c);
        if (table == ColumnSet::kNoTable) {
            throw adoError(adErrIllegalOperation,
                           "field " + inQuotes(columns[c].name) + " of " +
                               sourceNameOf(target.source) +
                               " is an expression and cannot be saved",
                           kRecordsetSource);
        }
        if (std::find(tables.begin(), tables.end(), table) == tables.end()) {
            tables.push_back(table);
        }
    }
    return tables;
}

size_t RowWriter::soleTable(const Target& target, const std::string& action) const {
    const ColumnSet& columns = target.rows.columnSet();
    if (columns.tables().size() > 1) {
        throw adoError(adErrIllegalOperation,
                       "cannot " + action + ": the rows of " + sourceNameOf(target.source) +
                           " join several tables",
                       kRecordsetSource);
    }
    if (columns.tables().empty()) {
        throw adoError(
            adErrIllegalOperation,
            "cannot " + action + ": the rows of " + sourceNameOf(target.source) + " have no table",
            kRecordsetSource);
    }
    return 0;
}

RowInserter& RowWriter::inserterFor(const Target& target, size_t table,
                                    const std::vector<size_t>& columns,
                                    const std::vector<bool>& set) {
    const uint64_t session = target.session.serial();
    for (Prepared& prepared : inserters_) {
        if (prepared.session == session && prepared.table == table && prepared.set == set) {
            return *prepared.inserter;
        }
    }
    std::vector<ColumnInfo> described;
    for (size_t c : columns)
        described.push_back(target.rows.columnSet()[c]);
    const std::string& name = target.rows.columnSet().tables()[table];
    inserters_.push_back({session, table, set, target.session.prepareInsert(name, described, set)});
    return *inserters_.back().inserter;
}

RowWriter::Completion RowWriter::sendNew(const Target& target, size_t row) {
    const ColumnSet& columns = target.rows.columnSet();
    const std::vector<size_t> tables = changedTables(target, row);
    if (tables.size() > 1) {
        throw adoError(adErrIllegalOperation,
                       "a new row of " + sourceNameOf(target.source) +
                           " can go to one table only, not to " +
                           inQuotes(columns.tables()[tables[0]]) + " and " +
                           inQuotes(columns.tables()[tables[1]]),
                       kRecordsetSource);
    }
    // A row that sets no field takes the defaults of the only table of the rows.
    const size_t table = tables.empty() ? soleTable(target, "add a row of defaults") : tables[0];
    std::vector<size_t> tableColumns;
    std::vector<bool> set;
    std::vector<oleaut::Variant> values;
    const std::vector<bool>& changedColumns = target.rows.changedColumns(row);
    values.reserve(columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns.tableOf(c) != table) continue;
        const bool changed = changedColumns[c];
        tableColumns.push_back(c);
        set.push_back(changed);
        if (changed) values.push_back(target.rows.at(row, c));
    }
    auto given =
        inserterFor(target, table, tableColumns, set).insert(values, target.timeoutSeconds);
    Completion completion{row, {}};
    for (auto& [position, value] : given)
        completion.stored.emplace_back(tableColumns[position], std::move(value));
    return completion;
}

std::vector<ColumnValue> RowWriter::keyOf(const Target& target, size_t row, size_t table,
                                          const char* action) const {
    const ColumnSet& columns = target.rows.columnSet();
    const std::string& name = columns.tables()[table];
    std::vector<ColumnValue> key;
    for (const std::string& keyColumn : target.session.primaryKey(name)) {
        size_t found = columns.size();
        for (size_t c = 0; c < columns.size() && found == columns.size(); ++c) {
            if (columns.tableOf(c) == table &&
                equalsIgnoringAsciiCase(columns[c].baseColumn, keyColumn)) {
                found = c;
            }
        }
        if (found == columns.size()) {
            throw adoError(adErrIllegalOperation,
                           std::string("cannot ") + action + " table " + inQuotes(name) +
                               " through " + sourceNameOf(target.source) +
                               ": its rows do not carry the key " + inQuotes(keyColumn),
                           kRecordsetSource);
        }
        oleaut::Variant value = target.rows.original(row, found);
        if (value.isNull()) {
            throw adoError(adErrIllegalOperation,
                           std::string("cannot ") + action + " a row of " + inQuotes(name) +
                               ": its key " + inQuotes(keyColumn) + " is Null",
                           kRecordsetSource);
        }
        key.push_back({keyColumn, std::move(value)});
    }
    return key;
}

void RowWriter::sendChanges(const Target& target, size_t row) {
    const ColumnSet& columns = target.rows.columnSet();
    // Each changed field goes to its own base table, by that table's key.
    const std::vector<bool>& changed = target.rows.changedColumns(row);
    for (size_t table : changedTables(target, row)) {
        std::vector<ColumnValue> match = keyOf(target, row, table, "update");
        std::vector<ColumnValue> values;
        for (size_t c = 0; c < columns.size(); ++c) {
            if (!changed[c] || columns.tableOf(c) != table) continue;
            values.push_back({columns[c].baseColumn, target.rows.at(row, c)});
            match.push_back({columns[c].baseColumn, target.rows.original(row, c)});
        }
        const std::string& name = columns.tables()[table];
        if (target.session.updateRows(name, values, match, target.timeoutSeconds) == 0) {
            throw adoError(adErrRowNotFoundForUpdate,
                           "Row cannot be located for updating. Some values may have been "
                           "changed since it was last read (table " +
                               inQuotes(name) + ", " + sourceNameOf(target.source) + ").",
                           kRecordsetSource);
        }
    }
}

void RowWriter::sendDelete(const Target& target, size_t row) {
    const size_t table = soleTable(target, "delete a row");
    const std::string& name = target.rows.columnSet().tables()[table];
    const std::vector<ColumnValue> match = keyOf(target, row, table, "delete from");
    if (target.session.deleteRows(name, match, target.timeoutSeconds) == 0) {
        throw adoError(adErrRowNotFoundForUpdate,
                       "Row cannot be located for deleting: it was deleted meanwhile (table " +
                           inQuotes(name) + ", " + sourceNameOf(target.source) + ").",
                       kRecordsetSource);
    }
}

}  // namespace ado
