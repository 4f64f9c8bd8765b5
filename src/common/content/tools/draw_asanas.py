#!/usr/bin/env python3
"""Draws the asana (yoga posture) pictures of the suite as SVG files.

Every figure is built from one fixed body: the same segment lengths and
thicknesses are used in every pose, only the joint angles change.  A pose is
written as a small function that places the hip, tilts the trunk and head and
bends the arms and legs (by angle, or by reaching a target point with a
two-bone solver).  The renderer then puts the lowest point of the body on the
mat, centres the figure and writes a plain SVG (Tiny 1.2 subset: paths,
circles, rects and one gradient) that QtSvg can show.

Angles are in degrees, counter-clockwise, 0 pointing right, 90 pointing up.
Poses are designed facing right (the chest is on the right when the trunk is
upright); `mirror=True` flips the finished figure.

Usage:  python3 draw_asanas.py [output-dir]      (default: the folder above)
        python3 draw_asanas.py --list
To add a posture, write a function decorated with @pose("NN Name", "title")
and run the script again.
"""

import math
import os
import sys

# ---------------------------------------------------------------- body ----
HEAD_R = 11.5
NECK = 6.5
TORSO = 50.0          # hip joint to the base of the neck
SHOULDER_DROP = 6.0   # arm root below the base of the neck
THIGH, SHIN, FOOT = 43.0, 41.0, 14.0
UPPER, FORE, HAND = 29.0, 25.0, 10.5

R_HIP, R_KNEE, R_ANKLE, R_TOE = 9.6, 6.4, 4.2, 2.7
R_SHOULDER, R_ELBOW, R_WRIST, R_FINGER = 5.6, 4.5, 3.5, 2.7
R_NECK = 4.6

# side view trunk profile: (position along trunk 0..1, front, back half width)
SIDE_PROFILE = [(0.00, 10.5, 12.5), (0.20, 9.8, 11.2), (0.42, 9.6, 9.4),
                (0.62, 11.6, 9.4), (0.80, 12.2, 10.4), (0.93, 9.6, 9.8),
                (1.00, 5.5, 6.5)]
# front view trunk profile: (position, half width)
FRONT_PROFILE = [(0.00, 16.0), (0.20, 14.6), (0.42, 12.6), (0.64, 14.2),
                 (0.84, 17.0), (0.95, 16.0), (1.00, 6.0)]
FRONT_HIP_SPREAD = 8.5
FRONT_SHOULDER_SPREAD = 15.0

# --------------------------------------------------------------- style ----
W, H = 300, 220
FLOOR = 198.0
NEAR = "#3f86b0"
FAR = "#2c6688"
LINE = "#173a52"
HAIR = "#27303c"
SOLE = "#a9cde3"
OUTLINE_W = 3.2
# one scale for every pose, so that all figures have the same size; a
# standing figure is about 185 units tall at 1.1
SCALE = 1.1
# room kept above the tallest figures (the head knot of the eagle reaches
# this high); taller ones are drawn smaller with render(fit=True)
FIT_TOP = 12.0

# --------------------------------------------------------------- maths ----


def d2r(a):
    return a * math.pi / 180.0


def vec(a, length=1.0):
    return (length * math.cos(d2r(a)), length * math.sin(d2r(a)))


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


def mul(p, k):
    return (p[0] * k, p[1] * k)


def along(p, a, length):
    return add(p, vec(a, length))


def angle_of(v):
    return math.degrees(math.atan2(v[1], v[0]))


def dist(p, q):
    return math.hypot(p[0] - q[0], p[1] - q[1])


def ik(root, target, l1, l2, bend):
    """Two-bone solver: angles of both bones reaching from root to target.

    bend=+1 puts the middle joint on the counter-clockwise side of the line
    root->target, bend=-1 on the clockwise side.  Targets out of reach give
    a straight limb pointing at them."""
    d = dist(root, target)
    d = max(abs(l1 - l2) + 1e-6, min(l1 + l2 - 1e-6, d))
    base = angle_of(sub(target, root))
    c = (l1 * l1 + d * d - l2 * l2) / (2 * l1 * d)
    a1 = base + bend * math.degrees(math.acos(max(-1.0, min(1.0, c))))
    joint = along(root, a1, l1)
    a2 = angle_of(sub(target, joint))
    return a1, a2


def trunk_axis(hip, torso, bend, d):
    """Point and direction of the spine at distance d from the hip.  A
    straight trunk (bend 0) points along `torso`; a curved one turns
    evenly by `bend` degrees between the hip and the base of the neck
    (side bends, back arches).  Before the hip it runs on straight."""
    if bend == 0 or d <= 0:
        return along(hip, torso, d), torso
    k = d2r(bend) / TORSO            # turn per unit length
    a0, a = d2r(torso), d2r(torso) + k * d
    p = (hip[0] + (math.sin(a) - math.sin(a0)) / k,
         hip[1] - (math.cos(a) - math.cos(a0)) / k)
    return p, math.degrees(a)

# --------------------------------------------------------------- shapes ---


class Shape:
    """One outlined solid: a tapered capsule, a circle or a smooth blob."""

    def __init__(self, kind, data, colour):
        self.kind, self.data, self.colour = kind, data, colour

    def points(self):
        """Sample points (with radius) used for placing the figure."""
        if self.kind == "cap":
            a, ra, b, rb = self.data
            return [(a, ra), (b, rb)]
        if self.kind == "circle":
            return [self.data]
        return [(p, 0.0) for p in self.data]


def capsule(a, ra, b, rb, colour):
    return Shape("cap", (a, ra, b, rb), colour)


class Figure:
    """Collects the body parts of one pose in layers."""

    def __init__(self):
        self.layers = {}     # layer -> list of shapes
        self.decor = []      # (layer, svg-maker) drawn after the layer fill

    def put(self, layer, shape):
        self.layers.setdefault(layer, []).append(shape)

    def put_decor(self, layer, maker):
        self.decor.append((layer, maker))


