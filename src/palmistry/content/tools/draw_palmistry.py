#!/usr/bin/env python3
"""Draws the 24 pictures of Learn Palmistry as SVG files.

    1 to 5    whole hands, palm towards the viewer: square, spatulate, conical,
              psychic and mixed hand (viewBox 0 0 308 360)
    6 to 10   one finger seen from the back: conical, spatulate, straight,
              square and knotty (viewBox 0 0 104 296)
    11 to 14  one drawing, four copies: the back of a hand whose four fingers
              carry the four nail shapes, each labelled (viewBox 0 0 308 360)
    15        the same four nails on four separate fingertips in a row
    16 to 24  one open palm with its creases drawn faintly and one line drawn
              in red, without its name, since the name test of the quiz shows
              the picture alone and asks for the name (viewBox 0 0 274 338)

Every outline is a smooth closed curve: the script lays out a few key points
(finger profiles, palm corners, mounts) and joins them with a centripetal
Catmull-Rom spline written as cubic Bezier segments.  A hand is several such
shapes (palm, fingers, thumb); they are drawn twice, first with a wide stroke
in the outline colour and then filled without stroke on top, so that only the
outer silhouette keeps an outline and the fingers melt into the palm.

The files use only what QtSvg draws from SVG Tiny 1.2: paths made of M, C and
Z commands, lines, text, one group transform, fill, stroke and opacity.  No
arcs, filters, masks, clipping, styles or external references.

The right hand is drawn throughout: seen from the palm side its thumb is on
the right of the picture, seen from the back (the nail pictures) on the left.

Usage, from the folder that holds palmistry.qrc:
    python3 tools/draw_palmistry.py            writes pictures/01.svg ... 24.svg
    python3 tools/draw_palmistry.py OUTDIR     writes them into OUTDIR
"""

import math
import os
import sys

# ---------------------------------------------------------------- style ----
SKIN = "#f2d0b0"
OUTLINE = "#9a6b4f"
OUTLINE_W = 2.0
CREASE = "#b07a5a"          # faint palm and finger creases
CREASE_OPACITY = 0.55
RED = "#c62828"             # the line a palm picture is about
RED_W = 4.0
NAIL_FILL = "#f8e0d6"
NAIL_EDGE = "#b5806a"
LUNULA = "#fdf3ee"
LABEL = "#5a3a28"
FONT = "Arial"

# ---------------------------------------------------------------- maths ----


def fmt(v):
    s = "%.1f" % v
    if s.endswith(".0"):
        s = s[:-2]
    return "0" if s == "-0" else s


def rot(p, deg):
    """Rotates p about the origin; positive angles turn clockwise on screen,
    so a finger pointing up (towards -y) leans to the right."""
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return (p[0] * c - p[1] * s, p[0] * s + p[1] * c)


def place(points, origin, deg=0.0):
    """Rotates local points by deg and moves them to origin."""
    out = []
    for x, y in points:
        x, y = rot((x, y), deg)
        out.append((origin[0] + x, origin[1] + y))
    return out


def lerp(a, b, t):
    return a + (b - a) * t


def interp(table, t):
    """Piecewise linear value of a [(t, value), ...] table."""
    if t <= table[0][0]:
        return table[0][1]
    for (t0, v0), (t1, v1) in zip(table, table[1:]):
        if t <= t1:
            return lerp(v0, v1, (t - t0) / (t1 - t0))
    return table[-1][1]


def spline(points, closed):
    """Centripetal Catmull-Rom through the points, as an SVG path string of
    cubic segments.  Centripetal spacing keeps tight corners (square finger
    tips) free of loops and overshoot."""
    pts = list(points)
    n = len(pts)
    if closed:
        ext = [pts[-1]] + pts + [pts[0], pts[1]]
        segs = n
    else:
        first = (2 * pts[0][0] - pts[1][0], 2 * pts[0][1] - pts[1][1])
        last = (2 * pts[-1][0] - pts[-2][0], 2 * pts[-1][1] - pts[-2][1])
        ext = [first] + pts + [last]
        segs = n - 1
    d = ["M%s,%s" % (fmt(pts[0][0]), fmt(pts[0][1]))]
    for i in range(segs):
        p0, p1, p2, p3 = ext[i], ext[i + 1], ext[i + 2], ext[i + 3]
        d1 = max(math.hypot(p1[0] - p0[0], p1[1] - p0[1]), 1e-6) ** 0.5
        d2 = max(math.hypot(p2[0] - p1[0], p2[1] - p1[1]), 1e-6) ** 0.5
        d3 = max(math.hypot(p3[0] - p2[0], p3[1] - p2[1]), 1e-6) ** 0.5
        b1 = tuple((d1 * d1 * p2[k] - d2 * d2 * p0[k]
                    + (2 * d1 * d1 + 3 * d1 * d2 + d2 * d2) * p1[k])
                   / (3 * d1 * (d1 + d2)) for k in (0, 1))
        b2 = tuple((d3 * d3 * p1[k] - d2 * d2 * p3[k]
                    + (2 * d3 * d3 + 3 * d3 * d2 + d2 * d2) * p2[k])
                   / (3 * d3 * (d3 + d2)) for k in (0, 1))
        d.append("C%s,%s %s,%s %s,%s" % (fmt(b1[0]), fmt(b1[1]), fmt(b2[0]),
                                         fmt(b2[1]), fmt(p2[0]), fmt(p2[1])))
    if closed:
        d.append("Z")
    return " ".join(d)


