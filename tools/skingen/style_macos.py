"""MacOS: light pinstripes, silver and blue gel buttons, round traffic-light title buttons."""
from paint import darker, fill, hx, lighter, mix, rows_image
from widgets import (Look, check_boxes, gel, glyph, more_scroll_buttons, push_button,
                     radio_buttons, scroll_buttons, side_handle, slider, tab_strip, thumb_pieces,
                     title_buttons, track_groove)

FORM = (231, 231, 231)          # theme item 15 / 26
MATTE = (240, 240, 240)         # the pinstriped form background on average
SCROLL = (201, 201, 201)        # theme item 31
BORDER = (127, 127, 127)        # theme item 16

SILVER = Look(hx("787878"), [(0, hx("fdfdfd")), (0.48, hx("e9e9e9")), (0.52, hx("d9d9d9")),
                             (1, hx("f7f7f7"))], 0.45)
AQUA = Look(hx("2d5a9e"), [(0, hx("8fb9ee")), (0.48, hx("4f8fde")), (0.52, hx("3a7ed6")),
                           (1, hx("a8dcff"))], 0.6, mark=(255, 255, 255))
AQUA_DOWN = Look(hx("1f3f75"), [(0, hx("5a86c4")), (0.48, hx("2f63b0")), (0.52, hx("2455a3")),
                                (1, hx("6fa6e4"))], 0.35, mark=(255, 255, 255))
GREYED = Look(hx("b4b4b4"), [(0, hx("f6f6f6")), (1, hx("e6e6e6"))], 0.2, mark=hx("a0a0a0"))
INK = hx("1d3057")


def title_rows():
    """Row colours of the title pictures: an outline, a highlight, a grey pinstripe that darkens
    downward, and a divider above the window's client area."""
    rows = [BORDER, hx("fafafa")]
    for y in range(2, 22):
        base = mix(hx("f0f0f0"), hx("d2d2d2"), (y - 2) / 19)
        rows.append(lighter(base, 0.45) if y % 2 == 0 else base)
    rows.append(hx("8c8c8c"))
    return rows


def title_pictures():
    """The window's own border is the frame's outer column, so the pictures' outer columns
    carry the rows on without a second outline."""
    rows = title_rows()
    left = rows_image(48, rows)
    client = rows_image(49, rows)
    right = rows_image(48, rows)
    return left, client, right


HUES = {
    "close": (hx("8f1d12"), hx("e2412c"), hx("ff9a7a")),
    "min": (hx("8a5a00"), hx("e8a419"), hx("ffe08a")),
    "max": (hx("2c6a12"), hx("4fb52d"), hx("b5f08f")),
    "restore": (hx("2c6a12"), hx("4fb52d"), hx("b5f08f")),
    "menu": (hx("4e5663"), hx("8f99a8"), hx("dfe6ef")),
    "help": (hx("294f85"), hx("5b8fd4"), hx("c2dcff")),
}


def title_button(img, kind, state):
    edge, mid, glow = HUES[kind]
    if state == 2:
        edge, mid, glow = darker(edge, 0.25), darker(mid, 0.3), darker(glow, 0.25)
    look = Look(edge, [(0, darker(mid, 0.12)), (0.55, mid), (1, glow)], 0.7)
    cover = gel(img, 0.5, 0.5, 16.5, 16.5, 0, look, "circle")
    if state > 0:
        fill(img, darker(edge, 0.35), glyph(kind, 17, 17, 5, 5, 6, 1.6))
    return cover


def make():
    pics = {}
    pics["MACOS_BUTTON"] = push_button(84, 23, [SILVER, AQUA, AQUA_DOWN], 11, MATTE, True)
    pics["MACOS_CHECKBOX"] = check_boxes(
        15, 17, 13, 3, Look(hx("6f6f6f"), SILVER.body, 0.5, mark=INK), GREYED, FORM)
    dot = Look(hx("1f3f75"), AQUA.body, 0.6)
    dot_off = Look(hx("9a9a9a"), [(0, hx("c8c8c8")), (1, hx("b0b0b0"))], 0.3)
    pics["MACOS_RADIOBUTTON"] = radio_buttons(
        16, 17, 14, Look(hx("6f6f6f"), SILVER.body, 0.5), GREYED, dot, dot_off, MATTE)
    rows = title_rows()
    pics["MACOS_TITLEBTN"] = title_buttons(17, rows[4:21], title_button)
    pics["MACOS_TITLE_LEFT"], pics["MACOS_TITLE_CLIENT"], pics["MACOS_TITLE_RIGHT"] = \
        title_pictures()
    progress = rows_image(13, [hx("c6dcf7"), hx("8fb9ee"), hx("6da2e6"), hx("4f8fde"),
                               hx("3a7ed6"), hx("3478d2"), hx("4d93e0"), hx("6fb0ec"),
                               hx("94cdf7"), hx("b8e4ff")])
    pics["MACOS_PROGRESSBAR"] = progress
    pics["MACOS_TRACKBAR_BAR"] = track_groove(15, 5, Look(hx("7a7a7a"), [(0, hx("a9a9a9")),
                                                                       (1, hx("e4e4e4"))]))
    pics["MACOS_TRACKBAR_SLIDER"] = slider(11, 20, SILVER, MATTE, "down", True)
    pics["MACOS_TRACKBAR_SLIDER_V"] = slider(19, 11, SILVER, FORM, "right", False)
    arrows = [Look(hx("8a8a8a"), SILVER.body, 0.4, mark=hx("3c3c3c")),
              Look(hx("4a6ea8"), [(0, hx("e9f2fd")), (1, hx("bcd6f5"))], 0.4, mark=hx("1d3057")),
              Look(hx("2d5a9e"), AQUA_DOWN.body, 0.3, mark=(255, 255, 255))]
    pics["MACOS_SCROLLBAR_BUTTON"] = scroll_buttons(16, 22, arrows, 3, SCROLL, 4)
    pics["MACOS_SCROLLBAR_TRACK"] = thumb_pieces(11, 16, AQUA, 7, SCROLL)
    pics["MACOS_CHECKLIST"] = check_boxes(
        10, 11, 9, 2, Look(hx("6f6f6f"), SILVER.body, 0.4, mark=INK), GREYED, (255, 255, 255),
        1.4)
    pics["MACOS_SCROLLBUTTON"] = more_scroll_buttons(
        18, 18, Look(hx("8a8a8a"), SILVER.body, 0.4, mark=hx("3c3c3c")), MATTE, 4)
    pics["MACOS_TAB"] = tab_strip(12, 27, Look(hx("8a8a8a"), [(0, hx("fbfbfb")),
                                                             (0.5, hx("ececec")),
                                                             (1, hx("e2e2e2"))], 0.4), 6)
    pics["MACOS_TAB_LINE"] = rows_image(17, [hx("8a8a8a"), hx("fbfbfb"), hx("f0f0f0"),
                                             hx("e9e9e9"), hx("e4e4e4"), hx("dedede"),
                                             hx("a5a5a5")])
    pics["MACOS_SIDECHENNEL_HANDLE"] = side_handle(7, 84, SILVER, hx("7a7a7a"), hx("ffffff"),
                                                   FORM)
    pics["MACOS_SIDECHENNEL_BAR"] = rows_image(1, [BORDER] + title_rows()[1:20] + [hx("8c8c8c")])
    return pics
