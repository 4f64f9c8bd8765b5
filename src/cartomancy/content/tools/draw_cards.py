#!/usr/bin/env python3
"""Draw the 52 playing-card faces used by the Learn Cartomancy module.

Run from the src/cartomancy/content folder:

    python3 tools/draw_cards.py

It writes cards/01.svg ... cards/52.svg, numbered by card Id:
Clubs 1-13, Diamonds 14-26, Spades 27-39, Hearts 40-52, and within a suit
Ace, Two, ..., Ten, Jack, Queen, King.

The faces keep to the SVG subset that Qt's SVG renderer draws (SVG Tiny 1.2):
plain shapes, paths without arc commands, groups with transforms, text and
linear gradients. Suit symbols are paths, not font glyphs, so they look the
same whatever fonts the user has installed.
"""

import math
import os
import sys

WIDTH = 250
HEIGHT = 350
CX = WIDTH / 2
CY = HEIGHT / 2

RED = "#c8102e"
BLACK = "#1a1a1a"
GOLD = "#d4a017"
BLUE = "#2a5caa"
SKIN = "#f6e2c6"
BORDER = "#9a9a9a"
FONT = "DejaVu Serif, serif"

# Suits in card-Id order: (name, colour).
SUITS = [("clubs", BLACK), ("diamonds", RED), ("spades", BLACK), ("hearts", RED)]
RANKS = ["A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"]


