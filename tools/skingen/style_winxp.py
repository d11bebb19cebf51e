"""WinXP: a deep blue rounded title bar, white-faced buttons with an orange hover light,
green check marks and progress."""
from paint import (darker, fill, hx, lighter, mix, ramp, rows_image)
from widgets import (Look, check_boxes, gel, glyph, more_scroll_buttons, push_button,
                     radio_buttons, scroll_buttons, side_handle, slider, tab_strip, thumb_pieces,
                     title_buttons, track_groove)

FORM = (239, 235, 222)          # theme items 15 and 26, 0xDEEBEF
SCROLL = (249, 249, 249)        # theme item 31
BORDER = (0, 44, 200)           # theme item 16, 0xC82C00
EDGE = hx("003c74")

FACE = Look(EDGE, [(0, hx("ffffff")), (0.6, hx("f4f3ee")), (1, hx("d6d0c5"))], 0.3)
HOT = Look(EDGE, FACE.body, 0.3, glow=hx("f8b330"), glow_strength=0.95)
PRESSED = Look(EDGE, [(0, hx("cdcac3")), (0.3, hx("e3e2da")), (1, hx("efeee8"))])
BOX = Look(hx("1c5180"), [(0, hx("dcdcd7")), (1, hx("ffffff"))], mark=hx("21a121"))
BOX_OFF = Look(hx("cac8bb"), [(0, hx("f5f4ea")), (1, hx("f5f4ea"))], mark=hx("cac8bb"))


def title_rows():
    stops = [(0, hx("0a5ee8")), (0.12, hx("3d8cff")), (0.25, hx("1a6cf0")), (0.5, hx("0054e3")),
             (0.85, hx("0058e8")), (1, hx("1e78ff"))]
    rows = [hx("00209a"), hx("7fb4ff"), hx("4a95ff")]
    rows += [ramp(stops, (y - 3) / 22) for y in range(3, 26)]
    rows += [hx("0a4fd8"), hx("003fc0"), hx("0030a8")]
    return rows


def title_pictures():
    rows = title_rows()
    left = rows_image(35, rows)
    client = rows_image(37, rows)
    right = rows_image(35, rows)
    for y, c in enumerate(rows):
        for x, t in ((0, 0.75), (1, 0.45), (2, 0.2), (3, 0.08)):
            left.putpixel((x, y), mix(c, BORDER, t))
            right.putpixel((34 - x, y), mix(c, BORDER, t))
    return left, client, right


def title_button(img, kind, state):
    if kind == "close":
        body = [(0, hx("f0a08a")), (0.45, hx("e2603a")), (1, hx("c4391c"))]
    else:
        body = [(0, hx("a4c6ff")), (0.45, hx("4b8df7")), (1, hx("2a66e0"))]
    if state == 1:
        body = [(p, lighter(c, 0.22)) for p, c in body]
    elif state == 2:
        body = [(p, darker(c, 0.22)) for p, c in reversed(body)]
        body = [(1 - p, c) for p, c in body]
    cover = gel(img, 0, 0, 21, 21, 3.5, Look((255, 255, 255), body, 0.25))
    fill(img, (255, 255, 255), glyph(kind, 21, 21, 6, 6, 8, 2.0))
    return cover


def make():
    pics = {}
    pics["WINXP_BUTTON"] = push_button(18, 21, [FACE, HOT, PRESSED], 3, FORM, False)
    pics["WINXP_CHECKBOX"] = check_boxes(13, 13, 13, 0, BOX, BOX_OFF, FORM, 1.9)
    dot = Look(hx("1a8c1a"), [(0, hx("9be79b")), (1, hx("21a121"))], 0.4)
    dot_off = Look(hx("cac8bb"), [(0, hx("dedbcf")), (1, hx("cac8bb"))])
    pics["WINXP_RADIOBUTTON"] = radio_buttons(13, 13, 13, BOX, BOX_OFF, dot, dot_off, FORM, 0.5)
    rows = title_rows()
    pics["WINXP_TITLEBTN"] = title_buttons(21, rows[5:26], title_button)
    pics["WINXP_TITLE_LEFT"], pics["WINXP_TITLE_CLIENT"], pics["WINXP_TITLE_RIGHT"] = \
        title_pictures()
    pics["WINXP_PROGRESSBAR"] = rows_image(6, [hx("d4f4d4"), hx("9ee69e"), hx("61d261"),
                                               hx("37bf37"), hx("2bb42b"), hx("2bb42b"),
                                               hx("38c238"), hx("5ad45a"), hx("8fe38f"),
                                               hx("c9f3c9")])
    pics["WINXP_TRACKBAR_BAR"] = track_groove(15, 8, Look(hx("9d9c99"), [(0, hx("d8d6cc")),
                                                                       (1, hx("f7f6f1"))]))
    knob = Look(hx("1c5180"), [(0, hx("ffffff")), (0.6, hx("f1efe6")), (1, hx("d8d3c5"))], 0.2,
                glow=hx("21a121"))
    pics["WINXP_TRACKBAR_SLIDER"] = slider(11, 21, knob, FORM, "down", True)
    pics["WINXP_TRACKBAR_SLIDER_V"] = slider(22, 11, knob, FORM, "right", False)
    arrows = [Look(hx("b4c8f6"), [(0, hx("e2ebff")), (1, hx("bcd0fa"))], 0.3, mark=hx("4d6185")),
              Look(hx("8fb0f5"), [(0, hx("f2f7ff")), (1, hx("cddcfc"))], 0.4, mark=hx("2a3f66")),
              Look(hx("7c9de6"), [(0, hx("a8bff0")), (1, hx("c9d8fa"))], 0.0, mark=hx("203050"))]
    pics["WINXP_SCROLLBAR_BUTTON"] = scroll_buttons(16, 17, arrows, 3, SCROLL, 4)
    pics["WINXP_SCROLLBAR_TRACK"] = thumb_pieces(7, 16, arrows[0], 3, SCROLL, 0)
    pics["WINXP_CHECKLIST"] = check_boxes(11, 11, 11, 0, BOX, BOX_OFF, (255, 255, 255), 1.6)
    pics["WINXP_SCROLLBUTTON"] = more_scroll_buttons(18, 18, arrows[0], FORM, 3)
    pics["WINXP_TAB"] = tab_strip(6, 18, Look(hx("919b9c"), [(0, hx("fffcf3")),
                                                           (1, hx("f4f1e6"))], 0.2), 3)
    # The tab line is one row: a warm line that the selected tab's orange top meets.
    pics["WINXP_TAB_LINE"] = rows_image(8, [hx("919b9c")])
    pics["WINXP_SIDECHENNEL_HANDLE"] = side_handle(8, 86, arrows[0], hx("4d6185"),
                                                   hx("ffffff"), FORM)
    pics["WINXP_SIDECHENNEL_BAR"] = rows_image(1, [ramp([(0, hx("ffffff")), (0.5, hx("d6e4fb")),
                                                         (1, hx("b5cdf7"))], y / 20)
                                                   for y in range(21)])
    return pics
