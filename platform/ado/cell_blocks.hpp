#pragma once
// The values of many rows in fixed blocks: growing never moves a value, so fetching a large row
// set touches its memory once, and an index reaches a value in two steps.

#include <cstddef>
#include <vector>

#include "platform/oleaut/variant.hpp"

namespace ado {

class CellBlocks {
  public:
    static constexpr size_t kBlockShift = 14;  // 16,384 values a block
    static constexpr size_t kBlockSize = size_t{1} << kBlockShift;

    size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }

    oleaut::Variant& operator[](size_t index) noexcept {
        return blocks_[index >> kBlockShift][index & (kBlockSize - 1)];
    }
    const oleaut::Variant& operator[](size_t index) const noexcept {
        return blocks_[index >> kBlockShift][index & (kBlockSize - 1)];
    }

    // The first block grows as a vector does, so that a few rows take little memory; every
    // further block is reserved whole and never moves.
    void push_back(oleaut::Variant value) {
        if (blocks_.empty() || blocks_.back().size() == kBlockSize) {
            blocks_.emplace_back();
            if (blocks_.size() > 1) blocks_.back().reserve(kBlockSize);
        }
        blocks_.back().push_back(std::move(value));
        ++size_;
    }

    // Grows by count values, each a copy of value.
    void append(size_t count, const oleaut::Variant& value) {
        for (size_t i = 0; i < count; ++i)
            push_back(value);
    }

    void clear() noexcept {
        blocks_.clear();
        size_ = 0;
    }

  private:
    std::vector<std::vector<oleaut::Variant>> blocks_;
    size_t size_ = 0;
};

}  // namespace ado
