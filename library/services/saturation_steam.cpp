#include "library/services/saturation_steam.hpp"

#include <array>
#include <cstddef>

#include "library/services/series.hpp"
#include "library/services/water_coefficients.hpp"
#include "library/services/water_properties.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::steam {
namespace {

using oleaut::checkedDouble;
using oleaut::power;
using oleaut::quotient;
using oleaut::single;

using water::kCriticalTemperature;
using water::kKjPerKcal;
constexpr double kKelvinOffsetSaturation = 273.15;           // Tsp and Isp
constexpr double kKelvinOffsetWater = water::kKelvinOffset;  // Vsp and Muvs
constexpr double kKgfCm2PerBar = 1.01972;

// Chebyshev coefficients b0..b11 of the reduced saturation temperature 647.3 K / T_s.
constexpr std::array<double, 12> kSaturationTemperatureFit = {
    3.0452937 / 2, -0.68230952,   0.16411495,     -0.20232165e-2, -0.19239111e-2, -0.5745494e-3,
    0.68411554e-4, 0.33650007e-4, -0.12342448e-4, 0.1482655e-5,   -0.10211645e-5, -0.4090809e-5,
};

// Enthalpy of dry saturated steam in kJ/kg, coefficients d0..d8 of theta^i.
constexpr std::array<double, 9> kSteamEnthalpyFit = {
    -0.24509085e5, 0.343138528e6,  -0.191174351e7, 0.605373655e7,  -0.118862165e8,
    0.14834252e8,  -0.115037973e8, 0.507143921e7,  -0.973927618e6,
};

// Pressure in bar times specific volume of dry saturated steam, coefficients e0..e8 of theta^i.
constexpr std::array<double, 9> kSteamPressureVolumeFit = {
    -0.113877427e3, 0.145614699e4,  -0.802294912e4, 0.250397989e5,  -0.48344913e5,
    0.59168416e5,   -0.448590775e5, 0.192719313e5,  -0.359442541e4,
};

// Viscosity of water substance (1975): a0..a3 of the ideal-gas part, b_ij of the residual part.
constexpr std::array<double, 4> kViscosityIdeal = {0.0181583, 0.0177624, 0.0105287, -0.0036744};
constexpr double kViscosityResidual[6][5] = {
    {0.501938, 0.235622, -0.274637, 0.145831, -0.0270448},
    {0.162888, 0.789393, -0.743539, 0.263129, -0.0253093},
    {-0.130356, 0.673665, -0.959456, 0.347247, -0.0267758},
    {0.907919, 1.207552, -0.687343, 0.213486, -0.0822904},
    {-0.551119, 0.0670665, -0.497089, 0.100754, 0.0602253},
    {0.146543, -0.084337, 0.195286, -0.032932, -0.0202595},
};
constexpr double kReferenceDensity = 317.763;  // kg/m³

// The argument of the Chebyshev fit of Tsp: maps 0.006112 bar to about −1, 221.2 bar to about 1.
double saturationFitArgument(double pressureBar) {
    const double logRatio = oleaut::Log(quotient(243.32, pressureBar));
    return (2.0 * power(logRatio, 0.4) - 2.9609425) / -2.17988801;
}

// Viscosity in the dilute-gas limit, in µPa·s; the running sum held in single precision.
float dilutedViscosity(double theta) {
    float S0 = 0.0f;
    for (std::size_t k = 0; k < kViscosityIdeal.size(); ++k) {
        S0 = single(S0 + kViscosityIdeal[k] * power(quotient(1.0, theta), static_cast<double>(k)));
    }
    return single(quotient(power(theta, 0.5), S0));
}

// Residual sum of the viscosity; the running sum held in single precision.
float residualViscositySum(double theta, double delta) {
    float S1 = 0.0f;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 5; ++j) {
            S1 = single(S1 + kViscosityResidual[i][j] * power(quotient(1.0, theta) - 1.0, i) *
                                 power(delta - 1.0, j));
        }
    }
    return S1;
}

}  // namespace

float Tsp(double pp) {
    const float pb = single(quotient(pp, kKgfCm2PerBar));
    const double s = series::chebyshev(saturationFitArgument(pb), kSaturationTemperatureFit);
    return single(quotient(kCriticalTemperature, s) - kKelvinOffsetSaturation);
}

float Isp(double pp) {
    const float ts = Tsp(single(pp));
    const double theta = (ts + kKelvinOffsetSaturation) / kCriticalTemperature;
    return single(series::powers(theta, kSteamEnthalpyFit) / kKjPerKcal);
}

float Vsp(double pp) {
    const float ts = Tsp(single(pp));
    const double theta = (ts + kKelvinOffsetWater) / kCriticalTemperature;
    const double pressureBar = checkedDouble(pp * 98.0665 * 1e-2);
    return single(quotient(series::powers(theta, kSteamPressureVolumeFit), pressureBar));
}

double Muvs(double tv) {
    const float T = single(tv + kKelvinOffsetWater);
    const double theta = T / kCriticalTemperature;
    const float rho = single(quotient(1.0, water::Vvs(tv)));
    const double delta = rho / kReferenceDensity;
    const float mu0 = dilutedViscosity(theta);
    const float S1 = residualViscositySum(theta, delta);
    return checkedDouble(1e-6 * mu0 * oleaut::Exp(delta * S1));
}

}  // namespace kalvik::steam
