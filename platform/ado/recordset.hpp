#pragma once
// ADO Recordset with a client-side static cursor: all rows are fetched at Open, RecordCount is
// exact at once, filters run in memory. With optimistic locking and a connection, Update writes
// the current row at once; with batch-optimistic locking changes wait for UpdateBatch.
//
// States and the methods that change them:
// - closed -> open: Open, openRows; open -> closed: Close (refused with an unsaved edit of a
//   connected recordset).
// - edit (EditMode): no edit -> editing: the first Field::Value set on a row; no edit -> adding:
//   AddNew; editing or adding -> no edit: Update (which writes a connected row), CancelUpdate,
//   and every move or filter (which update first).
// - position (Cursor): before the first row (MovePrevious from the first), on a row (MoveFirst,
//   MoveLast, MoveNext, a filter, AddNew), on a deleted row (Delete; MoveNext goes on to the row
//   after it), past the last row (MoveNext from the last).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ado/connection.hpp"
#include "platform/ado/cursor.hpp"
#include "platform/ado/filter.hpp"
#include "platform/ado/row_store.hpp"
#include "platform/ado/row_writer.hpp"

namespace ado {

class Recordset;

// A column of an open recordset and its value in the current row. Resolve a name once and keep
// the Field: it follows the cursor, and reading it then costs no name look-up. It must not
// outlive its recordset and fails once the recordset is closed or reopened.
class Field {
  public:
    const std::string& Name() const;
    DataTypeEnum Type() const;
    oleaut::Variant Value() const;
    // Converts the value to the field's type, as an assignment in ADO does.
    void Value(const oleaut::Variant& value) const;
    oleaut::Variant OriginalValue() const;

  private:
    friend class Recordset;
    friend class Fields;
    Field(Recordset* recordset, size_t column, uint64_t generation)
        : recordset_(recordset), column_(column), generation_(generation) {}

    Recordset* recordset_;
    size_t column_;
    uint64_t generation_;
};

class Fields {
  public:
    int32_t Count() const;
    Field Item(std::string_view name) const;
    Field Item(int32_t index) const;
    Field operator()(std::string_view name) const { return Item(name); }
    Field operator()(int32_t index) const { return Item(index); }

  private:
    friend class Recordset;
    explicit Fields(Recordset* recordset) : recordset_(recordset) {}
    Recordset* recordset_;
};

class Recordset : public oleaut::Object {
  public:
    Recordset() = default;
    ~Recordset() override;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // The connection: a string opens one of the recordset's own; a Connection is shared; Empty, a
    // null object or nullptr detach an open recordset, which keeps its rows and changes. An open
    // recordset that is connected cannot be given another connection.
    const std::shared_ptr<Connection>& ActiveConnection() const noexcept { return connection_; }
    void ActiveConnection(const oleaut::Variant& connection);
    void ActiveConnection(std::shared_ptr<Connection> connection);
    void ActiveConnection(std::nullptr_t) { ActiveConnection(std::shared_ptr<Connection>()); }

    CursorLocationEnum CursorLocation() const noexcept { return cursorLocation_; }
    void CursorLocation(CursorLocationEnum location);
    CursorTypeEnum CursorType() const noexcept { return cursorType_; }
    void CursorType(CursorTypeEnum type);
    LockTypeEnum LockType() const noexcept { return lockType_; }
    void LockType(LockTypeEnum type);
    // SQL text, a table or procedure name, or a Command object.
    const oleaut::Variant& Source() const noexcept { return source_; }
    void Source(const oleaut::Variant& source);
    ObjectStateEnum State() const noexcept { return open_ ? adStateOpen : adStateClosed; }

    // Opens the rows of a text, table or procedure (options gives the command type), of a
    // Command (its connection, text, type, timeout and parameters), or of another Recordset (its
    // rows and pending changes). Empty arguments and -1 use the properties. A batch sent from a
    // recordset opened on another one completes that one too, as long as it stays open: its sent
    // rows are no longer pending and its new rows carry the keys they were given.
    void Open(const oleaut::Variant& source = {}, const oleaut::Variant& activeConnection = {},
              CursorTypeEnum cursorType = adOpenUnspecified,
              LockTypeEnum lockType = adLockUnspecified, int32_t options = adOptionUnspecified);
    void Close();

    bool EndOfFile() const;  // ADO's EOF, a macro name in C++
    bool BOF() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    int32_t RecordCount() const;

    // "[column] = value AND ...", "" or 0 to clear, adFilterPendingRecords for the changed rows.
    // Moves to the first row that passes; RecordCount, BOF and EOF follow the filtered rows.
    const oleaut::Variant& Filter() const noexcept { return filter_; }
    void Filter(const oleaut::Variant& filter);

    ado::Fields Fields() { return ado::Fields(this); }
    Field Fields(std::string_view name) { return ado::Fields(this).Item(name); }
    Field Fields(int32_t index) { return ado::Fields(this).Item(index); }

    EditModeEnum EditMode() const noexcept { return editMode_; }
    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete(AffectEnum affect = adAffectCurrent);
    void UpdateBatch(AffectEnum affect = adAffectAll);

    // Opens the recordset on rows a connection or command fetched (read-only, static, client).
    void openRows(RowSet rows, std::shared_ptr<Connection> connection, std::string source);

  private:
    friend class Field;
    friend class Fields;

    void requireOpen() const;
    void requireClosed() const;
    void requireUpdatable() const;
    size_t currentRow() const;
    size_t columnIndex(std::string_view name) const;
    void checkField(const Field& field) const;
    oleaut::Variant value(size_t column) const { return rows_.at(currentRow(), column); }
    // The connection that writes rows; fails when there is none.
    Connection& writingConnection() const;
    void setValue(size_t column, const oleaut::Variant& value);
    bool immediate() const noexcept;
    std::string sourceName() const;

    void adopt(std::shared_ptr<const ColumnSet> columns, CellStore cells);
    void showAll();
    void applyFilter(const std::vector<Condition>& conditions);
    void finishEdit();
    void forgetIndexes() { indexes_.clear(); }

    RowWriter::Target writeTarget();
    void complete(RowWriter::Completion completion);
    // The recordset this one was opened on, while it is still open as it was then.
    std::shared_ptr<Recordset> openOrigin() const;

    std::shared_ptr<Connection> connection_;
    bool ownsConnection_ = false;
    CursorLocationEnum cursorLocation_ = adUseServer;
    CursorTypeEnum cursorType_ = adOpenForwardOnly;
    LockTypeEnum lockType_ = adLockReadOnly;
    oleaut::Variant source_;
    std::string sourceText_;
    bool open_ = false;
    uint64_t generation_ = 0;          // changes at every Open, so that stale Fields fail
    std::weak_ptr<Recordset> origin_;  // opened on another recordset: that one
    uint64_t originGeneration_ = 0;

    RowStore rows_;
    Cursor cursor_;
    RowWriter writer_;
    oleaut::Variant filter_ = int32_t{adFilterNone};
    std::unordered_map<size_t, EqualityIndex> indexes_;

    EditModeEnum editMode_ = adEditNone;
    size_t positionBeforeAdd_ = 0;
};

}  // namespace ado
