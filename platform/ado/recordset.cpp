#include "platform/ado/recordset.hpp"

#include <algorithm>

#include "platform/ado/command.hpp"
#include "platform/ado/connection_string.hpp"
#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"

namespace ado {
namespace {

constexpr const char* kSource = "ADODB.Recordset";

oleaut::Error closedError() {
    return adoError(adErrObjectClosed, "Operation is not allowed when the object is closed.",
                    kSource);
}

oleaut::Error noCurrentRecordError(const std::string& source) {
    return adoError(adErrNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted. "
                    "Requested operation requires a current record (" +
                        source + ").",
                    kSource);
}

oleaut::Error openError() {
    return adoError(adErrObjectOpen, "Operation is not allowed when the object is open.", kSource);
}

char lowerAscii(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

// ---- Field and Fields ----

const std::string& Field::Name() const {
    recordset_->checkField(*this);
    return recordset_->rows_.columns()[column_].name;
}

DataTypeEnum Field::Type() const {
    recordset_->checkField(*this);
    return recordset_->rows_.columns()[column_].type;
}

oleaut::Variant Field::Value() const {
    recordset_->checkField(*this);
    return recordset_->value(column_);
}

void Field::Value(const oleaut::Variant& value) const {
    recordset_->checkField(*this);
    recordset_->setValue(column_, value);
}

oleaut::Variant Field::OriginalValue() const {
    recordset_->checkField(*this);
    return recordset_->rows_.original(recordset_->currentRow(), column_);
}

int32_t Fields::Count() const {
    recordset_->requireOpen();
    return static_cast<int32_t>(recordset_->rows_.columnCount());
}

Field Fields::Item(std::string_view name) const {
    recordset_->requireOpen();
    return Field(recordset_, recordset_->columnIndex(name), recordset_->generation_);
}

Field Fields::Item(int32_t index) const {
    recordset_->requireOpen();
    if (index < 0 || static_cast<size_t>(index) >= recordset_->rows_.columnCount()) {
        throw adoError(adErrItemNotFound,
                       "Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal: there is no field " +
                           std::to_string(index) + " in " + recordset_->sourceName(),
                       kSource);
    }
    return Field(recordset_, static_cast<size_t>(index), recordset_->generation_);
}

size_t Recordset::NameHash::operator()(std::string_view name) const noexcept {
    size_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(lowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool Recordset::NameEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return equalsIgnoringAsciiCase(a, b);
}

// ---- properties ----

Recordset::~Recordset() = default;

void Recordset::ActiveConnection(const oleaut::Variant& connection) {
    if (connection.isString()) {
        if (open_ && connection_) throw openError();
        auto own = std::make_shared<Connection>();
        own->Open(connection.asString());
        connection_ = std::move(own);
        ownsConnection_ = true;
        return;
    }
    if (connection.isObject()) {
        const oleaut::ObjectRef& object = connection.asObject();
        auto shared = std::dynamic_pointer_cast<Connection>(object);
        if (object && !shared) {
            throw adoError(adErrInvalidArgument, "ActiveConnection takes a Connection object",
                           kSource);
        }
        ActiveConnection(std::move(shared));
        return;
    }
    if (connection.isEmpty() || connection.isNull()) {
        ActiveConnection(std::shared_ptr<Connection>());
        return;
    }
    throw adoError(adErrInvalidArgument,
                   "ActiveConnection takes a connection string or a Connection object", kSource);
}

void Recordset::ActiveConnection(std::shared_ptr<Connection> connection) {
    if (open_ && connection_ && connection && connection != connection_) throw openError();
    connection_ = std::move(connection);
    ownsConnection_ = false;
}

void Recordset::CursorLocation(CursorLocationEnum location) {
    requireClosed();
    cursorLocation_ = location;
}

void Recordset::CursorType(CursorTypeEnum type) {
    requireClosed();
    cursorType_ = type;
}

void Recordset::LockType(LockTypeEnum type) {
    requireClosed();
    lockType_ = type;
}

void Recordset::Source(const oleaut::Variant& source) {
    requireClosed();
    source_ = source;
}

// ---- opening and closing ----

void Recordset::Open(const oleaut::Variant& source, const oleaut::Variant& activeConnection,
                     CursorTypeEnum cursorType, LockTypeEnum lockType, int32_t options) {
    requireClosed();
    const oleaut::Variant from = source.isEmpty() ? source_ : source;
    if (from.isEmpty() || (from.isString() && from.asString().empty())) {
        throw adoError(adErrInvalidConnection, "the recordset has no Source to open", kSource);
    }
    if (cursorType != adOpenUnspecified) cursorType_ = cursorType;

    if (from.isObject()) {
        if (auto command = std::dynamic_pointer_cast<Command>(from.asObject())) {
            if (lockType != adLockUnspecified) lockType_ = lockType;
            Connection& connection = command->openConnection();
            RowSet rows = connection.session().execute(command->request());
            source_ = command->CommandText();
            sourceText_ = command->CommandText();
            connection_ = command->ActiveConnection();
            ownsConnection_ = false;
            if (rows.returnsRows) adopt(std::move(rows.columns), std::move(rows.cells));
            return;
        }
        if (auto other = std::dynamic_pointer_cast<Recordset>(from.asObject())) {
            other->requireOpen();
            other->finishEdit();
            lockType_ = lockType != adLockUnspecified ? lockType : other->lockType_;
            cursorLocation_ = other->cursorLocation_;
            if (!activeConnection.isEmpty()) ActiveConnection(activeConnection);
            source_ = other->source_;
            sourceText_ = other->sourceText_;
            adopt(other->rows_.columns(), {});
            rows_ = other->rows_;
            showAll();
            return;
        }
        throw adoError(adErrInvalidArgument,
                       "a recordset opens from a text, a name, a Command or a Recordset", kSource);
    }

    if (lockType != adLockUnspecified) lockType_ = lockType;
    if (!activeConnection.isEmpty()) ActiveConnection(activeConnection);
    if (!connection_) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: the recordset "
                       "has no ActiveConnection",
                       kSource);
    }
    Request request;
    request.type = commandTypeOf(options);
    request.text = oleaut::CStr(from);
    request.timeoutSeconds = connection_->CommandTimeout();
    RowSet rows = connection_->session().execute(request);
    source_ = from;
    sourceText_ = request.text;
    if (rows.returnsRows) adopt(std::move(rows.columns), std::move(rows.cells));
}

void Recordset::openRows(RowSet rows, std::shared_ptr<Connection> connection, std::string source) {
    requireClosed();
    connection_ = std::move(connection);
    ownsConnection_ = false;
    cursorLocation_ = adUseClient;
    cursorType_ = adOpenStatic;
    lockType_ = adLockReadOnly;
    source_ = source;
    sourceText_ = std::move(source);
    if (rows.returnsRows) adopt(std::move(rows.columns), std::move(rows.cells));
}

void Recordset::adopt(std::vector<ColumnInfo> columns, CellBlocks cells) {
    rows_.assign(std::move(columns), std::move(cells));
    names_.clear();
    for (size_t i = 0; i < rows_.columnCount(); ++i)
        names_.emplace(rows_.columns()[i].name, i);
    open_ = true;
    ++generation_;
    showAll();
}

void Recordset::Close() {
    requireOpen();
    if (editMode_ != adEditNone && immediate()) {
        throw adoError(adErrIllegalOperation,
                       "Operation is not allowed in this context: the current row of " +
                           sourceName() + " has changes; call Update or CancelUpdate first",
                       kSource);
    }
    open_ = false;
    ++generation_;
    rows_.clear();
    names_.clear();
    view_.clear();
    indexes_.clear();
    editMode_ = adEditNone;
    editBackup_.reset();
    filter_ = int32_t{adFilterNone};
    if (ownsConnection_) {
        connection_.reset();
        ownsConnection_ = false;
    }
}

// ---- state checks ----

void Recordset::requireOpen() const {
    if (!open_) throw closedError();
}

void Recordset::requireClosed() const {
    if (open_) throw openError();
}

void Recordset::requireUpdatable() const {
    requireOpen();
    if (lockType_ == adLockReadOnly || lockType_ == adLockUnspecified) {
        throw adoError(
            adErrFeatureNotAvailable,
            "Current Recordset does not support updating: " + sourceName() + " is read-only",
            kSource);
    }
}

bool Recordset::immediate() const noexcept {
    return connection_ && lockType_ != adLockBatchOptimistic;
}

std::string Recordset::sourceName() const {
    return sourceText_.empty() ? "the recordset" : inQuotes(sourceText_);
}

size_t Recordset::currentRow() const {
    requireOpen();
    if (beforeFirst_ || position_ >= view_.size() || currentDeleted_) {
        throw noCurrentRecordError(sourceName());
    }
    return view_[position_];
}

size_t Recordset::columnIndex(std::string_view name) const {
    const auto found = names_.find(name);
    if (found == names_.end()) {
        throw adoError(adErrItemNotFound,
                       "Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal: there is no field " +
                           inQuotes(std::string(name)) + " in " + sourceName(),
                       kSource);
    }
    return found->second;
}

void Recordset::checkField(const Field& field) const {
    requireOpen();
    if (field.generation_ != generation_) {
        throw adoError(adErrIllegalOperation,
                       "the field belongs to rows that were closed; look it up again", kSource);
    }
}

// ---- navigation ----

bool Recordset::EndOfFile() const {
    requireOpen();
    return view_.empty() || (!beforeFirst_ && position_ >= view_.size());
}

bool Recordset::BOF() const {
    requireOpen();
    return beforeFirst_ || view_.empty();
}

void Recordset::MoveFirst() {
    requireOpen();
    finishEdit();
    // An empty recordset stays at BOF and EOF: the calculations move to the first row of rows
    // that may be empty.
    position_ = 0;
    beforeFirst_ = false;
    currentDeleted_ = false;
}

void Recordset::MoveLast() {
    requireOpen();
    finishEdit();
    position_ = view_.empty() ? 0 : view_.size() - 1;
    beforeFirst_ = false;
    currentDeleted_ = false;
}

void Recordset::MoveNext() {
    requireOpen();
    if (EndOfFile()) throw noCurrentRecordError(sourceName());
    finishEdit();
    if (beforeFirst_) {
        beforeFirst_ = false;
        position_ = 0;
    } else if (currentDeleted_) {
        currentDeleted_ = false;  // the row after the deleted one already stands at position_
    } else {
        ++position_;
    }
}

void Recordset::MovePrevious() {
    requireOpen();
    if (BOF()) throw noCurrentRecordError(sourceName());
    finishEdit();
    currentDeleted_ = false;
    if (position_ == 0) {
        beforeFirst_ = true;
    } else {
        --position_;
    }
}

int32_t Recordset::RecordCount() const {
    requireOpen();
    return static_cast<int32_t>(view_.size());
}

// ---- filter ----

void Recordset::showAll() {
    view_.clear();
    for (size_t row = 0; row < rows_.rowCount(); ++row) {
        if (rows_.shown(row)) view_.push_back(static_cast<uint32_t>(row));
    }
    position_ = 0;
    beforeFirst_ = false;
    currentDeleted_ = false;
}

void Recordset::Filter(const oleaut::Variant& filter) {
    requireOpen();
    finishEdit();
    if (filter.isString() && !filter.asString().empty()) {
        const auto conditions = parseFilter(
            filter.asString(), [this](std::string_view name) { return columnIndex(name); },
            rows_.columns());
        applyFilter(conditions);
        filter_ = filter;
        return;
    }
    const int32_t group =
        filter.isString() || filter.isEmpty() ? adFilterNone : oleaut::CLng(filter);
    if (group == adFilterNone) {
        showAll();
    } else if (group == adFilterPendingRecords) {
        view_.clear();
        for (size_t row : rows_.pendingRows()) {
            if (rows_.shown(row)) view_.push_back(static_cast<uint32_t>(row));
        }
        position_ = 0;
        beforeFirst_ = false;
        currentDeleted_ = false;
    } else {
        throw adoError(adErrInvalidArgument,
                       "Filter takes a text, adFilterNone or adFilterPendingRecords", kSource);
    }
    filter_ = group;
}

void Recordset::applyFilter(const std::vector<Condition>& conditions) {
    const auto indexed = std::find_if(conditions.begin(), conditions.end(), [](const Condition& c) {
        return c.comparison == Comparison::Equal && !c.isNull;
    });
    const Condition* answeredByIndex = indexed != conditions.end() ? &*indexed : nullptr;
    std::vector<uint32_t> candidates;
    if (answeredByIndex) {
        auto found = indexes_.find(indexed->column);
        if (found == indexes_.end()) {
            found = indexes_.emplace(indexed->column, EqualityIndex(rows_, indexed->column)).first;
        }
        candidates = found->second.find(*indexed);
    } else {
        for (size_t row = 0; row < rows_.rowCount(); ++row) {
            if (rows_.shown(row)) candidates.push_back(static_cast<uint32_t>(row));
        }
    }
    view_.clear();
    for (uint32_t row : candidates) {
        const bool passes =
            std::all_of(conditions.begin(), conditions.end(), [&](const Condition& c) {
                return &c == answeredByIndex || c.matches(rows_.at(row, c.column));
            });
        if (passes) view_.push_back(row);
    }
    position_ = 0;
    beforeFirst_ = false;
    currentDeleted_ = false;
}

// ---- editing ----

void Recordset::setValue(size_t column, const oleaut::Variant& value) {
    requireUpdatable();
    const size_t row = currentRow();
    oleaut::Variant converted = coerce(value, rows_.columns()[column].type);
    if (editMode_ == adEditNone) {
        editBackup_ = rows_.snapshot(row);
        editMode_ = adEditInProgress;
    }
    rows_.set(row, column, std::move(converted));
    indexes_.erase(column);
}

void Recordset::AddNew() {
    requireUpdatable();
    finishEdit();
    positionBeforeAdd_ = position_;
    const size_t row = rows_.addRow();
    forgetIndexes();
    view_.push_back(static_cast<uint32_t>(row));
    position_ = view_.size() - 1;
    beforeFirst_ = false;
    currentDeleted_ = false;
    editMode_ = adEditAdd;
}

void Recordset::Update() {
    requireOpen();
    if (editMode_ == adEditNone) return;
    if (immediate()) complete(send(currentRow()));
    editMode_ = adEditNone;
    editBackup_.reset();
}

void Recordset::finishEdit() {
    if (editMode_ != adEditNone) Update();
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (editMode_ == adEditAdd) {
        rows_.markGone(view_[position_]);
        view_.erase(view_.begin() + static_cast<ptrdiff_t>(position_));
        position_ = std::min(positionBeforeAdd_, view_.size());
    } else if (editMode_ == adEditInProgress && editBackup_) {
        rows_.restore(std::move(*editBackup_));
        forgetIndexes();
    }
    editMode_ = adEditNone;
    editBackup_.reset();
}

void Recordset::Delete(AffectEnum affect) {
    requireUpdatable();
    if (affect != adAffectCurrent) {
        throw adoError(adErrFeatureNotAvailable, "Delete deletes the current row only", kSource);
    }
    if (editMode_ == adEditAdd) {
        CancelUpdate();
        return;
    }
    if (editMode_ == adEditInProgress) CancelUpdate();
    const size_t row = currentRow();
    if (immediate()) {
        sendDelete(row);
        rows_.markGone(row);
    } else {
        rows_.markDeleted(row);
    }
    forgetIndexes();
    view_.erase(view_.begin() + static_cast<ptrdiff_t>(position_));
    currentDeleted_ = true;
}

void Recordset::UpdateBatch(AffectEnum affect) {
    requireOpen();
    finishEdit();
    if (!connection_) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: " + sourceName() +
                           " is not connected; set ActiveConnection first",
                       kSource);
    }
    std::vector<size_t> rows;
    if (affect == adAffectCurrent) {
        rows.push_back(currentRow());
    } else {
        rows = rows_.pendingRows();
        if (affect == adAffectGroup) {
            std::erase_if(rows, [this](size_t row) {
                return std::find(view_.begin(), view_.end(), row) == view_.end();
            });
        }
    }
    std::erase_if(rows, [this](size_t row) { return !rows_.pending(row); });
    if (rows.empty()) return;
    // All of the batch or none of it: a conflict leaves the database and the pending changes as
    // they were, so that nothing is half sent.
    Session& session = connection_->session();
    session.beginTransaction();
    std::vector<Completion> completions;
    try {
        for (size_t row : rows)
            completions.push_back(send(row));
        session.commitTransaction();
    } catch (...) {
        session.rollbackTransaction();
        throw;
    }
    for (Completion& completion : completions)
        complete(std::move(completion));
}