# ------------------------------------------------------------------ svg ----


class Svg:
    """Collects the elements of one picture in drawing order."""

    def __init__(self, w, h, title):
        self.w, self.h, self.title = w, h, title
        self.items = []

    def add(self, s):
        self.items.append(s)

    def path(self, d, fill="none", stroke=None, width=None, opacity=None):
        a = ['d="%s"' % d, 'fill="%s"' % fill]
        if stroke:
            a.append('stroke="%s" stroke-width="%s"' % (stroke, fmt(width)))
            a.append('stroke-linejoin="round" stroke-linecap="round"')
        if opacity is not None:
            a.append('opacity="%s"' % opacity)
        self.add("<path %s/>" % " ".join(a))

    def text(self, x, y, s, size, fill=LABEL, bold=False, anchor="middle"):
        weight = ' font-weight="bold"' if bold else ""
        self.add('<text x="%s" y="%s" font-family="%s" font-size="%s"%s '
                 'fill="%s" text-anchor="%s">%s</text>'
                 % (fmt(x), fmt(y), FONT, fmt(size), weight, fill, anchor, s))

    def line(self, p, q, stroke, width, opacity=None):
        op = ' opacity="%s"' % opacity if opacity is not None else ""
        self.add('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" '
                 'stroke-width="%s" stroke-linecap="round"%s/>'
                 % (fmt(p[0]), fmt(p[1]), fmt(q[0]), fmt(q[1]), stroke,
                    fmt(width), op))

    def render(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
                'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                % (self.w, self.h, self.w, self.h))
        return (head + "<title>%s</title>\n" % self.title
                + "\n".join(self.items) + "\n</svg>\n")


def silhouette(svg, outlines, fill=SKIN, edge=OUTLINE, width=OUTLINE_W):
    """Draws overlapping closed shapes as one outlined body: every outline
    first with a doubled stroke, then every fill on top, which covers the
    inner half of the stroke and every seam between the shapes."""
    for d in outlines:
        svg.path(d, fill=edge, stroke=edge, width=2 * width)
    for d in outlines:
        svg.path(d, fill=fill)


def crease(svg, pts, width=1.5, opacity=CREASE_OPACITY):
    svg.path(spline(pts, False), stroke=CREASE, width=width, opacity=opacity)


# -------------------------------------------------------------- fingers ----


class Finger:
    """A finger in local units: its base on the origin, pointing up (-y).

    length   from the base (where it leaves the palm) to the tip
    base     half width at the base
    mid      half width halfway up
    tip      half width where the tip begins to round off
    style    'round' (straight), 'conical', 'pointed', 'square', 'spatulate'
    knots    half width added at the two joints (knotty fingers)
    waist    half width taken off just below the tip (spatulate fingers)
    """

    def __init__(self, length, base, mid, tip, style, knots=0.0, waist=0.0):
        self.length, self.base, self.mid, self.tip = length, base, mid, tip
        self.style, self.knots, self.waist = style, knots, waist

    # position of the two joints along the finger, from the base
    J1, J2 = 0.42, 0.71

    def tip_height(self):
        """How far below the very tip the sides end and the tip begins."""
        return {"round": 1.0, "conical": 1.45, "pointed": 2.3,
                "square": 0.55, "spatulate": 0.6}[self.style] * self.tip

    def half_width(self, t):
        top = 1.0 - self.tip_height() / self.length
        hw = interp([(0.0, self.base), (0.5, self.mid), (top, self.tip)],
                    min(t, top))
        if self.knots:
            for j in (self.J1, self.J2):
                hw += self.knots * max(0.0, 1.0 - abs(t - j) / 0.09)
        if self.waist:
            hw -= self.waist * max(0.0, 1.0 - abs(t - (top - 0.1)) / 0.12)
        return hw

    def side(self):
        """Left side points from the base (inside the palm) up to the tip."""
        L = self.length
        top = 1.0 - self.tip_height() / L
        ts = [-0.25, 0.0, 0.2, 0.4, 0.55]
        if self.knots:
            ts = [-0.25, 0.0, 0.18, 0.3, self.J1, 0.55, self.J2, 0.8]
        elif self.waist:
            ts = [-0.25, 0.0, 0.25, 0.5, top - 0.2, top - 0.1]
        ts = [t for t in ts if t < top - 0.04] + [top]
        return [(-self.half_width(t), -t * L) for t in ts]

    def tip_points(self):
        """Points round the tip from left to right (excluding the sides)."""
        L, w, h = self.length, self.tip, self.tip_height()
        y0 = -L + h
        if self.style in ("round", "conical"):
            pts = []
            for a in (155, 125, 90, 55, 25):
                r = math.radians(a)
                pts.append((w * math.cos(r), y0 - h * math.sin(r)))
            return pts
        if self.style == "pointed":
            return [(-0.86 * w, y0 - 0.45 * h), (-0.5 * w, y0 - 0.8 * h),
                    (-0.16 * w, y0 - 0.98 * h), (0.16 * w, y0 - 0.98 * h),
                    (0.5 * w, y0 - 0.8 * h), (0.86 * w, y0 - 0.45 * h)]
        if self.style == "square":
            r = 0.5 * w
            return [(-w + 0.22 * r, -L + 0.3 * r), (-w + r, -L + 0.02 * r),
                    (0, -L), (w - r, -L + 0.02 * r), (w - 0.22 * r, -L + 0.3 * r)]
        # spatulate: broad, nearly flat, softly rounded corners
        r = 0.55 * w
        return [(-w + 0.2 * r, -L + 0.3 * r), (-w + r, -L + 0.04 * r),
                (0, -L - 0.03 * w), (w - r, -L + 0.04 * r), (w - 0.2 * r, -L + 0.3 * r)]

    def outline(self):
        left = self.side()
        right = [(-x, y) for x, y in reversed(left)]
        return left + self.tip_points() + right

    def palm_creases(self):
        """Short curved creases across the palm side of the finger, at its
        base and at the two joints, as local polylines."""
        out = []
        for t, k in ((0.02, 0.8), (self.J1, 0.72), (self.J2, 0.66)):
            y = -t * self.length
            w = self.half_width(t) * k
            out.append([(-w, y), (0, y + 1.6), (w, y)])
        return out


def finger_shape(kind, length, width):
    """A finger of the given kind, length and base half width: the five
    kinds of the finger pictures and the pointed finger of the psychic hand."""
    w = width
    if kind == "conical":
        return Finger(length, w, 0.86 * w, 0.6 * w, "conical")
    if kind == "spatulate":
        return Finger(length, w, 0.86 * w, 1.06 * w, "spatulate", waist=0.1 * w)
    if kind == "straight":
        return Finger(length, w, 0.95 * w, 0.9 * w, "round")
    if kind == "square":
        return Finger(length, w, 0.96 * w, 0.94 * w, "square")
    if kind == "knotty":
        return Finger(length, 0.92 * w, 0.78 * w, 0.8 * w, "square", knots=0.2 * w)
    if kind == "pointed":
        return Finger(length, 0.9 * w, 0.7 * w, 0.5 * w, "pointed")
    raise ValueError(kind)


# ----------------------------------------------------------------- hands ----


class Hand:
    """A right hand seen from the palm side, thumb on the right.

    cx, top    centre of the palm across, y where the middle finger starts
    width      palm width, length  palm length (finger base to wrist crease)
    top_w, bottom_w   palm width at the fingers and at the wrist crease, as
                      fractions of width (a spatulate palm flares, a conical
                      one narrows towards the fingers)
    corner     how round the upper palm corners are (0 square .. 1 round)
    fingers    four (kind, length) pairs: little, ring, middle, index
    spread     lean of the four fingers in degrees (default SPREAD)
    finger_w   base half width of the middle finger
    thumb      (kind, length), the length counted from deep in the palm
    wrist      width of the wrist as a fraction of width
    wrist_end  y where the wrist is cut off, or None to run off the picture
    mounts     how far the mount of the Moon and the mount of Venus bulge
    """

    SPREAD = (-11.0, -4.0, 1.0, 6.5)   # lean of little, ring, middle, index
    DROP = (0.13, 0.035, 0.0, 0.03)    # finger base below the top, x length
    WIDTHS = (0.78, 0.92, 1.0, 0.96)   # base widths relative to the middle

    def __init__(self, cx, top, width, length, fingers, finger_w, thumb,
                 top_w=1.0, bottom_w=0.92, corner=0.5, wrist=0.62,
                 wrist_end=None, mounts=(1.0, 1.0), spread=None):
        self.cx, self.top, self.width, self.length = cx, top, width, length
        self.fingers, self.finger_w, self.thumb = fingers, finger_w, thumb
        self.top_w, self.bottom_w, self.corner = top_w, bottom_w, corner
        self.wrist, self.wrist_end, self.mounts = wrist, wrist_end, mounts
        self.spread = spread or self.SPREAD

    # --- palm frame: u runs from the little finger edge (0) to the thumb
    # edge (1), v from the finger bases (0) to the wrist crease (1).
    def half(self, v):
        return 0.5 * self.width * interp(
            [(0.0, self.top_w), (0.25, lerp(self.top_w, 1.0, 0.6)), (0.5, 1.0),
             (1.0, self.bottom_w)], v)

    def edge_left(self, v):
        moon = 5.0 * self.mounts[0] * max(0.0, 1.0 - abs(v - 0.68) / 0.3)
        return self.cx - self.half(v) - moon

    def edge_right(self, v):
        venus = 8.0 * self.mounts[1] * max(0.0, 1.0 - abs(v - 0.66) / 0.34)
        return self.cx + self.half(v) + venus

    def at(self, u, v):
        return (lerp(self.edge_left(v), self.edge_right(v), u),
                self.top + v * self.length)

    def finger_bases(self):
        """Where the four fingers leave the palm: the little finger's outer
        side lines up with the palm's edge, the index finger's with the other
        edge, and the gaps between the fingers are equal."""
        half = 0.5 * self.width * self.top_w
        widths = [2 * self.finger_w * k for k in self.WIDTHS]
        gap = (2 * half - sum(widths)) / 3.0
        x = self.cx - half
        out = []
        for i, w in enumerate(widths):
            out.append((x + w / 2, self.top + self.DROP[i] * self.length))
            x += w + gap
        return out

    def finger_base(self, i):
        return self.finger_bases()[i]

    def palm_outline(self):
        """The palm from the little finger down the outer edge, across the
        wrist, up past the thumb to the index finger and back along the
        webs between the fingers."""
        L, top = self.length, self.top
        c = self.corner
        # the upper corners sit a little below the outer fingers' bases; a
        # round corner (c near 1) lies lower and a little inside the edge
        yl = self.finger_base(0)[1] + (0.03 + 0.07 * c) * L
        yr = self.finger_base(3)[1] + (0.04 + 0.07 * c) * L
        xl = self.edge_left((yl - top) / L)
        xr = self.edge_right((yr - top) / L)
        little, index = self.outer_sides()
        pts = [little, (xl + 0.3 + 1.5 * c, yl)]
        for v in (0.32, 0.55, 0.78, 0.95):
            pts.append((self.edge_left(v), top + v * L))
        wh = 0.5 * self.width * self.wrist
        if self.wrist_end is None:
            wy = top + L + 0.05 * L
            pts += [(self.cx - wh - 2, wy + 0.12 * L), (self.cx - wh, wy + 0.4 * L),
                    (self.cx + wh, wy + 0.4 * L), (self.cx + wh + 3, wy + 0.12 * L)]
        else:
            yb = self.wrist_end
            pts += [(self.cx - wh, yb - 8), (self.cx - wh + 4, yb - 0.5),
                    (self.cx, yb + 1.5),
                    (self.cx + wh - 4, yb - 0.5), (self.cx + wh, yb - 8)]
        for v in (0.95, 0.78, 0.55, 0.35):
            pts.append((self.edge_right(v), top + v * L))
        pts += [(xr - 0.3 - 1.5 * c, yr), index]
        pts += self.webs()
        return spline(pts, True)

    def outer_sides(self):
        """Points on the outer sides of the little and index finger at their
        bases, where the palm's edge runs into the finger."""
        out = []
        for i, sign in ((0, -1), (3, 1)):
            f, b, a = self.finger_parts()[i]
            out.append(place([(sign * (f.half_width(0.0) - 0.6), 0.0)], b, a)[0])
        return out

    WEB = 0.07    # how far up the fingers (as t) the skin between them reaches

    def webs(self):
        """The top edge of the palm from the index finger to the little
        finger: it runs hidden inside each finger and dips into a small
        rounded web in each gap between two fingers."""
        parts = self.finger_parts()

        def side(i, t, sign, inset):
            f, b, a = parts[i]
            return place([(sign * (f.half_width(t) - inset), -t * f.length)], b, a)[0]

        def inside(i):
            f, b, a = parts[i]
            return place([(0, -0.04 * f.length)], b, a)[0]

        # the outer corners run into the sides of the index and little finger
        pts = [side(3, self.WEB + 0.04, 1, 0.8), inside(3)]
        for right in (3, 2, 1):
            left = right - 1
            p = side(right, self.WEB, -1, 0)
            q = side(left, self.WEB, 1, 0)
            pts += [side(right, self.WEB + 0.06, -1, 1.2),
                    ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2 + 1.5),
                    side(left, self.WEB + 0.06, 1, 1.2), inside(left)]
        pts.append(side(0, self.WEB + 0.04, -1, 0.8))
        return pts

    def thumb_parts(self):
        """The thumb as a finger rooted deep in the mount of Venus and
        leaning out at 40 degrees; the palm covers its lower part."""
        kind, length = self.thumb
        base = self.at(0.86, 0.7)
        w = self.finger_w * 1.25
        f = finger_shape(kind, length, w)
        f.base, f.mid = w * 1.3, max(f.mid, w * 0.98)
        f.J1, f.J2 = 0.45, 0.72
        return f, base, 40.0

    def finger_parts(self):
        out = []
        for i, (kind, length) in enumerate(self.fingers):
            w = self.finger_w * self.WIDTHS[i]
            out.append((finger_shape(kind, length, w), self.finger_base(i),
                        self.spread[i]))
        return out

    def draw(self, svg, lines=("heart", "head", "life"), line_w=1.5,
             fine=False):
        """Draws the hand with its finger creases and the named palm lines;
        fine=True adds the many thin extra lines of a sensitive hand."""
        parts = self.finger_parts()
        thumb, tbase, tangle = self.thumb_parts()
        shapes = [self.palm_outline()]
        shapes.append(spline(place(thumb.outline(), tbase, tangle), True))
        for f, b, a in parts:
            shapes.append(spline(place(f.outline(), b, a), True))
        silhouette(svg, shapes)
        for f, b, a in parts:
            for c in f.palm_creases():
                crease(svg, place(c, b, a), width=1.2, opacity=0.45)
        # the crease across the thumb's joint
        y = -thumb.J2 * thumb.length
        w = thumb.half_width(thumb.J2) * 0.7
        crease(svg, place([(-w, y), (0, y + 2), (w, y)], tbase, tangle),
               width=1.2, opacity=0.45)
        for name in lines:
            crease(svg, self.line(name), width=line_w)
        if fine:
            for pts in self.FINE:
                crease(svg, [self.at(u, v) for u, v in pts], width=0.8, opacity=0.45)

    # --- the lines of the palm, in the palm frame
    LINES = {
        "heart": [(0.004, 0.27), (0.2, 0.255), (0.44, 0.235), (0.6, 0.18),
                  (0.69, 0.09), (0.73, 0.02)],
        "head": [(0.985, 0.34), (0.8, 0.38), (0.58, 0.43), (0.36, 0.5),
                 (0.15, 0.59)],
        "life": [(0.985, 0.34), (0.84, 0.41), (0.73, 0.53), (0.69, 0.68),
                 (0.72, 0.84), (0.8, 0.98)],
        "fate": [(0.56, 0.99), (0.57, 0.75), (0.585, 0.5), (0.6, 0.25),
                 (0.615, 0.03)],
        "sun": [(0.3, 0.72), (0.33, 0.5), (0.355, 0.27), (0.37, 0.05)],
        "health": [(0.71, 0.94), (0.57, 0.73), (0.42, 0.52), (0.27, 0.32),
                   (0.15, 0.17)],
        "girdle": [(0.76, 0.02), (0.71, 0.1), (0.6, 0.158), (0.5, 0.17),
                   (0.4, 0.158), (0.29, 0.1), (0.24, 0.02)],
    }
    # thin extra lines of a sensitive hand: a faint fate line, branches off
    # the heart and life lines and small lines on the mount of the Moon
    FINE = [
        [(0.55, 0.95), (0.57, 0.7), (0.59, 0.45)],
        [(0.3, 0.25), (0.36, 0.16), (0.4, 0.08)],
        [(0.74, 0.56), (0.6, 0.66), (0.5, 0.8)],
        [(0.06, 0.7), (0.14, 0.68), (0.22, 0.7)],
        [(0.05, 0.8), (0.13, 0.79), (0.2, 0.82)],
        [(0.3, 0.68), (0.33, 0.56), (0.35, 0.45)],
        [(0.8, 0.26), (0.7, 0.3), (0.62, 0.34)],
    ]
    # short marks that start on the outer edge: (v, length as part of width)
    MARKS = {
        "marriage": [(0.165, 0.12), (0.215, 0.09)],
        "travel": [(0.68, 0.13), (0.77, 0.15), (0.86, 0.12)],
    }

    def line(self, name):
        return [self.at(u, v) for u, v in self.LINES[name]]

    def marks(self, name):
        out = []
        for v, reach in self.MARKS[name]:
            x0 = self.edge_left(v) + 0.6
            y0 = self.top + v * self.length
            length = reach * self.width
            lift = 1.5 if name == "marriage" else -2.5
            out.append([(x0, y0), (x0 + 0.55 * length, y0 + 0.3 * lift),
                        (x0 + length, y0 + lift)])
        return out


