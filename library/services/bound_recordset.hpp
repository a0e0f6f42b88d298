#pragma once
// A recordset of a calculation bound to the column list of its kind of row: the field of a column
// is looked up by name on first use and kept, so that every later access is an index into the row.
// Failures name the column.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "library/services/column_list.hpp"
#include "library/services/row_fields.hpp"
#include "platform/ado/recordset.hpp"

namespace kalvik {

template <class Row>
class BoundRecordset {
  public:
    // The recordset object, created closed on first use, as it is handed to `Open_RST`.
    const std::shared_ptr<ado::Recordset>& object() {
        if (!recordset_) recordset_ = std::make_shared<ado::Recordset>();
        return recordset_;
    }
    ado::Recordset& recordset() { return *object(); }
    bool isOpen() const { return recordset_ && recordset_->State() == ado::adStateOpen; }

    // The column's value in the current row.
    oleaut::Variant operator[](Column<Row> column) {
        try {
            return field(column).Value();
        } catch (const oleaut::Error& e) {
            throw e.withContext("column " + std::string(column.name));
        }
    }
    void set(Column<Row> column, const oleaut::Variant& value) {
        try {
            field(column).Value(value);
        } catch (const oleaut::Error& e) {
            throw e.withContext("column " + std::string(column.name));
        }
    }
    double number(Column<Row> column) { return kalvik::number((*this)[column], column.name); }
    int16_t integer(Column<Row> column) { return kalvik::integer((*this)[column], column.name); }
    int32_t longInteger(Column<Row> column) {
        return kalvik::longInteger((*this)[column], column.name);
    }

    // Narrows the rows to one object: the filter text followed by the object's number
    // ("[Npotr] = " and "114").
    void select(std::string_view filter, const std::string& key) {
        std::string text(filter);
        text += key;
        recordset_->Filter(oleaut::Variant(std::move(text)));
    }
    bool eof() const { return recordset_->EndOfFile(); }
    void moveNext() { recordset_->MoveNext(); }
    int32_t recordCount() const { return recordset_->RecordCount(); }
    void addNew() { recordset_->AddNew(); }
    void update() { recordset_->Update(); }
    // Drops a row being added or edited; nothing when none is.
    void cancelUpdate() {
        if (isOpen() && recordset_->EditMode() != ado::adEditNone) recordset_->CancelUpdate();
    }

    // Closes an open recordset and forgets its fields.
    void close() {
        fields_ = {};
        if (isOpen()) recordset_->Close();
    }
    // Closes and releases it, so that a new one is made on the next use.
    void release() {
        close();
        recordset_.reset();
    }

  private:
    const ado::Field& field(Column<Row> column) {
        std::optional<ado::Field>& f = fields_[static_cast<std::size_t>(column.slot)];
        if (!f) f.emplace(recordset_->Fields(column.name));
        return *f;
    }

    std::shared_ptr<ado::Recordset> recordset_;
    std::array<std::optional<ado::Field>, Row::kNames.size()> fields_;
};

// The error of a row with its consumer named first ("consumer 101: ..."), number kept; "?" stands
// for a number the row cannot give.
template <class Row>
[[nodiscard]] oleaut::Error namingConsumer(const oleaut::Error& error, BoundRecordset<Row>& row,
                                           Column<Row> number) {
    std::string text = "?";
    try {
        text = oleaut::CStr(row[number]);
    } catch (const oleaut::Error&) {
        // The error of the row is the one to report.
    }
    return error.withContext("consumer " + text);
}

}  // namespace kalvik
