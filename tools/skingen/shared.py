"""Pictures that are not one style's item: backgrounds, menu strips, the check mark, the MDI
and panel buttons, the notification window, combo box buttons, navigator glyphs and the
application icon."""
from PIL import Image, ImageChops

from paint import (MAGENTA, WHITE, bgr, ellipse, fill, hx, key_outside, lines, polygon, union,
                   rows_image, rrect, strip, text_mask, vgradient)
from widgets import Look, arrow, gel, more_scroll_buttons

# Rows the library's own drawing relies on, written as the theme tables write colours.
MACOS_FORM_ROWS = [0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF]
PROTEIN_FORM_ROWS = [0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xEEEEEE]
MACOS_MENU_BAR_ROWS = [
    0xE9E9E9, 0xFFFFFF, 0xFFFFFF, 0xFBFBFB, 0xE9E9E9, 0xFAFAFA, 0xFEFEFE, 0xFAFAFA, 0xE9E9E9,
    0xFAFAFA, 0xFFFFFF, 0xFAFAFA, 0xE9E9E9, 0xFAFAFA, 0xFFFFFF, 0xF9F9F9, 0xEBE9E8, 0xFAFAFA,
    0xFFFFFF, 0xFAF9FB, 0xD4D4D4, 0x5D5B5B]
MACOS_MENU_SELECT_ROWS = [
    0xB35923, 0xBC6A33, 0xC47339, 0xBC6A33, 0xB35923, 0xBC6A33, 0xC47339, 0xBC6A33, 0xB85C27,
    0xBC6A33, 0xBF723A, 0xBC6A33, 0xB35923, 0xBC6A33, 0xC47339, 0xBC6A33, 0xB35923, 0xBC6A33,
    0xC47339, 0xBC6A33, 0xB35923]
CHECK_GREEN = bgr(0x1DCB00)
CHECK_SHADOW = bgr(0x575757)


def pattern(rows):
    return rows_image(8, [bgr(c) for c in rows * 2])


def menu_checked():
    """A tick in exactly three colours, so that white is a clean key: a shadow one pixel down
    and right, then the green tick over it."""
    img = Image.new("RGB", (16, 16), WHITE)
    tick = [(3, 8), (6, 11), (12, 4)]
    for (dx, dy), colour in (((1, 1), CHECK_SHADOW), ((0, 0), CHECK_GREEN)):
        m = lines(16, 16, [(x + dx, y + dy) for x, y in tick], 2.6)
        img.paste(colour, (0, 0), m.point(lambda v: 255 if v >= 110 else 0))
    return img


def mdi_control_button():
    """Black glyphs on white, one bit per pixel: minimise, restore, close."""
    img = Image.new("RGB", (48, 16), WHITE)
    px = img.load()

    def box(x0, y0, x1, y1, top=2):
        for x in range(x0, x1 + 1):
            for t in range(top):
                px[x, y0 + t] = (0, 0, 0)
            px[x, y1] = (0, 0, 0)
        for y in range(y0, y1 + 1):
            px[x0, y] = px[x1, y] = (0, 0, 0)

    for x in range(4, 11):
        px[x, 11] = px[x, 12] = (0, 0, 0)
    box(16 + 6, 3, 16 + 12, 8)
    for x in range(16 + 3, 16 + 10):
        for y in range(6, 14):
            px[x, y] = WHITE
    box(16 + 3, 6, 16 + 9, 12)
    for i in range(7):
        for d in (0, 1):
            px[32 + 4 + i + d, 4 + i] = (0, 0, 0)
            px[32 + 10 - i + d, 4 + i] = (0, 0, 0)
    return img


def msn_pop_form():
    w, h = 181, 116
    img = vgradient(w, h, [(0, hx("ffffff")), (0.35, hx("eef5ff")), (1, hx("b9d3f5"))])
    header = vgradient(w, 24, [(0, hx("dcebff")), (0.5, hx("a9cbf5")), (0.52, hx("8ab6ee")),
                               (1, hx("b8d6fb"))])
    img.paste(header, (1, 1), None)
    for x in range(1, w - 1):
        img.putpixel((x, 25), hx("6f9bd6"))
        img.putpixel((x, 26), hx("ffffff"))
    outline = hx("315c9c")
    for x in range(w):
        img.putpixel((x, 0), outline)
        img.putpixel((x, h - 1), outline)
    for y in range(h):
        img.putpixel((0, y), outline)
        img.putpixel((w - 1, y), outline)
    # The close box covers x 162..175 and y 6..19, both ends included.
    box = Image.new("RGB", (14, 14))
    box.paste(hx("9bb9e0"), (0, 0, 14, 14))
    gel(box, 0, 0, 14, 14, 2.5, Look(hx("7d1710"), [(0, hx("f08a78")), (0.5, hx("d9402c")),
                                                    (1, hx("c8301e"))], 0.45))
    fill(box, WHITE, lines(14, 14, [(3, 3), (10, 10)], 1.9))
    fill(box, WHITE, lines(14, 14, [(10, 3), (3, 10)], 1.9))
    img.paste(box, (162, 6))
    return img


def panel_button():
    """Four frames of 13 x 12: chevrons up dark and light, chevrons down dark and light, on a
    small rounded white key cap that reads on any title strip."""
    frames = []
    for direction in ("up", "down"):
        for colour in (hx("1b3f8b"), hx("5b9cf0")):
            img = Image.new("RGB", (13, 12), hx("b9c3d0"))
            gel(img, 0, 0, 13, 12, 3, Look(hx("8494aa"), [(0, hx("ffffff")), (1, hx("e3e8ef"))]))
            for dy in (0, 4):
                if direction == "up":
                    pts = [(3.5, 6.5 + dy - 2), (6, 4 + dy - 2), (8.5, 6.5 + dy - 2)]
                else:
                    pts = [(3.5, 3 + dy), (6, 5.5 + dy), (8.5, 3 + dy)]
                fill(img, colour, lines(13, 12, pts, 1.5))
            frames.append(img)
    return strip(frames)