# ----------------------------------------------------- pictures 1 to 5 ----

def hand_square(svg):
    Hand(cx=140, top=178, width=162, length=160, corner=0.0,
         top_w=1.0, bottom_w=0.98, wrist=0.7, finger_w=17.5,
         fingers=[("square", 68), ("square", 86), ("square", 94), ("square", 84)],
         thumb=("square", 108)).draw(svg, line_w=2.0)


def hand_spatulate(svg):
    Hand(cx=140, top=158, width=150, length=160, corner=0.3,
         top_w=1.08, bottom_w=0.84, wrist=0.62, finger_w=14.5,
         fingers=[("spatulate", 80), ("spatulate", 102), ("spatulate", 110),
                  ("spatulate", 100)],
         thumb=("square", 112)).draw(svg)


def hand_conical(svg):
    Hand(cx=140, top=150, width=134, length=170, corner=0.9,
         spread=(-6.0, -2.0, 1.0, 4.0),
         top_w=0.86, bottom_w=1.0, wrist=0.6, finger_w=13.5,
         fingers=[("conical", 86), ("conical", 108), ("conical", 118),
                  ("conical", 106)],
         thumb=("conical", 112)).draw(svg)


def hand_psychic(svg):
    Hand(cx=142, top=150, width=112, length=178, corner=1.0,
         spread=(-5.0, -1.5, 0.5, 3.5),
         top_w=0.86, bottom_w=0.9, wrist=0.62, finger_w=10.5, mounts=(0.6, 0.8),
         fingers=[("pointed", 98), ("pointed", 124), ("pointed", 136),
                  ("pointed", 120)],
         thumb=("conical", 112)).draw(svg, line_w=1.2, fine=True)


