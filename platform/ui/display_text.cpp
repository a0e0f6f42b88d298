#include "platform/ui/display_text.hpp"

namespace ui::detail {

std::string literalLabel(std::string_view text) {
    std::string label;
    label.reserve(text.size());
    for (char c : text) {
        if (c == '@') label += '@';
        label += c;
    }
    return label;
}

std::string plainText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        plain += text[i];
    }
    while (!plain.empty() && (plain.back() == '\n' || plain.back() == '\r'))
        plain.pop_back();
    return plain;
}

}  // namespace ui::detail
