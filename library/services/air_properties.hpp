#pragma once
// Properties of air from its temperature tvozd in °C: fits of degree 4 evaluated in double
// precision, results in single precision.

namespace kalvik::air {

// Kinematic viscosity, m²/s.
float nu_vozd(double tvozd);

// Thermal conductivity, W/(m·K).
float lb_vozd(double tvozd);

// Prandtl number.
float Pr_vozd(double tvozd);

}  // namespace kalvik::air
