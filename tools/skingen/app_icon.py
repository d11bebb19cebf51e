"""The application's icon drawn for the desktop at each size it asks for, from the same
shapes as the 32-pixel MAINICON: a blue index card with an orange tab and a white "Ab".

Each size is drawn from the shapes, not scaled from another size, so edges and letters stay
sharp; the card's outline keeps a width of about a thirty-second of the icon. Outside the
card the icon is transparent, with the card's antialiased edge as its alpha."""
from PIL import Image

from paint import WHITE, fill, hx, rrect, shine, text_mask, vgradient

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

BORDER = hx("163a78")
BODY = [(0, hx("6ea2ea")), (0.5, hx("2f6cc8")), (1, hx("3f86dc"))]
TAB = hx("f29a1f")


def app_icon(size):
    """The icon as an RGBA picture of size x size pixels."""
    k = size / 32.0
    line = max(1.0, round(k))
    x0, y0, x1, y1, r = 2 * k, 3 * k, 30 * k, 30 * k, 5 * k
    img = Image.new("RGB", (size, size), BORDER)
    outer = rrect(size, size, x0, y0, x1, y1, r)
    inner = rrect(size, size, x0 + line, y0 + line, x1 - line, y1 - line, max(0, r - line))
    fill(img, vgradient(size, size, BODY, int(y0 + line), int(y1 - line)), inner)
    fill(img, WHITE, shine(size, size, x0 + 1.5 * line, y0 + line, x1 - 1.5 * line,
                           y0 + line + (y1 - y0) * 0.48, max(0, r - 1.5 * line), 0.5))
    fill(img, TAB, rrect(size, size, 21 * k, 3 * k, 27 * k, 13 * k, max(1, k)))
    fill(img, WHITE, text_mask(size, size, "Ab", 13 * k, 15.5 * k, 18.5 * k))
    icon = img.convert("RGBA")
    icon.putalpha(outer)
    return icon


def write_icons(folder):
    """Writes quorvane-SIZE.png for every size; answers the paths."""
    import os
    os.makedirs(folder, exist_ok=True)
    paths = []
    for size in SIZES:
        path = os.path.join(folder, "quorvane-%d.png" % size)
        app_icon(size).save(path, "PNG", optimize=True)
        paths.append(path)
    return paths


