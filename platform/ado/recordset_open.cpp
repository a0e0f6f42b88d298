// Opening a recordset on a text, a table, a procedure, a Command or another recordset, and
// closing it.

#include "platform/ado/recordset.hpp"

#include "platform/ado/command.hpp"
#include "platform/ado/connection_string.hpp"
#include "platform/ado/errors.hpp"

namespace ado {

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

}  // namespace ado
