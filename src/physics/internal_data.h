#pragma once

// The fluid state behind the last water or air result, shown by the internal data window.
struct InternalDataRecord {
    float density = 0.0f;              // rho : density [kg/m3]
    float kinematicViscosity = 0.0f;   // nu : kinematic viscosity [m2/s]
    float reynolds = 0.0f;             // Re : Reynolds number [-]
    float atmosphericPressure = 0.0f;  // p_atm : atmospheric pressure [Pa] (air only)
    float heatFactor = 0.0f;           // f : water heat factor [kg.K/Wh] (water only)
};
