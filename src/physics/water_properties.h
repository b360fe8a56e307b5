#pragma once

#include <cstdint>

// Properties of the heat-transfer liquid of a water circuit: pure water or a
// water and antifreeze mixture. Empirical fits, evaluated for any input without
// clamping; outside the fitted range (boiling, freezing, more antifreeze than
// water) the values are returned as computed.
//
// Common inputs:
//   t       : T : fluid temperature [degC] (mean of flow and return)
//   percent : p : antifreeze share of the mixture [%], 0 = pure water
//
// At t = -273.15 degC the absolute temperature is 0 K and the reduced
// temperature 273.15 / 0 K is infinite; all three functions then return NaN
// (quiet, no trap) and the caller sees a result that compares false with any
// limit.

// Heat factor of pure water, used instead of WaterHeatFactor when the
// antifreeze option is off.
constexpr float PureWaterHeatFactor = 0.863f;  // f : heat factor [kg.K/Wh]

// rho : density [kg/m3]
float WaterDensity(float t, int8_t percent);

// nu : kinematic viscosity [m2/s]
float WaterKinematicViscosity(float t, int8_t percent);

// f : heat factor [kg.K/Wh], the mass warmed by 1 K with 1 Wh; power [W] times
// f over a temperature difference [K] gives a mass flow [kg/h].
float WaterHeatFactor(float t, int8_t percent);
