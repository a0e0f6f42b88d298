#pragma once
// Design rules that the unit update and the consumer update share: the heating regime of a
// supply temperature, the leak rate of water and of steam, and a system's leak with the heat
// carried away by it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "library/services/products.hpp"
#include "library/services/row_fields.hpp"
#include "library/units/units.hpp"

namespace kalvik::load_update {

// The heating regimes, hottest first, and the supply temperature from which each begins (each
// takes its lower bound). The unit update gives each a volume factor, the consumer update a
// column of regime volume.
enum SupplyRegime : std::size_t { Regime150, Regime130, Regime110, Regime95 };
inline constexpr std::array<Celsius, 4> kRegimeFrom{145, 130, 110,
                                                    -std::numeric_limits<double>::infinity()};
template <class T>
using PerRegime = std::array<T, kRegimeFrom.size()>;

// The regime of a supply temperature; none for a temperature that is not a number.
[[nodiscard]] constexpr std::optional<SupplyRegime> supplyRegime(Celsius supply) {
    for (std::size_t r = 0; r < kRegimeFrom.size(); ++r)
        if (supply >= kRegimeFrom[r]) return SupplyRegime(r);
    return std::nullopt;
}

// The share of a water system's volume lost with its leaks per hour.
inline constexpr double kWaterLeakRate = 0.0025;

// The leak rate of a steam system: its `Ут_дол`, a percentage, as a share. A Null fails naming
// the column.
[[nodiscard]] inline double steamLeakRate(const oleaut::Variant& Ут_дол, std::string_view column) {
    return number(Ут_дол / oleaut::Variant(int16_t{100}), column);
}

// A system's leak, t/h: its volume (m³) × the leak rate (per hour) × 0.001 × the density of the
// medium (kg/m³).
[[nodiscard]] inline oleaut::Variant leakOf(const oleaut::Variant& volume, double leakRate,
                                            double density) {
    return product(volume, leakRate, 0.001, density);
}

// The heat carried away with a leak, Gcal/h: the leak (t/h) × the mean enthalpy rise of the
// leaking medium (kcal/kg) × 0.001.
[[nodiscard]] inline oleaut::Variant leakHeatOf(const oleaut::Variant& leak,
                                                KcalPerKg enthalpyRise) {
    return product(leak, enthalpyRise, 0.001);
}

}  // namespace kalvik::load_update