def hand_mixed(svg):
    Hand(cx=140, top=160, width=150, length=164, corner=0.3,
         top_w=0.98, bottom_w=0.94, wrist=0.64, finger_w=15,
         fingers=[("pointed", 82), ("spatulate", 100), ("square", 106),
                  ("conical", 98)],
         thumb=("straight", 108)).draw(svg)


# ---------------------------------------------------- pictures 6 to 10 ----

def nail_points(kind, w, tip_y):
    """A nail in local finger units, as a closed list of points: w is the
    half width of the finger under the nail, tip_y the y of the free edge."""
    shapes = {
        # (half width, length, style)
        "short": (0.78 * w, 1.05 * w, "short"),
        "square": (0.74 * w, 1.55 * w, "square"),
        "narrow": (0.46 * w, 2.05 * w, "narrow"),
        "almond": (0.6 * w, 1.85 * w, "almond"),
        "conical": (0.62 * w, 1.7 * w, "oval"),
        "fan": (0.8 * w, 1.55 * w, "fan"),
        "round": (0.68 * w, 1.6 * w, "oval"),
    }
    hw, ln, style = shapes[kind]
    y0, y1 = tip_y, tip_y + ln        # free edge, nail fold
    if style == "almond":
        return [(0, y0), (0.55 * hw, y0 + 0.14 * ln), (0.92 * hw, y0 + 0.42 * ln),
                (0.96 * hw, y0 + 0.7 * ln), (0.7 * hw, y1 - 0.02 * ln), (0, y1),
                (-0.7 * hw, y1 - 0.02 * ln), (-0.96 * hw, y0 + 0.7 * ln),
                (-0.92 * hw, y0 + 0.42 * ln), (-0.55 * hw, y0 + 0.14 * ln)]
    if style == "narrow":
        return [(0, y0), (0.75 * hw, y0 + 0.06 * ln), (hw, y0 + 0.22 * ln),
                (hw, y1 - 0.2 * ln), (0.7 * hw, y1 - 0.03 * ln), (0, y1),
                (-0.7 * hw, y1 - 0.03 * ln), (-hw, y1 - 0.2 * ln),
                (-hw, y0 + 0.22 * ln), (-0.75 * hw, y0 + 0.06 * ln)]
    if style in ("square", "short"):
        r = 0.22 * min(hw, ln) * (1.0 if style == "square" else 1.6)
        return [(0, y0), (hw - r, y0 + 0.01 * ln), (hw, y0 + r), (hw, y1 - r),
                (hw - 0.8 * r, y1 - 0.05 * r), (0, y1 + 0.02 * ln),
                (-hw + 0.8 * r, y1 - 0.05 * r), (-hw, y1 - r), (-hw, y0 + r),
                (-hw + r, y0 + 0.01 * ln)]
    if style == "fan":
        return [(0, y0 - 0.02 * ln), (0.7 * hw, y0 + 0.02 * ln), (hw, y0 + 0.16 * ln),
                (0.82 * hw, y1 - 0.25 * ln), (0.55 * hw, y1 - 0.03 * ln), (0, y1),
                (-0.55 * hw, y1 - 0.03 * ln), (-0.82 * hw, y1 - 0.25 * ln),
                (-hw, y0 + 0.16 * ln), (-0.7 * hw, y0 + 0.02 * ln)]
    # oval, a plain rounded nail
    return [(0, y0), (0.7 * hw, y0 + 0.1 * ln), (hw, y0 + 0.4 * ln),
            (0.92 * hw, y1 - 0.15 * ln), (0.55 * hw, y1 - 0.01 * ln), (0, y1),
            (-0.55 * hw, y1 - 0.01 * ln), (-0.92 * hw, y1 - 0.15 * ln),
            (-hw, y0 + 0.4 * ln), (-0.7 * hw, y0 + 0.1 * ln)]


