// The recordset's properties and the checks of its state that every operation makes.

#include "platform/ado/recordset.hpp"

#include "platform/ado/errors.hpp"

namespace ado {

Recordset::~Recordset() = default;

void Recordset::ActiveConnection(const oleaut::Variant& connection) {
    if (connection.isString()) {
        if (open_ && connection_) throw objectOpenError(kRecordsetSource);
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
    if (open_ && connection_ && connection && connection != connection_)
        throw objectOpenError(kRecordsetSource);
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

void Recordset::requireOpen() const {
    if (!open_) throw objectClosedError(kRecordsetSource);
}

void Recordset::requireClosed() const {
    if (open_) throw objectOpenError(kRecordsetSource);
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

}  // namespace ado
