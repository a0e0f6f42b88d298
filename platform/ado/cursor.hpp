#pragma once
// Where a recordset stands among the rows it shows. The states: before the first row (BOF), on
// a row, on a row just deleted (it is out of the view; the next row already stands at the
// position), past the last row (EOF). An empty view is at BOF and EOF at once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ado {

class Cursor {
  public:
    // Shows these rows, in order, and stands on the first.
    void show(std::vector<uint32_t> rows) {
        rows_ = std::move(rows);
        first();
    }
    const std::vector<uint32_t>& rows() const noexcept { return rows_; }
    size_t count() const noexcept { return rows_.size(); }

    bool bof() const noexcept { return beforeFirst_ || rows_.empty(); }
    bool eof() const noexcept { return rows_.empty() || (!beforeFirst_ && position_ >= count()); }
    // The row stood on; nothing at BOF, at EOF and on a deleted row.
    std::optional<size_t> current() const noexcept {
        if (beforeFirst_ || onDeleted_ || position_ >= count()) return std::nullopt;
        return rows_[position_];
    }

    void first() noexcept { standAt(0); }
    void last() noexcept { standAt(rows_.empty() ? 0 : count() - 1); }
    // From BOF to the first row, from a deleted row to the row after it, else one on.
    void next() noexcept {
        if (beforeFirst_) {
            standAt(0);
        } else if (onDeleted_) {
            onDeleted_ = false;
        } else {
            ++position_;
        }
    }
    // From the first row to BOF, else one back.
    void previous() noexcept {
        onDeleted_ = false;
        if (position_ == 0) {
            beforeFirst_ = true;
        } else {
            --position_;
        }
    }

    // Shows a row after the others and stands on it; returns the position left.
    size_t append(uint32_t row) {
        const size_t left = position_;
        rows_.push_back(row);
        standAt(count() - 1);
        return left;
    }
    // Takes the current row out of the view and stands on it as deleted.
    void removeCurrent() {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position_));
        onDeleted_ = true;
    }
    // Takes the current row out of the view (an added row given up) and returns to a position.
    void dropCurrent(size_t returnTo) {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position_));
        position_ = returnTo < count() ? returnTo : count();
    }

  private:
    void standAt(size_t position) noexcept {
        position_ = position;
        beforeFirst_ = false;
        onDeleted_ = false;
    }

    std::vector<uint32_t> rows_;  // the rows shown, in order
    size_t position_ = 0;         // count() is EOF
    bool beforeFirst_ = false;
    bool onDeleted_ = false;
};

}  // namespace ado
