#include "library/amount_in_words/kopecks.hpp"

#include <limits>

namespace kalvik::amount_words {

namespace {

constexpr int32_t kCarriedRuble = 100;

const std::string kOneKopeck = " копейка";
const std::string kFewKopecks = " копейки";
const std::string kManyKopecks = " копеек";

int32_t magnitude(int32_t k) {
    return k < 0 ? -k : k;
}

// Two digits: a leading zero below 10.
std::string twoDigits(int32_t k) {
    return (k < 10 ? "0" : "") + std::to_string(k);
}

}  // namespace

int32_t kopecksAbove(const oleaut::Variant& amount, const oleaut::Variant& wholeRubles) {
    return oleaut::CLng((amount - wholeRubles) * oleaut::Variant(int16_t{100}));
}

const std::string& kopeckWord(int32_t kopecks) {
    const int32_t lastTwo = magnitude(kopecks) % 100;
    if (lastTwo >= 11 && lastTwo <= 14) return kManyKopecks;
    const int32_t last = lastTwo % 10;
    if (last == 1) return kOneKopeck;
    if (last >= 2 && last <= 4) return kFewKopecks;
    return kManyKopecks;
}

std::string kopeckWordOf(double amount) {
    const oleaut::Variant value(amount);
    return kopeckWord(kopecksAbove(value, oleaut::Fix(value)));
}

std::string kopeckWordOfLongRubles(const oleaut::Variant& amount) {
    const int32_t rubles = oleaut::CLng(oleaut::Fix(amount));
    return kopeckWord(kopecksAbove(amount, oleaut::Variant(rubles)));
}

std::string rublesDashKopecks(double amount) {
    if (amount < 0) return "-" + rublesDashKopecks(-amount);
    const oleaut::Variant value(amount);
    oleaut::Variant rubles = oleaut::Fix(value);
    const int32_t kopecks = kopecksAbove(value, rubles);
    if (kopecks == kCarriedRuble) {
        rubles = rubles + oleaut::Variant(int16_t{1});
        return oleaut::CStr(rubles) + "-00";
    }
    return oleaut::CStr(rubles) + "-" + twoDigits(kopecks);
}

std::string kopecksTwoDigits(const oleaut::Variant& amount) {
    const int32_t kopecks = magnitude(kopecksAbove(amount, oleaut::Fix(amount)));
    return kopecks == kCarriedRuble ? "00" : twoDigits(kopecks);
}

int32_t rublesWithCarriedRuble(const oleaut::Variant& amount) {
    const int32_t rubles = oleaut::CLng(oleaut::Int(amount));
    if (kopecksAbove(amount, oleaut::Variant(rubles)) != kCarriedRuble) return rubles;
    if (rubles == std::numeric_limits<int32_t>::max()) throw oleaut::overflowError();
    return rubles + 1;
}

}  // namespace kalvik::amount_words
