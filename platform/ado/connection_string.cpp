#include "platform/ado/connection_string.hpp"

#include <algorithm>

#include "platform/ado/errors.hpp"

namespace ado {
namespace {

char lowerAscii(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isSecretKey(std::string_view key) {
    key = trim(key);
    return equalsIgnoringAsciiCase(key, "Password") || equalsIgnoringAsciiCase(key, "Pwd");
}

// Where the value that starts at pos ends: past its closing quote or brace, else at the next ";"
// (the end of the text when a quote or brace is not closed).
size_t valueEnd(std::string_view text, size_t pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size()) return pos;
    const char open = text[pos];
    if (open == '"' || open == '\'' || open == '{') {
        const char close = open == '{' ? '}' : open;
        for (size_t i = pos + 1; i < text.size(); ++i) {
            if (text[i] != close) continue;
            if (i + 1 < text.size() && text[i + 1] == close) {
                ++i;  // a doubled quote or brace inside the value
                continue;
            }
            const size_t semi = text.find(';', i + 1);
            return semi == std::string_view::npos ? text.size() : semi;
        }
        return text.size();
    }
    const size_t semi = text.find(';', pos);
    return semi == std::string_view::npos ? text.size() : semi;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::vector<std::pair<std::string, std::string>> pairs() {
        std::vector<std::pair<std::string, std::string>> result;
        while (pos_ < text_.size()) {
            skipBlanks();
            if (pos_ < text_.size() && text_[pos_] == ';') {
                ++pos_;
                continue;
            }
            if (pos_ >= text_.size()) break;
            std::string key = readKey();
            std::string value = readValue();
            auto same = [&](const auto& p) { return equalsIgnoringAsciiCase(p.first, key); };
            result.erase(std::remove_if(result.begin(), result.end(), same), result.end());
            result.emplace_back(std::move(key), std::move(value));
        }
        return result;
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw adoError(
            adErrInvalidConnection,
            "malformed connection string " + inQuotes(maskedConnectionString(text_)) + ": " + why,
            "ADODB.Connection");
    }

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    std::string readKey() {
        const size_t eq = text_.find('=', pos_);
        const size_t semi = text_.find(';', pos_);
        if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
            fail(inQuotes(trim(text_.substr(pos_, semi - pos_))) + " has no \"=\"");
        }
        const std::string_view key = trim(text_.substr(pos_, eq - pos_));
        if (key.empty()) fail("a value without a key");
        pos_ = eq + 1;
        return std::string(key);
    }

    std::string readValue() {
        skipBlanks();
        if (pos_ >= text_.size()) return {};
        const char open = text_[pos_];
        std::string value;
        if (open == '"' || open == '\'' || open == '{') {
            const char close = open == '{' ? '}' : open;
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size()) {
                    fail(open == '{' ? "a braced value is not closed"
                                     : "a quoted value is not closed");
                }
                const char c = text_[pos_++];
                if (c != close) {
                    value += c;
                } else if (pos_ < text_.size() && text_[pos_] == close) {
                    value += c;
                    ++pos_;
                } else {
                    break;
                }
            }
        } else {
            const size_t semi = text_.find(';', pos_);
            value = std::string(trim(text_.substr(pos_, semi - pos_)));
            pos_ = semi == std::string_view::npos ? text_.size() : semi;
            return value;
        }
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] != ';') fail("text after a quoted value");
        return value;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

std::string asciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = lowerAscii(c);
    return result;
}

std::string quotedConnectionValue(std::string_view value) {
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"') quoted += c;
    }
    return quoted + '"';
}

std::string maskedConnectionString(std::string_view text) {
    std::string masked;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t eq = text.find('=', pos);
        const size_t semi = text.find(';', pos);
        if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
            masked += text.substr(pos, semi == std::string_view::npos ? text.npos : semi + 1 - pos);
            pos = semi == std::string_view::npos ? text.size() : semi + 1;
            continue;
        }
        const size_t end = valueEnd(text, eq + 1);
        masked += text.substr(pos, eq + 1 - pos);
        masked +=
            isSecretKey(text.substr(pos, eq - pos)) ? "***" : text.substr(eq + 1, end - eq - 1);
        if (end < text.size()) masked += ';';
        pos = end + 1;
    }
    return masked;
}

ConnectionString ConnectionString::parse(std::string_view text) {
    ConnectionString result;
    result.pairs_ = Parser(text).pairs();
    return result;
}

std::optional<std::string> ConnectionString::get(std::string_view key) const {
    for (const auto& [k, v] : pairs_) {
        if (equalsIgnoringAsciiCase(k, key)) return v;
    }
    return std::nullopt;
}

std::string ConnectionString::getOr(std::string_view key, std::string fallback) const {
    auto value = get(key);
    return value ? *value : std::move(fallback);
}

}  // namespace ado
