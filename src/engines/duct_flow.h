#pragma once

// Flow of air in a straight duct. Sides and diameters in mm, flows in m3/h,
// all single precision.

// v : mean velocity [m/s] in a circular duct
//   flow     : Q [m3/h]
//   diameter : D [mm]
float CircularDuctVelocity(float flow, float diameter);

// v : mean velocity [m/s] in a rectangular duct
//   flow         : Q [m3/h]
//   sideA, sideB : A, B [mm]
float RectangularDuctVelocity(float flow, float sideA, float sideB);

// Dh : hydraulic diameter 2AB / (A + B) [mm] of a rectangular duct A x B [mm]
float HydraulicDiameter(float sideA, float sideB);

// De : equivalent diameter 1.3 (AB)^0.625 / (A + B)^0.25 [mm] of a rectangular
// duct A x B [mm]: the circular duct of the same pressure drop at the same flow
float EquivalentDiameter(float sideA, float sideB);

// R : pressure drop per metre [Pa/m] (Darcy-Weisbach)
//   equivalent : De [mm], gives the relative roughness k / De
//   hydraulic  : Dh [mm], gives the Reynolds number and the gradient
//   velocity   : v [m/s]
//   roughness  : k : absolute roughness of the duct wall [mm]
//   viscosity  : nu : kinematic viscosity of the air [m2/s]
//   density    : rho : density of the air [kg/m3]
// A circular duct passes its diameter as both.
struct DuctFriction {
    float reynolds;      // Re : Reynolds number [-]
    float pressureDrop;  // R : pressure drop per metre [Pa/m]
};
DuctFriction AirPressureDrop(float equivalent, float hydraulic, float velocity, float roughness, float viscosity,
                             float density);
