#!/usr/bin/env python3
"""Draws the suite's pictures: the six module buttons, the
application icon and the larger logo for the About box.

Every module picture is a coloured disc with a bold light motif, so the
set reads as one family on light and dark button faces alike.  Only plain
shapes and gradients are used (SVG Tiny 1.2), which QtSvg renders as is.

Usage:  python3 draw_pictures.py [src-dir]     (default: the project's src/)
"""

import math
import os
import sys

CREAM = "#fff6e6"


def svg(size, title, body, defs=""):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
            'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (size, size, size, size))
    parts = [head, "<title>%s</title>" % title]
    if defs:
        parts.append("<defs>%s</defs>" % defs)
    parts.append(body)
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def disc(gid, top, bottom, edge):
    """Defs and shape of the round badge behind a module motif."""
    defs = ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" '
            'stop-color="%s"/></linearGradient>' % (gid, top, bottom))
    body = ('<circle cx="32" cy="32" r="30" fill="url(#%s)" stroke="%s" '
            'stroke-width="2"/>' % (gid, edge))
    return defs, body


def f(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


# ----------------------------------------------------------- modules ------

def learn_yoga():
    defs, body = disc("bg", "#3aa39d", "#22706c", "#1b5956")
    fig = [
        # head, trunk, arms resting on the knees, crossed legs
        '<circle cx="32" cy="15.5" r="5.2" fill="%s"/>' % CREAM,
        '<path d="M25.5 24.5C29 22.2 35 22.2 38.5 24.5L37.2 41H26.8Z" '
        'fill="%s"/>' % CREAM,
        '<path d="M26.5 25.5C22 30 19.5 36 16.5 42M37.5 25.5C42 30 44.5 36 '
        '47.5 42" fill="none" stroke="%s" stroke-width="4.2" '
        'stroke-linecap="round"/>' % CREAM,
        '<path d="M11 46.5C11 41.5 21 38.5 32 38.5C43 38.5 53 41.5 53 46.5'
        'C53 50 49 51.5 45 51.5H19C15 51.5 11 50 11 46.5Z" fill="%s"/>'
        % CREAM,
        # the crossing of the shins
        '<path d="M19 46.5C26 43.5 38 43.5 45 46.5" fill="none" '
        'stroke="#22706c" stroke-width="1.6" stroke-linecap="round"/>',
        '<circle cx="16" cy="43" r="2.6" fill="%s"/>' % CREAM,
        '<circle cx="48" cy="43" r="2.6" fill="%s"/>' % CREAM,
    ]
    return svg(64, "Learn yoga", body + "\n" + "\n".join(fig), defs)


def zodiac_yoga():
    defs, body = disc("bg", "#525cb8", "#2f3578", "#272c63")
    gold = "#f4c04f"
    parts = ['<circle cx="32" cy="32" r="23.5" fill="none" stroke="%s" '
             'stroke-width="2.4"/>' % gold,
             '<circle cx="32" cy="32" r="16" fill="none" stroke="%s" '
             'stroke-width="1.6"/>' % gold]
    for i in range(12):
        a = math.radians(i * 30 - 90)
        x1, y1 = 32 + 16 * math.cos(a), 32 + 16 * math.sin(a)
        x2, y2 = 32 + 23.5 * math.cos(a), 32 + 23.5 * math.sin(a)
        parts.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" '
                     'stroke-width="1.4"/>' % (f(x1), f(y1), f(x2), f(y2), gold))
        b = math.radians(i * 30 - 75)
        parts.append('<circle cx="%s" cy="%s" r="1.5" fill="%s"/>'
                     % (f(32 + 19.8 * math.cos(b)), f(32 + 19.8 * math.sin(b)),
                        CREAM))
    # the sun in the middle with a small seated figure on it
    rays = []
    for i in range(8):
        a = math.radians(i * 45)
        tip = (32 + 13.5 * math.cos(a), 32 + 13.5 * math.sin(a))
        l = (32 + 9 * math.cos(a - 0.28), 32 + 9 * math.sin(a - 0.28))
        r = (32 + 9 * math.cos(a + 0.28), 32 + 9 * math.sin(a + 0.28))
        rays.append("M%s %sL%s %sL%s %sZ" % (f(l[0]), f(l[1]), f(tip[0]),
                                            f(tip[1]), f(r[0]), f(r[1])))
    parts.append('<path d="%s" fill="%s"/>' % ("".join(rays), gold))
    parts.append('<circle cx="32" cy="32" r="9.5" fill="%s"/>' % gold)
    parts.append('<circle cx="32" cy="27.6" r="1.9" fill="#2f3578"/>')
    parts.append('<path d="M29.6 30.2H34.4L34 33.6L37.6 36.4H26.4L30 33.6Z" '
                 'fill="#2f3578"/>')
    return svg(64, "Zodiac yoga", body + "\n" + "\n".join(parts), defs)


