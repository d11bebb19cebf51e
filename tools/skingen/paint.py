"""Small drawing kit the skin pictures are made with.

Shapes are drawn four times larger and scaled down, which gives smooth edges. A picture that
the library draws with a key colour is first composed over the colour it will usually stand
on (its matte), so that its soft edges blend, and then every pixel that the shape covers less
than half becomes the key; a key pixel therefore never carries a blended colour.
"""
from PIL import Image, ImageChops, ImageDraw, ImageFont

SCALE = 4
MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_PLAIN = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def bgr(value):
    """A colour written 0xBBGGRR, as the theme tables write them, as an RGB tuple."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def hx(text):
    """An RGB tuple from '#RRGGBB'."""
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(stops, t):
    """The colour at t (0..1) of a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def vgradient(w, h, stops, top=0, bottom=None):
    """An image whose rows run through the stops from row `top` to row `bottom`."""
    bottom = h if bottom is None else bottom
    img = Image.new("RGB", (w, h))
    span = max(1, bottom - top - 1)
    for y in range(h):
        img.paste(ramp(stops, (y - top) / span), (0, y, w, y + 1))
    return img


def hgradient(w, h, stops, left=0, right=None):
    right = w if right is None else right
    img = Image.new("RGB", (w, h))
    span = max(1, right - left - 1)
    for x in range(w):
        img.paste(ramp(stops, (x - left) / span), (x, 0, x + 1, h))
    return img


def rows_image(w, colours):
    """An image with one colour per row."""
    img = Image.new("RGB", (w, len(colours)))
    for y, c in enumerate(colours):
        img.paste(c, (0, y, w, y + 1))
    return img


def _mask(w, h, draw):
    big = Image.new("L", (w * SCALE, h * SCALE), 0)
    draw(ImageDraw.Draw(big), SCALE)
    return big.resize((w, h), Image.BOX)


def _box(x0, y0, x1, y1, s):
    return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]


def rrect(w, h, x0, y0, x1, y1, r):
    """Coverage of a rounded rectangle whose outer edges are x0..x1, y0..y1 (exclusive)."""
    return _mask(w, h, lambda d, s: d.rounded_rectangle(_box(x0, y0, x1, y1, s), radius=r * s,
                                                         fill=255))


def ellipse(w, h, x0, y0, x1, y1):
    return _mask(w, h, lambda d, s: d.ellipse(_box(x0, y0, x1, y1, s), fill=255))


def polygon(w, h, points):
    return _mask(w, h, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255))


def lines(w, h, points, width):
    """Coverage of a polyline with round joints; points are pixel-centre coordinates."""
    def draw(d, s):
        pts = [((x + 0.5) * s, (y + 0.5) * s) for x, y in points]
        d.line(pts, fill=255, width=int(round(width * s)), joint="curve")
        r = width * s / 2
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return _mask(w, h, draw)


def text_mask(w, h, text, size, cx, cy, bold=True):
    font = ImageFont.truetype(FONT_BOLD if bold else FONT_PLAIN, int(size * SCALE))

    def draw(d, s):
        d.text((cx * s, cy * s), text, font=font, fill=255, anchor="mm")
    return _mask(w, h, draw)


def ring(outer, inner):
    return ImageChops.subtract(outer, inner)


def union(*masks):
    out = masks[0]
    for m in masks[1:]:
        out = ImageChops.lighter(out, m)
    return out


def intersect(a, b):
    return ImageChops.multiply(a, b)


def scaled(mask, factor):
    return mask.point(lambda v: int(v * factor))


def fill(img, source, mask):
    """Paints a colour or an image of the same size through a coverage mask."""
    if isinstance(source, tuple):
        source = Image.new("RGB", img.size, source)
    img.paste(source, (0, 0), mask)


def shine(w, h, x0, y0, x1, y1, r, strength, fade_to=0.15):
    """A white highlight mask: a rounded shape that fades from top to bottom."""
    shape = rrect(w, h, x0, y0, x1, y1, r)
    fade = Image.new("L", (w, h))
    for y in range(h):
        t = 0 if y1 - y0 <= 1 else (y - y0) / (y1 - y0 - 1)
        fade.paste(int(255 * strength * (1 - (1 - fade_to) * max(0, min(1, t)))), (0, y, w, y + 1))
    return intersect(shape, fade)


def key_outside(img, coverage, key=MAGENTA):
    """Every pixel the shape covers less than half becomes the key colour."""
    hard = coverage.point(lambda v: 255 if v < 128 else 0)
    img.paste(key, (0, 0), hard)
    return img


def strip(frames):
    """Frames of equal size laid side by side."""
    w, h = frames[0].size
    out = Image.new("RGB", (w * len(frames), h))
    for i, f in enumerate(frames):
        assert f.size == (w, h), "frames of a strip must have one size"
        out.paste(f, (i * w, 0))
    return out


def rotate_ccw(img):
    return img.transpose(Image.ROTATE_90)


def rotate_cw(img):
    return img.transpose(Image.ROTATE_270)


def darker(c, t):
    return mix(c, BLACK, t)


def lighter(c, t):
    return mix(c, WHITE, t)
