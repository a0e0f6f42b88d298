#pragma once
// Enthalpy and specific volume of liquid water, saturated (from the temperature) and compressed
// (from pressure and temperature), from the IFC-67 sub-region 1 characteristic function with one
// further term. Temperatures in °C, absolute pressures in kgf/cm², enthalpies in kcal/kg, specific
// volumes in m³/kg. Every fault of the arithmetic fails with the variant arithmetic's error.

namespace kalvik::water {

// Reduced saturation pressure p_s / 22.12 MPa at the reduced temperature theta = T / 647.3 K.
float Psp(double theta);

// Enthalpy of saturated water at tv.
float Ivs(double tv);

// Specific volume of saturated water at tv.
float Vvs(double tv);

// Enthalpy of water at the absolute pressure PV and the temperature tv: the isobaric heat capacity
// times tv in °C. This is the billing system's enthalpy, not the formulation's.
float Iv(double PV, double tv);

// Specific volume of water at the absolute pressure PV and the temperature tv.
float Vv(double PV, double tv);

}  // namespace kalvik::water