def head_shapes(fig, layer, centre, face, colour, front=False, tilt=90.0):
    """Head with hair; in side view a nose, in front view two eyes.

    The top knot sits on the crown, so it never pokes through the floor
    when the head lies on its back."""
    if front:
        knot = along(centre, tilt, HEAD_R + 2.6)
    else:
        knot = along(centre, face + 118, HEAD_R + 1.6)
    fig.put(layer, Shape("circle", (knot, 4.4), HAIR))
    fig.put(layer, Shape("circle", (centre, HEAD_R), colour))
    if not front:
        fig.put(layer, Shape("circle", (along(centre, face - 14, HEAD_R - 0.6),
                                        2.3), colour))

    def hair(tf):
        if front:
            up = tilt
            pts = [along(centre, up + a, HEAD_R + 0.7)
                   for a in frange(-95, 95, 10)]
            inner_c = along(centre, up, 3.5)
            pts += [along(inner_c, up + a, HEAD_R - 1.2)
                    for a in frange(80, -80, -10)]
        else:
            pts = [along(centre, a, HEAD_R + 0.7)
                   for a in frange(face + 62, face + 245, 12)]
            inner_c = along(centre, face + 192, 4.3)
            pts += [along(inner_c, a, HEAD_R - 1.6)
                    for a in frange(face + 238, face + 70, -12)]
        return path_d(tf, pts, closed=True, smooth=False, fill=HAIR)

    fig.put_decor(layer, hair)


def frange(a, b, step):
    out = []
    x = a
    if step > 0:
        while x <= b + 1e-9:
            out.append(x)
            x += step
    else:
        while x >= b - 1e-9:
            out.append(x)
            x += step
    if abs(out[-1] - b) > 1e-6:
        out.append(b)
    return out


def side_eye(fig, layer, centre, face, wide=False):
    eye = add(along(centre, face, HEAD_R * 0.52), vec(face + 90, HEAD_R * 0.22))

    def draw(tf):
        if wide:
            # wide open, gazing upwards
            return (circle_svg(tf, eye, 3.1, "#ffffff", stroke=LINE, sw=1.0) +
                    circle_svg(tf, along(eye, face + 70, 1.3), 1.4, LINE))
        return circle_svg(tf, eye, 1.5, LINE)

    fig.put_decor(layer, draw)

# ---------------------------------------------------------- side view -----


class Side:
    """A side-view body.  Parts: trunk (with neck and head), near/far arm,
    near/far leg.  Default layers: far arm 0, far leg 1, near leg 2, trunk
    3, near arm 4 (the trunk hides the top of the thighs); give `layers` to
    change them.  `bend` curves the spine (degrees, counter-clockwise from
    the hip up to the neck): positive arches a right-facing body back."""

    DEFAULT_LAYERS = {"far_arm": 0, "far_leg": 1, "near_leg": 2,
                      "trunk": 3, "near_arm": 4}

    def __init__(self, hip=(0.0, 0.0), torso=90.0, neck=None, face=None,
                 layers=None, bend=0.0):
        self.fig = Figure()
        self.lay = dict(self.DEFAULT_LAYERS)
        if layers:
            self.lay.update(layers)
        self.hip = hip
        self.torso = torso
        self.bend = bend
        self.top, end = trunk_axis(hip, torso, bend, TORSO)
        self.arm_root = trunk_axis(hip, torso, bend, TORSO - SHOULDER_DROP)[0]
        self.neck = end if neck is None else neck
        self.face = (self.neck - 90) if face is None else face
        self.head = along(self.top, self.neck, NECK + HEAD_R)
        self._trunk()

    def _trunk(self):
        t, hip, bend = self.torso, self.hip, self.bend
        back_n = t + 90
        back_pts, front_pts = [], []
        for s, f, b in SIDE_PROFILE:
            c, a = trunk_axis(hip, t, bend, s * TORSO)
            front_pts.append(along(c, a - 90, f))
            back_pts.append(along(c, a + 90, b))
        bottom = along(along(hip, t, -0.16 * TORSO), back_n, 3.0)
        topp = trunk_axis(hip, t, bend, 1.03 * TORSO)[0]
        pts = list(reversed(back_pts)) + [bottom] + front_pts + [topp]
        layer = self.lay["trunk"]
        self.fig.put(layer, Shape("blob", pts, NEAR))
        self.fig.put(layer, capsule(trunk_axis(hip, t, bend, TORSO * 0.9)[0],
                                    R_NECK + 1,
                                    self.head, R_NECK, NEAR))
        head_shapes(self.fig, layer, self.head, self.face, NEAR)

    def eye(self, wide=False):
        side_eye(self.fig, self.lay["trunk"], self.head, self.face, wide)

    # --- arms
    def arm(self, side, upper, fore, hand, k=(1.0, 1.0, 1.0)):
        """Arm by bone angles; k shortens bones that point out of the
        picture (1 = in the picture plane)."""
        if not all(0.0 < x <= 1.0 for x in k):
            raise ValueError("a bone can look shorter, never longer")
        colour = NEAR if side == "near" else FAR
        layer = self.lay[side + "_arm"]
        s = self.arm_root
        e = along(s, upper, UPPER * k[0])
        w = along(e, fore, FORE * k[1])
        f = along(w, hand, HAND * k[2])
        self.fig.put(layer, capsule(s, R_SHOULDER, e, R_ELBOW, colour))
        self.fig.put(layer, capsule(e, R_ELBOW, w, R_WRIST, colour))
        self.fig.put(layer, capsule(w, R_WRIST, f, R_FINGER, colour))
        return {"shoulder": s, "elbow": e, "wrist": w, "tip": f}

    def arm_to(self, side, wrist, bend, hand):
        a1, a2 = ik(self.arm_root, wrist, UPPER, FORE, bend)
        return self.arm(side, a1, a2, hand)

    def fingers(self, side, wrist, angles, length=HAND + 1.5):
        colour = NEAR if side == "near" else FAR
        layer = self.lay[side + "_arm"]
        palm = wrist
        for a in angles:
            self.fig.put(layer, capsule(palm, 2.2, along(palm, a, length), 1.6,
                                        colour))

    # --- legs
    def leg(self, side, thigh, shin, foot):
        colour = NEAR if side == "near" else FAR
        layer = self.lay[side + "_leg"]
        h = self.hip
        k = along(h, thigh, THIGH)
        a = along(k, shin, SHIN)
        toe = along(a, foot, FOOT)
        heel = along(along(a, foot + 180, 3.2), foot - 90, 1.6)
        self.fig.put(layer, capsule(h, R_HIP, k, R_KNEE, colour))
        self.fig.put(layer, capsule(k, R_KNEE, a, R_ANKLE, colour))
        self.fig.put(layer, capsule(heel, R_ANKLE - 0.3, toe, R_TOE, colour))
        self.fig.put(layer, capsule(a, R_ANKLE, toe, R_TOE, colour))
        return {"hip": h, "knee": k, "ankle": a, "toe": toe}

    def leg_to(self, side, ankle, bend, foot):
        a1, a2 = ik(self.hip, ankle, THIGH, SHIN, bend)
        return self.leg(side, a1, a2, foot)

