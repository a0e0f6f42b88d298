#include "platform/ado/cell_store.hpp"

#include <bit>
#include <cstring>

namespace ado {
namespace {

using oleaut::Variant;
using oleaut::VarType;

constexpr size_t kChunkSize = size_t{1} << 20;
constexpr size_t kFirstChunkSize = 256;

constexpr uint8_t tag(VarType kind) noexcept {
    return static_cast<uint8_t>(kind);
}

uint64_t bitsOf(double value) noexcept {
    return std::bit_cast<uint64_t>(value);
}

double doubleOf(uint64_t payload) noexcept {
    return std::bit_cast<double>(payload);
}

}  // namespace

Variant CellStore::get(size_t index) const {
    const uint64_t bits = payload(index);
    switch (static_cast<VarType>(kind(index))) {
        case VarType::Empty:
            return {};
        case VarType::Null:
            return oleaut::kNull;
        case VarType::Boolean:
            return bits != 0;
        case VarType::Integer:
            return static_cast<int16_t>(bits);
        case VarType::Long:
            return static_cast<int32_t>(bits);
        case VarType::Single:
            return std::bit_cast<float>(static_cast<uint32_t>(bits));
        case VarType::Double:
            return doubleOf(bits);
        case VarType::Currency:
            return oleaut::Currency{static_cast<int64_t>(bits)};
        case VarType::Date:
            return oleaut::Date{doubleOf(bits)};
        case VarType::String:
            return textAt(bits);
        case VarType::Object:
            return objects_[bits];
    }
    return {};
}

std::pair<uint8_t, uint64_t> CellStore::encode(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
        case VarType::Null:
            return {tag(value.type()), 0};
        case VarType::Boolean:
            return {tag(VarType::Boolean), value.asBool() ? 1u : 0u};
        case VarType::Integer:
            return {tag(VarType::Integer), static_cast<uint64_t>(value.asInteger())};
        case VarType::Long:
            return {tag(VarType::Long), static_cast<uint64_t>(value.asLong())};
        case VarType::Single:
            return {tag(VarType::Single), std::bit_cast<uint32_t>(value.asSingle())};
        case VarType::Double:
            return {tag(VarType::Double), bitsOf(value.asDouble())};
        case VarType::Currency:
            return {tag(VarType::Currency), static_cast<uint64_t>(value.asCurrency().raw)};
        case VarType::Date:
            return {tag(VarType::Date), bitsOf(value.asDate().value)};
        case VarType::String:
            return {tag(VarType::String), storeText(value.asString())};
        case VarType::Object:
            objects_.push_back(value.asObject());
            return {tag(VarType::Object), objects_.size() - 1};
    }
    return {tag(VarType::Empty), 0};
}

void CellStore::set(size_t index, const Variant& value) {
    const auto [kind, bits] = encode(value);
    put(index, kind, bits);
}

void CellStore::push_back(const Variant& value) {
    const auto [kind, bits] = encode(value);
    append(kind, bits);
}

void CellStore::pushText(std::string_view text) {
    append(tag(VarType::String), storeText(text));
}

void CellStore::pushDouble(double value) {
    append(tag(VarType::Double), bitsOf(value));
}

void CellStore::pushCopy(const CellStore& from, size_t index) {
    const uint8_t kind = from.kind(index);
    const uint64_t bits = from.payload(index);
    if (kind == tag(VarType::String)) {
        pushText(from.textAt(bits));
    } else if (kind == tag(VarType::Object)) {
        objects_.push_back(from.objects_[bits]);
        append(kind, objects_.size() - 1);
    } else {
        append(kind, bits);
    }
}

void CellStore::appendNulls(size_t count) {
    for (size_t i = 0; i < count; ++i)
        append(tag(VarType::Null), 0);
}

void CellStore::clear() noexcept {
    if (blocks_.size() > 1) blocks_.resize(1);
    if (!blocks_.empty()) {
        blocks_[0].payload.clear();
        blocks_[0].kind.clear();
    }
    if (chunks_.size() > 1) chunks_.resize(1);
    if (!chunks_.empty()) chunks_[0].clear();
    objects_.clear();
    size_ = 0;
}

void CellStore::append(uint8_t kind, uint64_t payload) {
    if (blocks_.empty() || blocks_.back().kind.size() == kBlockSize) {
        blocks_.emplace_back();
        if (blocks_.size() > 1) {
            blocks_.back().payload.reserve(kBlockSize);
            blocks_.back().kind.reserve(kBlockSize);
        }
    }
    blocks_.back().payload.push_back(payload);
    blocks_.back().kind.push_back(kind);
    ++size_;
}

void CellStore::put(size_t index, uint8_t kind, uint64_t payload) noexcept {
    Block& block = blocks_[index >> kBlockShift];
    block.payload[index & (kBlockSize - 1)] = payload;
    block.kind[index & (kBlockSize - 1)] = kind;
}

uint64_t CellStore::storeText(std::string_view text) {
    const uint32_t length = static_cast<uint32_t>(text.size());
    const size_t needed = sizeof length + text.size();
    if (chunks_.empty() || chunks_.back().capacity() - chunks_.back().size() < needed) {
        // Chunks double up to their full size, so that a few texts take little memory.
        const size_t grown =
            chunks_.empty() ? kFirstChunkSize : std::min(chunks_.back().capacity() * 2, kChunkSize);
        chunks_.emplace_back();
        chunks_.back().reserve(std::max(grown, needed));
    }
    std::vector<char>& chunk = chunks_.back();
    const uint64_t at = (static_cast<uint64_t>(chunks_.size() - 1) << 32) | chunk.size();
    const char* lengthBytes = reinterpret_cast<const char*>(&length);
    chunk.insert(chunk.end(), lengthBytes, lengthBytes + sizeof length);
    chunk.insert(chunk.end(), text.begin(), text.end());
    return at;
}

std::string_view CellStore::textAt(uint64_t payload) const noexcept {
    const std::vector<char>& chunk = chunks_[payload >> 32];
    const char* at = chunk.data() + (payload & 0xffffffffu);
    uint32_t length = 0;
    std::memcpy(&length, at, sizeof length);
    return {at + sizeof length, length};
}

}  // namespace ado