def draw_nail(svg, kind, w, tip_y, origin, angle=0.0, scale_w=1.0):
    pts = nail_points(kind, w, tip_y)
    svg.path(spline(place(pts, origin, angle), True), fill=NAIL_FILL,
             stroke=NAIL_EDGE, width=1.4)
    # the pale half moon at the root of the nail
    ys = [p[1] for p in pts]
    y1 = max(ys)
    hw = max(p[0] for p in pts)
    ln = y1 - min(ys)
    lw, lh = 0.5 * hw, min(0.22 * ln, 0.5 * hw)
    moon = [(-lw, y1 - 0.08 * ln), (-0.7 * lw, y1 - 0.08 * ln - 0.75 * lh),
            (0, y1 - 0.08 * ln - lh), (0.7 * lw, y1 - 0.08 * ln - 0.75 * lh),
            (lw, y1 - 0.08 * ln), (0, y1 - 0.05 * ln)]
    svg.path(spline(place(moon, origin, angle), True), fill=LUNULA)
    # the white free edge
    k = {"almond": 0.3, "narrow": 0.45}.get(kind, 0.6)
    free = [(-k * hw, min(ys) + 0.1 * ln), (0, min(ys) + 0.06 * ln),
            (k * hw, min(ys) + 0.1 * ln)]
    svg.path(spline(place(free, origin, angle), False), stroke="#fffaf6",
             width=1.3, opacity=0.9)