# --------------------------------------------------------- front view -----


class Front:
    """A front-view body.  Limbs are 'left' and 'right' as seen in the
    picture.  Each bone takes an optional foreshortening factor (0..1) for
    bones that point towards or away from the viewer.  `bend` curves the
    spine sideways (degrees, counter-clockwise from the hip up to the
    neck), `pelvis` tilts the hips apart from the trunk (the direction the
    trunk would have if the hips were square to it) and `look` turns the
    head to a side view facing that way (a twist)."""

    DEFAULT_LAYERS = {"left_leg": 1, "right_leg": 1, "trunk": 2,
                      "left_arm": 3, "right_arm": 3}

    def __init__(self, hip=(0.0, 0.0), torso=90.0, neck=None, layers=None,
                 bend=0.0, pelvis=None, look=None):
        self.fig = Figure()
        self.lay = dict(self.DEFAULT_LAYERS)
        if layers:
            self.lay.update(layers)
        self.hip = hip
        self.torso = torso
        self.bend = bend
        self.look = look
        self.top, end = trunk_axis(hip, torso, bend, TORSO)
        self.neck = end if neck is None else neck
        self.head = along(self.top, self.neck, NECK + HEAD_R)
        n = (torso if pelvis is None else pelvis) - 90
        self.hip_joint = {"right": along(hip, n, FRONT_HIP_SPREAD),
                          "left": along(hip, n, -FRONT_HIP_SPREAD)}
        sh, a = trunk_axis(hip, torso, bend, TORSO - SHOULDER_DROP - 1)
        n = a - 90
        self.arm_root = {"right": along(sh, n, FRONT_SHOULDER_SPREAD),
                         "left": along(sh, n, -FRONT_SHOULDER_SPREAD)}
        self._trunk()

    def _trunk(self):
        t, hip, bend = self.torso, self.hip, self.bend
        right, left = [], []
        for s, w in FRONT_PROFILE:
            c, a = trunk_axis(hip, t, bend, s * TORSO)
            right.append(along(c, a - 90, w))
            left.append(along(c, a - 90, -w))
        bottom = along(hip, t, -0.14 * TORSO)
        topp = trunk_axis(hip, t, bend, 1.03 * TORSO)[0]
        pts = list(reversed(left)) + [bottom] + right + [topp]
        layer = self.lay["trunk"]
        self.fig.put(layer, Shape("blob", pts, NEAR))
        self.fig.put(layer, capsule(trunk_axis(hip, t, bend, TORSO * 0.9)[0],
                                    R_NECK + 1.5, self.head, R_NECK + 0.5,
                                    NEAR))
        if self.look is None:
            head_shapes(self.fig, layer, self.head, 0, NEAR, front=True,
                        tilt=self.neck)
        else:
            head_shapes(self.fig, layer, self.head, self.look, NEAR)
            side_eye(self.fig, layer, self.head, self.look)

    def face(self, eyes="open", mouth=True, eye_gap=4.2):
        c, up = self.head, self.neck
        layer = self.lay["trunk"]

        def draw(tf):
            out = []
            for side in (-1, 1):
                e = add(along(c, up - 90, side * eye_gap), vec(up, 0.5))
                if eyes == "closed":
                    a = add(e, vec(up - 90, -2.0))
                    b = add(e, vec(up - 90, 2.0))
                    out.append(path_d(tf, [a, add(e, vec(up, -1.2)), b],
                                      closed=False, smooth=True, fill="none",
                                      stroke=LINE, sw=1.2))
                else:
                    out.append(circle_svg(tf, e, 1.5, LINE))
            if mouth:
                m = along(c, up, -5.0)
                a = add(m, vec(up - 90, -2.6))
                b = add(m, vec(up - 90, 2.6))
                out.append(path_d(tf, [a, add(m, vec(up, -1.0)), b],
                                  closed=False, smooth=True, fill="none",
                                  stroke=LINE, sw=1.1))
            return "".join(out)

        self.fig.put_decor(layer, draw)

    def _chain(self, root, joints, lengths, radii, layers):
        """Draws bones through the given points.  A bone may look shorter
        than it is (it points towards the viewer) but never longer."""
        pts = [root] + list(joints)
        for i, length in enumerate(lengths):
            seen = dist(pts[i], pts[i + 1])
            if seen > length + 0.6:
                raise ValueError("bone %d drawn %.1f long, is %.1f"
                                 % (i, seen, length))
            self.fig.put(layers[i], capsule(pts[i], radii[i], pts[i + 1],
                                            radii[i + 1], NEAR))
        return pts

    def arm_pts(self, side, elbow, wrist, tip, layers=None):
        lay = layers or (self.lay[side + "_arm"],) * 3
        return self._chain(self.arm_root[side], (elbow, wrist, tip),
                           (UPPER, FORE, HAND),
                           (R_SHOULDER, R_ELBOW, R_WRIST, R_FINGER), lay)

    def arm_to(self, side, wrist, bend, hand, hand_k=1.0, layers=None):
        a1, a2 = ik(self.arm_root[side], wrist, UPPER, FORE, bend)
        e = along(self.arm_root[side], a1, UPPER)
        w = along(e, a2, FORE)
        return self.arm_pts(side, e, w, along(w, hand, HAND * hand_k), layers)

    def leg_to(self, side, ankle, bend, toe, layers=None, foot_r=R_ANKLE):
        """Leg reaching its ankle to a point; `toe` is where the foot ends
        (a foot that points at the viewer is drawn short)."""
        a1, a2 = ik(self.hip_joint[side], ankle, THIGH, SHIN, bend)
        k = along(self.hip_joint[side], a1, THIGH)
        return self.leg_pts(side, k, along(k, a2, SHIN), toe, layers, foot_r)

    def mudra(self, side, tip):
        """Thumb and index finger joined in a ring at the finger tips."""
        layer = self.lay[side + "_arm"]
        self.fig.put_decor(layer, lambda tf: circle_svg(
            tf, tip, 2.1, SOLE, stroke=LINE, sw=1.2))

    def leg_pts(self, side, knee, ankle, toe, layers=None, foot_r=R_ANKLE,
                sole=False):
        """sole=True marks the sole of a foot that faces the viewer or
        the sky (feet resting on the thighs)."""
        lay = layers or (self.lay[side + "_leg"],) * 3
        pts = self._chain(self.hip_joint[side], (knee, ankle, toe),
                          (THIGH, SHIN, FOOT),
                          (R_HIP, R_KNEE, foot_r, foot_r * 0.72), lay)
        if sole:
            a = along(ankle, angle_of(sub(toe, ankle)), 1.5)
            patch = capsule(a, foot_r * 0.55, toe, foot_r * 0.35, SOLE)
            self.fig.put_decor(lay[2], lambda tf: shape_svg(tf, patch, SOLE))
        return pts


