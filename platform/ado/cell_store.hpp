#pragma once
// The values of many rows, compactly: per cell a kind tag and eight bytes (a number, a currency,
// a date, or where a text lies), texts in an arena of their own. A Variant is made only when a
// value is read. Cells sit in fixed blocks, so growing never moves them and fetching a large row
// set touches its memory once; the first block grows as a vector does, so that a few rows take
// little memory.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/oleaut/variant.hpp"

namespace ado {

class CellStore {
  public:
    static constexpr size_t kBlockShift =
        12;  // 4,096 cells a block: below the size malloc maps apart
    static constexpr size_t kBlockSize = size_t{1} << kBlockShift;

    size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }

    oleaut::Variant get(size_t index) const;
    // Whether the cell holds Null.
    bool isNull(size_t index) const noexcept {
        return kind(index) == static_cast<uint8_t>(oleaut::VarType::Null);
    }
    void set(size_t index, const oleaut::Variant& value);

    void push_back(const oleaut::Variant& value);
    // Appends a text without making a Variant of it.
    void pushText(std::string_view text);
    void pushDouble(double value);
    // Appends a copy of another store's cell without making a Variant of it.
    void pushCopy(const CellStore& from, size_t index);
    // Appends count Null cells.
    void appendNulls(size_t count);

    // Empties the store; the first block and text chunk keep their memory, so that a store
    // emptied and filled again, row after row, allocates nothing.
    void clear() noexcept;

  private:
    struct Block {
        std::vector<uint64_t> payload;
        std::vector<uint8_t> kind;
    };

    uint8_t kind(size_t index) const noexcept {
        return blocks_[index >> kBlockShift].kind[index & (kBlockSize - 1)];
    }
    uint64_t payload(size_t index) const noexcept {
        return blocks_[index >> kBlockShift].payload[index & (kBlockSize - 1)];
    }
    void append(uint8_t kind, uint64_t payload);
    void put(size_t index, uint8_t kind, uint64_t payload) noexcept;
    // Copies a text into the arena; the payload that finds it again.
    uint64_t storeText(std::string_view text);
    std::string_view textAt(uint64_t payload) const noexcept;
    // The kind tag and payload of a value (a text or object is stored on the way).
    std::pair<uint8_t, uint64_t> encode(const oleaut::Variant& value);

    std::vector<Block> blocks_;
    size_t size_ = 0;
    // Texts: chunks of at most kChunkSize bytes (a longer text has a chunk of its own), each text
    // preceded by its length. A payload is the chunk's number and the offset in it.
    std::vector<std::vector<char>> chunks_;
    std::vector<oleaut::ObjectRef> objects_;  // objects set into fields (a payload is the index)
};

}  // namespace ado