def knuckle_wrinkles(svg, f, origin, angle, strong=False, joints=None):
    """Wrinkles on the back of a finger over its joints (both by default)."""
    for j, n in joints or ((f.J1, 3), (f.J2, 2)):
        for k in range(n):
            t = j + (k - (n - 1) / 2.0) * 0.022
            y = -t * f.length
            w = f.half_width(t) * (0.42 - 0.07 * abs(k - (n - 1) / 2.0))
            pts = [(-w, y + 1.5), (0, y - 1.5), (w, y + 1.5)]
            crease(svg, place(pts, origin, angle), width=1.3 if strong else 1.1,
                   opacity=0.6 if strong else 0.45)


FINGER_NAILS = {"conical": "conical", "spatulate": "fan", "straight": "round",
                "square": "square", "knotty": "square"}


def single_finger(kind):
    def draw(svg):
        f = finger_shape(kind, 276, 27)
        origin = (52, 300)
        silhouette(svg, [spline(place(f.outline(), origin), True)])
        knuckle_wrinkles(svg, f, origin, 0.0, strong=(kind == "knotty"))
        tip_y = -f.length + 0.12 * f.tip_height() + 2.5
        w = f.half_width(0.92)
        draw_nail(svg, FINGER_NAILS[kind], w, tip_y, origin)
    return draw