# ------------------------------------------------------------- output -----


class Transform:
    """Model space (y up, hip near the origin) to picture space."""

    def __init__(self, dx, dy, mirror, scale):
        self.dx, self.dy, self.mirror, self.scale = dx, dy, mirror, scale

    def __call__(self, p):
        x = -p[0] if self.mirror else p[0]
        return (round(self.dx + self.scale * x, 1),
                round(self.dy - self.scale * p[1], 1))

    def r(self, radius):
        return radius * self.scale


def fmt(v):
    s = ("%.1f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def circle_svg(tf, c, r, fill, stroke=None, sw=0.0):
    x, y = tf(c)
    extra = ' stroke="%s" stroke-width="%s"' % (stroke, fmt(sw)) if stroke else ""
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (
        fmt(x), fmt(y), fmt(tf.r(r)), fill, extra)


def path_d(tf, pts, closed, smooth, fill, stroke=None, sw=0.0):
    q = [tf(p) for p in pts]
    if smooth:
        d = catmull(q, closed)
    else:
        d = "M" + " L".join("%s %s" % (fmt(x), fmt(y)) for x, y in q)
        if closed:
            d += "Z"
    attrs = ' fill="%s"' % fill
    if stroke:
        attrs += (' stroke="%s" stroke-width="%s" stroke-linecap="round"'
                  ' stroke-linejoin="round"' % (stroke, fmt(sw)))
    return '<path d="%s"%s/>' % (d, attrs)


def catmull(q, closed):
    n = len(q)
    d = "M%s %s" % (fmt(q[0][0]), fmt(q[0][1]))
    last = n if closed else n - 1
    for i in range(last):
        p0 = q[(i - 1) % n] if (closed or i > 0) else q[0]
        p1 = q[i]
        p2 = q[(i + 1) % n]
        p3 = q[(i + 2) % n] if (closed or i + 2 < n) else q[-1]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6.0, p1[1] + (p2[1] - p0[1]) / 6.0)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6.0, p2[1] - (p3[1] - p1[1]) / 6.0)
        d += " C%s %s %s %s %s %s" % (fmt(c1[0]), fmt(c1[1]), fmt(c2[0]),
                                      fmt(c2[1]), fmt(p2[0]), fmt(p2[1]))
    if closed:
        d += "Z"
    return d


def line_to(tf, p):
    q = tf(p)
    return "L%s %s" % (fmt(q[0]), fmt(q[1]))