// ---- writing rows ----

int32_t Recordset::writeTimeout() const {
    return connection_->CommandTimeout();
}

Recordset::Completion Recordset::send(size_t row) {
    switch (rows_.status(row)) {
        case RowStatus::New:
            return sendNew(row);
        case RowStatus::Modified:
            return sendChanges(row);
        case RowStatus::Deleted:
            return sendDelete(row);
        default:
            return Completion{row, {}};
    }
}

void Recordset::complete(Completion completion) {
    for (auto& [column, value] : completion.stored) {
        rows_.store(completion.row, column, coerce(value, rows_.columns()[column].type));
    }
    rows_.accept(completion.row);
}

std::vector<std::string> Recordset::changedTables(size_t row) const {
    const auto& columns = rows_.columns();
    std::vector<std::string> tables;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!rows_.changed(row, c)) continue;
        if (columns[c].baseTable.empty()) {
            throw adoError(adErrIllegalOperation,
                           "field " + inQuotes(columns[c].name) + " of " + sourceName() +
                               " is an expression and cannot be saved",
                           kSource);
        }
        const bool known = std::any_of(tables.begin(), tables.end(), [&](const std::string& t) {
            return equalsIgnoringAsciiCase(t, columns[c].baseTable);
        });
        if (!known) tables.push_back(columns[c].baseTable);
    }
    return tables;
}

