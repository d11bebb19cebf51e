"""Protein: bright silver-white surfaces under a graphite title bar, with red accents: the
title bar's red rule, the close button, check marks, radio dots and the progress bar."""
from paint import (darker, fill, hx, lighter, mix, ramp, rows_image)
from widgets import (Look, check_boxes, gel, glyph, push_button, radio_buttons,
                     scroll_buttons, side_handle, slider, tab_strip, thumb_pieces, title_buttons,
                     track_groove)

FORM = (251, 251, 251)          # theme items 15 and 26
SCROLL = (245, 245, 245)        # theme item 31
RED = hx("c8202a")

SILVER = Look(hx("9a9a9e"), [(0, hx("ffffff")), (0.5, hx("f1f1f3")), (0.52, hx("e6e6e9")),
                             (1, hx("f6f6f8"))], 0.4, mark=hx("3a3a3e"))
HOT = Look(hx("c8202a"), SILVER.body, 0.4, glow=hx("ff9a9a"), glow_strength=0.7,
           mark=RED)
PRESSED = Look(hx("6e6e72"), [(0, hx("d6d6da")), (0.5, hx("e4e4e7")), (1, hx("f2f2f4"))],
               mark=hx("1e1e22"))
BOX = Look(hx("86868a"), [(0, hx("e9e9ec")), (1, hx("ffffff"))], mark=RED)
BOX_OFF = Look(hx("c6c6c9"), [(0, hx("f3f3f4")), (1, hx("f8f8f9"))], mark=hx("c6c6c9"))
RED_GEL = Look(hx("7c0e14"), [(0, hx("f0727a")), (0.48, hx("d8323c")), (0.52, hx("c4222c")),
                              (1, hx("e0505a"))], 0.4)


def title_rows():
    gloss = [(0, hx("6c6c72")), (0.45, hx("4a4a50")), (0.5, hx("37373c")), (1, hx("424247"))]
    rows = [hx("000000"), hx("8e8e94")]
    rows += [ramp(gloss, (y - 2) / 18) for y in range(2, 21)]
    rows += [RED, hx("7a1016")]
    return rows


def title_pictures():
    """The long left picture carries a red glow that fades out to the right under the
    caption; the one-pixel client and right pictures continue the plain rows."""
    rows = title_rows()
    left = rows_image(441, rows)
    for x in range(441):
        t = max(0.0, 1 - x / 300) ** 2 * 0.45
        for y in range(2, 21):
            weight = t * (y - 2) / 18
            left.putpixel((x, y), mix(rows[y], hx("b01820"), weight))
    client = rows_image(1, rows)
    right = rows_image(1, rows)
    return left, client, right


def title_button(img, kind, state):
    if kind == "close":
        body = RED_GEL.body
        edge, mark = hx("5e0a0f"), (255, 255, 255)
    else:
        body = [(0, hx("f4f4f6")), (0.48, hx("d8d8dc")), (0.52, hx("c6c6cb")), (1, hx("e2e2e6"))]
        edge, mark = hx("2a2a2e"), hx("2a2a2e")
    if state == 1:
        body = [(p, lighter(c, 0.25)) for p, c in body]
        if kind != "close":
            mark = RED
    elif state == 2:
        body = [(p, darker(c, 0.22)) for p, c in body]
    cover = gel(img, 1, 1, 18, 18, 0, Look(edge, body, 0.45), "circle")
    fill(img, mark, glyph(kind, 19, 19, 5.5, 5.5, 7, 1.8))
    return cover


def make():
    pics = {}
    pics["PROTEIN_BUTTON"] = push_button(74, 21, [SILVER, HOT, PRESSED], 4, FORM, False)
    pics["PROTEIN_CHECKBOX"] = check_boxes(13, 13, 13, 2, BOX, BOX_OFF, FORM, 1.9)
    dot_off = Look(hx("c6c6c9"), [(0, hx("dadadc")), (1, hx("cacacd"))])
    pics["PROTEIN_RADIOBUTTON"] = radio_buttons(13, 13, 13, BOX, BOX_OFF, RED_GEL, dot_off,
                                                FORM, 0.5)
    rows = title_rows()
    pics["PROTEIN_TITLEBTN"] = title_buttons(19, rows[2:21], title_button, keyed=True)
    pics["PROTEIN_TITLE_LEFT"], pics["PROTEIN_TITLE_CLIENT"], pics["PROTEIN_TITLE_RIGHT"] = \
        title_pictures()
    pics["PROTEIN_PROGRESSBAR"] = rows_image(1, [hx("f6b4b8"), hx("ee8088"), hx("e05058"),
                                                 hx("cc2a34"), hx("bc1e28"), hx("bc1e28"),
                                                 hx("c8303a"), hx("d84c55"), hx("e87880"),
                                                 hx("f4a8ae")])
    pics["PROTEIN_TRACKBAR_BAR"] = track_groove(15, 4, Look(hx("8a8a8e"), [(0, hx("bdbdc1")),
                                                                         (1, hx("ececee"))]))
    knob = Look(hx("6e6e72"), SILVER.body, 0.4, glow=RED, glow_strength=0.5)
    pics["PROTEIN_TRACKBAR_SLIDER"] = slider(11, 20, knob, FORM, "down", True)
    pics["PROTEIN_TRACKBAR_SLIDER_V"] = slider(18, 11, knob, FORM, "right", False)
    pics["PROTEIN_SCROLLBAR_BUTTON"] = scroll_buttons(16, 16, [SILVER, HOT, PRESSED], 3, SCROLL, 4)
    thumb = Look(hx("8a8a8e"), [(0, hx("fdfdfd")), (0.5, hx("e8e8eb")), (0.52, hx("dcdce0")),
                                (1, hx("eeeef0"))], 0.4)
    pics["PROTEIN_SCROLLBAR_TRACK"] = thumb_pieces(7, 16, thumb, 6, SCROLL)
    pics["PROTEIN_CHECKLIST"] = check_boxes(11, 11, 11, 1, BOX, BOX_OFF, (255, 255, 255), 1.6)
    pics["PROTEIN_TAB"] = tab_strip(6, 17, Look(hx("9a9a9e"), [(0, hx("ffffff")),
                                                             (1, hx("eeeef0"))], 0.3), 3)
    pics["PROTEIN_TAB_LINE"] = rows_image(10, [RED, hx("f0f0f2"), hx("f6f6f7"), hx("fafafa"),
                                               hx("fbfbfb")])
    pics["PROTEIN_SIDECHENNEL_HANDLE"] = side_handle(8, 83, SILVER, hx("8a8a8e"), hx("ffffff"),
                                                     FORM)
    bar = title_rows()[1:21]
    pics["PROTEIN_SIDECHENNEL_BAR"] = rows_image(1, bar + [RED])
    return pics

