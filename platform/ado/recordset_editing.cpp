// Editing, adding and deleting rows: a connected optimistic recordset writes each row at once,
// a batch one keeps its changes pending.

#include "platform/ado/recordset.hpp"

#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"

namespace ado {

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

}  // namespace ado
