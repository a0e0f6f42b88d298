#pragma once
// Globally unique identifiers (class, interface and library identifiers) in their registry form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace com {

struct Guid {
    // The 32 hex digits in the order they are written.
    std::array<uint8_t, 16> bytes{};

    // The identifier written in registry form, hex digits in either case; nullopt when malformed.
    static constexpr std::optional<Guid> tryParse(std::string_view text) {
        constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
        if (text.size() != kShape.size()) return std::nullopt;
        Guid guid;
        int digit = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (kShape[i] != 'X') {
                if (text[i] != kShape[i]) return std::nullopt;
                continue;
            }
            const int value = hexValue(text[i]);
            if (value < 0) return std::nullopt;
            guid.bytes[digit / 2] = static_cast<uint8_t>(guid.bytes[digit / 2] * 16 + value);
            ++digit;
        }
        return guid;
    }

    // As tryParse, failing on a malformed text (a compile error in a constant).
    static constexpr Guid parse(std::string_view text) {
        const std::optional<Guid> guid = tryParse(text);
        if (!guid) throw std::invalid_argument("malformed identifier: " + std::string(text));
        return *guid;
    }

    // Registry form with upper-case hex digits.
    std::string toString() const;

    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;

  private:
    static constexpr int hexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }
};

}  // namespace com
