#!/usr/bin/env python3
# Strokewheel - mouse gestures for CAD drawing views.
# Draws the stand-in host's command icons: standin/icons/{light,dark}/<name>.svg.
#
# Every icon is composed from the same small set of CAD glyphs on a 24 x 24 grid with
# 1.5-unit round strokes: existing geometry in the ink colour, new or affected geometry
# in the accent colour, grips as small hollow squares, and an optional badge (a filled
# disc with a white sign) in the lower right corner that says what the command does to
# the glyph (add, remove, edit, save, ...). Run it on purpose and commit what it writes:
#     python3 tools/command-icons/make_icons.py [output folder, default standin/icons]
import math
import os
import sys

SCHEMES = {
    "light": dict(ink="#39424c", accent="#1d6fd8", tint="#cfe1f8", paper="#ffffff", faint="#9aa4ae",
                  red="#d23c3c", green="#2c9a52", amber="#d98a0b", grey="#6d7884", sign="#ffffff"),
    "dark": dict(ink="#d3d9df", accent="#5ea8ff", tint="#2a4566", paper="#262b31", faint="#76808a",
                 red="#ff6b6b", green="#52c879", amber="#f0b043", grey="#8e99a5", sign="#ffffff"),
}


class Icon:
    """Collects the SVG elements of one icon in one colour scheme."""

    def __init__(self, colours):
        self.c = colours
        self.parts = []
        self.defs = []

    def colour(self, name):
        return self.c.get(name, name)

    def _stroke(self, colour, width, dash):
        text = f'stroke="{self.colour(colour)}" stroke-width="{width}" stroke-linecap="round" stroke-linejoin="round"'
        if dash:
            text += f' stroke-dasharray="{dash}"'
        return text

    def _fill(self, fill):
        return f'fill="{self.colour(fill)}"' if fill else 'fill="none"'

    # Primitives -----------------------------------------------------------------------
    def line(self, x1, y1, x2, y2, colour="ink", width=1.5, dash=None):
        self.parts.append(f'<line x1="{x1:g}" y1="{y1:g}" x2="{x2:g}" y2="{y2:g}" {self._stroke(colour, width, dash)}/>')

    def poly(self, points, colour="ink", closed=False, fill=None, width=1.5, dash=None):
        tag = "polygon" if closed else "polyline"
        pts = " ".join(f"{x:g},{y:g}" for x, y in points)
        stroke = self._stroke(colour, width, dash) if colour else 'stroke="none"'
        self.parts.append(f'<{tag} points="{pts}" {self._fill(fill)} {stroke}/>')

    def path(self, d, colour="ink", fill=None, width=1.5, dash=None):
        stroke = self._stroke(colour, width, dash) if colour else 'stroke="none"'
        self.parts.append(f'<path d="{d}" {self._fill(fill)} {stroke}/>')

    def circle(self, cx, cy, r, colour="ink", fill=None, width=1.5, dash=None):
        stroke = self._stroke(colour, width, dash) if colour else 'stroke="none"'
        self.parts.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{r:g}" {self._fill(fill)} {stroke}/>')

    def ellipse(self, cx, cy, rx, ry, colour="ink", fill=None, width=1.5, dash=None):
        stroke = self._stroke(colour, width, dash) if colour else 'stroke="none"'
        self.parts.append(f'<ellipse cx="{cx:g}" cy="{cy:g}" rx="{rx:g}" ry="{ry:g}" {self._fill(fill)} {stroke}/>')

    def rect(self, x, y, w, h, colour="ink", fill=None, width=1.5, dash=None, r=0):
        stroke = self._stroke(colour, width, dash) if colour else 'stroke="none"'
        rr = f' rx="{r:g}"' if r else ""
        self.parts.append(f'<rect x="{x:g}" y="{y:g}" width="{w:g}" height="{h:g}"{rr} {self._fill(fill)} {stroke}/>')

    def grip(self, x, y, colour="accent"):
        self.rect(x - 1.4, y - 1.4, 2.8, 2.8, colour, fill="paper", width=1.1)

    def dot(self, x, y, r=1.3, colour="ink"):
        self.circle(x, y, r, None, fill=colour)

    def head(self, x, y, angle, colour="accent", size=3.2):
        """A filled arrow head whose tip is at (x, y), pointing along angle (degrees, y down)."""
        a = math.radians(angle)
        back = (x - size * math.cos(a), y - size * math.sin(a))
        side = size * 0.55
        p1 = (back[0] + side * math.sin(a), back[1] - side * math.cos(a))
        p2 = (back[0] - side * math.sin(a), back[1] + side * math.cos(a))
        self.poly([(x, y), p1, p2], None, closed=True, fill=colour)

    def arrow(self, x1, y1, x2, y2, colour="accent", width=1.5, size=3.2, both=False):
        angle = math.degrees(math.atan2(y2 - y1, x2 - x1))
        length = math.hypot(x2 - x1, y2 - y1)
        k = (length - size * 0.8) / length
        sx = x1 + (x2 - x1) * (1 - k) if both else x1
        sy = y1 + (y2 - y1) * (1 - k) if both else y1
        self.line(sx, sy, x1 + (x2 - x1) * k, y1 + (y2 - y1) * k, colour, width)
        self.head(x2, y2, angle, colour, size)
        if both:
            self.head(x1, y1, angle + 180, colour, size)

    def arc(self, cx, cy, r, start, end, colour="accent", width=1.5, dash=None, head=None):
        """Arc from start to end degrees (counter-clockwise on screen, y up)."""
        p1 = (cx + r * math.cos(math.radians(start)), cy - r * math.sin(math.radians(start)))
        p2 = (cx + r * math.cos(math.radians(end)), cy - r * math.sin(math.radians(end)))
        sweep = (end - start) % 360
        large = 1 if sweep > 180 else 0
        self.path(f"M{p1[0]:.2f} {p1[1]:.2f} A{r:g} {r:g} 0 {large} 0 {p2[0]:.2f} {p2[1]:.2f}", colour, width=width,
                  dash=dash)
        if head == "end":
            self.head(p2[0], p2[1], -end - 90, colour, 3.0)
        elif head == "start":
            self.head(p1[0], p1[1], -start + 90, colour, 3.0)
        return p1, p2

    def svg(self):
        defs = f"<defs>{''.join(self.defs)}</defs>" if self.defs else ""
        body = "\n  ".join(self.parts)
        return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
                f"  {defs}{body}\n</svg>\n")


# Glyphs: the CAD vocabulary every icon is built from --------------------------------------

def page(i, x=5, y=3, w=13, h=18, colour="ink", fill="paper"):
    fold = 4
    i.path(f"M{x} {y} H{x + w - fold} L{x + w} {y + fold} V{y + h} H{x} Z", colour, fill=fill)
    i.path(f"M{x + w - fold} {y} V{y + fold} H{x + w}", colour)


def text_lines(i, x, y, w, count, colour="faint", gap=3):
    for n in range(count):
        i.line(x, y + n * gap, x + (w if n < count - 1 else w * 0.6), y + n * gap, colour, 1.2)


def folder(i):
    i.path("M2.5 6.5 V19 H19 L21.5 10.5 H7 L4.5 19", "ink", fill="paper")
    i.path("M2.5 19 V5 H8.5 L10.5 7 H17.5 V10.5", "ink")


def disk(i, x=3.5, y=3.5, s=17, colour="ink"):
    i.path(f"M{x} {y} H{x + s - 3.5} L{x + s} {y + 3.5} V{y + s} H{x} Z", colour, fill="paper")
    i.rect(x + 3.5, y, s - 8, 5.5, colour)
    i.rect(x + 3, y + s - 7, s - 6, 7, "accent", fill="tint")


