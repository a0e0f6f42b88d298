#include "host/variant_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/oleaut/currency_reading.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/text.hpp"

namespace host {
namespace {

// How many signs the text starts with.
size_t leadingSigns(std::string_view text) {
    return std::min(text.find_first_not_of("+-"), text.size());
}

// The whole word as a number of type T; nullopt when it is not one (or out of range).
template <class T>
std::optional<T> wholeNumber(std::string_view text) {
    // One sign at most, then a digit or a point: from_chars takes no "+", and reads "inf" and
    // "nan", which are no arguments.
    const size_t signs = leadingSigns(text);
    if (signs > 1 || signs == text.size()) return std::nullopt;
    const char first = text[signs];
    if (!std::isdigit(static_cast<unsigned char>(first)) && first != '.') return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

std::optional<int> digits(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// YYYY-MM-DD, optionally followed by THH:MM or THH:MM:SS.
std::optional<oleaut::Date> dateOf(std::string_view text, bool timeAllowed) {
    oleaut::DateParts parts;
    const auto year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    if (text.size() < 10 || !year || !month || !day || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    parts.year = *year;
    parts.month = *month;
    parts.day = *day;
    if (text.size() > 10) {
        const bool shape = timeAllowed && (text.size() == 16 || text.size() == 19) &&
                           text[10] == 'T' && text[13] == ':' &&
                           (text.size() == 16 || text[16] == ':');
        const auto hour = digits(text, 11, 2), minute = digits(text, 14, 2);
        const auto second = text.size() == 19 ? digits(text, 17, 2) : std::optional<int>(0);
        if (!shape || !hour || !minute || !second) return std::nullopt;
        parts.hour = *hour;
        parts.minute = *minute;
        parts.second = *second;
    }
    try {
        return oleaut::makeDate(parts);
    } catch (const oleaut::Error&) {
        return std::nullopt;
    }
}

std::string refusal(std::string_view word) {
    return "not a valid argument: " + oleaut::echoed(word);
}

// The value read from word as a variant. A word that is no value, or a value that no variant
// holds, is a usage error naming the word, never the variant's own error.
template <class T>
oleaut::Variant required(std::string_view word, std::optional<T> value) {
    if (!value) throw UsageError(refusal(word));
    try {
        return oleaut::Variant(*value);
    } catch (const oleaut::Error& e) {
        throw UsageError(refusal(word) + ": " + e.description());
    }
}

template <class T>
std::string shortest(T value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

std::string currencyDigits(oleaut::Currency value) {
    const int64_t scale = oleaut::Currency::kScale;
    const bool negative = value.raw < 0;
    // Magnitude in unsigned arithmetic, so that the smallest value has one too.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value.raw) : value.raw;
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / scale);
    std::string fraction = std::to_string(magnitude % scale + scale).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// The decimal text read exactly; out of range or with a fifth decimal, a usage error that says so.
oleaut::Currency currencyArgument(std::string_view word, std::string_view text) {
    using Outcome = oleaut::CurrencyReading::Outcome;
    const oleaut::CurrencyReading reading = oleaut::readCurrency(text);
    const std::string refused = refusal(word);
    switch (reading.outcome) {
        case Outcome::Read:
            return reading.value;
        case Outcome::OutOfRange:
            throw UsageError(refused + ": out of the range of Currency (" +
                             currencyDigits({std::numeric_limits<int64_t>::min()}) + " to " +
                             currencyDigits({std::numeric_limits<int64_t>::max()}) + ")");
        case Outcome::FifthDecimal:
            throw UsageError(refused + ": more than four decimals (a Currency has four)");
        case Outcome::NotADecimal:
            break;
    }
    throw UsageError(refused);
}

}  // namespace

oleaut::Variant parseArgument(std::string_view word) {
    if (word == "null") return oleaut::kNull;
    if (word == "empty") return oleaut::Variant();
    if (word == "true") return true;
    if (word == "false") return false;
    const size_t colon = word.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view kind = word.substr(0, colon), text = word.substr(colon + 1);
        if (kind == "str") return oleaut::Variant(text);
        if (kind == "int") return required(word, wholeNumber<int16_t>(text));
        if (kind == "long") return required(word, wholeNumber<int32_t>(text));
        if (kind == "single") return required(word, wholeNumber<float>(text));
        if (kind == "double") return required(word, wholeNumber<double>(text));
        if (kind == "date") return required(word, dateOf(text, true));
        if (kind == "cy") return currencyArgument(word, text);
    }
    if (const auto number = wholeNumber<double>(word)) return *number;
    // Signs upon signs before a number ("+-1", "--1") make a malformed number, not a text.
    if (const size_t signs = leadingSigns(word);
        signs > 1 && wholeNumber<double>(word.substr(signs)))
        throw UsageError(refusal(word));
    if (const auto date = dateOf(word, false)) return required(word, date);
    return oleaut::Variant(word);
}

std::string describe(const oleaut::Variant& value) {
    const std::string type = oleaut::typeName(value.type());
    switch (value.type()) {
        case oleaut::VarType::Boolean:
            return type + (value.asBool() ? " True" : " False");
        case oleaut::VarType::Integer:
            return type + " " + std::to_string(value.asInteger());
        case oleaut::VarType::Long:
            return type + " " + std::to_string(value.asLong());
        case oleaut::VarType::Single:
            return type + " " + shortest(value.asSingle());
        case oleaut::VarType::Double:
            return type + " " + shortest(value.asDouble());
        case oleaut::VarType::Currency:
            return type + " " + currencyDigits(value.asCurrency());
        case oleaut::VarType::Date:
            return type + " " + oleaut::isoDateTime(value.asDate());
        case oleaut::VarType::String:
            return type + " " + value.asString();
        default:
            return type;
    }
}

}  // namespace host
