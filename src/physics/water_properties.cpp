#include "physics/water_properties.h"

#include <cmath>

// The fits are written in the reduced temperature theta = 273.15 K / Tk and the
// antifreeze fraction c. Their published figures hold with Tk, theta^2, the
// viscosity exponent and the intermediate results named below rounded to
// float; theta itself enters the linear terms unrounded, and the sums run in
// double. At -273.15 degC Tk is 0 and theta infinite: no check, NaN results.
struct ReducedTemperature {
    double theta;   // theta : 273.15 / Tk [-]
    double theta2;  // theta^2 : square of theta, float-rounded [-]
    double c;       // c : antifreeze fraction [-]
};

static ReducedTemperature Reduce(float t, int8_t percent)
{
    const float tk = static_cast<float>(static_cast<double>(t) + 273.15f);  // Tk [K]
    ReducedTemperature r;
    r.theta = 273.15f / static_cast<double>(tk);
    const float thetaF = static_cast<float>(r.theta);
    r.theta2 = static_cast<float>(thetaF * thetaF);
    r.c = static_cast<double>(percent) / 100.0f;
    return r;
}

float WaterDensity(float t, int8_t percent)
{
    const ReducedTemperature r = Reduce(t, percent);
    double rho = r.c * -54.81501f + r.theta * 664.71643f;  // rho [kg/m3]
    rho += r.c * 232.72604f * r.theta;
    rho += r.theta2 * -322.6166f;
    rho += 658.4982f;
    return static_cast<float>(rho);
}

float WaterKinematicViscosity(float t, int8_t percent)
{
    const ReducedTemperature r = Reduce(t, percent);
    const float e = static_cast<float>(r.c * -2.14817f + r.theta * -12.70106f + r.c * 5.40536f * r.theta
                                       + r.theta2 * 10.9899f + -4.63024f);  // ln(mu / 1 Pa.s) [-]
    const float mu = static_cast<float>(std::exp(static_cast<double>(e)));  // mu [Pa.s]
    return mu / WaterDensity(t, percent);
}

float WaterHeatFactor(float t, int8_t percent)
{
    const ReducedTemperature r = Reduce(t, percent);
    const double cp = r.c * 0.78863f + r.theta * -2.59001f + r.c * -2.73187f * r.theta + r.theta2 * 1.43759f
        + 5.36449f;                                          // cp [kJ/(kg.K)]
    const float cpJ = static_cast<float>(cp * 1000.0f);      // cp [J/(kg.K)]
    const double cpWh = static_cast<double>(cpJ) / 3600.0f;  // cp [Wh/(kg.K)]
    return static_cast<float>(1.0 / cpWh);
}