def cube(i, cx=11, cy=11, s=7.5, fill="tint", colour="ink", face=None):
    h = s * 0.58
    top = [(cx, cy - s), (cx + s * 0.87, cy - s + h), (cx, cy - s + 2 * h), (cx - s * 0.87, cy - s + h)]
    i.poly([(cx - s * 0.87, cy - s + h), (cx, cy - s), (cx + s * 0.87, cy - s + h), (cx + s * 0.87, cy + h),
            (cx, cy + s), (cx - s * 0.87, cy + h)], colour, closed=True, fill=fill)
    i.poly([top[3], top[2], top[1]], colour)
    i.line(top[2][0], top[2][1], cx, cy + s, colour)
    if face == "top":
        i.poly(top, colour, closed=True, fill="accent")
    elif face == "front":
        i.poly([top[3], top[2], (cx, cy + s), (cx - s * 0.87, cy + h)], colour, closed=True, fill="accent")
    elif face == "right":
        i.poly([top[2], top[1], (cx + s * 0.87, cy + h), (cx, cy + s)], colour, closed=True, fill="accent")


def lens(i, cx=10, cy=10, r=6):
    i.line(cx + r * 0.72, cy + r * 0.72, 21, 21, "ink", 2.6)
    i.circle(cx, cy, r, "ink", fill="paper")


def letter_a(i, x=4, y=4, h=15, colour="ink", width=1.8):
    w = h * 0.8
    i.path(f"M{x:g} {y + h:g} L{x + w / 2:g} {y:g} L{x + w:g} {y + h:g} M{x + w * 0.2:g} {y + h * 0.62:g} "
           f"H{x + w * 0.8:g}", colour, width=width)


def layers(i, top_colour="ink", top_fill="tint", others="ink", dashed=False):
    dash = "1.5 2" if dashed else None
    for n, y in enumerate((15, 11.5)):
        i.poly([(3, y), (11.5, y - 4), (20, y), (11.5, y + 4)], others, closed=True, fill="paper", dash=dash)
    i.poly([(3, 8), (11.5, 4), (20, 8), (11.5, 12)], top_colour, closed=True, fill=top_fill)


def dim_arrows(i, x1, y1, x2, y2, colour="accent"):
    i.arrow(x1, y1, x2, y2, colour, 1.2, 2.6, both=True)


def sheet(i, x=2.5, y=4.5, w=19, h=15, colour="ink"):
    i.rect(x, y, w, h, colour, fill="paper")
    i.rect(x + w - 6.5, y + h - 3.5, 6.5, 3.5, colour, width=1)


def hexnut(i, cx=11, cy=11, r=8, colour="ink"):
    pts = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in range(30, 390, 60)]
    i.poly(pts, colour, closed=True, fill="tint")
    i.circle(cx, cy, r * 0.42, colour, fill="paper")


def table_grid(i, x=3, y=5, w=18, h=14, colour="ink"):
    i.rect(x, y, w, h, colour, fill="paper")
    i.rect(x, y, w, 3.5, colour, fill="tint")
    for n in (1, 2):
        i.line(x, y + 3.5 + n * (h - 3.5) / 3, x + w, y + 3.5 + n * (h - 3.5) / 3, colour, 1)
    i.line(x + w / 2, y + 3.5, x + w / 2, y + h, colour, 1)


def chain_link(i, colour="accent"):
    i.rect(3, 9, 10, 6, colour, r=3, width=1.8)
    i.rect(11, 9, 10, 6, colour, r=3, width=1.8)


def picture(i, x=3, y=5, w=18, h=14):
    i.rect(x, y, w, h, "ink", fill="paper")
    i.poly([(x + 1.5, y + h - 1.5), (x + 6.5, y + h - 7.5), (x + 10, y + h - 4), (x + 13, y + h - 6.5),
            (x + w - 1.5, y + h - 1.5)], "accent", closed=True, fill="tint")
    i.circle(x + w - 4.5, y + 4, 1.6, None, fill="amber")


def gear(i, cx=12, cy=12, r=7, colour="ink", fill="tint", hole="paper"):
    teeth = []
    for k in range(8):
        a = math.radians(k * 45)
        for da, rr in ((-12, r), (12, r), (22, r * 0.74), (45 - 22, r * 0.74)):
            b = a + math.radians(da)
            teeth.append((cx + rr * math.cos(b), cy + rr * math.sin(b)))
    i.poly(teeth, colour, closed=True, fill=fill)
    i.circle(cx, cy, r * 0.32, colour, fill=hole)


def cloud(i, colour="accent"):
    i.path("M5 16 A3 3 0 0 1 4.5 10.5 A3.5 3.5 0 0 1 10 6.5 A4 4 0 0 1 17 8 A3.2 3.2 0 0 1 19.5 13.5 "
           "A3 3 0 0 1 16 17.5 A3 3 0 0 1 11 17.5 A3 3 0 0 1 5 16 Z", colour, fill="tint")


def clipboard(i):
    i.rect(4.5, 4.5, 14, 17, "ink", fill="paper", r=1.5)
    i.rect(8, 3, 7, 3.5, "ink", fill="tint", r=1)


def scissors(i, x=0, y=0, colour="ink"):
    i.circle(x + 7, y + 17.5, 2.6, colour)
    i.circle(x + 16.5, y + 17.5, 2.6, colour)
    i.line(x + 8.7, y + 15.6, x + 17, y + 4, colour)
    i.line(x + 14.8, y + 15.6, x + 6.5, y + 4, colour)


def crosshair(i, x, y, s=3.5, colour="accent"):
    i.line(x - s, y, x + s, y, colour, 1.2)
    i.line(x, y - s, x, y + s, colour, 1.2)


def circular_arrows(i, cx=12, cy=12, r=7):
    i.arc(cx, cy, r, 110, 250, "accent", head="end")
    i.arc(cx, cy, r, 290, 430, "accent", head="end")


def pin(i, x=12, y=12):
    i.path(f"M{x} {y + 8} C{x - 2} {y + 4} {x - 6} {y} {x - 6} {y - 3} A6 6 0 0 1 {x + 6} {y - 3} "
           f"C{x + 6} {y} {x + 2} {y + 4} {x} {y + 8} Z", "accent", fill="tint")
    i.circle(x, y - 3, 2, "accent", fill="paper")


def brush(i):
    i.path("M19.5 3.5 L12.5 11.5", "ink", width=2.4)
    i.path("M12.8 11.2 C10 10 7.5 12 7.5 14.5 C7.5 17 5.5 18.5 3.5 19.5 C8 20.5 12.5 19.5 13.8 16.8 "
           "C14.8 14.8 14 12.5 12.8 11.2 Z", "accent", fill="tint")


# Badges: a disc in the lower right corner with a white sign ------------------------------

BADGE = (18.5, 18.5, 5.2)