def combo_button(w, h, look, with_arrow):
    img = Image.new("RGB", (w, h), look.body[-1][1])
    gel(img, 0, 0, w, h, 2, look)
    if with_arrow:
        fill(img, look.mark, arrow(w, h, w / 2, h / 2 + 0.5, 4, "down"))
    return img


def nav_glyphs():
    """Ten glyphs of 16 x 16 in navigator order: first, prior, next, last, insert, delete,
    edit, post, cancel, refresh. The background is magenta, read at the top-left pixel."""
    ink, green, red = hx("1f3a70"), hx("1f8a2a"), hx("c0262e")
    frames = []
    for index in range(10):
        img = Image.new("RGB", (16, 16), hx("eceef2"))
        m = None
        if index in (0, 1):
            m = polygon(16, 16, [(11, 3.5), (11, 12.5), (5.5, 8)])
            if index == 0:
                m = union(m, rrect(16, 16, 3.5, 3.5, 5.5, 12.5, 0))
            colour = ink
        elif index in (2, 3):
            m = polygon(16, 16, [(5, 3.5), (5, 12.5), (10.5, 8)])
            if index == 3:
                m = union(m, rrect(16, 16, 10.5, 3.5, 12.5, 12.5, 0))
            colour = ink
        elif index == 4:
            m = union(rrect(16, 16, 3, 7, 13, 9, 0), rrect(16, 16, 7, 3, 9, 13, 0))
            colour = green
        elif index == 5:
            m = rrect(16, 16, 3, 7, 13, 9, 0)
            colour = red
        elif index == 6:
            m = union(lines(16, 16, [(4, 11), (11, 4)], 2.6),
                       polygon(16, 16, [(2.5, 13.5), (3, 10.5), (5.5, 13)]))
            colour = ink
        elif index == 7:
            m = lines(16, 16, [(3.5, 8), (6.5, 11), (12, 4.5)], 2.0)
            colour = green
        elif index == 8:
            m = union(lines(16, 16, [(4, 4), (11, 11)], 2.0),
                      lines(16, 16, [(11, 4), (4, 11)], 2.0))
            colour = red
        else:
            outer = ellipse(16, 16, 2.5, 2.5, 13.5, 13.5)
            inner = ellipse(16, 16, 4.5, 4.5, 11.5, 11.5)
            ring = ImageChops.subtract(outer, inner)
            gap = polygon(16, 16, [(8, 8), (16, 0), (16, 7)])
            ring = ImageChops.subtract(ring, gap)
            m = union(ring, polygon(16, 16, [(9, 1.5), (14.5, 4), (10, 8)]))
            colour = ink
        fill(img, colour, m)
        key_outside(img, m)
        frames.append(img)
    return strip(frames)


def main_icon():
    """The application's icon: a blue index card with a white "Ab" and an orange tab."""
    img = Image.new("RGB", (32, 32), hx("e7e7e7"))
    cover = gel(img, 2, 3, 30, 30, 5, Look(hx("163a78"), [(0, hx("6ea2ea")), (0.5, hx("2f6cc8")),
                                                          (1, hx("3f86dc"))], 0.5))
    fill(img, hx("f29a1f"), rrect(32, 32, 21, 3, 27, 13, 1))
    fill(img, WHITE, text_mask(32, 32, "Ab", 13, 15.5, 18.5))
    key_outside(img, cover)
    img.putpixel((0, 31), MAGENTA)
    return img


def make():
    silver = Look(hx("8a8a8e"), [(0, hx("fdfdfd")), (0.5, hx("ececee")), (0.52, hx("e0e0e3")),
                                 (1, hx("f2f2f4"))], 0.4, mark=hx("2f3f5f"))
    aqua = Look(hx("5578b0"), [(0, hx("e4efff")), (0.48, hx("bcd6f7")), (0.52, hx("a6c8f2")),
                               (1, hx("d6eaff"))], 0.5, mark=hx("1d3057"))
    luna = Look(hx("b4c8f6"), [(0, hx("e2ebff")), (1, hx("bcd0fa"))], 0.3, mark=hx("4d6185"))
    return {
        "MORE_SCROLLBUTTON": more_scroll_buttons(18, 17, silver, hx("f0f0f0"), 3),
        "MACOS_FORM_BACKGROUND": pattern(MACOS_FORM_ROWS),
        "PROTEIN_FORM_BACKGROUND": pattern(PROTEIN_FORM_ROWS),
        "MACOS_MENU_BAR": rows_image(1, [bgr(c) for c in MACOS_MENU_BAR_ROWS]),
        "MACOS_MENU_SELECT": rows_image(1, [bgr(c) for c in MACOS_MENU_SELECT_ROWS]),
        "MENU_CHECKED": menu_checked(),
        "MDI_CONTROL_BUTTON": mdi_control_button(),
        "MSNPOPFORM": msn_pop_form(),
        "PANEL_BUTTON": panel_button(),
        "MACOS_COMBOBOX_BUTTON": combo_button(16, 17, aqua, False),
        "WINXP_COMBOBOX_BUTTON": combo_button(16, 18, luna, True),
        "DBNAV_BUTTON": nav_glyphs(),
        "MAINICON": main_icon(),
    }

