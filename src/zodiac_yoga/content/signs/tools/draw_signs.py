#!/usr/bin/env python3
"""Draws the twelve sun-sign medallions of the zodiac yoga module as SVG.

Each medallion is a disc in the colour of the sign's element (fire: reds
and oranges, earth: greens and browns, air: yellow and sky blues, water:
blues and teals) with the sign's glyph drawn as thick rounded strokes, and
a ring of twelve beads on the rim where the sign's own place (Aries at the
top, going clockwise) is marked by a gold star.

Only plain shapes and gradients are used (SVG Tiny 1.2), so QtSvg shows the
files exactly as a browser does.

Usage:  python3 draw_signs.py [output-dir]     (default: the folder above)
"""

import math
import os
import sys


def arc(cx, cy, r, a0, a1, move=True):
    """Path text for a circular arc from angle a0 to a1 (degrees, screen
    coordinates: y down, so positive angles turn clockwise), as cubic
    curves of at most 90 degrees each (SVG Tiny has no arc command)."""
    n = max(1, int(math.ceil(abs(a1 - a0) / 90.0 - 1e-9)))
    step = (a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(math.radians(abs(step)) / 4.0) * r
    sgn = 1.0 if step > 0 else -1.0

    def pt(a, rad=r, c=(cx, cy)):
        return (c[0] + rad * math.cos(math.radians(a)),
                c[1] + rad * math.sin(math.radians(a)))

    x0, y0 = pt(a0)
    out = "M%.1f %.1f" % (x0, y0) if move else ""
    for i in range(n):
        t0, t1 = a0 + i * step, a0 + (i + 1) * step
        p0, p3 = pt(t0), pt(t1)
        p1 = pt(t0 + 90 * sgn, k, p0)
        p2 = pt(t1 - 90 * sgn, k, p3)
        out += "C%.1f %.1f %.1f %.1f %.1f %.1f" % (p1 + p2 + p3)
    return out


def ring(cx, cy, r):
    return arc(cx, cy, r, 0, 360) + "Z"


# name, element, base colour, glyph strokes (paths in a 200 x 200 box)
SIGNS = [
    ("Aries", "fire", "#cf3b2c", [
        "M100 148L100 96",
        "M100 96C100 68 90 56 76 57C62 58 55 72 60 83C64 92 75 95 81 88",
        "M100 96C100 68 110 56 124 57C138 58 145 72 140 83C136 92 125 95 119 88",
    ]),
    ("Taurus", "earth", "#4f8a3c", [
        ring(100, 118, 27),
        "M56 58C62 84 80 92 100 92C120 92 138 84 144 58",
    ]),
    ("Gemini", "air", "#c99312", [
        "M60 58C82 68 118 68 140 58",
        "M60 142C82 132 118 132 140 142",
        "M84 65L84 135",
        "M116 65L116 135",
    ]),
    ("Cancer", "water", "#2f8f9d", [
        ring(77, 83, 15),
        "M77 68C102 54 134 58 150 84",
        ring(123, 117, 15),
        "M123 132C98 146 66 142 50 116",
    ]),
    ("Leo", "fire", "#e39a1c", [
        ring(72, 121, 15),
        "M84 111C72 88 80 58 106 56C132 54 142 80 130 102C120 120 116 140 "
        "132 146C142 150 151 143 150 132",
    ]),
    ("Virgo", "earth", "#7d8f2f", [
        "M50 68C56 62 62 66 62 74L62 142",
        "M62 80C62 62 86 62 86 80L86 142",
        "M86 80C86 62 110 62 110 80L110 120C110 140 130 146 141 132C150 "
        "120 138 106 126 114C116 121 112 136 100 150",
    ]),
    ("Libra", "air", "#3f9bd3", [
        "M52 120L79 120" + arc(100, 103.03, 27, 141.06, 398.94, move=False)
        + "L148 120",
        "M52 144L148 144",
    ]),
    ("Scorpio", "water", "#2c4f9e", [
        "M48 68C54 62 60 66 60 74L60 142",
        "M60 80C60 62 84 62 84 80L84 142",
        "M84 80C84 62 108 62 108 80L108 130C108 142 116 146 128 144L148 140",
        "M134 128L149 140L136 152",
    ]),
    ("Sagittarius", "fire", "#d65a26", [
        "M58 142L140 60",
        "M104 60L140 60L140 96",
        "M74 98L102 126",
    ]),
    ("Capricorn", "earth", "#7b5636", [
        "M48 66C56 60 64 66 66 76L80 134L96 76C100 60 116 60 118 78L118 "
        "122C118 144 146 148 149 128C151 110 130 104 121 120C114 133 104 "
        "146 88 150",
    ]),
    ("Aquarius", "air", "#2fa2c4", [
        "M48 90L65 75L82 90L99 75L116 90L133 75L150 90",
        "M48 124L65 109L82 124L99 109L116 124L133 109L150 124",
    ]),
    ("Pisces", "water", "#24978a", [
        "M66 54C96 76 96 124 66 146",
        "M134 54C104 76 104 124 134 146",
        "M56 100L144 100",
    ]),
]

GLYPH = "#fff8e8"
GOLD = "#f6d26b"


def mix(hex_colour, other, t):
    """Blend two #rrggbb colours, t=0 gives the first, t=1 the second."""
    a = [int(hex_colour[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join("%02x" % round(x + (y - x) * t) for x, y in zip(a, b))


def star(cx, cy, r_out, r_in, points=5, turn=-90.0):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180.0 / points)
        pts.append("%.1f,%.1f" % (cx + r * math.cos(a), cy + r * math.sin(a)))
    return " ".join(pts)


def medallion(index, name, element, base, strokes):
    light = mix(base, "#ffffff", 0.38)
    dark = mix(base, "#000000", 0.35)
    rim = mix(base, "#000000", 0.18)
    out = [
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
        'baseProfile="tiny" width="200" height="200" viewBox="0 0 200 200">',
        "<title>%s (%s sign)</title>" % (name, element),
        "<defs>",
        '<radialGradient id="disc" cx="0.42" cy="0.36" r="0.7">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        "</radialGradient>" % (light, base),
        '<linearGradient id="rim" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
        "</linearGradient>" % (mix(rim, "#ffffff", 0.25), dark),
        "</defs>",
        '<circle cx="100" cy="100" r="96" fill="url(#rim)"/>',
        '<circle cx="100" cy="100" r="84" fill="url(#disc)"/>',
        '<circle cx="100" cy="100" r="78" fill="none" stroke="#ffffff" '
        'stroke-opacity="0.35" stroke-width="1.5"/>',
    ]
    # twelve beads on the rim, this sign's place marked with a star
    for i in range(12):
        a = math.radians(-90 + 30 * i)
        x, y = 100 + 90 * math.cos(a), 100 + 90 * math.sin(a)
        if i == index:
            out.append('<polygon points="%s" fill="%s" stroke="%s" '
                       'stroke-width="1" stroke-linejoin="round"/>'
                       % (star(x, y, 7.5, 3.2), GOLD, dark))
        else:
            out.append('<circle cx="%.1f" cy="%.1f" r="2.6" fill="%s" '
                       'fill-opacity="0.75"/>' % (x, y, mix(base, "#ffffff", 0.6)))
    # the glyph: a soft shadow, then the cream strokes
    common = ('fill="none" stroke-linecap="round" stroke-linejoin="round" '
              'stroke-width="12"')
    out.append('<g transform="translate(2.5,3.5)" stroke="%s" '
               'stroke-opacity="0.45" %s>' % (dark, common))
    out.extend('<path d="%s"/>' % d for d in strokes)
    out.append("</g>")
    out.append('<g stroke="%s" %s>' % (GLYPH, common))
    out.extend('<path d="%s"/>' % d for d in strokes)
    out.append("</g>")
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = argv[1] if len(argv) > 1 else os.path.normpath(
        os.path.join(here, ".."))
    os.makedirs(outdir, exist_ok=True)
    for i, (name, element, base, strokes) in enumerate(SIGNS):
        path = os.path.join(outdir, "%02d %s.svg" % (i + 1, name))
        with open(path, "w", encoding="utf-8") as fh:
            fh.write(medallion(i, name, element, base, strokes))
    print("wrote %d medallions to %s" % (len(SIGNS), outdir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