# --------------------------------------------------- pictures 11 to 15 ----

# nail shape, label, the label broken into two lines for picture 15
NAILS = [("short", "Short and Wide", ("Short", "and Wide")),
         ("square", "Broad and Square", ("Broad", "and Square")),
         ("narrow", "Long and Narrow", ("Long", "and Narrow")),
         ("almond", "Almond-Shaped", ("Almond-", "Shaped"))]


def label_x(x, text, size, width):
    """Keeps a centred label inside the picture (Arial is about 0.56 em
    wide per character on average)."""
    half = 0.28 * size * len(text) + 4
    return min(max(x, half), width - half)


def nail_hand(svg):
    """The back of a right hand (thumb on the left), fingers up, cut off
    below the knuckles; index to little finger carry the four nails.  The
    hand is drawn in its own units and set into the picture at 0.86 scale,
    so that the spread thumb fits; the labels are placed in picture units."""
    fingers = [  # base point, lean, length, base half width
        ((90, 262), -6.0, 170, 25.0),
        ((146, 255), 0.0, 188, 26.0),
        ((200, 262), 6.0, 176, 24.5),
        ((247, 281), 9.0, 138, 22.0),
    ]
    scale, shift = 0.86, (30.0, 36.0)

    def to_picture(p):
        return (shift[0] + scale * p[0], shift[1] + scale * p[1])

    svg.add('<g transform="translate(%s,%s) scale(%s)">'
            % (fmt(shift[0]), fmt(shift[1]), scale))
    shapes = []
    # the back of the hand, running off the bottom of the picture
    shapes.append(spline([(72, 262), (110, 246), (174, 244), (230, 256),
                          (268, 300), (269.5, 326), (267, 358), (263, 390), (110, 390),
                          (90, 340), (80, 318), (72, 290), (70, 266)], True))
    # the thumb, spread out to the left
    thumb = Finger(170, 27, 22, 19.5, "round")
    thumb_base, thumb_lean = (122, 392), -42.0
    shapes.append(spline(place(thumb.outline(), thumb_base, thumb_lean), True))
    parts = []
    for (base, lean, length, w) in fingers:
        f = Finger(length, w, 0.93 * w, 0.88 * w, "round")
        parts.append((f, base, lean))
        shapes.append(spline(place(f.outline(), base, lean), True))
    silhouette(svg, shapes)
    # the knuckles of the hand as soft curves
    for (f, base, lean) in parts:
        x, y = base
        crease(svg, [(x - 10, y + 13), (x, y + 8), (x + 10, y + 13)], width=1.2,
               opacity=0.4)
        knuckle_wrinkles(svg, f, base, lean)
    knuckle_wrinkles(svg, thumb, thumb_base, thumb_lean, joints=((0.74, 2),))
    draw_nail(svg, "round", thumb.half_width(0.9),
              -thumb.length + 0.12 * thumb.tip_height() + 2, thumb_base, thumb_lean)
    tops = []
    for (f, base, lean), (kind, _, _) in zip(parts, NAILS):
        tip_y = -f.length + 0.12 * f.tip_height() + 2
        draw_nail(svg, kind, f.half_width(0.9), tip_y, base, lean)
        tops.append(to_picture(place([(0, -f.length - 3)], base, lean)[0]))
    svg.add("</g>")
    label_rows = (20, 41)
    for i, (top, (_, label, _)) in enumerate(zip(tops, NAILS)):
        ly = label_rows[i % 2]
        lx = label_x(top[0], label, 11, svg.w)
        svg.line((lx, ly + 4), (top[0], top[1] - 2), LABEL, 0.8, opacity=0.7)
        svg.text(lx, ly, label, 11)