def arc_curves(tf, c, r, a0, a1):
    """Cubic curves along the circle (c, r) from angle a0 to a1 (degrees,
    either direction), in pieces of at most 90 degrees."""
    n = max(1, int(math.ceil(abs(a1 - a0) / 90.0 - 1e-9)))
    step = (a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(d2r(abs(step)) / 4.0) * r
    sgn = 1.0 if step > 0 else -1.0
    out = ""
    for i in range(n):
        t0, t1 = a0 + i * step, a0 + (i + 1) * step
        p0, p3 = along(c, t0, r), along(c, t1, r)
        p1 = along(p0, t0 + 90 * sgn, k)
        p2 = along(p3, t1 - 90 * sgn, k)
        q1, q2, q3 = tf(p1), tf(p2), tf(p3)
        out += "C%s %s %s %s %s %s" % (fmt(q1[0]), fmt(q1[1]), fmt(q2[0]),
                                       fmt(q2[1]), fmt(q3[0]), fmt(q3[1]))
    return out


def shape_svg(tf, shape, fill, stroke=None):
    sw = OUTLINE_W if stroke else 0.0
    if shape.kind == "circle":
        c, r = shape.data
        return circle_svg(tf, c, r, fill, stroke, sw)
    if shape.kind == "blob":
        return path_d(tf, shape.data, True, True, fill, stroke, sw)
    a, ra, b, rb = shape.data
    d = dist(a, b)
    if d < 1e-6:
        return circle_svg(tf, a, max(ra, rb), fill, stroke, sw)
    u = angle_of(sub(b, a))
    s = max(-1.0, min(1.0, (ra - rb) / d))
    al = math.degrees(math.asin(s))
    # outer tangents of the two end circles; the hull is closed by an arc
    # round the far side of each end (cubic curves: SVG Tiny has no arcs)
    v1, v2 = u + 90 - al, u - 90 + al
    start = tf(along(a, v1, ra))
    d_attr = "M%s %s" % (fmt(start[0]), fmt(start[1]))
    d_attr += line_to(tf, along(b, v1, rb))
    d_attr += arc_curves(tf, b, rb, v1, v2)
    d_attr += line_to(tf, along(a, v2, ra))
    d_attr += arc_curves(tf, a, ra, v2, v1 - 360) + "Z"
    attrs = ' fill="%s"' % fill
    if stroke:
        attrs += ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (
            stroke, fmt(sw))
    return '<path d="%s"%s/>' % (d_attr, attrs)


def render(fig, title, mirror=False, shift=0.0, fit=False):
    """Puts the lowest point of the body on the mat, centres it and returns
    the SVG text.  `shift` moves the figure sideways (picture units).
    fit=True draws a figure that would reach above the frame (standing with
    the arms overhead) just small enough to keep FIT_TOP clear above it."""
    pts = []
    for shapes in fig.layers.values():
        for sh in shapes:
            pts.extend(sh.points())
    ymin = min(p[1] - r for p, r in pts)
    xmin = min(p[0] - r for p, r in pts)
    xmax = max(p[0] + r for p, r in pts)
    cx = (xmin + xmax) / 2.0
    scale = SCALE
    if fit:
        ymax = max(p[1] + r for p, r in pts)
        scale = min(SCALE, (FLOOR - FIT_TOP) / (ymax - ymin))
    dx = W / 2.0 + scale * (cx if mirror else -cx) + shift
    tf = Transform(dx, FLOOR + scale * ymin, mirror, scale)
    out = ['<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
           'baseProfile="tiny" width="%d" height="%d" viewBox="0 0 %d %d">'
           % (W, H, W, H),
           '<title>%s</title>' % title,
           '<defs><linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#fdfaf3"/>'
           '<stop offset="1" stop-color="#f1e9da"/></linearGradient></defs>',
           '<rect x="1" y="1" width="%d" height="%d" rx="14" ry="14" '
           'fill="url(#bg)" stroke="#e2d6c1" stroke-width="2"/>' % (W - 2, H - 2),
           '<rect x="22" y="%s" width="%d" height="7" rx="3.5" ry="3.5" '
           'fill="#b27aa3"/>' % (fmt(FLOOR), W - 44),
           '<rect x="22" y="%s" width="%d" height="2.5" rx="1.2" ry="1.2" '
           'fill="#cc9bbf"/>' % (fmt(FLOOR), W - 44)]
    for layer in sorted(fig.layers):
        shapes = fig.layers[layer]
        out.append("<g>")
        for sh in shapes:
            out.append(shape_svg(tf, sh, LINE, stroke=LINE))
        for sh in shapes:
            out.append(shape_svg(tf, sh, sh.colour))
        for lay, maker in fig.decor:
            if lay == layer:
                out.append(maker(tf))
        out.append("</g>")
    out.append("</svg>")
    return "\n".join(out) + "\n"

# -------------------------------------------------------------- poses -----


POSES = []


def pose(name, title):
    def deco(fn):
        POSES.append((name, title, fn))
        return fn
    return deco


# Seated and kneeling poses keep the hip joint this high above the floor.
SEAT = 12.5            # sitting on the buttocks
HEELS = 22.0           # sitting on the heels
KNEEL_THIGH = -math.degrees(math.asin((HEELS - R_KNEE) / THIGH))
# the half moon's trunk slopes down to the head just enough for the lower
# hand to reach the floor with the standing leg straight
TILT_HALF_MOON = -27
# where the triangle's face points as drawn, before mirroring: up towards
# the raised hand, so that the crown (a quarter turn on) lines up with the neck
TRIANGLE_LOOK = 70
# inverted poses: neck bent so the head lies on the floor beside the
# shoulders; upper arms slope down from the shoulder to the floor
INVERTED_NECK = 168
INVERTED_ARM = -20


@pose("19 Sarvangasana", "Sarvangasana - shoulder stand")
def sarvangasana():
    # resting on the upper back, chin to chest, head on the floor
    b = Side(torso=-90, neck=INVERTED_NECK, face=95)
    b.eye()
    b.leg("far", 90, 90, 84)
    b.leg("near", 90, 90, 84)
    # upper arms on the floor, hands pressing into the back
    b.arm("far", INVERTED_ARM, 126, 100)
    b.arm("near", INVERTED_ARM, 124, 100)
    return b.fig, {}


@pose("10 Makarasana", "Makarasana - crocodile")
def makarasana():
    b = Side(torso=14, neck=14, face=-40)
    b.eye()
    # forearms crossed under the chin (pointing across the body, so they
    # look short from the side); the head rests on them
    r = b.arm_root
    a_far = angle_of(sub((70, 1), r))
    a_near = angle_of(sub((63, -5), r))
    b.arm("far", a_far, 176, 170, k=(dist((70, 1), r) / UPPER, 0.5, 0.5))
    b.arm("near", a_near, 172, 160, k=(dist((63, -5), r) / UPPER, 0.5, 0.5))
    b.leg("far", 185.5, 183, 190)
    b.leg("near", 185.5, 183, 218)
    return b.fig, {}


@pose("21 Shavasana", "Shavasana - corpse pose")
def shavasana():
    b = Side(torso=180, neck=180, face=90)
    b.eye()
    b.arm("far", -10, 0, 8)
    b.arm("near", -13, 0, 12)
    b.leg("far", -8, -3, 58)
    b.leg("near", -8, -3, 44)
    return b.fig, {"mirror": True}


@pose("08 Halasana", "Halasana - plough")
def halasana():
    b = Side(torso=-80, neck=INVERTED_NECK, face=100)
    b.eye()
    b.arm("far", INVERTED_ARM, 0, 0)
    b.arm("near", INVERTED_ARM, -1, 0)
    # legs over the head, toes on the floor
    b.leg("far", 210, 210, 250)
    b.leg("near", 209, 209, 250)
    return b.fig, {}


@pose("15 Padmasana", "Padmasana - lotus")
def padmasana():
    b = Front(layers={"trunk": 0, "left_leg": 1, "right_leg": 1,
                      "left_arm": 5, "right_arm": 5})
    b.face(eyes="closed")
    # knees wide and low, each foot sole-up on the opposite thigh
    b.leg_pts("left", (-30, -1), (10, 7), (23, 11.5), layers=(1, 2, 4),
              foot_r=5.0, sole=True)
    b.leg_pts("right", (30, -1), (-9.5, 8), (-22.5, 12.5), layers=(1, 3, 4),
              foot_r=5.0, sole=True)
    # arms reach forward to the knees, so they look shorter than they are
    b.arm_pts("left", (-25, 22), (-32, 5), (-33, -3))
    b.arm_pts("right", (25, 22), (32, 5), (33, -3))
    return b.fig, {}


@pose("05 Dhanurasana", "Dhanurasana - bow")
def dhanurasana():
    b = Side(torso=36, neck=62, face=18)
    b.eye()
    far = b.leg("far", 154, 56, 150)
    near = b.leg("near", 156, 58, 150)
    b.arm_to("far", add(far["ankle"], (5, -1)), 1, 200)
    b.arm_to("near", add(near["ankle"], (5, -1)), 1, 200)
    return b.fig, {}


@pose("04 Bhujangasana", "Bhujangasana - cobra")
def bhujangasana():
    b = Side(torso=32, neck=70, face=20)
    b.eye()
    floor = -10.5
    b.leg("far", 185.5, 183, 179)
    b.leg("near", 185.5, 183, 179)
    b.arm_to("far", (b.arm_root[0] - 5, floor + R_WRIST), -1, 2)
    b.arm_to("near", (b.arm_root[0] - 3, floor + R_WRIST), -1, 0)
    return b.fig, {}


@pose("17 Paschimottanasana", "Paschimottanasana - seated forward bend")
def paschimottanasana():
    b = Side(torso=30, neck=2, face=-66)
    b.eye()
    thigh = -math.degrees(math.asin((SEAT - R_KNEE) / THIGH))
    far = b.leg("far", thigh, -3, 86)
    near = b.leg("near", thigh, -3, 86)
    b.arm_to("far", add(far["toe"], (4, 4)), -1, -60)
    b.arm_to("near", add(near["toe"], (3, 3)), -1, -66)
    return b.fig, {}


@pose("32 Yoga Mudra", "Yoga Mudra - sealed forward bend")
def yoga_mudra():
    # kneeling, forehead on the floor, hands clasped behind the back
    b = Side(torso=3, neck=-48, face=-125)
    b.eye()
    for side in ("far", "near"):
        b.leg(side, KNEEL_THIGH, 180, 180)
    # hands clasped on the lower back, elbows lifted off the back
    b.arm_to("far", (9, 17.5), -1, 188)
    b.arm_to("near", (10, 18), -1, 184)
    return b.fig, {}


@pose("14 Noukasana", "Noukasana - boat")
def noukasana():
    b = Side(torso=122, neck=112, face=10)
    b.eye()
    b.leg("far", 40, 40, 46)
    b.leg("near", 41, 41, 47)
    b.arm("far", 2, 0, 0)
    b.arm("near", 0, 0, 0)
    return b.fig, {}


@pose("13 Mayurasana", "Mayurasana - peacock")
def mayurasana():
    b = Side(torso=-4, neck=-2, face=-30)
    b.eye()
    # elbows pressed into the belly, forearms upright, fingers point back
    elbow = along(along(b.hip, -4, 19), -94, 11)
    wrist = (elbow[0] + 1, elbow[1] - FORE)
    b.arm_to("far", (wrist[0] - 2, wrist[1]), -1, 180)
    b.arm_to("near", wrist, -1, 180)
    b.leg("far", 178, 179, 176)
    b.leg("near", 180, 181, 178)
    return b.fig, {}


@pose("29 Vajrasana", "Vajrasana - thunderbolt")
def vajrasana():
    b = Side(torso=90, neck=92, face=0)
    b.eye()
    for side in ("far", "near"):
        b.leg(side, KNEEL_THIGH, 180, 180)
    b.arm_to("far", (20, 1), -1, -14)
    b.arm_to("near", (23, 1.5), -1, -12)
    return b.fig, {}


@pose("23 Simhasana", "Simhasana - lion")
def simhasana():
    b = Side(torso=82, neck=78, face=14)
    b.eye(wide=True)
    face, c = b.face, b.head

    def mouth(tf):
        m = along(c, face - 40, HEAD_R * 0.74)
        tip = along(m, face - 70, 13.0)
        return (circle_svg(tf, m, 3.9, "#5a1f28") +
                path_d(tf, [along(m, face + 10, 2.6),
                            along(along(m, face - 70, 8), face + 20, 2.6), tip,
                            along(along(m, face - 70, 8), face - 160, 2.4),
                            along(m, face - 170, 2.6)],
                       closed=True, smooth=True, fill="#e0607a",
                       stroke="#9c3550", sw=0.8))

    b.fig.put_decor(b.lay["trunk"], mouth)
    for side in ("far", "near"):
        b.leg(side, KNEEL_THIGH, 180, 180)
    knee = along(b.hip, KNEEL_THIGH, THIGH)
    b.arm_to("far", add(knee, (-3, 8)), -1, -60)
    w = b.arm_to("near", add(knee, (-1, 8)), -1, -60)
    b.fingers("near", w["wrist"], [-28, -52, -76, -100])
    return b.fig, {}


@pose("06 Garudasana", "Garudasana - eagle")
def garudasana():
    b = Front(layers={"trunk": 0, "left_arm": 5, "right_arm": 6})
    b.face(mouth=False, eye_gap=6.2)
    # standing leg slightly bent; the other thigh crosses in front of it and
    # its foot hooks behind the standing calf
    b.leg_pts("left", (-6, -35), (-9, -72), (-4, -79), layers=(2, 2, 2),
              foot_r=5.0)
    b.leg_pts("right", (-14, -28), (-1, -56), (-14.5, -60),
              layers=(3, 1, 1))
    # elbows stacked before the chest, forearms twisted before the face
    b.arm_pts("left", (-2, 32), (3, 56), (0, 66))
    b.arm_pts("right", (2, 34), (-3, 56), (0, 66))
    return b.fig, {}


# ------------------------------------------------- more postures -------
# The rest of the series.  In front views a standing foot points at the
# viewer, so it is drawn as a short stub below the ankle (front_foot).


def front_foot(ankle, out):
    """Toe of a standing foot seen from the front, turned out by `out`."""
    return add(ankle, (out, -7.5))


@pose("01 Anjali Mudra", "Anjali Mudra - salutation seal")
def anjali_mudra():
    b = Front(layers={"trunk": 0, "left_arm": 5, "right_arm": 5})
    b.face(eyes="closed")
    # sitting cross-legged: each shin crosses in front, its foot tucked
    # under the opposite knee
    b.leg_pts("left", (-29, -3), (8, -7), (19, -7.5), layers=(1, 3, 3))
    b.leg_pts("right", (29, -3), (-8, -6), (-19, -6.5), layers=(1, 2, 2))
    # palms pressed together before the chest, elbows out to the sides
    b.arm_pts("left", (-24, 22), (-2.5, 31), (-2, 42))
    b.arm_pts("right", (24, 22), (2.5, 31), (2, 42))
    return b.fig, {}


@pose("02 Ardhachandrasana", "Ardhachandrasana - half moon")
def ardhachandrasana():
    # balancing on one leg and one hand, seen from the front: the trunk
    # leans out over the standing leg (its foot turned out along the
    # trunk), the lower hand is on the floor ahead of that foot, the other
    # leg is raised level with the hip and the upper arm points straight at
    # the ceiling; the chest faces the viewer and the eyes look ahead.  The
    # arms are shorter than the legs, so the trunk slopes down to the head
    b = Front(torso=TILT_HALF_MOON, neck=TILT_HALF_MOON + 10,
              layers={"left_arm": 0, "left_leg": 1, "right_leg": 1,
                      "trunk": 2, "right_arm": 3})
    b.face(mouth=False)
    hj = b.hip_joint["right"]
    ankle = (hj[0], hj[1] - THIGH - SHIN + 0.2)
    toe = add(ankle, (12.5, -5))
    b.leg_to("right", ankle, -1, toe)
    floor = toe[1] - R_ANKLE * 0.72
    # the raised leg, its foot flexed with the toes towards the viewer
    lj = b.hip_joint["left"]
    knee = (lj[0] - THIGH, lj[1])
    b.leg_pts("left", knee, (knee[0] - SHIN, knee[1]),
              (knee[0] - SHIN - 2.5, knee[1] + 2.5), foot_r=4.8)
    r = b.arm_root
    hand = -72
    b.arm_to("right", (r["right"][0] + 2,
                       floor + R_FINGER - HAND * math.sin(d2r(hand))), 1, hand)
    b.arm_pts("left", add(r["left"], (0, UPPER)),
              add(r["left"], (0, UPPER + FORE)),
              add(r["left"], (0, UPPER + FORE + HAND)))
    return b.fig, {}


@pose("03 Ardhamatsyendrasana", "Ardhamatsyendrasana - half spinal twist")
def ardhamatsyendrasana():
    # the trunk turns towards the raised knee and the head looks round over
    # the shoulder on that side
    b = Front(look=0, layers={"left_arm": 6, "right_arm": 0, "trunk": 2,
                              "left_leg": 3, "right_leg": 4})
    # folded leg on the floor, its heel by the other hip
    b.leg_pts("left", (-19, -4), (14, -7), (24, -7))
    # raised leg: knee up before the chest, foot on the floor outside the
    # folded knee
    b.leg_pts("right", (-5, 30), (-28, -4), (-33, -10))
    # the arm reaches down outside the raised knee to hold its ankle
    b.arm_pts("left", (-17, 24), (-26, 1), (-30, -5))
    # the other hand rests on the floor behind the back
    b.arm_pts("right", (26, 22), (28, -3), (30, -10))
    return b.fig, {}


@pose("07 Gomukhasana", "Gomukhasana - cow face")
def gomukhasana():
    b = Front(neck=97, layers={"trunk": 1, "left_leg": 2, "right_leg": 3,
                               "left_arm": 4, "right_arm": 4})
    b.face(eyes="closed")
    # knees stacked before the body, the feet by the opposite hips
    b.leg_pts("left", (1, -4), (24, -6), (31, -7))
    b.leg_pts("right", (-1, 6), (-24, -6), (-31, -7))
    # one elbow points up beside the head, the other down; the hands clasp
    # behind the back
    b.arm_pts("right", (12, 71.5), (1, 50), (0, 40), layers=(0, 0, 0))
    b.arm_pts("left", (-24, 20), (-6, 36), (1, 43), layers=(4, 0, 0))
    return b.fig, {}


@pose("09 Kukkutasana", "Kukkutasana - cock")
def kukkutasana():
    b = Front(layers={"trunk": 0, "left_leg": 1, "right_leg": 1,
                      "left_arm": 2, "right_arm": 2})
    b.face()
    # lotus legs; the arms pass down between thighs and calves and the
    # body rests on the palms
    b.leg_pts("left", (-30, 11), (10, 18), (23, 22.5), layers=(1, 3, 5),
              foot_r=5.0, sole=True)
    b.leg_pts("right", (30, 11), (-9.5, 19), (-22.5, 23.5), layers=(1, 4, 5),
              foot_r=5.0, sole=True)
    b.arm_pts("left", (-16, 15), (-17, -10), (-20, -17))
    b.arm_pts("right", (16, 15), (17, -10), (20, -17))
    return b.fig, {}


@pose("11 Mandukasana", "Mandukasana - frog")
def mandukasana():
    b = Side(torso=32, neck=40, face=-2)
    b.eye()
    for side in ("far", "near"):
        b.leg(side, KNEEL_THIGH, 180, 180)
    # elbows at the waist, fists pressed into the navel
    r = b.arm_root
    for side, elbow, fist in (("far", (18, 13), (25, 5)),
                              ("near", (17, 11), (24, 4))):
        up = dist(r, elbow) / UPPER
        fo = dist(elbow, fist) / FORE
        b.arm(side, angle_of(sub(elbow, r)), angle_of(sub(fist, elbow)), -50,
              k=(up, fo, 0.5))
    return b.fig, {}


@pose("12 Matsyasana", "Matsyasana - fish")
def matsyasana():
    # lying on the back, legs straight, chest arched up, the crown of the
    # head on the floor
    b = Side(torso=150, bend=20, neck=220)
    b.eye()
    b.leg("far", -4, -2, 62)
    b.leg("near", -5, -2, 70)
    # elbows on the floor, hands resting on the thighs
    b.arm_to("far", (14, 3), 1, -4)
    b.arm_to("near", (16, 2), 1, -2)
    return b.fig, {}


@pose("16 Parvatasana", "Parvatasana - hill")
def parvatasana():
    # an inverted V: hips high, hands and feet on the floor
    b = Side(torso=-52, neck=-62)
    b.eye()
    floor = -76.0
    for side, x in (("far", -44.0), ("near", -42.0)):
        b.leg_to(side, (x, floor + R_ANKLE), -1, 0)
    r = b.arm_root
    for side, dx in (("far", 2.0), ("near", 0.0)):
        b.arm_to(side, (r[0] + 34 + dx, floor + R_WRIST), 1, 0)
    return b.fig, {}


@pose("18 Pavanamuktasana", "Pavanamuktasana - wind releasing")
def pavanamuktasana():
    # lying on the back, knees hugged to the chest: the thighs press on the
    # belly, the heels come to the buttocks and the upper back curls up so
    # that the forehead meets the knees
    b = Side(torso=190, bend=-40, neck=68)
    b.eye()
    b.leg("far", 123, -34, 10)
    near = b.leg("near", 126, -30, 14)
    shin = along(near["knee"], -30, 16)
    b.arm_to("far", add(shin, (4, 7)), -1, -110)
    b.arm_to("near", add(shin, (3, 6)), -1, -110)
    return b.fig, {"mirror": True}


@pose("20 Shalabhasana", "Shalabhasana - locust")
def shalabhasana():
    # lying face down, chin on the floor, both legs lifted straight
    b = Side(torso=-6, neck=-2, face=-40)
    b.eye()
    b.leg("far", 158, 158, 168)
    b.leg("near", 160, 160, 170)
    # arms along the body, palms under the thighs
    b.arm("far", 190, 188, 180)
    b.arm("near", 191, 189, 180)
    return b.fig, {}


@pose("22 Siddhasana", "Siddhasana - accomplished pose")
def siddhasana():
    b = Front(layers={"trunk": 0, "left_leg": 1, "right_leg": 2,
                      "left_arm": 5, "right_arm": 5})
    b.face(eyes="closed")
    # knees wide on the floor, heels one above the other at the centre
    b.leg_pts("left", (-31, -4), (0, -7), (12, -7.5))
    b.leg_pts("right", (31, -3), (1, 2), (-11, 2.5))
    # straight arms, wrists on the knees, thumb and index finger joined
    for side, sx in (("left", -1), ("right", 1)):
        pts = b.arm_pts(side, (25 * sx, 21), (30 * sx, 3), (37 * sx, -1))
        b.mudra(side, pts[-1])
    return b.fig, {}


@pose("24 Suptavajrasana", "Suptavajrasana - reclining thunderbolt")
def suptavajrasana():
    # kneeling on the heels, the back lowered to the floor, the arms
    # crossed above the head, each hand holding the other elbow (the
    # forearms point across the body, so they look short)
    b = Side(torso=204, bend=-26, neck=180,
             layers={"far_arm": 0, "near_leg": 3.5})
    b.eye()
    for side in ("far", "near"):
        b.leg(side, KNEEL_THIGH, 180, 180)
    b.arm("far", 190, 170, 150, k=(1.0, 0.3, 0.4))
    b.arm("near", 192, 174, 146, k=(1.0, 0.3, 0.4))
    return b.fig, {"mirror": True}


@pose("25 Tadasana", "Tadasana - mountain")
def tadasana():
    # standing tall on the toes, arms stretched straight up
    b = Side(torso=90, neck=90, face=0)
    b.eye()
    b.leg("far", 269, 270, -38)
    b.leg("near", 271, 270, -38)
    b.arm("far", 94, 92, 90)
    b.arm("near", 96, 93, 90)
    return b.fig, {"fit": True}


@pose("26 Trikonasana", "Trikonasana - triangle")
def trikonasana():
    # legs wide, trunk bent over the right leg, right hand to the ankle and
    # the left arm up in one line with it; the head turns to look up at the
    # raised hand.  A head seen from the side has its crown a quarter turn
    # counter-clockwise from the face, so the pose is drawn bending to the
    # left and mirrored: that way the crown stays in line with the spine
    # while the face turns up
    b = Front(torso=168, neck=160, pelvis=96, look=TRIANGLE_LOOK,
              layers={"left_leg": 1, "right_leg": 1, "trunk": 2,
                      "left_arm": 3, "right_arm": 3})
    b.leg_to("right", (34, -79), -1, (35, -84))
    b.leg_to("left", (-40, -79), 1, (-52, -84))
    r = b.arm_root
    b.arm_pts("left", add(r["left"], (-2, -28)), add(r["left"], (-3, -53)),
              add(r["left"], (-4, -63)))
    b.arm_pts("right", add(r["right"], (1, 28.5)), add(r["right"], (2, 53)),
              add(r["right"], (2, 63)))
    return b.fig, {"fit": True, "mirror": True}


@pose("27 Ustrasana", "Ustrasana - camel")
def ustrasana():
    # kneeling upright, hips over the knees, the back arched and the hands
    # on the heels
    b = Side(torso=104, bend=62, neck=210)
    b.eye()
    for side in ("far", "near"):
        b.leg(side, -88, 180, 180)
    heel = along(b.hip, -88, THIGH)
    heel = (heel[0] - SHIN + 2, heel[1] + 4)
    b.arm_to("far", add(heel, (1, 9)), 1, 260)
    b.arm_to("near", add(heel, (3, 9)), 1, 262)
    return b.fig, {}


@pose("28 Uttanasana", "Uttanasana - standing forward bend")
def uttanasana():
    # legs straight, the trunk folded down along them, hands on the floor
    b = Side(torso=-58, neck=-92)
    b.eye()
    b.leg("far", 270, 269, 0)
    near = b.leg("near", 271, 270, 0)
    floor = near["ankle"][1] - R_ANKLE
    b.arm_to("far", (near["toe"][0] + 5, floor + R_WRIST), 1, 0)
    b.arm_to("near", (near["toe"][0] + 3, floor + R_WRIST), 1, 0)
    return b.fig, {}


@pose("30 Veerasana", "Veerasana - hero")
def veerasana():
    # kneeling, sitting on the floor between the heels, hands on the knees
    b = Front(layers={"left_leg": 1, "right_leg": 1, "trunk": 2,
                      "left_arm": 5, "right_arm": 5})
    b.face()
    for side, sx in (("left", -1), ("right", 1)):
        b.leg_pts(side, (5 * sx, -6), (24 * sx, -8), (30 * sx, -9),
                  layers=(4, 1, 1))
        b.arm_pts(side, (22 * sx, 20), (10 * sx, 0), (7 * sx, -6))
    return b.fig, {}


@pose("31 Vrikshasana", "Vrikshasana - tree")
def vrikshasana():
    # standing on the left leg, the right foot on the inner thigh, the knee
    # out to the side; palms joined overhead
    b = Front(layers={"left_leg": 1, "right_leg": 2, "trunk": 0,
                      "left_arm": 3, "right_arm": 3})
    b.face()
    b.leg_pts("left", (-6, -42.5), (-4, -83.5), front_foot((-4, -83.5), 0.5))
    b.leg_pts("right", (38, -24), (3, -10), (1, -22))
    for side, sx in (("left", -1), ("right", 1)):
        b.arm_pts(side, (17 * sx, 71), (2 * sx, 90), (0.6 * sx, 100))
    return b.fig, {"fit": True}


# --------------------------------------------------------------- main -----


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = os.path.normpath(os.path.join(here, ".."))
    args = [a for a in argv[1:] if not a.startswith("--")]
    if "--list" in argv:
        for name, title, _ in POSES:
            print("%s.svg\t%s" % (name, title))
        return 0
    if args:
        outdir = args[0]
    os.makedirs(outdir, exist_ok=True)
    for name, title, fn in POSES:
        fig, opts = fn()
        svg = render(fig, title, **opts)
        with open(os.path.join(outdir, name + ".svg"), "w",
                  encoding="utf-8") as fh:
            fh.write(svg)
    print("wrote %d pictures to %s" % (len(POSES), outdir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