def badge(i, kind):
    x, y, r = BADGE
    colour = {"plus": "green", "check": "green", "play": "green", "x": "red", "minus": "red",
              "pencil": "amber", "lock": "amber", "unlock": "amber", "bulb": "amber", "sun": "amber",
              "bolt": "amber", "gear": "grey", "bulb-off": "grey"}.get(kind, "accent")
    i.circle(x, y, r, None, fill=colour)
    s = "sign"
    if kind == "plus":
        i.line(x - 2.6, y, x + 2.6, y, s, 1.6)
        i.line(x, y - 2.6, x, y + 2.6, s, 1.6)
    elif kind == "minus":
        i.line(x - 2.6, y, x + 2.6, y, s, 1.6)
    elif kind == "x":
        i.line(x - 2, y - 2, x + 2, y + 2, s, 1.6)
        i.line(x + 2, y - 2, x - 2, y + 2, s, 1.6)
    elif kind == "check":
        i.poly([(x - 2.6, y + 0.2), (x - 0.7, y + 2.1), (x + 2.7, y - 1.9)], s, width=1.6)
    elif kind == "pencil":
        i.path(f"M{x - 2.8} {y + 2.8} L{x - 2.4} {y + 0.9} L{x + 1.2} {y - 2.7} L{x + 2.7} {y - 1.2} "
               f"L{x - 0.9} {y + 2.4} Z", s, width=1.1)
    elif kind in ("save", "saveas"):
        i.path(f"M{x - 2.8} {y - 2.8} H{x + 1.6} L{x + 2.8} {y - 1.6} V{y + 2.8} H{x - 2.8} Z", s, width=1.1)
        i.line(x - 1.2, y + 0.8, x + 1.2, y + 0.8, s, 1.1)
        if kind == "saveas":
            i.line(x - 1.2, y - 2.8, x - 1.2, y - 1.2, s, 1.1)
    elif kind == "out":
        i.arrow(x - 2.8, y, x + 3, y, s, 1.4, 2.4)
    elif kind == "in":
        i.arrow(x + 2.8, y - 2.8, x - 2, y + 2, s, 1.4, 2.4)
    elif kind == "back":
        i.path(f"M{x + 2.6} {y + 2.4} A2.8 2.8 0 0 0 {x - 0.2} {y - 1.8}", s, width=1.3)
        i.head(x - 2.8, y - 1.8, 180, s, 2.4)
    elif kind == "lens":
        i.circle(x - 0.6, y - 0.6, 1.9, s, width=1.2)
        i.line(x + 0.8, y + 0.8, x + 2.6, y + 2.6, s, 1.4)
    elif kind == "gear":
        gear(i, x, y, 3.9, None, s, "grey")
    elif kind in ("lock", "unlock"):
        i.rect(x - 2.4, y - 0.6, 4.8, 3.4, None, fill=s)
        shackle = f"M{x - 1.5} {y - 0.6} V{y - 1.9} A1.5 1.5 0 0 1 {x + 1.5} {y - 1.9}"
        i.path(shackle + ("" if kind == "unlock" else f" V{y - 0.6}"), s, width=1.1)
    elif kind in ("bulb", "bulb-off"):
        i.circle(x, y - 0.9, 2.2, s, fill=s if kind == "bulb" else None, width=1.1)
        i.line(x - 1, y + 2.5, x + 1, y + 2.5, s, 1.1)
    elif kind == "snow":
        for a in (0, 60, 120):
            dx, dy = 2.9 * math.cos(math.radians(a)), 2.9 * math.sin(math.radians(a))
            i.line(x - dx, y - dy, x + dx, y + dy, s, 1.1)
    elif kind == "sun":
        i.circle(x, y, 1.5, None, fill=s)
        for a in range(0, 360, 45):
            ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
            i.line(x + 2.3 * ca, y + 2.3 * sa, x + 3.3 * ca, y + 3.3 * sa, s, 0.9)
    elif kind == "eye":
        i.path(f"M{x - 3} {y} Q{x} {y - 3.2} {x + 3} {y} Q{x} {y + 3.2} {x - 3} {y} Z", s, width=1)
        i.circle(x, y, 1, None, fill=s)
    elif kind == "play":
        i.poly([(x - 1.6, y - 2.6), (x + 2.6, y), (x - 1.6, y + 2.6)], None, closed=True, fill=s)
    elif kind == "bolt":
        i.poly([(x + 0.8, y - 3.2), (x - 2, y + 0.5), (x, y + 0.5), (x - 0.8, y + 3.2), (x + 2, y - 0.5),
                (x, y - 0.5)], None, closed=True, fill=s)
    elif kind == "param":
        i.arrow(x - 3, y, x + 3, y, s, 1.1, 2.2, both=True)
        i.line(x - 3, y - 2, x - 3, y + 2, s, 0.9)
        i.line(x + 3, y - 2, x + 3, y + 2, s, 0.9)
    elif kind == "target":
        i.circle(x, y, 2.5, s, width=1.1)
        i.circle(x, y, 0.9, None, fill=s)
    elif kind == "equals":
        i.line(x - 2.5, y - 1.2, x + 2.5, y - 1.2, s, 1.4)
        i.line(x - 2.5, y + 1.2, x + 2.5, y + 1.2, s, 1.4)
    elif kind == "globe":
        i.circle(x, y, 2.9, s, width=1)
        i.ellipse(x, y, 1.2, 2.9, s, width=0.9)
        i.line(x - 2.9, y, x + 2.9, y, s, 0.9)
    elif kind == "cube":
        cube(i, x, y + 0.3, 3.1, None, s)
    elif kind == "scissors":
        i.circle(x - 1.7, y + 1.9, 1, s, width=0.9)
        i.circle(x + 1.7, y + 1.9, 1, s, width=0.9)
        i.line(x - 1.1, y + 1.1, x + 1.8, y - 3, s, 1)
        i.line(x + 1.1, y + 1.1, x - 1.8, y - 3, s, 1)
    elif kind == "link":
        i.rect(x - 3.3, y - 1.3, 4, 2.6, s, r=1.3, width=1)
        i.rect(x - 0.7, y - 1.3, 4, 2.6, s, r=1.3, width=1)
    else:
        raise ValueError(kind)


# The icons -------------------------------------------------------------------------------

ICONS = {}


def icon(name, badge_kind=None):
    def register(draw):
        ICONS[name] = (draw, badge_kind)
        return draw
    return register


def with_badge(name, base, kind):
    ICONS[name] = (ICONS[base][0], kind)


# Files
@icon("file-new", "plus")
def _(i):
    page(i)
    text_lines(i, 8, 10, 7, 3)


@icon("file-open")
def _(i):
    folder(i)


@icon("file-save")
def _(i):
    disk(i)


with_badge("file-save-as", "file-save", "pencil")


@icon("file-save-all")
def _(i):
    disk(i, 6.5, 2.5, 15)
    disk(i, 2.5, 6.5, 15)


with_badge("file-close", "file-new", "x")


@icon("print")
def _(i):
    i.rect(7, 3, 10, 6, "ink", fill="paper")
    i.rect(3, 9, 18, 8, "ink", fill="tint", r=1.5)
    i.rect(7, 14, 10, 7, "ink", fill="paper")
    text_lines(i, 9, 17, 6, 2, gap=2.2)
    i.dot(18, 11.5, 0.9, "accent")


@icon("print-preview", "lens")
def _(i):
    page(i)
    i.rect(7.5, 9, 8, 6, "accent", fill="tint", width=1.2)


@icon("page-setup", "gear")
def _(i):
    page(i)
    i.rect(7.5, 7.5, 8, 10, "accent", width=1.1, dash="1.6 1.4")


@icon("export")
def _(i):
    page(i, 3, 3, 12, 18)
    i.arrow(10, 12, 21.5, 12, "accent", 1.8)


@icon("export-pdf")
def _(i):
    page(i, 3, 3, 12, 18)
    i.rect(3, 13, 9, 4.5, None, fill="red")
    i.arrow(12, 9, 21.5, 9, "accent", 1.8)


@icon("export-image", "out")
def _(i):
    picture(i)


@icon("import")
def _(i):
    page(i, 9, 3, 12, 18)
    i.arrow(2.5, 12, 14, 12, "accent", 1.8)


@icon("purge")
def _(i):
    i.path("M6 8 L7.5 21 H16.5 L18 8", "ink", fill="paper")
    i.line(4, 6.5, 20, 6.5, "ink")
    i.path("M9.5 6.5 V4 H14.5 V6.5", "ink")
    for x in (10, 12, 14):
        i.line(x, 10, x, 18, "faint", 1.2)


