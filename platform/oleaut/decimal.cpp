#include "platform/oleaut/decimal.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace oleaut::detail {
namespace {

// Moves trailing zero digits into the exponent; zero has no sign.
void dropTrailingZeros(Decimal& d) {
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
        ++d.exponent;
    }
    if (d.count == 0) {
        d.negative = false;
        d.exponent = 0;
    }
}

// Reads "d.ddde+XX" as printed by std::to_chars in scientific form.
Decimal fromScientific(const char* text, const char* end, bool negative) {
    Decimal d;
    d.negative = negative;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') d.digits[d.count++] = *p;
    }
    int exponent = 0;
    if (p != end) std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    d.exponent = exponent - (d.count - 1);
    dropTrailingZeros(d);
    return d;
}

}  // namespace

Decimal shortestDecimal(double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    return fromScientific(buf, r.ptr, std::signbit(value));
}

Decimal significantDecimal(double value, int significant) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           significant - 1);
    return fromScientific(buf, r.ptr, std::signbit(value));
}

void roundDecimal(Decimal& d, int decimals, HalfRule rule) {
    if (d.count == 0 || d.exponent >= -decimals) return;
    const int drop = -decimals - d.exponent;
    const int kept = d.count - drop;
    bool up = false;
    if (kept >= 0) {
        const char first = d.digits[kept];
        bool beyond = false;
        for (int i = kept + 1; i < d.count; ++i)
            beyond = beyond || d.digits[i] != '0';
        if (first > '5' || (first == '5' && beyond)) {
            up = true;
        } else if (first == '5') {
            const bool lastOdd = kept > 0 && (d.digits[kept - 1] - '0') % 2 == 1;
            up = rule == HalfRule::AwayFromZero || lastOdd;
        }
    }
    d.count = kept > 0 ? kept : 0;
    d.exponent = -decimals;
    if (up) {
        int i = d.count - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            std::memmove(d.digits + 1, d.digits, d.count);
            d.digits[0] = '1';
            ++d.count;
        }
    }
    dropTrailingZeros(d);
}

double toDouble(const Decimal& d) {
    if (d.count == 0) return 0.0;
    char buf[64];
    std::memcpy(buf, d.digits, d.count);
    char* p = buf + d.count;
    *p++ = 'e';
    p = std::to_chars(p, buf + sizeof buf, d.exponent).ptr;
    double value = 0.0;
    std::from_chars(buf, p, value);
    return d.negative ? -value : value;
}

bool toScaledInteger(const Decimal& d, int scale, int64_t& out) {
    const int shift = d.exponent + scale;
    if (d.count == 0) {
        out = 0;
        return true;
    }
    if (shift < 0 || d.count + shift > 19) return false;
    unsigned __int128 magnitude = 0;
    for (int i = 0; i < d.count; ++i)
        magnitude = magnitude * 10 + (d.digits[i] - '0');
    for (int i = 0; i < shift; ++i)
        magnitude *= 10;
    const unsigned __int128 limit =
        d.negative ? (unsigned __int128)1 << 63 : ((unsigned __int128)1 << 63) - 1;
    if (magnitude > limit) return false;
    out = d.negative ? static_cast<int64_t>(-static_cast<__int128>(magnitude))
                     : static_cast<int64_t>(magnitude);
    return true;
}

}  // namespace oleaut::detail