def aromatherapy():
    defs, body = disc("bg", "#67ac5c", "#3b7534", "#30602a")
    defs += ('<linearGradient id="amber" x1="0" y1="0" x2="1" y2="0">'
             '<stop offset="0" stop-color="#e08a32"/>'
             '<stop offset="0.55" stop-color="#b8621a"/>'
             '<stop offset="1" stop-color="#7d3c0c"/></linearGradient>')
    parts = [
        # leaf behind the bottle
        '<path d="M40 50C40 38 47 29 57 27C58 38 52 49 40 50Z" '
        'fill="#bfe59a" stroke="#2d5e27" stroke-width="1.2"/>',
        '<path d="M41.5 48.5C45 42 49 36 55 29.5" fill="none" '
        'stroke="#2d5e27" stroke-width="1.2" stroke-linecap="round"/>',
        # bottle: rubber bulb, collar, neck, body, label
        '<path d="M28.2 20V13.5C28.2 9.5 30 7.5 32 7.5C34 7.5 35.8 9.5 '
        '35.8 13.5V20Z" fill="#2e2b2b"/>',
        '<rect x="25.5" y="19" width="13" height="6" rx="1.5" ry="1.5" '
        'fill="#474141"/>',
        '<rect x="27.5" y="24.5" width="9" height="5" fill="#9a4f14"/>',
        '<rect x="20" y="29" width="24" height="27" rx="6" ry="6" '
        'fill="url(#amber)"/>',
        '<rect x="23.5" y="36" width="17" height="12" rx="2" ry="2" '
        'fill="%s"/>' % CREAM,
        '<path d="M28 45.5C28 41 31 38.5 36 38C36 42.5 33 45.5 28 45.5Z" '
        'fill="#5d9e4e"/>',
        '<rect x="22.5" y="31" width="3" height="20" rx="1.5" ry="1.5" '
        'fill="#f3b26a" fill-opacity="0.6"/>',
        # a drop of oil falling from the dropper
        '<path d="M14 16C11.5 20 10 22.4 10 24.5C10 26.8 11.8 28.5 14 28.5'
        'C16.2 28.5 18 26.8 18 24.5C18 22.4 16.5 20 14 16Z" fill="#ffd866" '
        'stroke="#a86d12" stroke-width="1"/>',
    ]
    return svg(64, "Aromatherapy", body + "\n" + "\n".join(parts), defs)


HEART = ("M0 3.2C-1.2 1.8 -4 0 -4 -2.2C-4 -3.8 -2.9 -4.8 -1.8 -4.8"
         "C-1 -4.8 -0.3 -4.3 0 -3.6C0.3 -4.3 1 -4.8 1.8 -4.8C2.9 -4.8 4 -3.8 "
         "4 -2.2C4 0 1.2 1.8 0 3.2Z")
SPADE = ("M0 -4.8C1.2 -3.2 4 -1.4 4 0.9C4 2.4 3 3.2 1.9 3.2C1.2 3.2 0.7 2.9 "
         "0.4 2.5L1.2 4.8H-1.2L-0.4 2.5C-0.7 2.9 -1.2 3.2 -1.9 3.2C-3 3.2 -4 "
         "2.4 -4 0.9C-4 -1.4 -1.2 -3.2 0 -4.8Z")
DIAMOND = "M0 -4.8L3.4 0L0 4.8L-3.4 0Z"


def cartomancy():
    defs, body = disc("bg", "#c8475b", "#8e2336", "#751b2c")
    parts = []
    cards = [(-26, SPADE, "#2b2b35"), (0, DIAMOND, "#d2283e"),
             (26, HEART, "#d2283e")]
    for angle, pip, colour in cards:
        parts.append('<g transform="rotate(%d 32 54)">' % angle)
        parts.append('<rect x="21" y="14" width="22" height="31" rx="3" '
                     'ry="3" fill="#fffdf7" stroke="#5b1b27" '
                     'stroke-width="1.3"/>')
        parts.append('<path transform="translate(32 24) scale(1.25)" d="%s" '
                     'fill="%s"/>' % (pip, colour))
        parts.append('<path transform="translate(25.5 19.5) scale(0.5)" '
                     'd="%s" fill="%s"/>' % (pip, colour))
        parts.append("</g>")
    return svg(64, "Cartomancy", body + "\n" + "\n".join(parts), defs)


