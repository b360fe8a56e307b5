#!/usr/bin/python3
"""Independent evaluation of the physics formulas, for the bit-exact tables of
the physics tests: Python floats are IEEE doubles, f32() rounds to the nearest
32-bit float, and the float power, exponential and logarithm are taken as the
correctly rounded value of their double counterpart. Prints C++ table rows."""
import math
import struct


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def lit(x):
    """Shortest decimal C++ float literal that reads back as exactly x."""
    for digits in range(6, 10):
        text = f'{x:.{digits}g}'
        if f32(float(text)) == x:
            break
    if 'e' not in text and '.' not in text:
        text += '.0'
    return text + 'f'


def reduced(t, p):
    tk = f32(t + f32(273.15))
    theta = f32(273.15) / tk
    thf = f32(theta)
    return theta, f32(thf * thf), p / 100.0


def water_density(t, p):
    th, th2, c = reduced(t, p)
    rho = c * f32(-54.81501) + th * f32(664.71643)
    rho += c * f32(232.72604) * th
    rho += th2 * f32(-322.6166)
    rho += f32(658.4982)
    return f32(rho)


def water_viscosity(t, p):
    th, th2, c = reduced(t, p)
    e = f32(c * f32(-2.14817) + th * f32(-12.70106) + c * f32(5.40536) * th
            + th2 * f32(10.9899) + f32(-4.63024))
    mu = f32(math.exp(e))
    return f32(mu / water_density(t, p))


def water_heat_factor(t, p):
    th, th2, c = reduced(t, p)
    cp = (c * f32(0.78863) + th * f32(-2.59001) + c * f32(-2.73187) * th
          + th2 * f32(1.43759) + f32(5.36449))
    return f32(1.0 / (f32(cp * 1000.0) / 3600.0))


def pressure(h):
    lapse = f32(2.25577) * f32(math.pow(10.0, -5.0))
    base = f32(1.0 - lapse * h)
    return f32(101325.0 * f32(math.pow(base, f32(5.25588))))


def air_density(t, p, phi):
    a = 1.0 / ((t + f32(273.15)) * f32(287.06))
    e = f32(math.exp(f32(f32(17.5043) * t / (t + f32(241.2)))))
    return f32((p - phi / 100.0 * f32(230.617) * e) * a)


def air_viscosity(t, rho):
    c = f32(1.458) * f32(math.pow(10.0, -6.0))
    tk = f32(t + f32(273.15))
    mu = f32(c * f32(math.pow(tk, 1.5)) / (t + f32(383.55)))
    return f32(mu / rho)


def friction(re, r):
    re, r = f32(re), f32(r)
    if not re > 2320.0:
        return f32(64.0 / re)
    lam = f32(0.3164) * f32(math.pow(re, -0.25))
    for _ in range(10):
        s = f32(r / f32(3.71) + f32(2.51) / (re * math.sqrt(lam)))
        y = f32(1.0 / (-2.0 * f32(math.log10(s))))
        lam = f32(y * y)
    return lam


def gradient(d, v, k, nu, rho):
    re = f32(v * d * f32(0.001) / nu)
    lam = friction(re, f32(k / d))
    j = lam * (1.0 / (d * f32(0.001))) * f32(v * v) * (rho / 2.0) / f32(9.81)
    return f32(j), re


print('// water: T, p, density, kinematic viscosity, heat factor')
for t, p in [(20, 0), (70, 0), (40, 33), (-10, 40), (80, 0)]:
    print(f'{{{t}, {p}, {lit(water_density(t, p))}, {lit(water_viscosity(t, p))}, '
          f'{lit(water_heat_factor(t, p))}}},')
print('// air: T, humidity, altitude, pressure, density, kinematic viscosity')
for t, phi, h in [(20, 40, 10), (0, 0, 0), (15, 0, 0), (0, 0, 1000), (35, 100, 500)]:
    p = pressure(h)
    rho = air_density(t, p, phi)
    print(f'{{{t}, {phi}, {h}, {lit(p)}, {lit(rho)}, {lit(air_viscosity(t, rho))}}},')
print('// friction: Re, relative roughness, lambda')
for re, r in [(2320, 0), (2321, 0), (10000, 0), (1e5, 0), (16214.13, 0.0015 / 16), (5e4, 0.002),
              (3000, 1e-4), (2.5e5, 5e-4)]:
    print(f'{{{lit(f32(re))}, {lit(f32(r))}, {lit(friction(re, r))}}},')
print('// water gradient: D, v, k, nu, rho, j, Re')
rho, nu = water_density(20, 0), water_viscosity(20, 0)
for d, v, k in [(16, 1, 0.0015), (10.3, 0.33, 0.0015), (2.0, 0.05, 0.0015), (26.4, 1.37, 0.045),
                (53.1, 2.71, 0.0015), (8.7, 0.93, 0.007)]:
    d, v, k = f32(d), f32(v), f32(k)
    j, re = gradient(d, v, k, nu, rho)
    print(f'{{{lit(d)}, {lit(v)}, {lit(k)}, {lit(j)}, {lit(re)}}},')
