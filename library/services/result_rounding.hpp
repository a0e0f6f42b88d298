#pragma once
// The rounding switch of the calculations' result columns: with `Okryg` 0 a value is rounded
// (halves to even) to the decimals of its kind, `Q_znk` for heat and outage hours, `G_znk` for
// masses and leaks, `Qpk_znk` for connected loads; any other `Okryg` keeps every value. A Null
// stays Null.

#include <cstdint>

#include "platform/oleaut/variant.hpp"

namespace kalvik {

struct ResultRounding {
    int16_t Okryg = 0;
    int16_t Qpk_znk = 0;
    int16_t Q_znk = 0;
    int16_t G_znk = 0;

    [[nodiscard]] bool rounds() const noexcept { return Okryg == 0; }

    [[nodiscard]] double roundQ(double value) const;
    [[nodiscard]] double roundG(double value) const;
    [[nodiscard]] double roundQpk(double value) const;
    [[nodiscard]] oleaut::Variant roundQ(const oleaut::Variant& value) const;
    [[nodiscard]] oleaut::Variant roundG(const oleaut::Variant& value) const;
    [[nodiscard]] oleaut::Variant roundQpk(const oleaut::Variant& value) const;
};

// The switch and decimals of a calculation's arguments, which carry them under these names.
template <class Arguments>
[[nodiscard]] ResultRounding roundingOf(const Arguments& a) {
    return {a.Okryg, a.Qpk_znk, a.Q_znk, a.G_znk};
}

}  // namespace kalvik