def nail_row(svg):
    """Four fingertips standing side by side, each with one nail shape and
    its name above it."""
    xs = (44, 116, 190, 264)
    for x, (kind, _, lines) in zip(xs, NAILS):
        f = Finger(282, 26, 25, 24, "round")
        base = (x, 392)
        silhouette(svg, [spline(place(f.outline(), base), True)])
        knuckle_wrinkles(svg, f, base, 0.0)
        tip_y = -f.length + 0.12 * f.tip_height() + 2
        draw_nail(svg, kind, f.half_width(0.9), tip_y, base)
        svg.text(x, 62, lines[0], 12.5)
        svg.text(x, 77, lines[1], 12.5)


# --------------------------------------------------- pictures 16 to 24 ----

def line_hand():
    return Hand(cx=124, top=128, width=146, length=150, corner=0.7,
                top_w=0.95, bottom_w=0.9, wrist=0.84, finger_w=13.5,
                wrist_end=304,
                fingers=[("straight", 70), ("straight", 92), ("straight", 100),
                         ("straight", 90)],
                thumb=("straight", 98))


def palm_line(name):
    """The palm with one line in red.  The picture carries no name: the quiz
    shows it alone and asks the user to pick the line's name."""
    def draw(svg):
        hand = line_hand()
        hand.draw(svg, lines=("heart", "head", "life", "fate"), line_w=1.6)
        # the bracelet crease at the wrist
        crease(svg, [hand.at(0.18, 1.03), hand.at(0.5, 1.05), hand.at(0.82, 1.03)],
               width=1.2, opacity=0.4)
        if name in Hand.MARKS:
            for m in hand.marks(name):
                svg.path(spline(m, False), stroke=RED, width=RED_W)
        else:
            svg.path(spline(hand.line(name), False), stroke=RED, width=RED_W)
    return draw


# ------------------------------------------------------------ the list ----

HAND_BOX = (308, 360)
FINGER_BOX = (104, 296)
PALM_BOX = (274, 338)

PICTURES = [
    (1, HAND_BOX, "Square hand", hand_square),
    (2, HAND_BOX, "Spatulate hand", hand_spatulate),
    (3, HAND_BOX, "Conical hand", hand_conical),
    (4, HAND_BOX, "Psychic hand", hand_psychic),
    (5, HAND_BOX, "Mixed hand", hand_mixed),
    (6, FINGER_BOX, "Conical finger", single_finger("conical")),
    (7, FINGER_BOX, "Spatulate finger", single_finger("spatulate")),
    (8, FINGER_BOX, "Straight finger", single_finger("straight")),
    (9, FINGER_BOX, "Square finger", single_finger("square")),
    (10, FINGER_BOX, "Knotty finger", single_finger("knotty")),
    (11, HAND_BOX, "Nail shapes", nail_hand),
    (12, HAND_BOX, "Nail shapes", nail_hand),
    (13, HAND_BOX, "Nail shapes", nail_hand),
    (14, HAND_BOX, "Nail shapes", nail_hand),
    (15, HAND_BOX, "Nail shapes on four fingertips", nail_row),
    (16, PALM_BOX, "Life line", palm_line("life")),
    (17, PALM_BOX, "Head line", palm_line("head")),
    (18, PALM_BOX, "Heart line", palm_line("heart")),
    (19, PALM_BOX, "Fate line", palm_line("fate")),
    (20, PALM_BOX, "Fame line", palm_line("sun")),
    (21, PALM_BOX, "Marriage or relationship line",
     palm_line("marriage")),
    (22, PALM_BOX, "Health line", palm_line("health")),
    (23, PALM_BOX, "Travel line", palm_line("travel")),
    (24, PALM_BOX, "Girdle of Venus", palm_line("girdle")),
]


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "pictures")
    os.makedirs(out, exist_ok=True)
    for number, (w, h), title, draw in PICTURES:
        svg = Svg(w, h, title)
        draw(svg)
        name = os.path.join(out, "%02d.svg" % number)
        with open(name, "w", encoding="ascii", newline="\n") as fh:
            fh.write(svg.render())
    print("wrote %d pictures to %s" % (len(PICTURES), os.path.normpath(out)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
