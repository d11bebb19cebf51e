"""Picture makers shared by the five styles; each style passes its own shapes and colours.

A `Look` describes one state of a gel surface: its outline colour, the gradient of its body
(stops from top to bottom), how strong the white shine over its upper half is, and an
optional inner glow ring (the hover and focus light of some styles).
"""
from dataclasses import dataclass

from PIL import Image, ImageChops

from paint import (MAGENTA, WHITE, ellipse, fill, key_outside, lines, polygon, ring,
                   rrect, scaled, shine, strip, text_mask, union, vgradient)


@dataclass
class Look:
    border: tuple
    body: list
    shine: float = 0.0
    glow: tuple = None
    glow_strength: float = 0.8
    mark: tuple = (0, 0, 0)


def gel(img, x0, y0, x1, y1, r, look, shape="rrect"):
    """Draws an outlined, shaded body and answers its outer coverage."""
    w, h = img.size
    if shape == "circle":
        outer = ellipse(w, h, x0, y0, x1, y1)
        inner = ellipse(w, h, x0 + 1, y0 + 1, x1 - 1, y1 - 1)
    else:
        outer = rrect(w, h, x0, y0, x1, y1, r)
        inner = rrect(w, h, x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0, r - 1))
    fill(img, look.border, outer)
    fill(img, vgradient(w, h, look.body, y0 + 1, y1 - 1), inner)
    if look.glow:
        if shape == "circle":
            core = ellipse(w, h, x0 + 2.5, y0 + 2.5, x1 - 2.5, y1 - 2.5)
        else:
            core = rrect(w, h, x0 + 2.5, y0 + 2.5, x1 - 2.5, y1 - 2.5, max(0, r - 2))
        fill(img, look.glow, scaled(ring(inner, core), look.glow_strength))
    if look.shine > 0:
        sh_h = (y1 - y0) * 0.48
        if shape == "circle":
            cx = (x0 + x1) / 2
            half = (x1 - x0) * 0.32
            m = ellipse(w, h, cx - half, y0 + 1.2, cx + half, y0 + 1.2 + sh_h)
            m = scaled(m, look.shine)
        else:
            m = shine(w, h, x0 + 1.5, y0 + 1, x1 - 1.5, y0 + 1 + sh_h, max(0, r - 1.5),
                      look.shine)
        fill(img, WHITE, m)
    return outer


def push_button(fw, fh, looks, radius, matte, transparent):
    """Three frames: normal, hover, pressed; the body fills the frame."""
    frames = []
    for look in looks:
        img = Image.new("RGB", (fw, fh), matte)
        outer = gel(img, 0, 0, fw, fh, radius, look)
        if transparent:
            key_outside(img, outer)
        frames.append(img)
    return strip(frames)


def check_mark(w, h, x0, y0, b, colour, img, width=None):
    pts = [(x0 + b * 0.22, y0 + b * 0.50), (x0 + b * 0.42, y0 + b * 0.70),
           (x0 + b * 0.78, y0 + b * 0.24)]
    fill(img, colour, lines(w, h, pts, width or max(1.6, b * 0.15)))


def check_boxes(fw, fh, box, radius, look, disabled, matte, mark_width=None):
    """Four frames: checked, unchecked, checked disabled, unchecked disabled."""
    frames = []
    for checked, lk in ((True, look), (False, look), (True, disabled), (False, disabled)):
        img = Image.new("RGB", (fw, fh), matte)
        x0, y0 = (fw - box) // 2, (fh - box) // 2
        gel(img, x0, y0, x0 + box, y0 + box, radius, lk)
        if checked:
            check_mark(fw, fh, x0, y0, box, lk.mark, img, mark_width)
        frames.append(img)
    return strip(frames)


def radio_buttons(fw, fh, diameter, look, disabled, dot_look, dot_disabled, matte, dot=0.42):
    """Four frames like the check boxes; the outside is magenta, the key read at the
    bottom-left pixel."""
    frames = []
    for checked, lk, dl in ((True, look, dot_look), (False, look, None),
                            (True, disabled, dot_disabled), (False, disabled, None)):
        img = Image.new("RGB", (fw, fh), matte)
        x0, y0 = (fw - diameter) / 2, (fh - diameter) / 2
        outer = gel(img, x0, y0, x0 + diameter, y0 + diameter, 0, lk, "circle")
        if checked:
            d = diameter * dot
            cx, cy = fw / 2, fh / 2
            gel(img, cx - d / 2, cy - d / 2, cx + d / 2, cy + d / 2, 0, dl, "circle")
        key_outside(img, outer)
        img.putpixel((0, fh - 1), MAGENTA)
        frames.append(img)
    return strip(frames)