std::string Recordset::soleTable(const std::string& action) const {
    std::string table;
    for (const ColumnInfo& column : rows_.columns()) {
        if (column.baseTable.empty()) continue;
        if (!table.empty() && !equalsIgnoringAsciiCase(table, column.baseTable)) {
            throw adoError(
                adErrIllegalOperation,
                "cannot " + action + ": the rows of " + sourceName() + " join several tables",
                kSource);
        }
        table = column.baseTable;
    }
    if (table.empty()) {
        throw adoError(adErrIllegalOperation,
                       "cannot " + action + ": the rows of " + sourceName() + " have no table",
                       kSource);
    }
    return table;
}

Recordset::Completion Recordset::sendNew(size_t row) {
    const auto& columns = rows_.columns();
    const std::vector<std::string> tables = changedTables(row);
    if (tables.size() > 1) {
        throw adoError(adErrIllegalOperation,
                       "a new row of " + sourceName() + " can go to one table only, not to " +
                           inQuotes(tables[0]) + " and " + inQuotes(tables[1]),
                       kSource);
    }
    // A row that sets no field takes the defaults of the only table of the rows.
    const std::string table = tables.empty() ? soleTable("add a row of defaults") : tables[0];
    std::vector<ColumnValue> values;
    std::vector<ColumnInfo> readBack;
    std::vector<size_t> readColumns;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!equalsIgnoringAsciiCase(columns[c].baseTable, table)) continue;
        if (rows_.changed(row, c)) values.push_back({columns[c].baseColumn, rows_.at(row, c)});
        readBack.push_back(columns[c]);
        readColumns.push_back(c);
    }
    std::vector<oleaut::Variant> stored =
        connection_->session().insertRow(table, values, readBack, writeTimeout());
    Completion completion{row, {}};
    for (size_t i = 0; i < readColumns.size() && i < stored.size(); ++i) {
        completion.stored.emplace_back(readColumns[i], std::move(stored[i]));
    }
    return completion;
}