def arc_curves(c, r, a0, a1):
    """Cubic curves along circle (c, r) from angle a0 to a1 (degrees, y
    down), at most 90 degrees a piece: SVG Tiny has no arc command."""
    n = max(1, int(math.ceil(abs(a1 - a0) / 90.0 - 1e-9)))
    step = (a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(math.radians(abs(step)) / 4.0) * r
    sgn = 1.0 if step > 0 else -1.0

    def pt(a, rad, o):
        return (o[0] + rad * math.cos(math.radians(a)),
                o[1] + rad * math.sin(math.radians(a)))

    out = ""
    for i in range(n):
        t0, t1 = a0 + i * step, a0 + (i + 1) * step
        p0, p3 = pt(t0, r, c), pt(t1, r, c)
        p1, p2 = pt(t0 + 90 * sgn, k, p0), pt(t1 - 90 * sgn, k, p3)
        out += "C%s %s %s %s %s %s" % tuple(f(v) for v in p1 + p2 + p3)
    return out


def arc_via(c, r, a0, a1, via):
    """Arc from a0 to a1 taking the way round that passes angle `via`."""
    ccw = (a1 - a0) % 360.0
    if (via - a0) % 360.0 < ccw:
        return arc_curves(c, r, a0, a0 + ccw)
    return arc_curves(c, r, a0, a0 + ccw - 360.0)


def crescent(c1, r1, c2, r2):
    """Path of the part of circle 1 outside circle 2 (a crescent)."""
    dx, dy = c2[0] - c1[0], c2[1] - c1[1]
    d = math.hypot(dx, dy)
    a = (r1 * r1 - r2 * r2 + d * d) / (2 * d)
    h = math.sqrt(r1 * r1 - a * a)
    mx, my = c1[0] + a * dx / d, c1[1] + a * dy / d
    p1 = (mx + h * dy / d, my - h * dx / d)
    p2 = (mx - h * dy / d, my + h * dx / d)

    def ang(p, c):
        return math.degrees(math.atan2(p[1] - c[1], p[0] - c[0]))

    away = math.degrees(math.atan2(-dy, -dx))     # from c1, away from c2
    return ("M%s %s" % (f(p1[0]), f(p1[1])) +
            arc_via(c1, r1, ang(p1, c1), ang(p2, c1), away) +
            arc_via(c2, r2, ang(p2, c2), ang(p1, c2), away) + "Z")


def sparkle(cx, cy, r):
    k = r * 0.28
    return ("M%s %sL%s %sL%s %sL%s %sL%s %sL%s %sL%s %sL%s %sZ" % (
        f(cx), f(cy - r), f(cx + k), f(cy - k), f(cx + r), f(cy),
        f(cx + k), f(cy + k), f(cx), f(cy + r), f(cx - k), f(cy + k),
        f(cx - r), f(cy), f(cx - k), f(cy - k)))


def dream_interpretation():
    defs, body = disc("bg", "#3b4a8f", "#1d2454", "#171c44")
    parts = [
        '<path d="%s" fill="#f7cf5a" stroke="#b88a1e" stroke-width="1"/>'
        % crescent((27, 27), 15, (35, 21), 12.5),
        '<path d="%s" fill="%s"/>' % (sparkle(46, 15, 4.6), CREAM),
        '<path d="%s" fill="%s"/>' % (sparkle(51, 28, 3), CREAM),
        '<path d="%s" fill="%s"/>' % (sparkle(39, 8.5, 2.4), CREAM),
        # cloud: a row of overlapping puffs on a flat base
        '<path d="M15 50C11.5 50 10 47.5 10 45.5C10 42.5 12.5 40.5 15.5 41'
        'C16 36.5 19.5 34 23.5 34.5C25.5 31 29.5 29.5 33.5 30.5C38 31.5 '
        '40.5 35 40.5 38.5C43.5 37.5 47.5 39 48.5 42.5C51.5 42.5 54 44.5 54 '
        '47C54 49 52.5 50 50 50Z" fill="#e6e9f7" stroke="#8e97c7" '
        'stroke-width="1.2"/>',
    ]
    return svg(64, "Dream interpretation", body + "\n" + "\n".join(parts),
               defs)


def palmistry():
    defs, body = disc("bg", "#9a62ad", "#623573", "#512b60")
    ink = "#7a3f8c"
    parts = [
        '<g fill="none" stroke="%s" stroke-linecap="round">' % CREAM,
        '<path d="M25 34L23.2 15.5" stroke-width="6.2"/>',
        '<path d="M30.8 32L30.6 11.5" stroke-width="6.4"/>',
        '<path d="M36.4 32.5L37.8 13.5" stroke-width="6.2"/>',
        '<path d="M41.2 35.5L44.2 20.5" stroke-width="5.6"/>',
        '<path d="M23.5 45L14.5 34" stroke-width="6.6"/>',
        '</g>',
        '<path d="M21.5 31.5C27 29.5 38 29.5 44 32.5L44.6 46C44.6 53 39.5 '
        '57.5 32.5 57.5C25.5 57.5 21 53.5 20.5 47.5Z" fill="%s"/>' % CREAM,
        # heart, head and life lines
        '<g fill="none" stroke="%s" stroke-width="1.7" '
        'stroke-linecap="round">' % ink,
        '<path d="M44 38.5C40 36 33.5 35.5 28.5 37"/>',
        '<path d="M24.5 40.5C30 40.5 36.5 42.5 40 46"/>',
        '<path d="M24.5 40.5C29.5 44 30.5 49.5 29.5 55"/>',
        '</g>',
    ]
    return svg(64, "Palmistry", body + "\n" + "\n".join(parts), defs)

# ------------------------------------------------------------ lotus -------


def lotus_defs():
    return ('<linearGradient id="petal" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#ffd1e1"/>'
            '<stop offset="1" stop-color="#e0558f"/></linearGradient>'
            '<linearGradient id="petalback" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#f6a8c8"/>'
            '<stop offset="1" stop-color="#b93a74"/></linearGradient>'
            '<radialGradient id="sky" cx="0.5" cy="0.4" r="0.6">'
            '<stop offset="0" stop-color="#3a7fa6"/>'
            '<stop offset="1" stop-color="#1d3f6e"/></radialGradient>')


def petal(length, width):
    w = width
    return ("M0 0C%s %s %s %s 0 %sC%s %s %s %s 0 0Z" % (
        f(-w), f(-length * 0.3), f(-w * 0.7), f(-length * 0.8), f(-length),
        f(w * 0.7), f(-length * 0.8), f(w), f(-length * 0.3)))


def lotus_group():
    """The lotus in a 64 x 64 box: water, back petals, front petals."""
    out = ['<circle cx="32" cy="32" r="30" fill="url(#sky)"/>',
           '<circle cx="32" cy="32" r="28" fill="none" stroke="#f4c04f" '
           'stroke-width="2"/>']
    base = (32, 43)
    back = [(-68, 15, 5.5), (68, 15, 5.5), (-36, 21, 6.5), (36, 21, 6.5)]
    front = [(-50, 18, 6), (50, 18, 6), (-18, 23, 6.5), (18, 23, 6.5),
             (0, 26, 7)]
    for a, length, w in back:
        out.append('<path transform="translate(%s %s) rotate(%d)" d="%s" '
                   'fill="url(#petalback)" stroke="#8f2759" '
                   'stroke-width="0.8"/>' % (f(base[0]), f(base[1]), a,
                                             petal(length, w)))
    for a, length, w in front:
        out.append('<path transform="translate(%s %s) rotate(%d)" d="%s" '
                   'fill="url(#petal)" stroke="#a8336b" '
                   'stroke-width="0.8"/>' % (f(base[0]), f(base[1]), a,
                                             petal(length, w)))
    # water ripples under the flower
    out.append('<path d="M14 48.5C20 46.5 26 50.5 32 48.5C38 46.5 44 50.5 50 '
               '48.5" fill="none" stroke="#9fd3ec" stroke-width="2" '
               'stroke-linecap="round"/>')
    out.append('<path d="M20 53.5C24 52 28 55 32 53.5C36 52 40 55 44 53.5" '
               'fill="none" stroke="#9fd3ec" stroke-width="1.6" '
               'stroke-linecap="round"/>')
    return "\n".join(out)


def app_icon():
    return svg(64, "Learning suite", lotus_group(), lotus_defs())


def about_logo():
    parts = ['<g transform="scale(2.5)">', lotus_group(), "</g>"]
    # a ring of small beads round the emblem
    for i in range(36):
        a = math.radians(i * 10)
        parts.append('<circle cx="%s" cy="%s" r="1.3" fill="#f4c04f"/>'
                     % (f(80 + 65 * math.cos(a)), f(80 + 65 * math.sin(a))))
    return svg(160, "Learning suite", "\n".join(parts), lotus_defs())


# Each picture goes into the content folder of the library that shows it.
PICTURES = {
    "learn_yoga/content/module.svg": learn_yoga,
    "zodiac_yoga/content/module.svg": zodiac_yoga,
    "aromatherapy/content/module.svg": aromatherapy,
    "cartomancy/content/module.svg": cartomancy,
    "dream_interpretation/content/module.svg": dream_interpretation,
    "palmistry/content/module.svg": palmistry,
    "toolkit/content/app-icon.svg": app_icon,
    "toolkit/content/about-logo.svg": about_logo,
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    src = argv[1] if len(argv) > 1 else os.path.normpath(
        os.path.join(here, "..", "..", "src"))
    for name, fn in PICTURES.items():
        path = os.path.join(src, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as fh:
            fh.write(fn())
    print("wrote %d pictures below %s" % (len(PICTURES), src))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
