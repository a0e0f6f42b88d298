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
        throw adoError(adErrInvalidConnection,
                       "malformed connection string " + inQuotes(std::string(text_)) + ": " + why,
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
            fail("\"" + std::string(trim(text_.substr(pos_, semi - pos_))) + "\" has no \"=\"");
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
        if (open == '"' || open == '\'') {
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size()) fail("a quoted value is not closed");
                const char c = text_[pos_++];
                if (c != open) {
                    value += c;
                } else if (pos_ < text_.size() && text_[pos_] == open) {
                    value += c;
                    ++pos_;
                } else {
                    break;
                }
            }
        } else if (open == '{') {
            const size_t close = text_.find('}', pos_ + 1);
            if (close == std::string_view::npos) fail("a braced value is not closed");
            value = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
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
