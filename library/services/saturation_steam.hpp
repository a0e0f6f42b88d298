#pragma once
// The saturation line of water and dry saturated steam: saturation temperature, enthalpy and
// specific volume of steam from the absolute pressure in kgf/cm², and the dynamic viscosity of
// saturated water from the temperature in °C. Faults of the arithmetic fail with the variant
// arithmetic's errors.

namespace kalvik::steam {

// Saturation temperature in °C at the absolute pressure pp.
float Tsp(double pp);

// Enthalpy of dry saturated steam in kcal/kg at the absolute pressure pp.
float Isp(double pp);

// Specific volume of dry saturated steam in m³/kg at the absolute pressure pp.
float Vsp(double pp);

// Dynamic viscosity of saturated water in Pa·s at tv (double precision).
double Muvs(double tv);

}  // namespace kalvik::steam
