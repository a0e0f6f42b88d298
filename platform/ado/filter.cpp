#include "platform/ado/filter.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>

#include "platform/ado/connection_string.hpp"
#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"
#include "platform/oleaut/datetime.hpp"

namespace ado {
namespace {

using oleaut::Variant;

// Dates in filters are written "YYYY-MM-DD[ HH:MM[:SS]]", whatever the regional settings.
std::optional<double> parseIsoDate(const std::string& text) {
    try {
        return oleaut::parseDate(text, oleaut::RegionalSettings::invariant()).value;
    } catch (const oleaut::Error&) {
        return std::nullopt;
    }
}

using oleaut::VarType;

// A numeric cell as the number it is compared by: a flag as 1 or 0, a date as its day number.
double numberOf(const Variant& cell) {
    if (cell.type() == VarType::Boolean) return cell.asBool() ? 1.0 : 0.0;
    return oleaut::CDbl(cell);
}

std::optional<double> parseNumber(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const char* first = text.data();
    if (first != end && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, end, value);
    if (ec != std::errc() || ptr != end || first == end) return std::nullopt;
    return value;
}

template <class T>
bool compare(const T& a, const T& b, Comparison comparison) {
    switch (comparison) {
        case Comparison::Equal:
            return a == b;
        case Comparison::NotEqual:
            return a != b;
        case Comparison::Less:
            return a < b;
        case Comparison::LessOrEqual:
            return a <= b;
        case Comparison::Greater:
            return a > b;
        case Comparison::GreaterOrEqual:
            return a >= b;
    }
    return false;
}

class FilterParser {
  public:
    FilterParser(std::string_view text, const std::function<size_t(std::string_view)>& columnOf,
                 const std::vector<ColumnInfo>& columns)
        : text_(text), columnOf_(columnOf), columns_(columns) {}

