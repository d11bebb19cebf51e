"""BlueGlass: a glass title bar with a soft specular top and a glowing lower edge, round
glass title buttons, pale glass push buttons."""
from paint import (WHITE, darker, fill, hx, lighter, mix, ramp, rows_image, scaled, polygon)
from widgets import (Look, check_boxes, gel, glyph, push_button, radio_buttons,
                     scroll_buttons, side_handle, slider, tab_strip, thumb_pieces, title_buttons,
                     track_groove)

FORM = (231, 231, 231)          # theme items 15 and 26
SCROLL = (244, 244, 244)        # theme item 31
EDGE = hx("3c6eb4")

GLASS = Look(EDGE, [(0, hx("f4f9ff")), (0.5, hx("dbe9fb")), (0.52, hx("c6dcf6")),
                    (1, hx("e2f0ff"))], 0.6)
HOT = Look(hx("2f78d0"), [(0, hx("f6fbff")), (0.5, hx("d6ecff")), (0.52, hx("bcdfff")),
                          (1, hx("d4f1ff"))], 0.6, glow=hx("6cc4ff"), glow_strength=0.85)
PRESSED = Look(hx("24508e"), [(0, hx("a9c8ee")), (0.5, hx("bed6f3")), (0.52, hx("b2cff2")),
                              (1, hx("d2e6fb"))], 0.2)
BOX = Look(EDGE, [(0, hx("dfeaf8")), (1, hx("ffffff"))], 0.3, mark=hx("1552a8"))
BOX_OFF = Look(hx("b4bfcc"), [(0, hx("eef0f3")), (1, hx("f6f7f8"))], mark=hx("b4bfcc"))
BLUE_GEL = Look(hx("123c80"), [(0, hx("8cbcf4")), (0.48, hx("4a88dc")), (0.52, hx("2f6fcc")),
                               (1, hx("5fa8ee"))], 0.55, mark=WHITE)


def title_rows():
    upper = [(0, hx("76a8e8")), (1, hx("4f86d4"))]
    lower = [(0, hx("245fb8")), (0.7, hx("3576cc")), (1, hx("4e93e4"))]
    rows = [hx("0c2450"), hx("c4dcfa")]
    rows += [ramp(upper, (y - 2) / 13) for y in range(2, 16)]
    rows += [ramp(lower, (y - 16) / 14) for y in range(16, 31)]
    rows += [hx("8cc4fa"), hx("173a74")]
    return rows


def streaks(img, x0, angle_run, width, strength):
    """Soft diagonal reflections across the upper half of a title picture."""
    w, h = img.size
    for offset, wd, st in ((0, width, strength), (width + 5, width / 2, strength * 0.7)):
        x = x0 + offset
        m = polygon(w, h, [(x, 1), (x + wd, 1), (x + wd - angle_run, 16), (x - angle_run, 16)])
        fill(img, WHITE, scaled(m, st))


def title_pictures():
    rows = title_rows()
    left = rows_image(162, rows)
    client = rows_image(179, rows)
    right = rows_image(101, rows)
    streaks(left, 128, 10, 9, 0.16)
    streaks(right, 14, 10, 9, 0.12)
    for img, x in ((left, 0), (right, 100)):
        for y, c in enumerate(rows):
            img.putpixel((x, y), mix(c, hx("0c2450"), 0.6))
    return left, client, right


def title_button(img, kind, state):
    if kind == "close":
        body = [(0, hx("f8a49a")), (0.48, hx("e0503f")), (0.52, hx("c8362a")), (1, hx("f07a60"))]
        edge = hx("6e1410")
    else:
        body = BLUE_GEL.body
        edge = hx("0e2e66")
    if state == 1:
        body = [(p, lighter(c, 0.25)) for p, c in body]
    elif state == 2:
        body = [(p, darker(c, 0.25)) for p, c in body]
    cover = gel(img, 0.5, 0.5, 18.5, 18.5, 0, Look(edge, body, 0.6), "circle")
    fill(img, WHITE, glyph(kind, 19, 19, 5.5, 5.5, 7, 1.9))
    return cover


