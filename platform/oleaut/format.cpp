#include "platform/oleaut/format.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/decimal.hpp"

namespace oleaut {
namespace {

using detail::Decimal;

struct FixedLayout {
    int minIntegerDigits = 1;
    int minDecimals = 0;
    bool grouping = false;
};

std::string groupDigits(const std::string& digits, const RegionalSettings& settings) {
    const int size = settings.groupingSize;
    if (size <= 0 || settings.groupingSeparator.empty()) return digits;
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % size == 0) out += settings.groupingSeparator;
        out += digits[i];
    }
    return out;
}

// Writes an already rounded decimal in positional form.
std::string fixedText(const Decimal& d, const FixedLayout& layout,
                      const RegionalSettings& settings) {
    std::string integer, fraction;
    const std::string_view digits(d.digits, d.count);
    if (d.exponent >= 0) {
        integer.assign(digits);
        integer.append(d.count > 0 ? d.exponent : 0, '0');
    } else if (const int k = d.count + d.exponent; k > 0) {
        integer.assign(digits.substr(0, k));
        fraction.assign(digits.substr(k));
    } else {
        fraction.assign(-k, '0');
        fraction.append(digits);
    }
    if (static_cast<int>(integer.size()) < layout.minIntegerDigits)
        integer.insert(0, layout.minIntegerDigits - integer.size(), '0');
    if (static_cast<int>(fraction.size()) < layout.minDecimals)
        fraction.append(layout.minDecimals - fraction.size(), '0');
    std::string out = d.negative ? "-" : "";
    out += layout.grouping ? groupDigits(integer, settings) : integer;
    if (!fraction.empty()) out += settings.decimalSeparator + fraction;
    return out;
}

std::string scientificText(const Decimal& d, const RegionalSettings& settings) {
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.count > 1) {
        out += settings.decimalSeparator;
        out.append(d.digits + 1, d.count - 1);
    }
    const int exponent = d.exponent + d.count - 1;
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

// A numeric Format pattern: literal prefix, digit placeholders, literal suffix.
struct NumberPattern {
    std::string prefix, suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

NumberPattern parsePattern(std::string_view pattern) {
    if (pattern == "Fixed") return {"", "", 1, 2, 2, false};
    if (pattern == "Standard") return {"", "", 1, 2, 2, true};
    NumberPattern p;
    const size_t first = pattern.find_first_of("0#.");
    const size_t last = pattern.find_last_of("0#.");
    if (first == std::string_view::npos) throw invalidProcedureCallError();
    p.prefix.assign(pattern.substr(0, first));
    p.suffix.assign(pattern.substr(last + 1));
    bool inFraction = false;
    for (char c : pattern.substr(first, last - first + 1)) {
        if (c == '.') {
            inFraction = true;
        } else if (c == ',') {
            p.grouping = p.grouping || !inFraction;
        } else if (c == '0') {
            if (inFraction) {
                ++p.minDecimals;
                ++p.maxDecimals;
            } else {
                ++p.minIntegerDigits;
            }
        } else if (c == '#') {
            if (inFraction) ++p.maxDecimals;
        } else {
            throw invalidProcedureCallError();
        }
    }
    return p;
}

// Power of ten of the leading digit of an ASCII number "-123.45e6" (0 for zero).
long decimalMagnitude(std::string_view ascii) {
    const size_t e = ascii.find('e');
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view tail = ascii.substr(e + 1);
        const bool negative = !tail.empty() && tail.front() == '-';
        if (negative) tail.remove_prefix(1);
        for (char c : tail)
            exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (negative) exponent = -exponent;
        ascii = ascii.substr(0, e);
    }
    if (!ascii.empty() && ascii.front() == '-') ascii.remove_prefix(1);
    const size_t point = std::min(ascii.find('.'), ascii.size());
    const size_t lead = ascii.find_first_of("123456789");
    if (lead == std::string_view::npos) return 0;
    return exponent +
           (lead < point ? static_cast<long>(point - lead) - 1 : -static_cast<long>(lead - point));
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string numberText(double value, int significant, const RegionalSettings& settings) {
    const Decimal d = detail::significantDecimal(value, significant);
    if (d.count == 0) return "0";
    const int lead = d.exponent + d.count - 1;
    if (lead >= significant || lead < -4) return scientificText(d, settings);
    return fixedText(d, FixedLayout{}, settings);
}

std::string integerText(int64_t value) {
    return std::to_string(value);
}

std::string currencyText(Currency value, const RegionalSettings& settings) {
    const int64_t raw = value.raw;
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : raw;
    std::string out = raw < 0 ? "-" : "";
    out += std::to_string(magnitude / Currency::kScale);
    std::string fraction =
        std::to_string(magnitude % Currency::kScale + Currency::kScale).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) out += settings.decimalSeparator + fraction;
    return out;
}

std::string formatFixed(double value, int decimals, bool grouping,
                        const RegionalSettings& settings) {
    Decimal d = detail::shortestDecimal(value);
    detail::roundDecimal(d, decimals, detail::HalfRule::AwayFromZero);
    return fixedText(d, FixedLayout{1, decimals, grouping}, settings);
}

std::string Format(const Variant& value, std::string_view pattern,
                   const RegionalSettings& settings) {
    if (value.isNull() || value.isEmpty()) return "";
    if (value.type() == VarType::Date) return formatDate(value.asDate(), pattern);
    double number = 0.0;
    if (value.isString()) {
        try {
            number = parseNumber(value.asString(), settings);
        } catch (const Error&) {
            return value.asString();
        }
    } else {
        number = CDbl(value);
    }
    const NumberPattern p = parsePattern(pattern);
    Decimal d = detail::shortestDecimal(number);
    detail::roundDecimal(d, p.maxDecimals, detail::HalfRule::AwayFromZero);
    return p.prefix + fixedText(d, {p.minIntegerDigits, p.minDecimals, p.grouping}, settings) +
           p.suffix;
}

double parseNumber(std::string_view text, const RegionalSettings& settings) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::string ascii;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-') ascii += '-';
        text.remove_prefix(1);
    }
    bool digits = false, fraction = false, exponent = false;
    while (!text.empty()) {
        const char c = text.front();
        if (c >= '0' && c <= '9') {
            ascii += c;
            digits = true;
            text.remove_prefix(1);
        } else if (!fraction && !exponent && startsWith(text, settings.decimalSeparator)) {
            ascii += '.';
            fraction = true;
            text.remove_prefix(settings.decimalSeparator.size());
        } else if (!fraction && !exponent && digits &&
                   startsWith(text, settings.groupingSeparator)) {
            text.remove_prefix(settings.groupingSeparator.size());
        } else if (!exponent && digits && (c == 'e' || c == 'E' || c == 'd' || c == 'D')) {
            ascii += 'e';
            exponent = true;
            digits = false;
            text.remove_prefix(1);
            if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
                if (text.front() == '-') ascii += '-';
                text.remove_prefix(1);
            }
        } else {
            throw typeMismatchError();
        }
    }
    if (!digits) throw typeMismatchError();
    double value = 0.0;
    const auto r = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Too small rounds to zero; too large cannot be held.
        if (decimalMagnitude(ascii) > 0) throw overflowError();
        return 0.0;
    }
    if (r.ec != std::errc() || r.ptr != ascii.data() + ascii.size()) throw typeMismatchError();
    return value;
}

}  // namespace oleaut