def fmt(v):
    """Short number text for coordinates."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def circle_path(cx, cy, r):
    """A clockwise circle made of four cubic curves (no arc command)."""
    k = 0.5523 * r
    p = [
        "M%s,%s" % (fmt(cx + r), fmt(cy)),
        "C%s,%s %s,%s %s,%s" % (fmt(cx + r), fmt(cy + k), fmt(cx + k), fmt(cy + r), fmt(cx), fmt(cy + r)),
        "C%s,%s %s,%s %s,%s" % (fmt(cx - k), fmt(cy + r), fmt(cx - r), fmt(cy + k), fmt(cx - r), fmt(cy)),
        "C%s,%s %s,%s %s,%s" % (fmt(cx - r), fmt(cy - k), fmt(cx - k), fmt(cy - r), fmt(cx), fmt(cy - r)),
        "C%s,%s %s,%s %s,%s" % (fmt(cx + k), fmt(cy - r), fmt(cx + r), fmt(cy - k), fmt(cx + r), fmt(cy)),
        "Z",
    ]
    return " ".join(p)


# Suit symbols, each drawn in a 100 x 100 box centred on the origin.
# Every outline winds clockwise so that overlapping parts fill solidly.
HEART = ("M0,46 C-8,34 -48,12 -48,-16 C-48,-36 -34,-46 -22,-46 "
         "C-10,-46 -2,-38 0,-28 C2,-38 10,-46 22,-46 "
         "C34,-46 48,-36 48,-16 C48,12 8,34 0,46 Z")
DIAMOND = "M0,-50 Q14,-22 38,0 Q14,22 0,50 Q-14,22 -38,0 Q-14,-22 0,-50 Z"
SPADE = ("M0,-48 C12,-30 48,-12 48,10 C48,28 35,36 23,36 "
         "C13,36 6,31 3,25 C4,36 9,44 17,50 L-17,50 "
         "C-9,44 -4,36 -3,25 C-6,31 -13,36 -23,36 "
         "C-35,36 -48,28 -48,10 C-48,-12 -12,-30 0,-48 Z")
CLUB = " ".join([
    circle_path(0, -25, 21),
    circle_path(-24, 9, 21),
    circle_path(24, 9, 21),
    circle_path(0, 3, 12),
    "M3,4 C3,26 9,40 18,50 L-18,50 C-9,40 -3,26 -3,4 Z",
])
SUIT_PATHS = {"hearts": HEART, "diamonds": DIAMOND, "spades": SPADE, "clubs": CLUB}


def pip(suit, colour, x, y, size, flip=False, extra=""):
    """One suit symbol `size` pixels tall centred on (x, y)."""
    s = size / 100.0
    rot = " rotate(180)" if flip else ""
    return '<path transform="translate(%s %s)%s scale(%s)" d="%s" fill="%s"%s/>' % (
        fmt(x), fmt(y), rot, fmt(s), SUIT_PATHS[suit], colour, extra)


# ---------------------------------------------------------------- corners

def corner_index(rank, suit, colour):
    """Rank and small suit symbol for the top-left corner."""
    x = 22
    if rank == "10":
        # Two digits are squeezed a little so they stay clear of the edge.
        text = ('<text transform="translate(%s 40) scale(0.78 1)" x="0" y="0" '
                'font-family="%s" font-size="27" font-weight="bold" '
                'text-anchor="middle" fill="%s">10</text>' % (fmt(x), FONT, colour))
    else:
        text = ('<text x="%s" y="40" font-family="%s" font-size="27" font-weight="bold" '
                'text-anchor="middle" fill="%s">%s</text>' % (fmt(x), FONT, colour, rank))
    return text + pip(suit, colour, x, 57, 17)


def corners(rank, suit, colour):
    idx = corner_index(rank, suit, colour)
    return ("<g>%s</g>\n<g transform=\"translate(%d %d) rotate(180)\">%s</g>"
            % (idx, WIDTH, HEIGHT, idx))


# ---------------------------------------------------------------- pips

# Pip centres: three columns, up to four rows between y=70 and y=280.
LEFT, MID, RIGHT = 78, 125, 172
TOP, BOTTOM = 72, 278
ROW4 = [TOP, TOP + (BOTTOM - TOP) / 3, TOP + 2 * (BOTTOM - TOP) / 3, BOTTOM]


def pip_layout(n):
    """Traditional pip positions for the Two to the Ten."""
    side3 = [(c, r) for r in (TOP, CY, BOTTOM) for c in (LEFT, RIGHT)]
    side4 = [(c, r) for r in ROW4 for c in (LEFT, RIGHT)]
    corners4 = [(c, r) for r in (TOP, BOTTOM) for c in (LEFT, RIGHT)]
    upper_mid = (TOP + CY) / 2
    lower_mid = (CY + BOTTOM) / 2
    if n == 2:
        return [(MID, TOP), (MID, BOTTOM)]
    if n == 3:
        return [(MID, TOP), (MID, CY), (MID, BOTTOM)]
    if n == 4:
        return corners4
    if n == 5:
        return corners4 + [(MID, CY)]
    if n == 6:
        return side3
    if n == 7:
        return side3 + [(MID, upper_mid)]
    if n == 8:
        return side3 + [(MID, upper_mid), (MID, lower_mid)]
    if n == 9:
        return side4 + [(MID, CY)]
    if n == 10:
        return side4 + [(MID, (ROW4[0] + ROW4[1]) / 2), (MID, (ROW4[2] + ROW4[3]) / 2)]
    raise ValueError(n)


def pip_face(n, suit, colour):
    size = 40
    out = []
    for (x, y) in pip_layout(n):
        out.append(pip(suit, colour, x, y, size, flip=y > CY + 0.5))
    return "\n".join(out)


def ace_face(suit, colour):
    if suit != "spades":
        return pip(suit, colour, CX, CY, 120)
    # The Ace of Spades carries the deck's decoration: an outlined spade
    # around the main one, a gold inner line and scrolls beside the stem.
    out = []
    out.append(pip(suit, "none", CX, CY, 176,
                   extra=' stroke="%s" stroke-width="%s"' % (colour, fmt(1.5 / 1.76))))
    out.append(pip(suit, "none", CX, CY, 166,
                   extra=' stroke="%s" stroke-width="%s"' % (GOLD, fmt(2.5 / 1.66))))
    out.append(pip(suit, colour, CX, CY, 150))
    out.append(pip(suit, "none", CX, CY - 4, 110,
                   extra=' stroke="%s" stroke-width="%s"' % (GOLD, fmt(2.0 / 1.1))))
    # Scrolls on either side of the stem.
    for sx in (1, -1):
        out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s" '
                   'fill="none" stroke="%s" stroke-width="2"/>' % (
                       fmt(CX + sx * 28), fmt(CY + 80),
                       fmt(CX + sx * 55), fmt(CY + 92),
                       fmt(CX + sx * 78), fmt(CY + 78),
                       fmt(CX + sx * 70), fmt(CY + 62),
                       fmt(CX + sx * 64), fmt(CY + 52),
                       fmt(CX + sx * 52), fmt(CY + 62),
                       fmt(CX + sx * 60), fmt(CY + 70),
                       GOLD))
        out.append('<circle cx="%s" cy="%s" r="3" fill="%s"/>' % (
            fmt(CX + sx * 28), fmt(CY + 80), GOLD))
    # A small jewel in the heart of the spade.
    out.append(pip("diamonds", GOLD, CX, CY + 2, 22))
    return "\n".join(out)


# ---------------------------------------------------------------- court cards

# The picture panel of the court cards.
PX, PY, PW, PH = 46, 38, 158, 274
OUTLINE = 'stroke="%s" stroke-width="1.3" stroke-linejoin="round"' % BLACK


def face(cx, cy, rx, ry, mouth=True, lips=None):
    """A simple face: outline, eyes, brows, nose and mouth."""
    out = ['<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" %s/>' % (
        fmt(cx), fmt(cy), fmt(rx), fmt(ry), SKIN, OUTLINE)]
    ey = cy - ry * 0.12
    for dx in (-rx * 0.42, rx * 0.42):
        out.append('<ellipse cx="%s" cy="%s" rx="2.2" ry="1.6" fill="%s"/>' % (
            fmt(cx + dx), fmt(ey), BLACK))
        out.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1.2"/>' % (
            fmt(cx + dx - 4), fmt(ey - 4), fmt(cx + dx), fmt(ey - 6.5), fmt(cx + dx + 4), fmt(ey - 4), BLACK))
    ny = cy + ry * 0.3
    out.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1"/>' % (
        fmt(cx - 3), fmt(ny), fmt(cx), fmt(ny + 2.2), fmt(cx + 3), fmt(ny), BLACK))
    if mouth:
        my = cy + ry * 0.58
        if lips:
            out.append('<path d="M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" fill="%s"/>' % (
                fmt(cx - 5), fmt(my), fmt(cx), fmt(my - 2.5), fmt(cx + 5), fmt(my),
                fmt(cx), fmt(my + 3.5), fmt(cx - 5), fmt(my), lips))
        else:
            out.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1.2"/>' % (
                fmt(cx - 5), fmt(my), fmt(cx), fmt(my + 2.5), fmt(cx + 5), fmt(my), BLACK))
    return "\n".join(out)


# Shoulders and upper body; the shape reaches the panel's sides at the
# middle line so that the two mirrored halves join into one figure.
BODY = ("M52,175 L52,163 C56,149 76,141 104,137 L146,137 "
        "C174,141 194,149 198,163 L198,175 Z")


def king_half(suit, colour):
    out = []
    # Robe with a gold front band set with blue stones.
    out.append('<path d="%s" fill="%s" %s/>' % (BODY, colour, OUTLINE))
    out.append('<path d="M58,172 L58,164 C62,152 80,145 104,142" fill="none" stroke="%s" stroke-width="2"/>' % GOLD)
    out.append('<path d="M192,172 L192,164 C188,152 170,145 146,142" fill="none" stroke="%s" stroke-width="2"/>' % GOLD)
    # Blue tunic showing where the cloak opens, with a jewelled gold band.
    out.append('<path d="M102,140 L148,140 L144,175 L106,175 Z" fill="%s" stroke="%s" stroke-width="2"/>'
               % (BLUE, GOLD))
    out.append('<path d="M118,146 L132,146 L134,175 L116,175 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    for y in (153, 166):
        out.append('<circle cx="125" cy="%d" r="3.2" fill="%s"/>' % (y, BLUE))
    # Ermine collar: white with black tails.
    out.append('<path d="M92,141 C104,154 146,154 158,141 L150,134 C138,144 112,144 100,134 Z" '
               'fill="#ffffff" %s/>' % OUTLINE)
    for x, y in ((104, 142), (116, 146), (134, 146), (146, 142)):
        out.append('<path d="M%d,%d l-1.6,4 l1.6,-1.2 l1.6,1.2 Z" fill="%s"/>' % (x, y - 2, BLACK))
    # Hair behind the head.
    out.append('<path d="M101,98 C99,118 102,128 106,132 L144,132 C148,128 151,118 149,98 Z" '
               'fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append(face(125, 105, 19, 22, mouth=False))
    # Full beard and moustache.
    out.append('<path d="M106,106 C106,130 114,143 125,145 C136,143 144,130 144,106 '
               'C141,117 134,120 125,120 C116,120 109,117 106,106 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    for x in (115, 125, 135):
        out.append('<path d="M%d,124 Q%d,132 %d,139" fill="none" stroke="#8a6508" stroke-width="1"/>'
                   % (x, x + (1 if x > 125 else -1 if x < 125 else 0), x))
    out.append('<path d="M113,119 C118,113 122,114 125,116 C128,114 132,113 137,119 '
               'C131,118 128,120 125,120 C122,120 119,118 113,119 Z" fill="#8a6508"/>')
    # Crown: five points with balls, a jewelled band.
    out.append('<path d="M102,88 L100,62 L112,74 L118,56 L125,70 L132,56 L138,74 L150,62 L148,88 Z" '
               'fill="%s" %s/>' % (GOLD, OUTLINE))
    for x, y in ((100, 62), (118, 56), (132, 56), (150, 62)):
        out.append('<circle cx="%d" cy="%d" r="3.2" fill="%s" %s/>' % (x, y, GOLD, OUTLINE))
    out.append('<rect x="100" y="82" width="50" height="9" rx="2" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<circle cx="125" cy="86.5" r="3.2" fill="%s"/>' % BLUE)
    out.append(pip(suit, colour, 111, 86.5, 7))
    out.append(pip(suit, colour, 139, 86.5, 7))
    out.append('<path d="M119,78 L125,70 L131,78 L125,82 Z" fill="%s"/>' % colour)
    # Sceptre held in the right hand, topped by an orb and cross.
    out.append('<rect x="80" y="96" width="5" height="64" rx="1.5" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<circle cx="82.5" cy="91" r="7" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<path d="M82.5,84 V74 M78,78.5 H87" fill="none" stroke="%s" stroke-width="2.5"/>' % GOLD)
    out.append('<path d="M82.5,84 V74 M78,78.5 H87" fill="none" stroke="%s" stroke-width="0.8"/>' % BLACK)
    out.append('<path d="M76,91 H89" stroke="%s" stroke-width="1"/>' % BLUE)
    out.append('<ellipse cx="82.5" cy="152" rx="8" ry="6" fill="%s" %s/>' % (SKIN, OUTLINE))
    return "\n".join(out)


def queen_half(suit, colour):
    out = []
    # Long hair falling to the shoulders, behind the head.
    out.append('<path d="M104,104 C98,72 152,72 146,104 C147,122 153,136 158,146 L140,146 '
               'C142,130 142,118 140,110 L110,110 C108,118 108,130 110,146 L92,146 '
               'C97,136 103,122 104,104 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    # Neck and bodice with a square neckline.
    out.append('<path d="M114,118 L136,118 L140,152 L110,152 Z" fill="%s" %s/>' % (SKIN, OUTLINE))
    out.append('<path d="M52,175 L52,163 C56,150 76,143 104,140 L108,156 L142,156 L146,140 '
               'C174,143 194,150 198,163 L198,175 Z" fill="%s" %s/>' % (colour, OUTLINE))
    # Puffed blue sleeves at the shoulders.
    out.append('<path d="M54,166 C54,150 70,142 90,141 C96,150 94,162 86,168 C76,170 62,170 54,166 Z" '
               'fill="%s" %s/>' % (BLUE, OUTLINE))
    out.append('<path d="M196,166 C196,150 180,142 160,141 C154,150 156,162 164,168 C174,170 188,170 196,166 Z" '
               'fill="%s" %s/>' % (BLUE, OUTLINE))
    out.append('<path d="M62,152 C70,156 80,158 90,156 M188,152 C180,156 170,158 160,156" '
               'fill="none" stroke="%s" stroke-width="1.5"/>' % GOLD)
    # Gold stomacher laced in blue below the neckline.
    out.append('<path d="M106,156 L144,156 L134,175 L116,175 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<path d="M116,160 L134,166 M134,160 L116,166 M118,166 L132,172 M132,166 L118,172" '
               'fill="none" stroke="%s" stroke-width="1.6"/>' % BLUE)
    # Pearl necklace with a blue drop.
    for i in range(7):
        t = i / 6.0
        x = 115 + 20 * t
        y = 135 + 7 * (1 - (2 * t - 1) ** 2)
        out.append('<circle cx="%s" cy="%s" r="1.8" fill="#ffffff" stroke="%s" stroke-width="0.6"/>'
                   % (fmt(x), fmt(y), BLACK))
    out.append('<ellipse cx="125" cy="146" rx="2.6" ry="3.4" fill="%s"/>' % BLUE)
    out.append(face(125, 104, 16, 20, lips=RED))
    # Hair framing the forehead.
    out.append('<path d="M109,100 C110,86 140,86 141,100 C136,92 114,92 109,100 Z" '
               'fill="%s" %s/>' % (GOLD, OUTLINE))
    # Tiara: a low band with rounded peaks and a blue centre stone.
    out.append('<path d="M107,90 L108,81 Q112,77 116,81 L119,74 Q125,66 131,74 L134,81 '
               'Q138,77 142,81 L143,90 Q125,85 107,90 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<circle cx="125" cy="77" r="3.6" fill="%s"/>' % BLUE)
    out.append('<circle cx="112.5" cy="84" r="1.8" fill="%s"/>' % colour)
    out.append('<circle cx="137.5" cy="84" r="1.8" fill="%s"/>' % colour)
    # A flower held in the hand.
    out.append('<path d="M86,150 C84,130 80,116 80,100" fill="none" stroke="%s" stroke-width="2"/>' % BLACK)
    out.append('<path d="M82,126 C72,122 70,114 72,110 C78,112 82,118 82,126 Z" fill="%s" %s/>'
               % (BLUE, OUTLINE))
    out.append('<path d="M83,134 C92,132 96,124 95,119 C89,121 84,127 83,134 Z" fill="%s" %s/>'
               % (BLUE, OUTLINE))
    for i in range(5):
        # Five petals around the flower's heart.
        a = -math.pi / 2 + i * 2 * math.pi / 5
        out.append('<circle cx="%s" cy="%s" r="5.5" fill="%s" %s/>' % (
            fmt(80 + 6.5 * math.cos(a)), fmt(96 + 6.5 * math.sin(a)), colour, OUTLINE))
    out.append('<circle cx="80" cy="96" r="3.6" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<ellipse cx="86" cy="152" rx="7.5" ry="5.5" fill="%s" %s/>' % (SKIN, OUTLINE))
    return "\n".join(out)


def jack_half(suit, colour):
    out = []
    # Tunic with a blue collar and gold buttons.
    out.append('<path d="%s" fill="%s" %s/>' % (BODY, colour, OUTLINE))
    # Blue sleeves and shoulder pieces edged in gold.
    out.append('<path d="M52,175 L52,163 C56,149 76,141 98,138 L100,150 C84,153 70,162 66,175 Z" '
               'fill="%s" stroke="%s" stroke-width="1.5"/>' % (BLUE, GOLD))
    out.append('<path d="M198,175 L198,163 C194,149 174,141 152,138 L150,150 C166,153 180,162 184,175 Z" '
               'fill="%s" stroke="%s" stroke-width="1.5"/>' % (BLUE, GOLD))
    out.append('<path d="M100,138 L125,152 L150,138 L146,132 L125,142 L104,132 Z" '
               'fill="%s" %s/>' % (BLUE, OUTLINE))
    for y in (159, 169):
        out.append('<circle cx="125" cy="%d" r="2.8" fill="%s" %s/>' % (y, GOLD, OUTLINE))
    # Short hair curling at the jaw.
    out.append('<path d="M104,92 C100,110 102,124 108,128 C112,126 112,120 110,116 L140,116 '
               'C138,120 138,126 142,128 C148,124 150,110 146,92 Z" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append(face(125, 106, 16, 20))
    # Flat cap with a gold band.
    out.append('<path d="M100,90 C94,74 110,64 127,64 C146,64 158,74 150,90 Z" fill="%s" %s/>'
               % (BLUE, OUTLINE))
    out.append('<path d="M101,87 Q125,82 149,87 L150,94 Q125,89 100,94 Z" fill="%s" %s/>'
               % (GOLD, OUTLINE))
    # A long feather sweeping up and back from the cap.
    out.append('<path d="M110,84 C94,74 88,58 98,44 C104,56 114,70 116,82 Z" fill="%s" %s/>'
               % (colour, OUTLINE))
    out.append('<path d="M113,83 C104,72 99,60 98,46" fill="none" stroke="%s" stroke-width="1.4"/>' % GOLD)
    out.append('<circle cx="113" cy="85" r="3" fill="%s" %s/>' % (BLUE, OUTLINE))
    # Halberd held upright in the left hand.
    out.append('<rect x="166" y="96" width="4.5" height="66" rx="1.5" fill="%s" %s/>' % (GOLD, OUTLINE))
    out.append('<path d="M168.25,82 L172,96 L164.5,96 Z" fill="#c9c9c9" %s/>' % OUTLINE)
    out.append('<path d="M170.5,98 C180,98 186,104 186,112 C180,110 176,112 170.5,114 Z" '
               'fill="#c9c9c9" %s/>' % OUTLINE)
    out.append('<path d="M166,100 L158,104 L166,108 Z" fill="#c9c9c9" %s/>' % OUTLINE)
    out.append('<ellipse cx="168.25" cy="150" rx="8" ry="6" fill="%s" %s/>' % (SKIN, OUTLINE))
    return "\n".join(out)


FIGURES = {"K": king_half, "Q": queen_half, "J": jack_half}


def court_face(rank, suit, colour):
    out = []
    # Panel: a thin dark frame with a gold line inside it.
    out.append('<rect x="%d" y="%d" width="%d" height="%d" rx="4" fill="#fdfaf2" stroke="%s" stroke-width="1.2"/>'
               % (PX, PY, PW, PH, BLACK))
    out.append('<rect x="%d" y="%d" width="%d" height="%d" rx="3" fill="none" stroke="%s" stroke-width="2"/>'
               % (PX + 4, PY + 4, PW - 8, PH - 8, GOLD))
    half = []
    half.append(FIGURES[rank](suit, colour))
    # Suit pip and large rank letter in the upper corners of the panel.
    half.append(pip(suit, colour, 68, 62, 24))
    half.append('<text x="184" y="80" font-family="%s" font-size="30" font-weight="bold" '
                'text-anchor="middle" fill="%s">%s</text>' % (FONT, colour, rank))
    half_svg = "\n".join(half)
    out.append("<g>\n%s\n</g>" % half_svg)
    out.append('<g transform="translate(%d %d) rotate(180)">\n%s\n</g>' % (WIDTH, HEIGHT, half_svg))
    # The line where the two halves meet.
    out.append('<line x1="%d" y1="%s" x2="%d" y2="%s" stroke="%s" stroke-width="2"/>'
               % (PX + 4, fmt(CY), PX + PW - 4, fmt(CY), GOLD))
    return "\n".join(out)


# ---------------------------------------------------------------- cards

RANK_NAMES = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight",
              "Nine", "Ten", "Jack", "Queen", "King"]


def card_svg(suit, colour, rank_index):
    rank = RANKS[rank_index]
    title = "%s of %s" % (RANK_NAMES[rank_index], suit.capitalize())
    body = []
    body.append('<rect x="1.5" y="1.5" width="%s" height="%s" rx="14" fill="#ffffff" '
                'stroke="%s" stroke-width="1.5"/>' % (fmt(WIDTH - 3), fmt(HEIGHT - 3), BORDER))
    if rank == "A":
        body.append(ace_face(suit, colour))
    elif rank in FIGURES:
        body.append(court_face(rank, suit, colour))
    else:
        body.append(pip_face(int(rank), suit, colour))
    body.append(corners(rank, suit, colour))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<title>%s</title>\n%s\n</svg>\n' % (WIDTH, HEIGHT, WIDTH, HEIGHT, title, "\n".join(body)))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = os.path.join(os.path.dirname(here), "cards")
    os.makedirs(out_dir, exist_ok=True)
    count = 0
    for s, (suit, colour) in enumerate(SUITS):
        for r in range(13):
            card_id = s * 13 + r + 1
            path = os.path.join(out_dir, "%02d.svg" % card_id)
            with open(path, "w", encoding="ascii", newline="\n") as f:
                f.write(card_svg(suit, colour, r))
            count += 1
    print("wrote %d cards to %s" % (count, out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main())
