#include "platform/ado/recordset.hpp"

#include <algorithm>

#include "platform/ado/command.hpp"
#include "platform/ado/connection_string.hpp"
#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"

namespace ado {
namespace {

oleaut::Error closedError() {
    return adoError(adErrObjectClosed, "Operation is not allowed when the object is closed.",
                    kRecordsetSource);
}

oleaut::Error noCurrentRecordError(const std::string& source) {
    return adoError(adErrNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted. "
                    "Requested operation requires a current record (" +
                        source + ").",
                    kRecordsetSource);
}

oleaut::Error openError() {
    return adoError(adErrObjectOpen, "Operation is not allowed when the object is open.",
                    kRecordsetSource);
}

}  // namespace

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
                           kRecordsetSource);
        }
        ActiveConnection(std::move(shared));
        return;
    }
    if (connection.isEmpty() || connection.isNull()) {
        ActiveConnection(std::shared_ptr<Connection>());
        return;
    }
    throw adoError(adErrInvalidArgument,
                   "ActiveConnection takes a connection string or a Connection object",
                   kRecordsetSource);
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
        throw adoError(adErrInvalidConnection, "the recordset has no Source to open",
                       kRecordsetSource);
    }
    if (cursorType != adOpenUnspecified) cursorType_ = cursorType;
    origin_.reset();

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
            adopt(other->rows_.sharedColumns(), {});
            rows_ = other->rows_;
            showAll();
            origin_ = other;
            originGeneration_ = other->generation_;
            return;
        }
        throw adoError(adErrInvalidArgument,
                       "a recordset opens from a text, a name, a Command or a Recordset",
                       kRecordsetSource);
    }

    if (lockType != adLockUnspecified) lockType_ = lockType;
    if (!activeConnection.isEmpty()) ActiveConnection(activeConnection);
    if (!connection_) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: the recordset "
                       "has no ActiveConnection",
                       kRecordsetSource);
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

void Recordset::adopt(std::shared_ptr<const ColumnSet> columns, CellStore cells) {
    rows_.assign(std::move(columns), std::move(cells));
    writer_.forget();
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
                       kRecordsetSource);
    }
    open_ = false;
    ++generation_;
    rows_.clear();
    writer_.forget();
    cursor_.show({});
    indexes_.clear();
    editMode_ = adEditNone;
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
            kRecordsetSource);
    }
}

bool Recordset::immediate() const noexcept {
    return connection_ && lockType_ != adLockBatchOptimistic;
}

std::string Recordset::sourceName() const {
    return sourceNameOf(sourceText_);
}

size_t Recordset::currentRow() const {
    requireOpen();
    const auto row = cursor_.current();
    if (!row) throw noCurrentRecordError(sourceName());
    return *row;
}

size_t Recordset::columnIndex(std::string_view name) const {
    const auto found = rows_.columnSet().find(name);
    if (!found) {
        throw adoError(adErrItemNotFound,
                       "Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal: there is no field " +
                           inQuotes(std::string(name)) + " in " + sourceName(),
                       kRecordsetSource);
    }
    return *found;
}

void Recordset::checkField(const Field& field) const {
    requireOpen();
    if (field.generation_ != generation_) {
        throw adoError(adErrIllegalOperation,
                       "the field belongs to rows that were closed; look it up again",
                       kRecordsetSource);
    }
}

// ---- navigation ----

bool Recordset::EndOfFile() const {
    requireOpen();
    return cursor_.eof();
}

bool Recordset::BOF() const {
    requireOpen();
    return cursor_.bof();
}

void Recordset::MoveFirst() {
    requireOpen();
    finishEdit();
    // An empty recordset stays at BOF and EOF: the calculations move to the first row of rows
    // that may be empty.
    cursor_.first();
}

void Recordset::MoveLast() {
    requireOpen();
    finishEdit();
    cursor_.last();
}

void Recordset::MoveNext() {
    requireOpen();
    if (EndOfFile()) throw noCurrentRecordError(sourceName());
    finishEdit();
    cursor_.next();
}

void Recordset::MovePrevious() {
    requireOpen();
    if (BOF()) throw noCurrentRecordError(sourceName());
    finishEdit();
    cursor_.previous();
}

int32_t Recordset::RecordCount() const {
    requireOpen();
    return static_cast<int32_t>(cursor_.count());
}

// ---- filter ----

