#pragma once

struct InternalDataRecord;

// lambda : Darcy friction factor [-]
//   re        : Re : Reynolds number [-]
//   roughness : r : relative roughness, absolute roughness over diameter [-]
// Laminar 64/Re up to Re = 2320 included; above, Colebrook-White solved by ten
// substitution steps from the Blasius value, returned as it stands after the
// tenth step. Re = 0 divides by zero (infinite result).
float FrictionFactor(float re, float roughness);

// j : pressure gradient of a water pipe [mmCE/m] (Darcy-Weisbach)
//   diameter  : D : inside diameter [mm]
//   velocity  : v : mean velocity [m/s]
//   roughness : k : absolute roughness of the pipe material [mm]
//   viscosity : nu : kinematic viscosity [m2/s]
//   density   : rho : density [kg/m3]
// Records its Reynolds number in data.reynolds.
float WaterPressureGradient(float diameter, float velocity, float roughness, float viscosity, float density,
                            InternalDataRecord& data);
