#pragma once
// Constants of the characteristic function of liquid water: the IFC-67 sub-region 1 coefficients
// A0..A22 and a1..a12, the two further coefficients A23 and A24, the pre-multiplied factors the
// formulas use, the reference values and the saturation-pressure fit.

#include <array>

namespace kalvik::water {

// A0..A24, indexed by their number.
inline constexpr std::array<double, 25> kA = {
    6.824687741e3,  -5.422063673e2,  -2.096666205e4,  3.941286787e4,  -6.733277739e4,
    9.902381028e4,  -1.093911774e5,  8.590841667e4,   -4.511168742e4, 1.418138926e4,
    -2.017271113e3, 7.982692717,     -2.616571843e-2, 1.522411790e-3, 2.284279054e-2,
    2.421647003e2,  1.269716088e-10, 2.074838328e-7,  2.174020350e-8, 1.105710498e-9,
    1.293441934e1,  1.308119072e-5,  6.047626338e-14, 2.75137215e-3,  3.45815825e-5,
};

// a1..a12, indexed by their number (index 0 is unused).
inline constexpr std::array<double, 13> ka = {
    0.0,          0.8438375405, 5.362162162e-4, 1.72,    7.342278489e-2, 4.975858870e-2,
    0.6537154300, 1.15e-6,      1.5108e-5,      0.14188, 7.002753165,    2.995284926e-4,
    0.204,
};

// Pre-multiplied factors, each the product of the factors its name gives.
inline constexpr double k2a4 = 0.14684556978;
inline constexpr double k2a5 = 0.0995171774;
inline constexpr double k6a2 = 0.0032172972972;
inline constexpr double k42a2 = 0.0225210810804;
inline constexpr double kA11a5 = 0.39720752362368844;
inline constexpr double k2A14 = 0.04568558108;
inline constexpr double k90A15 = 21794.823027;
inline constexpr double k722A16 = 9.16735015536e-8;
inline constexpr double k342A16 = 4.34242902096e-8;
inline constexpr double k2A18 = 4.3480407e-8;
inline constexpr double k3A19 = 3.317131494e-9;
inline constexpr double k306a9 = 43.41528;
inline constexpr double k3A21 = 3.924357216e-5;
inline constexpr double k4A22 = 2.4190505352e-13;
inline constexpr double k420A22 = 2.54000306196e-11;
inline constexpr double k3A24 = 1.037447475e-4;

// Reference values and units.
inline constexpr double kCriticalTemperature = 647.3;  // K
inline constexpr double kCriticalPressure = 22.12;     // MPa
inline constexpr double kCriticalVolume = 0.00317;     // m³/kg
inline constexpr double kKelvinOffset = 273.16;        // °C to K in the water functions
inline constexpr double kKjPerKcal = 4.1868;

// Chebyshev coefficients c0..c11 of the reduced saturation pressure.
inline constexpr std::array<double, 12> kSaturationPressureFit = {
    -4.0596821,   5.1322555,    -1.1842407,    1.1779592e-1, -5.157642e-3, -1.4689537e-3,
    5.3622818e-4, 1.2455399e-4, -4.9154288e-5, 4.6302565e-5, 1.5301334e-5, -2.095453e-5,
};

// Divisor polynomial of the saturated-water enthalpy, coefficients of tv^0..tv^5.
inline constexpr std::array<double, 6> kSaturatedEnthalpyDivisor = {
    0.9967, 3e-5, -8e-9, 8e-9, -2e-11, 5e-14,
};

}  // namespace kalvik::water
