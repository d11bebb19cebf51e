"""DeepBlue: a glossy navy title bar over a steel shelf, navy-framed light buttons, navy
scroll arrows and thumbs."""
from paint import (darker, fill, hx, lighter, ramp, rows_image)
from widgets import (Look, check_boxes, gel, glyph, push_button, radio_buttons,
                     scroll_buttons, side_handle, slider, tab_strip, thumb_pieces, title_buttons,
                     track_groove)

FORM = (232, 232, 232)          # theme items 15 and 26
SCROLL = (245, 245, 245)        # theme item 31
NAVY = hx("1e3770")

FACE = Look(NAVY, [(0, hx("fbfcff")), (0.5, hx("e6ecf6")), (0.52, hx("dae2f0")),
                   (1, hx("eef2f9"))], 0.35)
HOT = Look(NAVY, FACE.body, 0.35, glow=hx("5a96e6"), glow_strength=0.9)
PRESSED = Look(hx("142650"), [(0, hx("bccbe4")), (0.5, hx("d0dbee")), (1, hx("e4eaf5"))])
BOX = Look(NAVY, [(0, hx("dfe6f2")), (1, hx("ffffff"))], mark=hx("19326e"))
BOX_OFF = Look(hx("a9b1bf"), [(0, hx("eeeeee")), (1, hx("f6f6f6"))], mark=hx("a9b1bf"))
NAVY_GEL = Look(hx("0c1a3c"), [(0, hx("5378c0")), (0.48, hx("2c4f98")), (0.52, hx("203f84")),
                               (1, hx("3a64b0"))], 0.35, mark=(255, 255, 255))


def title_rows():
    band = [(0, hx("3c63ad")), (0.45, hx("24478f")), (0.5, hx("17367a")), (1, hx("1f4690"))]
    shelf = [(0, hx("46679f")), (1, hx("6e8cc0"))]
    rows = [hx("0a142d"), hx("7f9dd6")]
    rows += [ramp(band, (y - 2) / 20) for y in range(2, 23)]
    rows += [hx("0b1836"), hx("9bb3dc")]
    rows += [ramp(shelf, (y - 25) / 5) for y in range(25, 31)]
    rows += [hx("14254c")]
    return rows


def title_pictures():
    rows = title_rows()
    left = rows_image(97, rows)
    client = rows_image(98, rows)
    right = rows_image(97, rows)
    for y, c in enumerate(rows):
        left.putpixel((0, y), darker(c, 0.35))
        right.putpixel((96, y), darker(c, 0.35))
    return left, client, right


def title_button(img, kind, state):
    if kind == "close":
        body = [(0, hx("e4837a")), (0.48, hx("c23b30")), (0.52, hx("a82a20")), (1, hx("c8483c"))]
    else:
        body = NAVY_GEL.body
    if state == 1:
        body = [(p, lighter(c, 0.25)) for p, c in body]
    elif state == 2:
        body = [(p, darker(c, 0.3)) for p, c in body]
    cover = gel(img, 0, 0, 19, 19, 4, Look(hx("a8bde6"), body, 0.3))
    fill(img, (255, 255, 255), glyph(kind, 19, 19, 5.5, 5.5, 7, 1.8))
    return cover


def make():
    pics = {}
    pics["DEEPBLUE_BUTTON"] = push_button(74, 21, [FACE, HOT, PRESSED], 4, FORM, False)
    pics["DEEPBLUE_CHECKBOX"] = check_boxes(13, 13, 13, 2, BOX, BOX_OFF, FORM, 1.9)
    dot_off = Look(hx("a9b1bf"), [(0, hx("c5cbd5")), (1, hx("b0b8c6"))])
    pics["DEEPBLUE_RADIOBUTTON"] = radio_buttons(13, 13, 13, BOX, BOX_OFF, NAVY_GEL, dot_off,
                                                 FORM, 0.5)
    rows = title_rows()
    pics["DEEPBLUE_TITLEBTN"] = title_buttons(19, rows[2:21], title_button)
    pics["DEEPBLUE_TITLE_LEFT"], pics["DEEPBLUE_TITLE_CLIENT"], pics["DEEPBLUE_TITLE_RIGHT"] = \
        title_pictures()
    pics["DEEPBLUE_PROGRESSBAR"] = rows_image(1, [hx("a0b6e4"), hx("7193d6"), hx("4c72c0"),
                                                  hx("2f56a6"), hx("24488f"), hx("24488f"),
                                                  hx("2d55a2"), hx("3f69b8"), hx("5d85cc"),
                                                  hx("87a6de")])
    pics["DEEPBLUE_TRACKBAR_BAR"] = track_groove(15, 4, Look(NAVY, [(0, hx("5a6f98")),
                                                                  (1, hx("aebbd3"))]))
    pics["DEEPBLUE_TRACKBAR_SLIDER"] = slider(11, 20, NAVY_GEL, FORM, "down", True)
    pics["DEEPBLUE_TRACKBAR_SLIDER_V"] = slider(18, 11, NAVY_GEL, FORM, "right", False)
    hot = Look(hx("0c1a3c"), [(p, lighter(c, 0.2)) for p, c in NAVY_GEL.body], 0.4,
               mark=(255, 255, 255))
    down = Look(hx("0c1a3c"), [(p, darker(c, 0.25)) for p, c in NAVY_GEL.body], 0.15,
                mark=hx("d0dcf4"))
    pics["DEEPBLUE_SCROLLBAR_BUTTON"] = scroll_buttons(16, 16, [NAVY_GEL, hot, down], 3, SCROLL, 4)
    thumb = Look(hx("1a3166"), [(0, hx("7d9bd6")), (0.48, hx("5177c2")), (0.52, hx("4469b4")),
                               (1, hx("6a8ed0"))], 0.35)
    pics["DEEPBLUE_SCROLLBAR_TRACK"] = thumb_pieces(7, 16, thumb, 6, SCROLL)
    pics["DEEPBLUE_CHECKLIST"] = check_boxes(11, 11, 11, 1, BOX, BOX_OFF, (255, 255, 255), 1.6)
    pics["DEEPBLUE_TAB"] = tab_strip(4, 17, Look(NAVY, [(0, hx("eef2fa")), (1, hx("d3dcec"))],
                                                 0.3), 3)
    pics["DEEPBLUE_TAB_LINE"] = rows_image(5, [NAVY, hx("c9d3e4"), hx("dde3ee"), hx("e4e8f0"),
                                               hx("e8e8e8")])
    pics["DEEPBLUE_SIDECHENNEL_HANDLE"] = side_handle(8, 83, NAVY_GEL, hx("0c1a3c"),
                                                      hx("9fb6e2"), FORM)
    pics["DEEPBLUE_SIDECHENNEL_BAR"] = rows_image(1, [hx("7f9dd6")] + [
        ramp([(0, hx("3c63ad")), (0.45, hx("24478f")), (0.5, hx("17367a")),
              (1, hx("1f4690"))], y / 17) for y in range(18)] + [hx("0b1836")])
    return pics
