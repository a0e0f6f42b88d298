#include "library/services/air_properties.hpp"

#include <array>

#include "library/services/series.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::air {
namespace {

// Coefficients c0..c4 of each fit.
constexpr std::array<double, 5> kKinematicViscosity = {1.3334426e-5, 8.6303219e-8, 1.1379092e-10,
                                                       -5.6219934e-14, 2.3531342e-17};
constexpr std::array<double, 5> kThermalConductivityKcal = {
    0.0210049487, 6.4300069e-5, -2.2433805e-8, 7.3307439e-12, -1.0448614e-15};
constexpr std::array<double, 5> kPrandtlNumber = {0.7085, -3e-4, 3e-6, -2e-8, 5e-11};

constexpr double kWattPerKcalPerHour = 1.163;

}  // namespace

float nu_vozd(double tvozd) {
    return oleaut::single(series::powers(tvozd, kKinematicViscosity));
}

float lb_vozd(double tvozd) {
    return oleaut::single(series::powers(tvozd, kThermalConductivityKcal) * kWattPerKcalPerHour);
}

float Pr_vozd(double tvozd) {
    return oleaut::single(series::powers(tvozd, kPrandtlNumber));
}

}  // namespace kalvik::air
