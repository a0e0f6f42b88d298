#include "platform/oleaut/currency_reading.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace oleaut {
namespace {

constexpr int kDecimals = 4;  // Currency::kScale = 10^4

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

CurrencyReading readCurrency(std::string_view text) {
    using Outcome = CurrencyReading::Outcome;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && decimals.empty()) || !allDigits(whole) || !allDigits(decimals))
        return {Outcome::NotADecimal, {}};
    if (decimals.size() > kDecimals) {
        if (decimals.find_first_not_of('0', kDecimals) != std::string_view::npos)
            return {Outcome::FifthDecimal, {}};
        decimals = decimals.substr(0, kDecimals);
    }

    // The magnitude in ten-thousandths, unsigned so that the smallest value has one too.
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + negative;
    uint64_t magnitude = 0;
    auto append = [&](char c) {
        const auto digit = static_cast<uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
        return true;
    };
    for (const char c : whole)
        if (!append(c)) return {Outcome::OutOfRange, {}};
    for (size_t i = 0; i < kDecimals; ++i)
        if (!append(i < decimals.size() ? decimals[i] : '0')) return {Outcome::OutOfRange, {}};
    // Two's complement: 0 - 2^63 is the smallest value.
    const uint64_t bits = negative ? 0 - magnitude : magnitude;
    return {Outcome::Read, Currency{static_cast<int64_t>(bits)}};
}

}  // namespace oleaut