std::vector<ColumnValue> Recordset::keyOf(size_t row, const std::string& table,
                                          const char* action) {
    const auto& columns = rows_.columns();
    std::vector<ColumnValue> key;
    for (const std::string& keyColumn : connection_->session().primaryKey(table)) {
        const auto found = std::find_if(columns.begin(), columns.end(), [&](const ColumnInfo& c) {
            return equalsIgnoringAsciiCase(c.baseTable, table) &&
                   equalsIgnoringAsciiCase(c.baseColumn, keyColumn);
        });
        if (found == columns.end()) {
            throw adoError(adErrIllegalOperation,
                           std::string("cannot ") + action + " table " + inQuotes(table) +
                               " through " + sourceName() + ": its rows do not carry the key " +
                               inQuotes(keyColumn),
                           kSource);
        }
        const oleaut::Variant& value =
            rows_.original(row, static_cast<size_t>(found - columns.begin()));
        if (value.isNull()) {
            throw adoError(adErrIllegalOperation,
                           std::string("cannot ") + action + " a row of " + inQuotes(table) +
                               ": its key " + inQuotes(keyColumn) + " is Null",
                           kSource);
        }
        key.push_back({keyColumn, value});
    }
    return key;
}

Recordset::Completion Recordset::sendChanges(size_t row) {
    const auto& columns = rows_.columns();
    // Each changed field goes to its own base table, by that table's key.
    for (const std::string& table : changedTables(row)) {
        std::vector<ColumnValue> match = keyOf(row, table, "update");
        std::vector<ColumnValue> values;
        for (size_t c = 0; c < columns.size(); ++c) {
            if (!rows_.changed(row, c) || !equalsIgnoringAsciiCase(columns[c].baseTable, table)) {
                continue;
            }
            values.push_back({columns[c].baseColumn, rows_.at(row, c)});
            match.push_back({columns[c].baseColumn, rows_.original(row, c)});
        }
        if (connection_->session().updateRows(table, values, match, writeTimeout()) == 0) {
            throw adoError(adErrRowNotFoundForUpdate,
                           "Row cannot be located for updating. Some values may have been "
                           "changed since it was last read (table " +
                               inQuotes(table) + ", " + sourceName() + ").",
                           kSource);
        }
    }
    return Completion{row, {}};
}

Recordset::Completion Recordset::sendDelete(size_t row) {
    const std::string table = soleTable("delete a row");
    const std::vector<ColumnValue> match = keyOf(row, table, "delete from");
    if (connection_->session().deleteRows(table, match, writeTimeout()) == 0) {
        throw adoError(adErrRowNotFoundForUpdate,
                       "Row cannot be located for deleting: it was deleted meanwhile (table " +
                           inQuotes(table) + ", " + sourceName() + ").",
                       kSource);
    }
    return Completion{row, {}};
}

}  // namespace ado