void Recordset::showAll() {
    std::vector<uint32_t> shown;
    for (size_t row = 0; row < rows_.rowCount(); ++row) {
        if (rows_.shown(row)) shown.push_back(static_cast<uint32_t>(row));
    }
    cursor_.show(std::move(shown));
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
        std::vector<uint32_t> pending;
        for (size_t row : rows_.pendingRows()) {
            if (rows_.shown(row)) pending.push_back(static_cast<uint32_t>(row));
        }
        cursor_.show(std::move(pending));
    } else {
        throw adoError(adErrInvalidArgument,
                       "Filter takes a text, adFilterNone or adFilterPendingRecords",
                       kRecordsetSource);
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
    std::vector<uint32_t> passing;
    for (uint32_t row : candidates) {
        const bool passes =
            std::all_of(conditions.begin(), conditions.end(), [&](const Condition& c) {
                return &c == answeredByIndex || c.matches(rows_.at(row, c.column));
            });
        if (passes) passing.push_back(row);
    }
    cursor_.show(std::move(passing));
}

// ---- editing ----

void Recordset::setValue(size_t column, const oleaut::Variant& value) {
    requireUpdatable();
    const size_t row = currentRow();
    oleaut::Variant converted = coerce(value, rows_.columns()[column].type);
    if (editMode_ == adEditNone) {
        rows_.beginEdit(row);
        editMode_ = adEditInProgress;
    }
    rows_.set(row, column, std::move(converted));
    indexes_.erase(column);
}

void Recordset::AddNew() {
    requireUpdatable();
    finishEdit();
    const size_t row = rows_.addRow();
    forgetIndexes();
    positionBeforeAdd_ = cursor_.append(static_cast<uint32_t>(row));
    editMode_ = adEditAdd;
}

void Recordset::Update() {
    requireOpen();
    if (editMode_ == adEditNone) return;
    if (immediate()) complete(writer_.send(writeTarget(), currentRow()));
    rows_.endEdit();
    editMode_ = adEditNone;
}

void Recordset::finishEdit() {
    if (editMode_ != adEditNone) Update();
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (editMode_ == adEditAdd) {
        rows_.markGone(currentRow());
        cursor_.dropCurrent(positionBeforeAdd_);
    } else if (editMode_ == adEditInProgress) {
        rows_.cancelEdit();
        forgetIndexes();
    }
    editMode_ = adEditNone;
}

void Recordset::Delete(AffectEnum affect) {
    requireUpdatable();
    if (affect != adAffectCurrent) {
        throw adoError(adErrFeatureNotAvailable, "Delete deletes the current row only",
                       kRecordsetSource);
    }
    if (editMode_ == adEditAdd) {
        CancelUpdate();
        return;
    }
    if (editMode_ == adEditInProgress) CancelUpdate();
    const size_t row = currentRow();
    if (immediate()) {
        writer_.sendDelete(writeTarget(), row);
        rows_.markGone(row);
    } else {
        rows_.markDeleted(row);
    }
    forgetIndexes();
    cursor_.removeCurrent();
}

void Recordset::UpdateBatch(AffectEnum affect) {
    requireOpen();
    finishEdit();
    writingConnection();
    std::vector<size_t> rows;
    if (affect == adAffectCurrent) {
        rows.push_back(currentRow());
    } else {
        rows = rows_.pendingRows();
        if (affect == adAffectGroup) {
            std::erase_if(rows, [this](size_t row) {
                const auto& shown = cursor_.rows();
                return std::find(shown.begin(), shown.end(), row) == shown.end();
            });
        }
    }
    std::erase_if(rows, [this](size_t row) { return !rows_.pending(row); });
    if (rows.empty()) return;
    // All of the batch or none of it: a conflict leaves the database and the pending changes as
    // they were, so that nothing is half sent.
    Session& session = connection_->session();
    session.beginTransaction();
    std::vector<RowWriter::Completion> completions;
    try {
        const RowWriter::Target target = writeTarget();
        for (size_t row : rows)
            completions.push_back(writer_.send(target, row));
        session.commitTransaction();
    } catch (...) {
        session.rollbackTransaction();
        throw;
    }
    if (std::shared_ptr<Recordset> origin = openOrigin()) {
        for (const RowWriter::Completion& completion : completions)
            origin->complete(completion);
        origin->forgetIndexes();
    }
    for (RowWriter::Completion& completion : completions)
        complete(std::move(completion));
}

std::shared_ptr<Recordset> Recordset::openOrigin() const {
    std::shared_ptr<Recordset> origin = origin_.lock();
    if (!origin || !origin->open_ || origin->generation_ != originGeneration_) return nullptr;
    return origin;
}

// ---- writing rows ----

Connection& Recordset::writingConnection() const {
    if (!connection_) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: " + sourceName() +
                           " is not connected; set ActiveConnection first",
                       kRecordsetSource);
    }
    return *connection_;
}

RowWriter::Target Recordset::writeTarget() {
    Connection& connection = writingConnection();
    return {rows_, connection.session(), connection.CommandTimeout(), sourceText_};
}

void Recordset::complete(RowWriter::Completion completion) {
    for (auto& [column, value] : completion.stored) {
        rows_.store(completion.row, column, coerce(value, rows_.columns()[column].type));
    }
    rows_.accept(completion.row);
}

}  // namespace ado