# Title bar glyphs, drawn into a box of side g whose top-left corner is (x, y).
def glyph(kind, w, h, x, y, g, weight):
    if kind == "close":
        return union(lines(w, h, [(x, y), (x + g, y + g)], weight),
                     lines(w, h, [(x + g, y), (x, y + g)], weight))
    if kind == "min":
        return rrect(w, h, x + 0.5, y + g - weight + 0.5, x + g + 1.5, y + g + 1.5, 0)
    if kind == "max":
        outer = rrect(w, h, x + 0.5, y + 0.5, x + g + 1.5, y + g + 1.5, 0)
        inner = rrect(w, h, x + 0.5 + weight * 0.8, y + 0.5 + weight * 1.5,
                      x + g + 1.5 - weight * 0.8, y + g + 1.5 - weight * 0.8, 0)
        return ring(outer, inner)
    if kind == "restore":
        s = g * 0.72
        parts = []
        for ox, oy in ((g - s, 0), (0, g - s)):
            outer = rrect(w, h, x + ox + 0.5, y + oy + 0.5, x + ox + s + 1.5, y + oy + s + 1.5, 0)
            inner = rrect(w, h, x + ox + 0.5 + weight * 0.7, y + oy + 0.5 + weight * 1.3,
                          x + ox + s + 1.5 - weight * 0.7, y + oy + s + 1.5 - weight * 0.7, 0)
            parts.append((outer, inner))
        back = ring(*parts[0])
        front_outer, front_inner = parts[1]
        back = ImageChops.subtract(back, front_outer)
        return union(back, ring(front_outer, front_inner))
    if kind == "help":
        return text_mask(w, h, "?", g * 1.45, x + g / 2 + 0.5, y + g / 2 + 0.9)
    if kind == "menu":
        return polygon(w, h, [(x + 0.5, y + g * 0.3 + 0.5), (x + g + 1.5, y + g * 0.3 + 0.5),
                              (x + g / 2 + 1, y + g * 0.85 + 0.5)])
    raise ValueError("unknown glyph " + kind)


TITLE_KINDS = ["menu", "help", "max", "restore", "min", "close"]


def title_buttons(size, background, draw_button, keyed=False):
    """The 18-frame strip: window menu, help, maximise, restore, minimise, close, each as
    normal, hover, pressed. `background` gives the row colours behind the buttons; with
    `keyed` they serve only to blend the edges, and everything outside a button becomes
    magenta, the bottom-left pixel included. `draw_button(img, kind, state)` paints one
    button and answers its coverage."""
    frames = []
    for kind in TITLE_KINDS:
        for state in range(3):
            img = Image.new("RGB", (size, size))
            for y in range(size):
                img.paste(background[y], (0, y, size, y + 1))
            cover = draw_button(img, kind, state)
            if keyed:
                key_outside(img, cover)
                img.putpixel((0, size - 1), MAGENTA)
            frames.append(img)
    return strip(frames)


def arrow(w, h, cx, cy, size, direction):
    """A crisp filled triangle pointing up, down, left or right, centred on (cx, cy): rows
    that grow by two pixels, starting one pixel wide across an odd extent and two pixels
    wide across an even one, so that it sits on the pixel grid in the middle."""
    rows = max(2, int(round(size)))
    across = w if direction in ("up", "down") else h
    base = 2 if across % 2 == 0 else 1
    centre = cx if direction in ("up", "down") else cy
    start = int(round((cy if direction in ("up", "down") else cx) - rows / 2))
    mask = Image.new("L", (w, h), 0)
    for k in range(rows):
        width = base + 2 * k
        lo = int(round(centre - width / 2))
        step = k if direction in ("up", "left") else rows - 1 - k
        along = start + step
        if direction in ("up", "down"):
            mask.paste(255, (lo, along, lo + width, along + 1))
        else:
            mask.paste(255, (along, lo, along + 1, lo + width))
    return mask


def scroll_buttons(fw, fh, looks, radius, matte, arrow_size, inset=0):
    """Six frames of a vertical bar's arrows: up normal, hover, pressed, then down."""
    frames = []
    for direction in ("up", "down"):
        for look in looks:
            img = Image.new("RGB", (fw, fh), matte)
            gel(img, inset, inset, fw - inset, fh - inset, radius, look)
            # The pressed arrow sinks one whole pixel, which keeps its shape on the grid.
            push = 1 if look is looks[2] else 0
            fill(img, look.mark, arrow(fw, fh, fw / 2, fh / 2 + push, arrow_size, direction))
            frames.append(img)
    return strip(frames)