@icon("exit")
def _(i):
    i.path("M13 3.5 H5 V20.5 H13", "ink")
    i.path("M5 3.5 L11 5.5 V22 L5 20.5 Z", "ink", fill="tint")
    i.arrow(12.5, 12, 21.5, 12, "accent", 1.8)


# Edit
@icon("undo")
def _(i):
    i.path("M6 9 H15 A5 5 0 0 1 15 19 H9", "accent", width=1.8)
    i.head(3, 9, 180, "accent", 4)


@icon("redo")
def _(i):
    i.path("M18 9 H9 A5 5 0 0 0 9 19 H15", "accent", width=1.8)
    i.head(21, 9, 0, "accent", 4)


@icon("cut")
def _(i):
    scissors(i)


@icon("copy-clip")
def _(i):
    page(i, 3, 2.5, 11, 14)
    page(i, 9, 7.5, 11, 14, "accent", "tint")


@icon("copy-base")
def _(i):
    page(i, 3, 2.5, 11, 14)
    page(i, 9, 7.5, 11, 14, "accent", "tint")
    crosshair(i, 9, 21.5, 2.5, "red")


@icon("paste")
def _(i):
    clipboard(i)
    text_lines(i, 7.5, 10, 8, 4)


@icon("paste-block", "cube")
def _(i):
    clipboard(i)
    text_lines(i, 7.5, 10, 8, 2)


@icon("paste-original", "target")
def _(i):
    clipboard(i)
    text_lines(i, 7.5, 10, 8, 2)


@icon("erase", "x")
def _(i):
    i.line(3.5, 17, 16, 4.5)
    i.circle(10, 12.5, 5, "ink")


@icon("select-all")
def _(i):
    i.rect(2.5, 2.5, 19, 19, "accent", width=1.2, dash="2 1.8")
    i.circle(8.5, 9, 3.3, "accent", fill="tint")
    i.rect(12.5, 12, 6, 6, "accent", fill="tint")
    i.line(5.5, 18.5, 10, 14, "accent")


@icon("find", "lens")
def _(i):
    page(i)
    text_lines(i, 8, 8, 7, 4)


# View
@icon("zoom-extents")
def _(i):
    lens(i)
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        i.arrow(10 + sx * 1, 10 + sy * 1, 10 + sx * 3.6, 10 + sy * 3.6, "accent", 1.2, 2.2)


@icon("zoom-window")
def _(i):
    lens(i)
    i.rect(6.8, 7.5, 6.4, 5, "accent", width=1.1, dash="1.4 1.1")


@icon("zoom-in")
def _(i):
    lens(i)
    i.line(7, 10, 13, 10, "accent", 1.8)
    i.line(10, 7, 10, 13, "accent", 1.8)


@icon("zoom-out")
def _(i):
    lens(i)
    i.line(7, 10, 13, 10, "accent", 1.8)


@icon("zoom-previous")
def _(i):
    lens(i)
    i.path("M13 12 A3 3 0 0 0 10 8.2 H8.5", "accent", width=1.4)
    i.head(6.5, 8.2, 180, "accent", 2.6)


@icon("zoom-realtime")
def _(i):
    lens(i)
    i.line(6.5, 8.5, 10, 8.5, "accent", 1.3)
    i.line(8.25, 6.8, 8.25, 10.2, "accent", 1.3)
    i.line(10.5, 12, 13.5, 12, "accent", 1.3)


@icon("zoom-all")
def _(i):
    lens(i)
    i.rect(6.5, 7, 7, 6, "accent", fill="tint", width=1.1)


@icon("zoom-object")
def _(i):
    lens(i)
    i.circle(10, 10, 3, "accent", fill="tint", width=1.2)


@icon("pan")
def _(i):
    for angle in (0, 90, 180, 270):
        a = math.radians(angle)
        i.arrow(12 + 2.5 * math.cos(a), 12 + 2.5 * math.sin(a), 12 + 9.5 * math.cos(a), 12 + 9.5 * math.sin(a),
                "accent", 1.6)
    i.circle(12, 12, 2, "ink", fill="paper")


@icon("regen")
def _(i):
    circular_arrows(i)
    i.circle(12, 12, 2.5, "ink", fill="tint")


@icon("regen-all")
def _(i):
    i.rect(2.5, 2.5, 19, 19, "faint", width=1)
    i.line(12, 2.5, 12, 21.5, "faint", 1)
    i.line(2.5, 12, 21.5, 12, "faint", 1)
    circular_arrows(i)


@icon("view-top")
def _(i):
    cube(i, 12, 12, 8.5, "paper", face="top")


@icon("view-front")
def _(i):
    cube(i, 12, 12, 8.5, "paper", face="front")


@icon("view-right")
def _(i):
    cube(i, 12, 12, 8.5, "paper", face="right")


@icon("view-iso-sw")
def _(i):
    cube(i, 12, 12, 8.5, "tint")
    i.arrow(2.5, 21.5, 6.5, 17.5, "accent", 1.4, 2.8)


@icon("view-iso-se")
def _(i):
    cube(i, 12, 12, 8.5, "tint")
    i.arrow(21.5, 21.5, 17.5, 17.5, "accent", 1.4, 2.8)


@icon("orbit")
def _(i):
    cube(i, 12, 12, 5.5, "tint")
    i.ellipse(12, 12, 10, 4.2, "accent", width=1.3)
    i.head(3.5, 14, 110, "accent", 3)


@icon("named-views", "plus")
def _(i):
    i.rect(2.5, 8, 14, 10, "ink", fill="tint", r=1.5)
    i.poly([(16.5, 11), (21.5, 8), (21.5, 18), (16.5, 15)], "ink", closed=True, fill="paper")
    i.circle(9.5, 13, 2.5, "accent", fill="paper")


@icon("shade-wireframe")
def _(i):
    cube(i, 12, 12, 8.5, None)
    i.line(12, 20.5, 12, 12, "faint", 1, "1.5 1.5")


@icon("shade-hidden")
def _(i):
    cube(i, 12, 12, 8.5, "paper")


@icon("shade-shaded")
def _(i):
    cube(i, 12, 12, 8.5, "tint", face="right")


@icon("clean-screen")
def _(i):
    i.rect(5.5, 7, 13, 10, "ink", fill="tint")
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        i.arrow(12 + sx * 7.5, 12 + sy * 6, 12 + sx * 10, 12 + sy * 9.5, "accent", 1.3, 2.6)


# Draw
@icon("line")
def _(i):
    i.line(4.5, 19.5, 19.5, 4.5, "accent")
    i.grip(4.5, 19.5)
    i.grip(19.5, 4.5)


@icon("polyline")
def _(i):
    i.path("M3.5 19 L9 8 L14 15 A4.2 4.2 0 0 0 20.5 9.5", "accent")
    for x, y in ((3.5, 19), (9, 8), (14, 15)):
        i.grip(x, y)


@icon("xline")
def _(i):
    i.arrow(12, 12, 21.5, 4, "accent", both=False)
    i.arrow(12, 12, 2.5, 20, "accent", both=False)
    i.grip(12, 12)


@icon("ray")
def _(i):
    i.arrow(4.5, 19, 21.5, 4.5, "accent")
    i.grip(4.5, 19)


@icon("multiline")
def _(i):
    i.poly([(3, 17), (9, 8), (21, 8)], "accent")
    i.poly([(3, 21), (10.5, 12), (21, 12)], "accent")


@icon("polygon")
def _(i):
    pts = [(12 + 9 * math.cos(math.radians(a)), 12 + 9 * math.sin(math.radians(a))) for a in range(-90, 270, 60)]
    i.poly(pts, "accent", closed=True, fill="tint")
    i.grip(12, 12)


@icon("rectangle")
def _(i):
    i.rect(4, 6, 16, 12, "accent", fill="tint")
    i.grip(4, 18)
    i.grip(20, 6)


