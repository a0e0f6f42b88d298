#include "platform/com/names.hpp"

namespace com {

std::string foldCase(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
            continue;
        }
        // Cyrillic capitals are U+0400..U+042F, written 0xD0 0x80..0xAF.
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c == 0xD0 && next >= 0x80 && next <= 0xAF) {
            const unsigned small = 0x400 + (next - 0x80) + (next < 0x90 ? 0x50 : 0x20);
            folded += static_cast<char>(0xC0 | (small >> 6));
            folded += static_cast<char>(0x80 | (small & 0x3F));
            ++i;
            continue;
        }
        folded += static_cast<char>(c);
    }
    return folded;
}

bool sameName(std::string_view a, std::string_view b) {
    return foldCase(a) == foldCase(b);
}

}  // namespace com
