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

namespace {

// A byte that is not a UTF-8 continuation byte begins a character.
bool beginsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t nextCharacter(std::string_view text, std::size_t at) {
    do {
        ++at;
    } while (at < text.size() && !beginsCharacter(text[at]));
    return at;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Where the first line of a paragraph ends: its end when it fits whole, else the break chosen.
std::size_t lineEnd(std::string_view paragraph, int width, const TextMeasure& measure) {
    std::size_t afterBlank = 0;
    std::size_t afterSlash = 0;
    std::size_t end = 0;
    while (end < paragraph.size()) {
        const std::size_t next = nextCharacter(paragraph, end);
        const std::string_view shown = withoutTrailingBlanks(paragraph.substr(0, next));
        if (end > 0 && measure(shown) > width) break;
        end = next;
        if (paragraph[end - 1] == ' ' && !shown.empty()) afterBlank = end;
        if (paragraph[end - 1] == '/') afterSlash = end;
    }
    if (end == paragraph.size()) return end;
    if (afterBlank > 0) return afterBlank;
    if (afterSlash > 0) return afterSlash;
    return end;
}

}  // namespace

std::string wrapped(std::string_view text, int width, const TextMeasure& measure) {
    std::string lines;
    lines.reserve(text.size());
    std::size_t start = 0;
    for (;;) {
        const std::size_t feed = text.find('\n', start);
        std::string_view paragraph =
            text.substr(start, feed == text.npos ? text.npos : feed - start);
        for (;;) {
            const std::size_t end = lineEnd(paragraph, width, measure);
            lines += paragraph.substr(0, end);
            paragraph.remove_prefix(end);
            if (paragraph.empty()) break;
            lines += '\n';
        }
        if (feed == text.npos) return lines;
        lines += '\n';
        start = feed + 1;
    }
}

}  // namespace ui::detail
