#pragma once

// State of the air carried in a duct. Called in this order, each result
// feeding the next: pressure, density, viscosity. No input is checked.
//
// Altitudes of 44 331 m and more: the base 1 - 2.25577e-5 * h of the
// barometric formula is negative, so AtmosphericPressure returns NaN, and
// MoistAirDensity and AirKinematicViscosity pass the NaN on. Nothing traps or
// loops here; a NaN pressure drop compares false with every limit, so a caller
// searching upward for an acceptable size has to bound its search itself.
// Just below (44 330 m) the pressure is a tiny positive number (about 1e-20 Pa)
// and the density is then about zero (dry air) or negative (moist air).

// p : atmospheric pressure [Pa] at the altitude h [m above sea level]
// (barometric formula of the standard atmosphere)
float AtmosphericPressure(float altitude);

// rho : density of moist air [kg/m3]
//   t        : T : air temperature [degC]
//   pressure : p : atmospheric pressure [Pa]
//   humidity : phi : relative humidity [%], used unchanged above 100
float MoistAirDensity(float t, float pressure, float humidity);

// nu : kinematic viscosity of air [m2/s] (Sutherland's law)
//   t       : T : air temperature [degC]
//   density : rho : air density [kg/m3]; the result has its sign
float AirKinematicViscosity(float t, float density);
