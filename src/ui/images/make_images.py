#!/usr/bin/python3
"""Draws the program's carried PNG images: three 12x12 status dots and the 64x64 logo.

Run from this folder; it rewrites the .png files beside it. Standard library only.
"""
import math
import struct
import zlib

SAMPLES = 4  # supersampling per axis, for smooth edges


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples, 8 bits each."""
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def render(width, height, shade):
    """shade(x, y) -> (r, g, b) or None for a point in image units; averaged over
    SAMPLES x SAMPLES points per pixel, with premultiplied averaging."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = shade(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    if colour is None:
                        continue
                    covered += 1
                    for i in range(3):
                        acc[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = covered / (SAMPLES * SAMPLES)
                row.append(tuple(round(min(255, max(0, acc[i] / covered))) for i in range(3))
                           + (round(alpha * 255),))
        rows.append(row)
    return rows


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def dot(colour):
    centre, radius = 6.0, 5.5
    white = (255, 255, 255)
    dark = tuple(c * 0.6 for c in colour)

    def shade(x, y):
        d = math.hypot(x - centre, y - centre)
        if d > radius:
            return None
        if d > radius - 0.9:  # a darker rim keeps the dot readable on any background
            return dark
        # soft light from the upper left
        glow = max(0.0, 1.0 - math.hypot(x - 4.3, y - 4.0) / 3.2)
        return mix(colour, white, 0.55 * glow * glow)

    return render(12, 12, shade)


def logo():
    radius = 9.0          # pipe radius
    bend = (30.0, 44.0)   # centre of the elbow
    bend_radius = 24.0
    steel = (70, 130, 180)
    light = (225, 238, 248)
    edge = (25, 55, 90)

    def pipe_offset(x, y):
        """Signed distance from the pipe axis across the pipe, or None off the pipe."""
        if 4.0 <= x <= bend[0] and abs(y - 20.0) <= radius:
            return y - 20.0
        if x >= bend[0] and y <= bend[1]:
            d = math.hypot(x - bend[0], y - bend[1]) - bend_radius
            if abs(d) <= radius:
                return -d
        if y >= bend[1] and y <= 60.0 and abs(x - 54.0) <= radius:
            return 54.0 - x
        return None

    def flange(x, y):
        return ((2.0 <= x <= 7.0 and abs(y - 20.0) <= radius + 3.0)
                or (57.0 <= y <= 62.0 and abs(x - 54.0) <= radius + 3.0))

    def shade(x, y):
        if flange(x, y):
            return (55, 95, 140)
        t = pipe_offset(x, y)
        if t is None:
            return None
        u = t / radius  # -1 at the lit side, +1 at the shadow side
        if abs(u) > 0.86:
            return edge
        lit = math.cos((u + 0.35) * math.pi / 2.4)
        return mix(steel, light, max(0.0, lit) ** 3 * 0.9)

    return render(64, 64, shade)


if __name__ == "__main__":
    write_png("dot_blue.png", 12, 12, dot((20, 90, 230)))
    write_png("dot_magenta.png", 12, 12, dot((215, 20, 200)))
    write_png("dot_red.png", 12, 12, dot((225, 25, 25)))
    write_png("logo.png", 64, 64, logo())
