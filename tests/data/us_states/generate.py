#!/usr/bin/env python3
"""Writes states.html: a hand-made style page with four image maps of the
United States (the same 52 state outlines at four scales), polygons of 64 to
284 points each, with HREF, ALT and TITLE on every area.

The outlines are not the real borders (none are to be had here); they are
jagged rings, one per state, laid out on the usual tile grid of the country,
with the point counts of a public map of the states. The output is fixed:
run it again and the page comes out byte for byte the same.

    python3 tests/data/us_states/generate.py > tests/data/us_states/states.html
"""
import math
import random
import sys

# Name, postal code, column, row on the tile grid (Alaska and Hawaii at the
# left, Puerto Rico at the bottom right).
STATES = [
    ("Alaska", "AK", 0, 0), ("Maine", "ME", 11, 0),
    ("Vermont", "VT", 10, 1), ("New Hampshire", "NH", 11, 1),
    ("Washington", "WA", 1, 2), ("Idaho", "ID", 2, 2), ("Montana", "MT", 3, 2),
    ("North Dakota", "ND", 4, 2), ("Minnesota", "MN", 5, 2), ("Illinois", "IL", 6, 2),
    ("Wisconsin", "WI", 7, 2), ("Michigan", "MI", 8, 2), ("New York", "NY", 9, 2),
    ("Rhode Island", "RI", 10, 2), ("Massachusetts", "MA", 11, 2),
    ("Oregon", "OR", 1, 3), ("Nevada", "NV", 2, 3), ("Wyoming", "WY", 3, 3),
    ("South Dakota", "SD", 4, 3), ("Iowa", "IA", 5, 3), ("Indiana", "IN", 6, 3),
    ("Ohio", "OH", 7, 3), ("Pennsylvania", "PA", 8, 3), ("New Jersey", "NJ", 9, 3),
    ("Connecticut", "CT", 10, 3),
    ("California", "CA", 1, 4), ("Utah", "UT", 2, 4), ("Colorado", "CO", 3, 4),
    ("Nebraska", "NE", 4, 4), ("Missouri", "MO", 5, 4), ("Kentucky", "KY", 6, 4),
    ("West Virginia", "WV", 7, 4), ("Virginia", "VA", 8, 4), ("Maryland", "MD", 9, 4),
    ("Delaware", "DE", 10, 4),
    ("Arizona", "AZ", 2, 5), ("New Mexico", "NM", 3, 5), ("Kansas", "KS", 4, 5),
    ("Arkansas", "AR", 5, 5), ("Tennessee", "TN", 6, 5), ("North Carolina", "NC", 7, 5),
    ("South Carolina", "SC", 8, 5), ("District of Columbia", "DC", 9, 5),
    ("Oklahoma", "OK", 4, 6), ("Louisiana", "LA", 5, 6), ("Mississippi", "MS", 6, 6),
    ("Alabama", "AL", 7, 6), ("Georgia", "GA", 8, 6),
    ("Hawaii", "HI", 0, 7), ("Texas", "TX", 4, 7), ("Florida", "FL", 9, 7),
    ("Puerto Rico", "PR", 11, 7),
]

TILE = 110                       # tile pitch at the largest scale, in pixels
SCALES = [1.0, 0.8, 0.6, 0.45]   # the four maps
MIN_POINTS, MAX_POINTS = 64, 284


def outline(index, cx, cy):
    """A jagged ring around (cx, cy): radii alternate in and out, as a
    coastline's do, so that neighbouring points stay apart at every scale."""
    rng = random.Random(1000 + index)
    if index == 0:
        n = MAX_POINTS
    elif index == 1:
        n = MIN_POINTS
    else:
        n = rng.randint(MIN_POINTS // 2, MAX_POINTS // 2) * 2  # even: in and out in turn
    lobes = [(rng.uniform(0.05, 0.15), rng.randint(2, 5), rng.uniform(0, 2 * math.pi))
             for _ in range(3)]
    points = []
    for k in range(n):
        a = 2 * math.pi * k / n
        r = 46.0
        for amp, freq, phase in lobes:
            r *= 1 + amp * math.sin(freq * a + phase)
        r *= 1.0 if k % 2 == 0 else 0.7 + rng.uniform(0, 0.08)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def scaled(points, s):
    out = [(int(round(x * s)), int(round(y * s))) for x, y in points]
    for i, p in enumerate(out):
        if p == out[i - 1]:
            raise SystemExit("points run together at scale %s" % s)
    return out


def coords(points, sep):
    return sep.join("%d%s%d" % (x, sep, y) for x, y in points)


def area_tag(style, name, code, points):
    href = "states/%s.html" % code.lower()
    if style == 0:   # capitals, one line per area, attributes in the old order
        return ('<AREA SHAPE="poly" COORDS="%s" HREF="%s" ALT="%s" TITLE="%s">'
                % (coords(points, ","), href, name, name))
    if style == 1:   # lower case, spaces after commas, XHTML's closing slash
        return ('<area shape="poly" alt="%s" title="%s" href="/%s" coords="%s" />'
                % (name, name, href, coords(points, ", ")))
    if style == 2:   # attributes on lines of their own, as an editor wraps them
        return ('<area shape="polygon"\n          href="%s"\n          alt="%s"'
                '\n          title="%s"\n          coords="%s">'
                % (href, name, name, coords(points, ",")))
    return ("<Area Shape=poly Coords='%s' Href='%s' Target='_top' Alt='%s' Title='%s'>"
            % (coords(points, ","), href, name, name))


def main():
    outlines = [outline(i, (col + 0.5) * TILE, (row + 0.5) * TILE)
                for i, (_, _, col, row) in enumerate(STATES)]
    out = sys.stdout
    out.write("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
              "<html>\n<head>\n<title>State Information - Choose Your State</title>\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
              "<!-- maps made by hand, March 2003; small map for the sidebar -->\n"
              "</head>\n<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#003399\">\n"
              "<h1>Choose your state</h1>\n")
    for m, s in enumerate(SCALES):
        width, height = int(round(12 * TILE * s)), int(round(8 * TILE * s))
        name = ["usmap", "usmap_medium", "usmap_small", "usmap_tiny"][m]
        out.write("\n<!-- %s: %d x %d -->\n" % (name, width, height))
        out.write("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>\n")
        if m == 1:
            out.write('<img src="images/%s.gif" width="%d" height="%d" usemap="#%s" '
                      'border="0" alt="Map of the United States" />\n'
                      % (name, width, height, name))
        else:
            out.write('<IMG SRC="images/%s.gif" WIDTH=%d HEIGHT=%d USEMAP="#%s" BORDER=0 '
                      'ALT="Map of the United States">\n' % (name, width, height, name))
        out.write("</td></tr></table>\n")
        opener = ['<MAP NAME="%s">', '<map name="%s" id="%s">', '<map name="%s">',
                  "<Map Name='%s'>"][m]
        out.write((opener % ((name, name) if m == 1 else name)) + "\n")
        for i, (state, code, _, _) in enumerate(STATES):
            indent = "" if m == 0 else "  " if m != 2 else "    "
            out.write(indent + area_tag(m, state, code, scaled(outlines[i], s)) + "\n")
        out.write(["</MAP>", "</map>", "</map>", "</Map>"][m] + "\n")
    out.write("\n<p><a href=\"states/index.html\">All states as a list</a></p>\n"
              "</body>\n</html>\n")


if __name__ == "__main__":
    main()
