#!/usr/bin/env python3
"""Draws the program's icon: tessary.svg and tessary-<size>.png at the sizes
of the hicolor theme, from one list of shapes on a 256-unit canvas (a
picture with a polygon area and its handles on a rounded tile).

Run it here after changing the shapes; the outputs are kept in the
repository so that building needs no Python. Standard library only."""
import math
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SUBSAMPLES = 4

TILE = ("rounded", (16, 16, 240, 240, 36), "#2f5d8a")
SHAPES = [
    TILE,
    ("rect", (40, 48, 216, 208), "#cfe8ff"),
    ("circle", (172, 90, 22), "#ffcf3f"),
    ("polygon", ((40, 208), (40, 168), (92, 124), (146, 168), (216, 128), (216, 208)), "#4f9f4f"),
    ("stroke", (((68, 180), (112, 92), (196, 150)), 12), "#d9302b"),
    ("rect", (56, 168, 80, 192), "#d9302b"),
    ("rect", (100, 80, 124, 104), "#d9302b"),
    ("rect", (184, 138, 208, 162), "#d9302b"),
]


def inside_polygon(x, y, points):
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def covers(shape, x, y):
    kind, g, _ = shape
    if kind == "rect":
        return g[0] <= x < g[2] and g[1] <= y < g[3]
    if kind == "rounded":
        left, top, right, bottom, r = g
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + r), right - r)
        cy = min(max(y, top + r), bottom - r)
        return math.hypot(x - cx, y - cy) <= r
    if kind == "circle":
        return math.hypot(x - g[0], y - g[1]) <= g[2]
    if kind == "polygon":
        return inside_polygon(x, y, g)
    points, width = g
    ring = list(zip(points, points[1:] + points[:1]))
    return any(segment_distance(x, y, a, b) <= width / 2 for a, b in ring)


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render(size):
    scale = 256 / size
    rows = []
    for py in range(size):
        row = bytearray([0])  # PNG filter type: none
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) * scale
                    y = (py + (sy + 0.5) / SUBSAMPLES) * scale
                    for shape in reversed(SHAPES):
                        if covers(shape, x, y):
                            r, g, b = rgb(shape[2])
                            total[0] += r
                            total[1] += g
                            total[2] += b
                            total[3] += 255
                            break
            n = SUBSAMPLES * SUBSAMPLES
            alpha = total[3] // n
            if alpha:
                covered = total[3] // 255
                row += bytes((total[0] // covered, total[1] // covered, total[2] // covered, alpha))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def svg_element(shape):
    kind, g, colour = shape
    if kind == "rect":
        return f'<rect x="{g[0]}" y="{g[1]}" width="{g[2] - g[0]}" height="{g[3] - g[1]}" fill="{colour}"/>'
    if kind == "rounded":
        return (f'<rect x="{g[0]}" y="{g[1]}" width="{g[2] - g[0]}" height="{g[3] - g[1]}" '
                f'rx="{g[4]}" fill="{colour}"/>')
    if kind == "circle":
        return f'<circle cx="{g[0]}" cy="{g[1]}" r="{g[2]}" fill="{colour}"/>'
    if kind == "polygon":
        points = " ".join(f"{x},{y}" for x, y in g)
        return f'<polygon points="{points}" fill="{colour}"/>'
    points = " ".join(f"{x},{y}" for x, y in g[0])
    return (f'<polygon points="{points}" fill="none" stroke="{colour}" stroke-width="{g[1]}" '
            'stroke-linejoin="round"/>')


def main():
    with open("tessary.svg", "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n')
        for shape in SHAPES:
            f.write("  " + svg_element(shape) + "\n")
        f.write("</svg>\n")
    for size in SIZES:
        write_png(f"tessary-{size}.png", size, render(size))


if __name__ == "__main__":
    main()
