// The fields of a recordset: a column resolved once, read and set in the current row.

#include "platform/ado/errors.hpp"
#include "platform/ado/recordset.hpp"

namespace ado {

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
                       kRecordsetSource);
    }
    return Field(recordset_, static_cast<size_t>(index), recordset_->generation_);
}

}  // namespace ado