def thumb_pieces(pw, ph, look, radius, matte, inset=1, grip=None):
    """Start, middle and end of a horizontal thumb: one long body cut in three."""
    w = pw * 3
    img = Image.new("RGB", (w, ph), matte)
    gel(img, 0, inset, w, ph - inset, radius, look)
    if grip:
        for i in (-2, 0, 2):
            x = w / 2 + i
            fill(img, grip[0], rrect(w, ph, x - 0.5, ph * 0.3, x + 0.5, ph * 0.7, 0))
            fill(img, grip[1], rrect(w, ph, x + 0.5, ph * 0.3 + 1, x + 1.5, ph * 0.7 + 1, 0))
    return img


def track_groove(fw, fh, look, transparent_ends=True):
    """Three frames of a bar: left end, middle (stretched), right end; the ends are keyed
    with magenta outside the rounded groove."""
    w = fw * 3
    img = Image.new("RGB", (w, fh), look.body[-1][1])
    outer = gel(img, 0, 0, w, fh, fh / 2, look)
    if transparent_ends:
        key_outside(img, outer)
    return img


def slider(w, h, look, matte, direction, keyed):
    """A pointer-shaped thumb: a rounded body ending in a point toward the track's ticks."""
    img = Image.new("RGB", (w, h), matte)
    if direction == "down":
        tip = h * 0.32
        pts = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - tip), (w / 2, h - 0.3), (0.5, h - tip)]
        inner_pts = [(1.5, 1.5), (w - 1.5, 1.5), (w - 1.5, h - tip - 0.4), (w / 2, h - 1.6),
                     (1.5, h - tip - 0.4)]
        shine_box = (1.5, 1.5, w - 1.5, h * 0.45)
    else:
        tip = w * 0.32
        pts = [(0.5, 0.5), (w - tip, 0.5), (w - 0.3, h / 2), (w - tip, h - 0.5), (0.5, h - 0.5)]
        inner_pts = [(1.5, 1.5), (w - tip - 0.4, 1.5), (w - 1.6, h / 2), (w - tip - 0.4, h - 1.5),
                     (1.5, h - 1.5)]
        shine_box = (1.5, 1.5, w - tip, h * 0.5)
    outer = polygon(w, h, pts)
    inner = polygon(w, h, inner_pts)
    fill(img, look.border, outer)
    fill(img, vgradient(w, h, look.body, 1, h - 1), inner)
    if look.shine:
        fill(img, WHITE, shine(w, h, *shine_box, 1, look.shine))
    if look.glow:
        core = polygon(w, h, [(x * 0.8 + w * 0.1, y * 0.8 + h * 0.1) for x, y in inner_pts])
        fill(img, look.glow, scaled(ring(inner, core), 0.6))
    if keyed:
        key_outside(img, outer)
        img.putpixel((0, h - 1), MAGENTA)
    return img


def more_scroll_buttons(fw, fh, look, matte, radius):
    """Four frames of small arrow buttons: left, right, up, down."""
    frames = []
    for direction in ("left", "right", "up", "down"):
        img = Image.new("RGB", (fw, fh), matte)
        gel(img, 0, 0, fw, fh, radius, look)
        fill(img, look.mark, arrow(fw, fh, fw / 2, fh / 2, 4, direction))
        frames.append(img)
    return strip(frames)


def tab_strip(fw, fh, look, radius):
    """Left end, middle and right end of a tab: rounded top corners, open bottom; the
    outside of the ends is magenta."""
    w = fw * 3
    img = Image.new("RGB", (w, fh), look.body[-1][1])
    outer = rrect(w, fh + radius + 2, 0, 0, w, fh + radius + 2, radius).crop((0, 0, w, fh))
    inner = rrect(w, fh + radius + 2, 1, 1, w - 1, fh + radius + 2, max(0, radius - 1)).crop(
        (0, 0, w, fh))
    fill(img, look.border, outer)
    fill(img, vgradient(w, fh, look.body, 1, fh), inner)
    if look.shine:
        fill(img, WHITE, scaled(intersect_rows(inner, 1, fh // 2), look.shine))
    key_outside(img, outer)
    return img


def intersect_rows(mask, y0, y1):
    band = Image.new("L", mask.size, 0)
    band.paste(255, (0, y0, mask.size[0], y1))
    return ImageChops.multiply(mask, band)


def side_handle(w, h, look, dot_dark, dot_light, matte):
    """A tall grip handle: a rounded body with a column of grip dots in its middle."""
    img = Image.new("RGB", (w, h), matte)
    gel(img, 0, 0, w, h, min(w / 2, 3), look)
    cx = w // 2 - 1
    for y in range(h // 2 - 12, h // 2 + 13, 4):
        img.putpixel((cx, y), dot_dark)
        img.putpixel((cx + 1, y + 1), dot_light)
    return img