    std::vector<Condition> parse() {
        std::vector<Condition> conditions;
        int depth = 0;
        for (;;) {
            skipBlanks();
            while (take('(')) {
                ++depth;
                skipBlanks();
            }
            conditions.push_back(condition());
            skipBlanks();
            while (depth > 0 && take(')')) {
                --depth;
                skipBlanks();
            }
            if (atEnd()) break;
            if (takeWord("AND")) continue;
            if (takeWord("OR")) fail("OR is not supported, only AND");
            fail("unexpected text at \"" + std::string(text_.substr(pos_)) + "\"");
        }
        if (depth != 0) fail("unbalanced parentheses");
        return conditions;
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw adoError(adErrInvalidArgument,
                       "malformed filter " + inQuotes(std::string(text_)) + ": " + why,
                       "ADODB.Recordset");
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void skipBlanks() {
        while (!atEnd() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool take(char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    }
    bool takeWord(std::string_view word) {
        if (text_.size() - pos_ < word.size() ||
            !equalsIgnoringAsciiCase(text_.substr(pos_, word.size()), word)) {
            return false;
        }
        const size_t after = pos_ + word.size();
        if (after < text_.size() && !std::isspace(static_cast<unsigned char>(text_[after])) &&
            text_[after] != '(' && text_[after] != ')') {
            return false;
        }
        pos_ = after;
        return true;
    }

    std::string_view columnName() {
        if (take('[')) {
            const size_t close = text_.find(']', pos_);
            if (close == std::string_view::npos) fail("a \"[\" is not closed");
            const std::string_view name = text_.substr(pos_, close - pos_);
            pos_ = close + 1;
            return name;
        }
        const size_t start = pos_;
        while (!atEnd() && !std::isspace(static_cast<unsigned char>(peek())) && peek() != '=' &&
               peek() != '<' && peek() != '>') {
            ++pos_;
        }
        if (pos_ == start) fail("a column name is missing");
        return text_.substr(start, pos_ - start);
    }

    Comparison comparison() {
        skipBlanks();
        if (take('=')) return Comparison::Equal;
        if (take('<')) {
            if (take('>')) return Comparison::NotEqual;
            if (take('=')) return Comparison::LessOrEqual;
            return Comparison::Less;
        }
        if (take('>')) return take('=') ? Comparison::GreaterOrEqual : Comparison::Greater;
        if (takeWord("LIKE")) fail("LIKE is not supported");
        fail("a comparison (=, <>, <, <=, >, >=) is missing");
    }

    struct Literal {
        enum Kind { Number, Text, Date, Null } kind = Number;
        std::string source;
        double number = 0;
    };

    Literal literal() {
        skipBlanks();
        Literal value;
        if (take('\'')) {
            value.kind = Literal::Text;
            for (;;) {
                if (atEnd()) fail("a quoted text is not closed");
                const char c = text_[pos_++];
                if (c != '\'') {
                    value.source += c;
                } else if (take('\'')) {
                    value.source += '\'';
                } else {
                    break;
                }
            }
            return value;
        }
        if (take('#')) {
            const size_t close = text_.find('#', pos_);
            if (close == std::string_view::npos) fail("a \"#\" date is not closed");
            value.source = std::string(text_.substr(pos_, close - pos_));
            pos_ = close + 1;
            const auto date = parseIsoDate(value.source);
            if (!date) fail("#" + value.source + "# is not a date (write #YYYY-MM-DD#)");
            value.kind = Literal::Date;
            value.number = *date;
            return value;
        }
        const size_t start = pos_;
        while (!atEnd() && !std::isspace(static_cast<unsigned char>(peek())) && peek() != ')')
            ++pos_;
        value.source = std::string(text_.substr(start, pos_ - start));
        if (equalsIgnoringAsciiCase(value.source, "Null")) {
            value.kind = Literal::Null;
        } else if (equalsIgnoringAsciiCase(value.source, "True")) {
            value.number = 1;
        } else if (equalsIgnoringAsciiCase(value.source, "False")) {
            value.number = 0;
        } else if (auto number = parseNumber(value.source)) {
            value.number = *number;
        } else {
            fail(value.source.empty() ? "a value is missing"
                                      : "\"" + value.source + "\" is not a value (quote texts)");
        }
        return value;
    }

    Condition condition() {
        Condition result;
        const std::string_view name = columnName();
        result.column = columnOf_(name);
        result.comparison = comparison();
        const Literal value = literal();
        const ColumnInfo& column = columns_[result.column];
        const VarType kind = kindOf(column.type);
        if (value.kind == Literal::Null) {
            if (result.comparison != Comparison::Equal &&
                result.comparison != Comparison::NotEqual) {
                fail("Null can only be compared with = or <>");
            }
            result.isNull = true;
            return result;
        }
        const bool isText = value.kind == Literal::Text;
        if (kind != VarType::String) {  // numeric, or an expression of any kind
            result.number = isText ? parseNumber(value.source) : std::optional(value.number);
            if (isText && !result.number && kind == VarType::Date) {
                result.number = parseIsoDate(value.source);
            }
            if (kind == VarType::Boolean && result.number)
                result.number = *result.number != 0 ? 1 : 0;
            if (!result.number && kind != VarType::Empty) {
                fail("'" + value.source + "' is not a number, and column " + inQuotes(column.name) +
                     " holds numbers");
            }
        }
        if (kind == VarType::String || kind == VarType::Empty) result.text = value.source;
        return result;
    }

    std::string_view text_;
    size_t pos_ = 0;
    const std::function<size_t(std::string_view)>& columnOf_;
    const std::vector<ColumnInfo>& columns_;
};

}  // namespace

bool Condition::matches(const Variant& cell) const {
    if (isNull) return cell.isNull() == (comparison == Comparison::Equal);
    if (cell.isNull() || cell.isEmpty()) return false;
    if (cell.isString()) return text && compare(cell.asString(), *text, comparison);
    return number && compare(numberOf(cell), *number, comparison);
}

std::vector<Condition> parseFilter(std::string_view filter,
                                   const std::function<size_t(std::string_view)>& columnOf,
                                   const std::vector<ColumnInfo>& columns) {
    return FilterParser(filter, columnOf, columns).parse();
}

EqualityIndex::EqualityIndex(const RowStore& rows, size_t column) {
    for (size_t row = 0; row < rows.rowCount(); ++row) {
        if (!rows.shown(row)) continue;
        const Variant cell = rows.at(row, column);
        if (cell.isString()) {
            texts_.emplace_back(cell.asString(), static_cast<uint32_t>(row));
        } else if (cell.isNumeric()) {
            numbers_.emplace_back(numberOf(cell), static_cast<uint32_t>(row));
        }
    }
    std::sort(numbers_.begin(), numbers_.end());
    std::sort(texts_.begin(), texts_.end());
}

namespace {

// The rows of the entries whose value is key, in row order (entries sort by value, then row).
template <class Entry, class Key>
std::vector<uint32_t> rowsWith(const std::vector<Entry>& entries, const Key& key) {
    const auto first = std::lower_bound(entries.begin(), entries.end(), key,
                                        [](const Entry& e, const Key& k) { return e.first < k; });
    std::vector<uint32_t> rows;
    for (auto it = first; it != entries.end() && it->first == key; ++it)
        rows.push_back(it->second);
    return rows;
}

}  // namespace

std::vector<uint32_t> EqualityIndex::find(const Condition& condition) const {
    std::vector<uint32_t> byNumber;
    std::vector<uint32_t> byText;
    if (condition.number) byNumber = rowsWith(numbers_, *condition.number);
    if (condition.text) byText = rowsWith(texts_, std::string_view(*condition.text));
    if (byText.empty()) return byNumber;
    if (byNumber.empty()) return byText;
    std::vector<uint32_t> both;
    std::merge(byNumber.begin(), byNumber.end(), byText.begin(), byText.end(),
               std::back_inserter(both));
    return both;
}

}  // namespace ado