@icon("arc-3p")
def _(i):
    i.arc(12, 16, 8.5, 10, 170)
    for a in (10, 90, 170):
        i.grip(12 + 8.5 * math.cos(math.radians(a)), 16 - 8.5 * math.sin(math.radians(a)))


@icon("arc-sce")
def _(i):
    p1, p2 = i.arc(9, 15, 9, 0, 100)
    i.line(9, 15, p1[0], p1[1], "faint", 1, "1.5 1.5")
    i.grip(*p1)
    i.grip(*p2)
    crosshair(i, 9, 15, 2, "ink")


@icon("arc-sca")
def _(i):
    p1, p2 = i.arc(9, 15, 9, 0, 100)
    i.line(9, 15, p1[0], p1[1], "faint", 1, "1.5 1.5")
    i.line(9, 15, p2[0], p2[1], "faint", 1, "1.5 1.5")
    i.arc(9, 15, 4, 0, 100, "ink", 1)
    i.grip(*p1)
    crosshair(i, 9, 15, 2, "ink")


@icon("circle")
def _(i):
    i.circle(12, 12, 8.5, "accent", fill="tint")
    i.line(12, 12, 20.5, 12, "ink", 1.1)
    i.grip(12, 12)


@icon("circle-cd")
def _(i):
    i.circle(12, 12, 8.5, "accent", fill="tint")
    i.line(6, 18, 18, 6, "ink", 1.1)
    i.grip(12, 12)


@icon("circle-2p")
def _(i):
    i.circle(12, 12, 8.5, "accent", fill="tint")
    i.line(3.5, 12, 20.5, 12, "faint", 1, "1.5 1.5")
    i.grip(3.5, 12)
    i.grip(20.5, 12)


@icon("circle-3p")
def _(i):
    i.circle(12, 12, 8.5, "accent", fill="tint")
    for a in (100, 220, 340):
        i.grip(12 + 8.5 * math.cos(math.radians(a)), 12 - 8.5 * math.sin(math.radians(a)))


@icon("circle-ttr")
def _(i):
    i.line(2.5, 20.5, 21.5, 20.5, "ink")
    i.line(2.5, 20.5, 13, 2.5, "ink")
    i.circle(12.5, 14.5, 6, "accent", fill="tint")


@icon("donut")
def _(i):
    i.path("M12 3 A9 9 0 1 1 11.99 3 Z M12 8 A4 4 0 1 0 12.01 8 Z", "accent", fill="accent")


@icon("spline")
def _(i):
    i.path("M3 18 C7 2 12 22 21 6", "accent")
    for x, y in ((3, 18), (11.5, 12.2), (21, 6)):
        i.grip(x, y)


@icon("ellipse")
def _(i):
    i.ellipse(12, 12, 9.5, 5.5, "accent", fill="tint")
    i.line(2.5, 12, 21.5, 12, "faint", 1, "1.5 1.5")
    i.grip(12, 12)


@icon("ellipse-arc")
def _(i):
    i.path("M2.5 14 A9.5 5.5 0 0 1 21.5 14", "accent")
    i.line(2.5, 14, 21.5, 14, "faint", 1, "1.5 1.5")
    i.grip(2.5, 14)
    i.grip(21.5, 14)


@icon("point")
def _(i):
    crosshair(i, 12, 12, 7, "ink")
    i.circle(12, 12, 3.2, "accent", fill="tint")
    i.dot(12, 12, 1.3, "accent")


@icon("divide")
def _(i):
    i.line(3, 12, 21, 12, "ink")
    for x in (3, 9, 15, 21):
        crosshair(i, x, 12, 2.2, "accent")
    for x in (6, 12, 18):
        i.line(x, 15.5, x, 17.5, "faint", 1)


@icon("measure")
def _(i):
    i.line(3, 10, 21, 10, "ink")
    for x in (3, 10, 17):
        crosshair(i, x, 10, 2.2, "accent")
    i.rect(3, 15, 18, 5, "ink", fill="tint", width=1.1)
    for x in (6, 9, 12, 15, 18):
        i.line(x, 15, x, 17, "ink", 1)


def hatch_lines(i, x, y, w, h, colour="accent", step=3.5):
    # Diagonal lines clipped to the rectangle by hand: the icons use no clip paths.
    t = -h + step / 2
    while t < w:
        x1, y1, x2, y2 = x + t, y + h, x + t + h, y
        if x1 < x:
            y1 -= x - x1
            x1 = x
        if x2 > x + w:
            y2 += x2 - (x + w)
            x2 = x + w
        i.line(x1, y1, x2, y2, colour, 1.1)
        t += step


@icon("hatch")
def _(i):
    i.rect(3.5, 4.5, 17, 15, "ink", fill="paper")
    hatch_lines(i, 3.5, 4.5, 17, 15)


@icon("gradient")
def _(i):
    grad = "grad"
    i.defs.append(f'<linearGradient id="{grad}" x1="0" y1="0" x2="1" y2="1">'
                  f'<stop offset="0" stop-color="{i.colour("accent")}"/>'
                  f'<stop offset="1" stop-color="{i.colour("paper")}"/></linearGradient>')
    i.parts.append(f'<rect x="3.5" y="4.5" width="17" height="15" fill="url(#{grad})" stroke="{i.colour("ink")}" '
                   'stroke-width="1.5" stroke-linejoin="round"/>')


@icon("boundary")
def _(i):
    i.circle(8.5, 9, 5.5, "ink")
    i.rect(9, 9.5, 11, 10, "ink")
    i.path("M9 9.5 H14 A5.5 5.5 0 0 1 9 14.5 Z", "accent", fill="tint", width=1.8)


@icon("region")
def _(i):
    i.path("M4 18 L6 6 L14 4 L20 10 L17 19 Z", "accent", fill="tint")


@icon("wipeout")
def _(i):
    for y in (6, 10, 14, 18):
        i.line(2.5, y, 21.5, y, "faint", 1.2)
    i.rect(6, 8, 12, 8, "accent", fill="paper", dash="2 1.5")


@icon("revcloud")
def _(i):
    cloud(i)


@icon("table")
def _(i):
    table_grid(i)


@icon("block-create", "plus")
def _(i):
    cube(i)


# Annotate
@icon("text")
def _(i):
    letter_a(i, 5, 4, 14, "accent")
    i.line(3, 20.5, 21, 20.5, "ink", 1.2)


@icon("mtext")
def _(i):
    letter_a(i, 3, 3, 9, "accent", 1.6)
    for n, y in enumerate((9, 13, 17, 21)):
        i.line(12 if n == 0 else 3, y, 21 if n < 3 else 14, y, "ink", 1.3)


with_badge("text-edit", "text", "pencil")
with_badge("spell", "text", "check")


@icon("text-scale")
def _(i):
    letter_a(i, 2.5, 13, 7, "ink", 1.4)
    letter_a(i, 10, 3, 14, "accent")


@icon("leader")
def _(i):
    i.arrow(14, 8, 3.5, 20, "accent", 1.4, 3.2)
    i.line(14, 8, 21, 8, "accent", 1.4)
    text_lines(i, 13, 4, 8, 1, "ink")
    text_lines(i, 13, 12, 8, 1, "ink")


@icon("text-style", "gear")
def _(i):
    letter_a(i, 5, 4, 14, "accent")


# Dimension
def linear_dim(i, y=8, x1=5, x2=19):
    i.line(x1, 20, x1, y - 2, "ink", 1.1)
    i.line(x2, 20, x2, y - 2, "ink", 1.1)
    dim_arrows(i, x1, y, x2, y)


@icon("dim-linear")
def _(i):
    linear_dim(i)
    i.line(5, 20, 19, 20, "ink")


