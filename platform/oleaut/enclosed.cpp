#include "platform/oleaut/enclosed.hpp"

namespace oleaut {

std::optional<std::string> readEnclosed(std::string_view text, size_t& pos, char open, char close,
                                        bool doubling) {
    if (pos >= text.size() || text[pos] != open) return std::nullopt;
    std::string value;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] != close) {
            value += text[i];
        } else if (doubling && i + 1 < text.size() && text[i + 1] == close) {
            value += close;
            ++i;
        } else {
            pos = i + 1;
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace oleaut
