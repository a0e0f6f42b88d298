#include "platform/oleaut/text.hpp"

namespace oleaut {
namespace {

// Length in bytes of the character starting at text[i]: 1 for a byte that starts no valid
// sequence.
size_t charLength(std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t n = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
    if (n == 0 || i + n > text.size()) return 1;
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

// Byte offset of the character `count` characters into the text (the size when beyond).
size_t byteOffset(std::string_view text, int64_t count) {
    size_t i = 0;
    for (; i < text.size() && count > 0; --count)
        i += charLength(text, i);
    return i;
}

void requireCount(int32_t count) {
    if (count < 0) throw invalidProcedureCallError();
}

char32_t decodeAt(std::string_view text, size_t i, size_t n) {
    const auto b = [&](size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(text[i + k]));
    };
    switch (n) {
        case 1:
            return b(0) < 0x80 ? b(0) : 0xFFFD;
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
    }
}

// One "[...]" list of a Like pattern, at pattern[i] == '['; sets `end` past the "]".
bool matchesList(std::u32string_view pattern, size_t i, char32_t c, size_t& end) {
    size_t k = i + 1;
    const bool negate = k < pattern.size() && pattern[k] == U'!';
    if (negate) ++k;
    bool found = false;
    for (bool first = true; k < pattern.size() && (first || pattern[k] != U']'); first = false) {
        const char32_t low = pattern[k];
        if (k + 2 < pattern.size() && pattern[k + 1] == U'-' && pattern[k + 2] != U']') {
            const char32_t high = pattern[k + 2];
            if (high < low) throw invalidProcedureCallError();
            found = found || (c >= low && c <= high);
            k += 3;
        } else {
            found = found || c == low;
            ++k;
        }
    }
    if (k >= pattern.size()) throw invalidProcedureCallError();
    end = k + 1;
    return found != negate;
}

bool likeFrom(std::u32string_view text, std::u32string_view pattern) {
    // Greedy matching with one remembered "*": where it started and how much text it covers.
    size_t t = 0, p = 0, starP = std::u32string_view::npos, starT = 0;
    while (t < text.size()) {
        bool step = false;
        size_t next = p + 1;
        if (p < pattern.size()) {
            const char32_t pc = pattern[p];
            if (pc == U'*') {
                starP = p++;
                starT = t;
                continue;
            }
            if (pc == U'?')
                step = true;
            else if (pc == U'#')
                step = text[t] >= U'0' && text[t] <= U'9';
            else if (pc == U'[')
                step = matchesList(pattern, p, text[t], next);
            else
                step = pc == text[t];
        }
        if (step) {
            ++t;
            p = next;
        } else if (starP != std::u32string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

}  // namespace

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t n = charLength(text, i);
        out += decodeAt(text, i, n);
        i += n;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view chars) {
    std::string out;
    for (char32_t c : chars) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

size_t wellFormedLength(std::string_view text, size_t i) noexcept {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    size_t n = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return 0;
    for (size_t k = 2; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    }
    return n;
}

bool isValidUtf8(std::string_view text) noexcept {
    for (size_t i = 0; i < text.size();) {
        const size_t n = wellFormedLength(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string echoed(std::string_view text) {
    const size_t cut = byteOffset(text, kEchoedCharacters);
    if (cut >= text.size()) return std::string(text);
    return std::string(text.substr(0, cut)) + "…";
}

int32_t Len(std::string_view text) {
    int32_t count = 0;
    for (size_t i = 0; i < text.size(); i += charLength(text, i))
        ++count;
    return count;
}

std::string Left(std::string_view text, int32_t count) {
    requireCount(count);
    return std::string(text.substr(0, byteOffset(text, count)));
}

std::string Right(std::string_view text, int32_t count) {
    requireCount(count);
    const int32_t length = Len(text);
    if (count >= length) return std::string(text);
    return std::string(text.substr(byteOffset(text, length - count)));
}

std::string Mid(std::string_view text, int32_t start) {
    if (start < 1) throw invalidProcedureCallError();
    return std::string(text.substr(byteOffset(text, start - 1)));
}

std::string Mid(std::string_view text, int32_t start, int32_t count) {
    requireCount(count);
    const std::string rest = Mid(text, start);
    return Left(rest, count);
}

std::string LTrim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return LTrim(RTrim(text));
}

int32_t InStr(int32_t start, std::string_view text, std::string_view part) {
    if (start < 1) throw invalidProcedureCallError();
    const size_t from = byteOffset(text, start - 1);
    if (from == text.size() && !part.empty()) return 0;
    const size_t found = text.find(part, from);
    if (found == std::string_view::npos) return 0;
    return Len(text.substr(0, found)) + 1;
}

std::string fixedLength(std::string_view text, int32_t width) {
    requireCount(width);
    std::string out = Left(text, width);
    out.append(width - Len(out), ' ');
    return out;
}

bool Like(std::string_view text, std::string_view pattern) {
    return likeFrom(decodeUtf8(text), decodeUtf8(pattern));
}

Variant likeOrNull(const Variant& text, const Variant& pattern) {
    if (text.isNull() || pattern.isNull()) return kNull;
    return Variant(Like(CStr(text), CStr(pattern)));
}

}  // namespace oleaut