with_badge("dim-quick", "dim-linear", "bolt")
with_badge("dim-style", "dim-linear", "gear")


@icon("dim-aligned")
def _(i):
    i.line(4, 20, 16, 8, "ink")
    i.line(4, 20, 1.5, 17.5, "ink", 1.1)
    i.line(16, 8, 13.5, 5.5, "ink", 1.1)
    dim_arrows(i, 2.5, 18.5, 14.5, 6.5)


@icon("dim-angular")
def _(i):
    i.line(4, 20, 21, 20, "ink")
    i.line(4, 20, 17, 6, "ink")
    p1, p2 = i.arc(4, 20, 12, 0, 47, "accent", 1.2)
    i.head(p1[0], p1[1], 90, "accent", 2.6)
    i.head(p2[0], p2[1], -47 - 90, "accent", 2.6)


@icon("dim-arc")
def _(i):
    i.arc(12, 20, 8, 20, 160, "ink")
    i.arc(12, 20, 12, 25, 155, "accent", 1.2)
    i.arc(12, 4.5, 2, 20, 160, "accent", 1)


@icon("dim-radius")
def _(i):
    i.circle(11, 13, 8, "ink")
    i.arrow(11, 13, 11 + 8 * 0.7, 13 - 8 * 0.7, "accent", 1.3, 2.8)
    i.line(16.6, 7.4, 21.5, 2.5, "accent", 1.3)
    i.dot(11, 13, 1.1)


@icon("dim-diameter")
def _(i):
    i.circle(12, 12, 8, "ink")
    dim_arrows(i, 12 - 5.66, 12 + 5.66, 12 + 5.66, 12 - 5.66)


@icon("dim-ordinate")
def _(i):
    i.line(4, 3, 4, 20, "ink")
    i.line(4, 20, 21, 20, "ink")
    for y in (7, 13):
        i.line(4, y, 15, y, "accent", 1.1)
        i.line(15, y, 17, y - 2, "accent", 1.1)
        i.line(17, y - 2, 21, y - 2, "accent", 1.1)


@icon("dim-baseline")
def _(i):
    i.line(4, 21, 4, 3, "ink", 1.1)
    i.line(12, 21, 12, 11, "ink", 1.1)
    i.line(20, 21, 20, 5, "ink", 1.1)
    dim_arrows(i, 4, 13, 12, 13)
    dim_arrows(i, 4, 7, 20, 7)


@icon("dim-continue")
def _(i):
    for x in (3, 11, 19):
        i.line(x, 20, x, 8, "ink", 1.1)
    dim_arrows(i, 3, 11, 11, 11)
    dim_arrows(i, 11, 11, 19, 11)


@icon("tolerance")
def _(i):
    i.rect(2.5, 8, 19, 8, "ink", fill="paper")
    i.line(9, 8, 9, 16, "ink", 1.1)
    i.line(16, 8, 16, 16, "ink", 1.1)
    i.circle(5.75, 12, 2, "accent", width=1.2)
    i.line(11, 12, 14, 12, "accent", 1.2)
    i.line(18, 10, 18, 14, "accent", 1.2)


@icon("center-mark")
def _(i):
    i.circle(12, 12, 8, "ink")
    crosshair(i, 12, 12, 2.5, "accent")
    for x1, y1, x2, y2 in ((12, 5.5, 12, 2), (12, 18.5, 12, 22), (5.5, 12, 2, 12), (18.5, 12, 22, 12)):
        i.line(x1, y1, x2, y2, "accent", 1.2)


@icon("dim-oblique")
def _(i):
    i.line(3, 20, 8, 5, "ink", 1.1)
    i.line(13, 20, 18, 5, "ink", 1.1)
    dim_arrows(i, 6, 10, 16, 10)
    i.line(3, 20, 21, 20, "ink")


# Modify
@icon("copy")
def _(i):
    i.rect(2.5, 2.5, 9, 9, "ink", fill="paper")
    i.rect(12.5, 12.5, 9, 9, "accent", fill="tint")
    i.arrow(7, 7, 15.5, 15.5, "accent", 1.3, 2.8)


@icon("mirror")
def _(i):
    i.line(12, 2, 12, 22, "faint", 1.1, "2 1.5")
    i.poly([(10, 5), (10, 19), (3, 19)], "ink", closed=True, fill="paper")
    i.poly([(14, 5), (14, 19), (21, 19)], "accent", closed=True, fill="tint")


@icon("offset")
def _(i):
    i.path("M3 20 C3 10 8 5 20 5", "ink")
    i.path("M8 21 C8 14 12 10 21 10", "accent")
    i.arrow(6.5, 10.5, 10.5, 14, "accent", 1.1, 2.4, both=True)


@icon("array-rect")
def _(i):
    for row in range(3):
        for col in range(3):
            first = row == 2 and col == 0
            i.rect(3 + col * 7, 3 + row * 7, 4.5, 4.5, "ink" if first else "accent",
                   fill="paper" if first else "tint", width=1.2)


@icon("array-polar")
def _(i):
    for k in range(6):
        a = math.radians(k * 60 - 90)
        i.circle(12 + 7.5 * math.cos(a), 12 + 7.5 * math.sin(a), 2.4, "ink" if k == 0 else "accent",
                 fill="paper" if k == 0 else "tint", width=1.2)
    crosshair(i, 12, 12, 2, "ink")


@icon("array-path")
def _(i):
    i.path("M2.5 20 C8 20 8 6 21.5 4", "faint", width=1.1, dash="1.5 1.5")
    for k, (x, y) in enumerate(((3.5, 19), (8.5, 14), (13.5, 7.5), (19.5, 4.5))):
        i.rect(x - 2, y - 2, 4, 4, "ink" if k == 0 else "accent", fill="paper" if k == 0 else "tint", width=1.2)


@icon("move")
def _(i):
    i.rect(2.5, 12.5, 9, 9, "faint", width=1.1, dash="1.8 1.5")
    i.rect(12.5, 2.5, 9, 9, "accent", fill="tint")
    i.arrow(7, 17, 15.5, 8.5, "accent", 1.3, 2.8)


@icon("rotate")
def _(i):
    px, py, length = 4.5, 17, 15
    i.poly([(px, py), (px + length, py), (px + length, py + 3), (px, py + 3)], "ink", closed=True, fill="paper")
    u, v = (0.5, -0.866), (2.6, 1.5)
    i.poly([(px, py), (px + length * u[0], py + length * u[1]), (px + length * u[0] + v[0], py + length * u[1] + v[1]),
            (px + v[0], py + v[1])], "accent", closed=True, fill="tint")
    i.arc(px, py, 13, 6, 44, "accent", 1.3, head="end")
    i.grip(px, py, "ink")


@icon("scale")
def _(i):
    i.rect(2.5, 13.5, 8, 8, "ink", fill="paper")
    i.rect(2.5, 2.5, 19, 19, "accent", width=1.3)
    i.arrow(9.5, 14.5, 18.5, 5.5, "accent", 1.3, 2.8)


@icon("stretch")
def _(i):
    i.poly([(3, 20), (3, 8), (11, 8), (11, 20)], "ink")
    i.poly([(11, 8), (20, 8), (20, 20), (11, 20)], "accent")
    i.rect(14, 4, 9, 19, "faint", width=1, dash="1.6 1.4")
    i.arrow(13, 14, 21, 14, "accent", 1.2, 2.6)


@icon("lengthen")
def _(i):
    i.line(3, 12, 13, 12, "ink")
    i.line(13, 12, 17, 12, "accent", 1.5, "2 1.5")
    i.arrow(14, 17, 21.5, 17, "accent", 1.2, 2.6)
    i.grip(3, 12, "ink")


