"""The skin library's picture drawing rules, redone on PIL images so that the pictures can be
judged the way the controls will show them: nine-part and three-part drawing, frame cutting,
quarter turns, and drawing with a key colour left out."""
from PIL import Image

from paint import MAGENTA


def spit_bitmap(picture, count, index):
    """Frame `index` (from 1) of a strip of `count` equal frames."""
    w = picture.width // count
    return picture.crop((w * (index - 1), 0, w * index, picture.height))


def draw(canvas, picture, x, y, key=None):
    """Draws a picture at (x, y); with a key, its pixels of that colour are left out."""
    if picture.width <= 0 or picture.height <= 0:
        return
    if key is None:
        canvas.paste(picture, (x, y))
        return
    mask = Image.new("L", picture.size, 255)
    px, mp = picture.load(), mask.load()
    for j in range(picture.height):
        for i in range(picture.width):
            if px[i, j] == key:
                mp[i, j] = 0
    canvas.paste(picture, (x, y), mask)


def stretch(canvas, picture, box, key=None):
    x0, y0, x1, y1 = box
    if x1 <= x0 or y1 <= y0 or picture.width <= 0 or picture.height <= 0:
        return
    draw(canvas, picture.resize((x1 - x0, y1 - y0), Image.NEAREST), x0, y0, key)


def bottom_left_key(picture):
    return picture.getpixel((0, picture.height - 1))


def spit_draw(canvas, picture, right, bottom, transparent):
    """Nine-part drawing into (0, 0, right, bottom): corners kept, edges and centre stretched;
    edges and centre always leave magenta out, corners only when `transparent`."""
    SW, SH = picture.size
    sw, sh = SW // 2, SH // 2
    w, h = right // 2, bottom // 2
    R, B = right, bottom
    corner_key = MAGENTA if transparent else None

    def crop(box):
        return picture.crop(box)

    def part(src, dst, keep="left-top"):
        sx0, sy0, sx1, sy1 = src
        dx0, dy0, dx1, dy1 = dst
        if dx1 <= dx0 or dy1 <= dy0 or sx1 <= sx0 or sy1 <= sy0:
            return
        # A destination smaller than the source uses the source's outer side only.
        if dx1 - dx0 < sx1 - sx0:
            if "right" in keep:
                sx0 = sx1 - (dx1 - dx0)
            else:
                sx1 = sx0 + (dx1 - dx0)
        if dy1 - dy0 < sy1 - sy0:
            if "bottom" in keep:
                sy0 = sy1 - (dy1 - dy0)
            else:
                sy1 = sy0 + (dy1 - dy0)
        stretch(canvas, crop((sx0, sy0, sx1, sy1)), dst, MAGENTA)

    cw, ch = max(0, min(sw, w)), max(0, min(sh, h))
    if cw and ch:
        draw(canvas, crop((0, 0, cw, ch)), 0, 0, corner_key)
    TL = (0, 0, cw, ch)
    cw, ch = max(0, min(sw, w)), max(0, min(sh - 1, h - 1))
    if cw and ch:
        draw(canvas, crop((0, SH - ch, cw, SH)), 0, B - ch, corner_key)
    BL = (0, B - ch, cw, B)
    part((0, sh, sw, SH - sh), (0, TL[3], TL[2], BL[1]))
    cw, ch = max(0, min(sw - 1, w - 1)), max(0, min(sh, h))
    if cw and ch:
        draw(canvas, crop((SW - cw, 0, SW, ch)), R - cw, 0, corner_key)
    TR = (R - cw, 0, R, ch)
    cw, ch = max(0, min(sw - 1, w - 1)), max(0, min(sh - 1, h - 1))
    if cw and ch:
        draw(canvas, crop((SW - cw, SH - ch, SW, SH)), R - cw, B - ch, corner_key)
    BR = (R - cw, B - ch, R, B)
    part((SW - sw + 1, SH - sh, SW, sh + 2), (TR[0], TR[3], TR[2], BR[1]), "right")
    part((sw, 0, SW - sw + 1, sh), (TL[2], 0, TR[0], TL[3]))
    part((sw, sh, SW - sw + 1, SH - sh), (TL[2], TL[3], TR[0], BR[1] - 1))
    part((sw, SH - sh, SW - sw + 1, SH), (TL[2] - 1, BL[1] - 1, BR[0], BR[3]), "bottom")


def spit_draw_horizontal(canvas, picture, box, corner_colour=False):
    """Three-part drawing: the end frames keyed, the middle frame stretched opaque."""
    key = picture.getpixel((0, 0)) if corner_colour else MAGENTA
    fw = picture.width // 3
    x0, y0, x1, y1 = box
    draw(canvas, spit_bitmap(picture, 3, 1), x0, y0, key)
    draw(canvas, spit_bitmap(picture, 3, 3), x1 - fw, y0, key)
    stretch(canvas, spit_bitmap(picture, 3, 2), (x0 + fw, y0, x1 - fw, y1))


def round_picture(picture):
    """A quarter turn counter-clockwise: the top row becomes the left column."""
    return picture.transpose(Image.ROTATE_90)


def round_picture3(picture):
    """A quarter turn clockwise: the bottom row becomes the left column."""
    return picture.transpose(Image.ROTATE_270)