def make():
    pics = {}
    pics["BLUEGLASS_BUTTON"] = push_button(77, 27, [GLASS, HOT, PRESSED], 7, FORM, True)
    pics["BLUEGLASS_CHECKBOX"] = check_boxes(13, 13, 13, 3, BOX, BOX_OFF, FORM, 1.9)
    dot_off = Look(hx("b4bfcc"), [(0, hx("d0d7e0")), (1, hx("bcc5d1"))])
    pics["BLUEGLASS_RADIOBUTTON"] = radio_buttons(13, 13, 13, BOX, BOX_OFF, BLUE_GEL, dot_off,
                                                  FORM, 0.5)
    rows = title_rows()
    pics["BLUEGLASS_TITLEBTN"] = title_buttons(19, rows[6:25], title_button, keyed=True)
    pics["BLUEGLASS_TITLE_LEFT"], pics["BLUEGLASS_TITLE_CLIENT"], \
        pics["BLUEGLASS_TITLE_RIGHT"] = title_pictures()
    pics["BLUEGLASS_PROGRESSBAR"] = rows_image(1, [hx("d8ecff"), hx("a6d0fa"), hx("7ab4f0"),
                                                   hx("4f92e2"), hx("2a70cc"), hx("2468c4"),
                                                   hx("2e78d4"), hx("4a94e6"), hx("74b6f4"),
                                                   hx("a6d6ff")])
    pics["BLUEGLASS_TRACKBAR_BAR"] = track_groove(15, 4, Look(EDGE, [(0, hx("8fb0dc")),
                                                                   (1, hx("e0ecfa"))]))
    pics["BLUEGLASS_TRACKBAR_SLIDER"] = slider(11, 20, BLUE_GEL, FORM, "down", True)
    pics["BLUEGLASS_TRACKBAR_SLIDER_V"] = slider(18, 11, BLUE_GEL, FORM, "right", False)
    arrows = [Look(hx("7ea4d6"), [(0, hx("f2f8ff")), (0.5, hx("dae9fb")), (0.52, hx("c8ddf6")),
                                  (1, hx("e4f1ff"))], 0.5, mark=hx("1e4a8c")),
              Look(hx("4a88dc"), HOT.body, 0.5, mark=hx("0e3a80")),
              Look(hx("2f5c9c"), PRESSED.body, 0.2, mark=hx("0c2450"))]
    pics["BLUEGLASS_SCROLLBAR_BUTTON"] = scroll_buttons(17, 16, arrows, 3, SCROLL, 4)
    pics["BLUEGLASS_SCROLLBAR_TRACK"] = thumb_pieces(7, 16, BLUE_GEL, 6, SCROLL)
    pics["BLUEGLASS_CHECKLIST"] = check_boxes(11, 11, 11, 2, BOX, BOX_OFF, (255, 255, 255), 1.6)
    pics["BLUEGLASS_TAB"] = tab_strip(6, 17, Look(EDGE, [(0, hx("f4f9ff")), (1, hx("d4e6fa"))],
                                                  0.4), 3)
    pics["BLUEGLASS_TAB_LINE"] = rows_image(10, [EDGE, hx("d4e6fa"), hx("dde9f6"), hx("e3eaf2"),
                                                 hx("e7e7e7")])
    pics["BLUEGLASS_SIDECHENNEL_HANDLE"] = side_handle(8, 86, BLUE_GEL, hx("0e2e66"),
                                                       hx("bcdcff"), FORM)
    bar = [hx("c4dcfa")] + [ramp([(0, hx("76a8e8")), (0.45, hx("4f86d4")), (0.5, hx("245fb8")),
                                  (1, hx("4e93e4"))], y / 18) for y in range(19)] + [hx("173a74")]
    pics["BLUEGLASS_SIDECHENNEL_BAR"] = rows_image(1, bar)
    return pics