@icon("trim")
def _(i):
    i.line(15, 2.5, 15, 21.5, "ink")
    i.line(2.5, 8, 15, 8, "accent")
    i.line(15, 8, 21.5, 8, "faint", 1.3, "1.5 1.5")
    badge(i, "scissors")


@icon("extend")
def _(i):
    i.line(20, 2.5, 20, 21.5, "ink")
    i.line(3, 12, 10, 12, "ink")
    i.arrow(10, 12, 19.3, 12, "accent", 1.5, 3)


@icon("break-point")
def _(i):
    i.line(3, 12, 11, 12, "ink")
    i.line(13, 12, 21, 12, "ink")
    i.line(10, 8, 14, 16, "accent", 1.3)
    i.grip(12, 12)


@icon("break")
def _(i):
    i.line(2.5, 12, 8, 12, "ink")
    i.line(16, 12, 21.5, 12, "ink")
    i.line(8, 12, 16, 12, "faint", 1.3, "1.5 1.5")
    i.grip(8, 12)
    i.grip(16, 12)


@icon("join")
def _(i):
    i.line(3, 18, 9, 12, "ink")
    i.line(15, 12, 21, 6, "ink")
    i.line(9, 12, 15, 12, "accent", 2)
    i.grip(9, 12)
    i.grip(15, 12)


@icon("chamfer")
def _(i):
    i.poly([(4, 21), (4, 11)], "ink")
    i.poly([(11, 4), (21, 4)], "ink")
    i.line(4, 11, 11, 4, "accent", 1.8)
    i.poly([(4, 11), (4, 4), (11, 4)], "faint", width=1, dash="1.5 1.5")


@icon("fillet")
def _(i):
    i.poly([(4, 21), (4, 12)], "ink")
    i.poly([(12, 4), (21, 4)], "ink")
    i.path("M4 12 A8 8 0 0 1 12 4", "accent", width=1.8)
    i.poly([(4, 12), (4, 4), (12, 4)], "faint", width=1, dash="1.5 1.5")


@icon("explode")
def _(i):
    i.poly([(9, 9), (3, 9), (3, 3), (9, 3)], "accent")
    i.poly([(15, 15), (21, 15), (21, 21), (15, 21)], "accent")
    i.poly([(15, 9), (15, 3), (21, 3)], "accent")
    i.poly([(9, 15), (9, 21), (3, 21)], "accent")
    for dx, dy in ((-1, -1), (1, 1), (1, -1), (-1, 1)):
        i.line(12 + dx * 1, 12 + dy * 1, 12 + dx * 2.5, 12 + dy * 2.5, "amber", 1.3)


with_badge("pline-edit", "polyline", "pencil")
with_badge("spline-edit", "spline", "pencil")
with_badge("hatch-edit", "hatch", "pencil")


@icon("align")
def _(i):
    i.line(2.5, 20.5, 21.5, 20.5, "ink")
    i.poly([(5, 14), (12, 8), (15, 11.5), (8, 17.5)], "faint", closed=True, width=1.1, dash="1.5 1.3")
    i.rect(12, 13, 9, 7.5, "accent", fill="tint")
    i.arrow(10, 12, 14.5, 15.5, "accent", 1.2, 2.4)


@icon("match-prop")
def _(i):
    brush(i)


@icon("properties")
def _(i):
    i.rect(3.5, 3, 17, 18, "ink", fill="paper", r=1.5)
    for y in (7.5, 12, 16.5):
        i.rect(6, y - 1.3, 2.6, 2.6, "accent", fill="tint", width=1)
        i.line(10.5, y, 18, y, "ink", 1.2)


@icon("order-front")
def _(i):
    i.rect(3, 3, 11, 11, "ink", fill="paper")
    i.rect(9, 9, 11, 11, "accent", fill="tint")
    i.arrow(19, 8, 19, 2, "accent", 1.3, 2.6)


@icon("order-back")
def _(i):
    i.rect(9, 9, 11, 11, "accent", fill="tint")
    i.rect(3, 3, 11, 11, "ink", fill="paper")
    i.arrow(19, 2, 19, 7.5, "accent", 1.3, 2.6)


@icon("overkill", "minus")
def _(i):
    i.rect(3, 3, 12, 12, "ink", fill="paper")
    i.rect(5.5, 5.5, 12, 12, "accent", dash="1.8 1.4")


@icon("change-space")
def _(i):
    sheet(i)
    i.rect(5, 7, 8, 7, "accent", fill="tint", width=1.2)
    i.arrow(9, 10.5, 17.5, 10.5, "accent", 1.2, 2.6)


# Insert and blocks
@icon("block-insert", "in")
def _(i):
    cube(i)


with_badge("block-edit", "block-create", "pencil")
with_badge("block-write", "block-create", "save")
with_badge("block-close", "block-create", "x")
with_badge("block-save", "block-create", "save")
with_badge("block-save-as", "block-create", "saveas")
with_badge("block-parameter", "block-create", "param")
with_badge("block-action", "block-create", "bolt")
with_badge("block-visibility", "block-create", "eye")
with_badge("block-test", "block-create", "play")


@icon("attribute-define", "plus")
def _(i):
    i.path("M3 7 H15 L20.5 12 L15 17 H3 Z", "ink", fill="tint")
    i.circle(15.5, 12, 1.3, "ink", fill="paper")
    text_lines(i, 6, 10.5, 6, 2, "accent", 3)


with_badge("attribute-edit", "attribute-define", "pencil")


@icon("xref-attach", "link")
def _(i):
    page(i)
    text_lines(i, 8, 10, 7, 3)


@icon("xref")
def _(i):
    page(i, 3, 2, 11, 14)
    page(i, 10, 8, 11, 14, "accent", "tint")
    i.line(8, 16, 12, 16, "accent", 1.4)


@icon("image-attach", "plus")
def _(i):
    picture(i)


@icon("pdf-attach", "plus")
def _(i):
    page(i)
    i.rect(5, 13, 9, 4.5, None, fill="red")


@icon("ref-edit", "pencil")
def _(i):
    page(i)
    chain = i.colour("accent")
    i.parts.append(f'<rect x="7" y="9" width="5" height="3.5" rx="1.75" fill="none" stroke="{chain}" '
                   'stroke-width="1.3"/>')
    i.parts.append(f'<rect x="10.5" y="9" width="5" height="3.5" rx="1.75" fill="none" stroke="{chain}" '
                   'stroke-width="1.3"/>')


@icon("hyperlink")
def _(i):
    chain_link(i)


# Components
@icon("component-edit", "pencil")
def _(i):
    hexnut(i)


with_badge("component-close", "component-edit", "x")
with_badge("component-save", "component-edit", "save")
with_badge("component-parameter", "component-edit", "param")
with_badge("component-insert", "component-edit", "in")


# Sheets and viewports
@icon("sheet-new", "plus")
def _(i):
    sheet(i)


@icon("viewport")
def _(i):
    sheet(i)
    i.rect(5, 7, 10, 8, "accent", fill="tint", width=1.3)
    i.circle(10, 11, 2.2, "accent", width=1.1)


@icon("viewports")
def _(i):
    sheet(i)
    i.rect(4.5, 6.5, 7, 9, "accent", fill="tint", width=1.2)
    i.rect(12.5, 6.5, 7, 5, "accent", fill="tint", width=1.2)


@icon("viewport-clip")
def _(i):
    sheet(i)
    i.poly([(5, 7), (15, 7), (15, 11), (10, 15), (5, 15)], "accent", closed=True, fill="tint", width=1.3)


@icon("viewport-lock", "lock")
def _(i):
    sheet(i)
    i.rect(5, 7, 10, 8, "accent", fill="tint", width=1.3)


@icon("viewport-max")
def _(i):
    i.rect(2.5, 2.5, 19, 19, "ink", fill="tint")
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        i.arrow(12 + sx * 2, 12 + sy * 2, 12 + sx * 7, 12 + sy * 7, "accent", 1.3, 2.6)


