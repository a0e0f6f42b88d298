#pragma once
// ADO connection strings: "key=value" pairs separated by ";". A value may be quoted with " or '
// (the quote doubled inside) or braced with {} ("}}" inside for "}"); keys ignore ASCII letter case
// and surrounding blanks.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ado {

class ConnectionString {
  public:
    // Fails with a message quoting the string when it is malformed.
    static ConnectionString parse(std::string_view text);

    // The value of a key, or nothing when the string does not hold it.
    std::optional<std::string> get(std::string_view key) const;
    std::string getOr(std::string_view key, std::string fallback) const;

    const std::vector<std::pair<std::string, std::string>>& pairs() const { return pairs_; }

  private:
    std::vector<std::pair<std::string, std::string>> pairs_;  // a repeated key: the last one counts
};

// A value written so that the string's reader gives back exactly it, whatever it holds (blanks at
// either end, ";", "=", quotes, braces): in double quotes, a double quote inside doubled.
std::string quotedConnectionValue(std::string_view value);

// The text with the value of every Password and Pwd key replaced by "***", for messages; read
// leniently, so that a malformed string is masked too.
std::string maskedConnectionString(std::string_view text);

// ASCII letter case folded; other characters (Cyrillic included) compare as they are.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept;
std::string asciiLower(std::string_view text);

}  // namespace ado
