#include "platform/oleaut/error_text.hpp"

#include <algorithm>

#include "platform/oleaut/text.hpp"

namespace oleaut {
namespace {

constexpr std::string_view kEllipsis = "…";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The character (its well-formed bytes) as a line shows it: a control character by its escape.
void appendShown(std::string& out, std::string_view character) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(character[k]); };
    if (character.size() == 1 && (byte(0) < 0x20 || byte(0) == 0x7F)) {
        switch (byte(0)) {
            case '\n':
                out += "\\n";
                return;
            case '\r':
                out += "\\r";
                return;
            case '\t':
                out += "\\t";
                return;
            default:
                out += "\\x";
                out += kHex[byte(0) >> 4];
                out += kHex[byte(0) & 0xF];
                return;
        }
    }
    if (character.size() == 2 && byte(0) == 0xC2 && byte(1) < 0xA0) {  // U+0080 to U+009F
        out += "\\u00";
        out += kHex[byte(1) >> 4];
        out += kHex[byte(1) & 0xF];
        return;
    }
    if (character == "\u2028" || character == "\u2029") {
        out += character == "\u2028" ? "\\u2028" : "\\u2029";
        return;
    }
    out += character;
}

// The text shown character by character, cut with an ellipsis past `limit` bytes.
std::string shown(std::string_view text, size_t limit) {
    std::string line;
    size_t fits = 0;  // the line's length at the last character that leaves room for the ellipsis
    for (size_t i = 0; i < text.size();) {
        const size_t n = wellFormedLength(text, i);
        appendShown(line, n == 0 ? kReplacement : text.substr(i, n));
        i += std::max<size_t>(n, 1);
        if (line.size() + kEllipsis.size() <= limit) {
            fits = line.size();
        } else if (line.size() > limit) {
            line.resize(fits);
            return line += kEllipsis;
        }
    }
    return line;
}

// The text with each byte that starts no well-formed character replaced by U+FFFD.
std::string wellFormed(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t n = wellFormedLength(text, i);
        out += n == 0 ? kReplacement : text.substr(i, n);
        i += std::max<size_t>(n, 1);
    }
    return out;
}

}  // namespace

std::string errorLine(std::string_view text) {
    return shown(text, kErrorLineBytes);
}

std::string echoedPath(std::string_view path) {
    const std::u32string chars = decodeUtf8(wellFormed(path));
    const size_t limit = kEchoedCharacters;
    // The last name starts after the last '/' but one that ends the path.
    const size_t slash =
        chars.size() < 2 ? std::u32string::npos : chars.rfind(U'/', chars.size() - 2);
    if (chars.size() <= limit || slash == std::u32string::npos || slash == 0) {
        return shown(encodeUtf8(chars), std::string::npos);
    }
    // Kept: the folders' start, and an end that holds "/" and the name, half the limit or more.
    const size_t named = chars.size() - slash;
    const size_t tail = std::max(named, limit / 2);
    const size_t head = tail < limit ? limit - tail : 0;
    const std::u32string cut = chars.substr(0, head) + U"…" + chars.substr(chars.size() - tail);
    return shown(encodeUtf8(cut), std::string::npos);
}

}  // namespace oleaut