@icon("viewport-min")
def _(i):
    i.rect(2.5, 2.5, 19, 19, "ink", fill="paper")
    for sx, sy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        i.arrow(12 + sx * 8, 12 + sy * 8, 12 + sx * 3, 12 + sy * 3, "accent", 1.3, 2.6)


@icon("paper-space")
def _(i):
    sheet(i, colour="accent")
    i.rect(5, 7, 8, 7, "ink", width=1.1)


@icon("model-space")
def _(i):
    sheet(i)
    i.rect(5, 7, 11, 9, "accent", fill="tint", width=1.8)
    crosshair(i, 10.5, 11.5, 2.5, "accent")


# Format
@icon("layers")
def _(i):
    layers(i)


with_badge("layer-previous", "layers", "back")
with_badge("layer-off", "layers", "bulb-off")
with_badge("layer-on", "layers", "bulb")
with_badge("layer-freeze", "layers", "snow")
with_badge("layer-thaw", "layers", "sun")
with_badge("layer-lock", "layers", "lock")
with_badge("layer-unlock", "layers", "unlock")
with_badge("layer-current", "layers", "check")
with_badge("layer-match", "layers", "equals")


@icon("layer-isolate", "target")
def _(i):
    layers(i, "accent", "tint", "faint", dashed=True)


@icon("layer-unisolate", "back")
def _(i):
    layers(i, "accent", "tint", "faint", dashed=True)


@icon("color")
def _(i):
    i.circle(9, 9, 5.5, None, fill="red")
    i.circle(15, 9, 5.5, None, fill="green")
    i.circle(12, 14.5, 5.5, None, fill="accent")
    i.circle(12, 11, 9.5, "ink", width=1.2)


@icon("linetype")
def _(i):
    i.line(3, 6, 21, 6, "ink")
    i.line(3, 12, 21, 12, "accent", 1.5, "3.5 2")
    i.line(3, 18, 21, 18, "ink", 1.5, "6 2 0.5 2")


@icon("lineweight")
def _(i):
    i.line(3, 5.5, 21, 5.5, "ink", 0.9)
    i.line(3, 11, 21, 11, "ink", 1.8)
    i.line(3, 17.5, 21, 17.5, "accent", 3.2)


with_badge("table-style", "table", "gear")


@icon("point-style", "gear")
def _(i):
    for x, y in ((6, 6), (14, 6), (6, 14)):
        crosshair(i, x, y, 3, "ink")
    i.circle(14, 14, 2.6, "accent", fill="tint")


# Tools
@icon("distance")
def _(i):
    dim_arrows(i, 4, 14, 20, 14)
    i.grip(4, 14, "ink")
    i.grip(20, 14, "ink")
    i.rect(5, 4, 14, 5, "ink", fill="tint", width=1.1)
    for x in (8, 11, 14):
        i.line(x, 4, x, 6, "ink", 1)


@icon("area")
def _(i):
    i.poly([(3, 19), (5, 6), (14, 3.5), (21, 11), (16, 20)], "accent", closed=True, fill="tint")
    for x, y in ((3, 19), (5, 6), (14, 3.5), (21, 11), (16, 20)):
        i.grip(x, y, "ink")


@icon("locate-point")
def _(i):
    i.line(3, 21, 21, 21, "faint", 1.1)
    i.line(3, 21, 3, 3, "faint", 1.1)
    pin(i, 13, 11)


@icon("list")
def _(i):
    for y in (5, 10, 15, 20):
        i.rect(3, y - 1.3, 2.6, 2.6, "accent", fill="accent", width=0.8)
        i.line(8, y, 20.5, y, "ink", 1.4)


@icon("quick-select")
def _(i):
    i.path("M3 4 H21 L14 12.5 V20 L10 18 V12.5 Z", "accent", fill="tint")


@icon("ucs")
def _(i):
    i.arrow(5, 19, 21, 19, "red", 1.6, 3.2)
    i.arrow(5, 19, 5, 3, "green", 1.6, 3.2)
    i.rect(3.5, 17.5, 3, 3, "ink", fill="paper", width=1)


with_badge("ucs-world", "ucs", "globe")


@icon("osnap")
def _(i):
    i.poly([(3, 21), (11, 11), (21, 11)], "ink")
    i.rect(7.5, 7.5, 7, 7, "accent", width=1.6)
    crosshair(i, 11, 11, 8, "faint")


@icon("grid")
def _(i):
    for row in range(5):
        for col in range(5):
            i.dot(4 + col * 4, 4 + row * 4, 1, "accent" if (row + col) % 4 == 0 else "ink")


@icon("palettes")
def _(i):
    i.rect(6, 2.5, 12, 19, "ink", fill="paper", r=1.5)
    i.rect(6, 2.5, 12, 3.5, "ink", fill="tint", r=1.5)
    for y in (8.5, 13, 17.5):
        i.rect(8, y - 1.5, 3, 3, "accent", fill="tint", width=1)
        i.line(13, y, 16, y, "ink", 1.2)


@icon("design-center")
def _(i):
    nodes = [(5, 5), (19, 5), (5, 19), (19, 19)]
    for x, y in nodes:
        i.line(12, 12, x, y, "faint", 1.2)
    for x, y in nodes:
        i.circle(x, y, 2.4, "ink", fill="paper", width=1.2)
    i.circle(12, 12, 3.8, "accent", fill="tint")


@icon("calculator")
def _(i):
    i.rect(5, 2.5, 14, 19, "ink", fill="paper", r=2)
    i.rect(7.5, 5, 9, 4, "accent", fill="tint", width=1)
    for row in range(3):
        for col in range(3):
            i.dot(8.5 + col * 3.5, 12.5 + row * 3, 0.9, "ink")


@icon("script", "play")
def _(i):
    page(i)
    text_lines(i, 8, 8, 7, 4, "ink")


@icon("customize")
def _(i):
    for y, knob in ((6, 15), (12, 8), (18, 13)):
        i.line(3, y, 21, y, "ink", 1.3)
        i.circle(knob, y, 2.3, "accent", fill="paper")


@icon("options")
def _(i):
    gear(i, 12, 12, 9.5, "ink")


@icon("render")
def _(i):
    i.defs.append(f'<radialGradient id="shade" cx="0.35" cy="0.35" r="0.75">'
                  f'<stop offset="0" stop-color="{i.colour("paper")}"/>'
                  f'<stop offset="1" stop-color="{i.colour("accent")}"/></radialGradient>')
    i.parts.append(f'<circle cx="12" cy="13" r="8" fill="url(#shade)" stroke="{i.colour("ink")}" '
                   'stroke-width="1.5"/>')
    i.ellipse(12, 20.5, 7, 1.3, None, fill="faint")


@icon("help")
def _(i):
    i.circle(12, 12, 9.5, "accent", fill="tint")
    i.path("M8.8 9.3 A3.3 3.3 0 1 1 13.4 12.4 C12.4 12.9 12 13.5 12 14.8", "accent", width=1.9)
    i.dot(12, 17.8, 1.2, "accent")


def write_all(folder):
    for scheme, colours in SCHEMES.items():
        target = os.path.join(folder, scheme)
        os.makedirs(target, exist_ok=True)
        for name, (draw, badge_kind) in sorted(ICONS.items()):
            i = Icon(colours)
            draw(i)
            if badge_kind:
                badge(i, badge_kind)
            with open(os.path.join(target, name + ".svg"), "w", encoding="utf-8") as out:
                out.write(i.svg())
    print(f"{len(ICONS)} icons in {', '.join(SCHEMES)} written to {folder}")


if __name__ == "__main__":
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    write_all(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "standin", "icons"))
