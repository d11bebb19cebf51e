"""Every picture the skin library loads by name: its size, how it is cut and what its key is.

The generator checks what it drew against this table, and the contact sheet outlines frames
from it. Keys: "magenta" for pictures whose corners or ends the drawing helpers leave out
through 0xFF00FF, "corner" for pictures drawn with the colour of their bottom-left pixel left
out (magenta there too), "white" for the check mark, None for opaque pictures.
"""
from dataclasses import dataclass

STYLES = ["MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"]


@dataclass
class Entry:
    name: str
    width: int
    height: int
    frames: int = 1
    key: str = None
    bits: int = 24
    style: str = None


# Per item: the name suffix, the frame count, and the key each style draws it with.
ITEMS = [
    ("BUTTON", 3, {"MACOS": "magenta", "BLUEGLASS": "magenta"}),
    ("CHECKBOX", 4, {}),
    ("RADIOBUTTON", 4, dict.fromkeys(STYLES, "corner")),
    ("TITLEBTN", 18, {"PROTEIN": "corner", "BLUEGLASS": "corner"}),
    ("TITLE_LEFT", 1, {}),
    ("TITLE_CLIENT", 1, {}),
    ("TITLE_RIGHT", 1, {}),
    ("PROGRESSBAR", 1, {}),
    ("TRACKBAR_BAR", 3, dict.fromkeys(STYLES, "magenta")),
    ("TRACKBAR_SLIDER", 1, dict.fromkeys(STYLES, "corner")),
    ("TRACKBAR_SLIDER_V", 1, {}),
    ("SCROLLBAR_BUTTON", 6, {}),
    ("SCROLLBAR_TRACK", 3, {}),
    ("CHECKLIST", 4, {}),
    ("SCROLLBUTTON", 4, {}),
    ("TAB", 3, dict.fromkeys(STYLES, "magenta")),
    ("TAB_LINE", 1, {}),
    ("SIDECHENNEL_HANDLE", 1, {}),
    ("SIDECHENNEL_BAR", 1, {}),
]

# Width x height per style, in the order of STYLES.
SIZES = {
    "BUTTON": [(252, 23), (54, 21), (222, 21), (222, 21), (231, 27)],
    "CHECKBOX": [(60, 17), (52, 13), (52, 13), (52, 13), (52, 13)],
    "RADIOBUTTON": [(64, 17), (52, 13), (52, 13), (52, 13), (52, 13)],
    "TITLEBTN": [(306, 17), (378, 21), (342, 19), (342, 19), (342, 19)],
    "TITLE_LEFT": [(48, 23), (35, 29), (97, 32), (441, 23), (162, 33)],
    "TITLE_CLIENT": [(49, 23), (37, 29), (98, 32), (1, 23), (179, 33)],
    "TITLE_RIGHT": [(48, 23), (35, 29), (97, 32), (1, 23), (101, 33)],
    "PROGRESSBAR": [(13, 10), (6, 10), (1, 10), (1, 10), (1, 10)],
    "TRACKBAR_BAR": [(45, 5), (45, 8), (45, 4), (45, 4), (45, 4)],
    "TRACKBAR_SLIDER": [(11, 20), (11, 21), (11, 20), (11, 20), (11, 20)],
    "TRACKBAR_SLIDER_V": [(19, 11), (22, 11), (18, 11), (18, 11), (18, 11)],
    "SCROLLBAR_BUTTON": [(96, 22), (96, 17), (96, 16), (96, 16), (102, 16)],
    "SCROLLBAR_TRACK": [(33, 16), (21, 16), (21, 16), (21, 16), (21, 16)],
    "CHECKLIST": [(40, 11), (44, 11), (44, 11), (44, 11), (44, 11)],
    "SCROLLBUTTON": [(72, 18), (72, 18), (72, 17), (72, 17), (72, 17)],
    "TAB": [(36, 27), (18, 18), (12, 17), (18, 17), (18, 17)],
    "TAB_LINE": [(17, 7), (8, 1), (5, 5), (10, 5), (10, 5)],
    "SIDECHENNEL_HANDLE": [(7, 84), (8, 86), (8, 83), (8, 83), (8, 86)],
    "SIDECHENNEL_BAR": [(1, 21), (1, 21), (1, 20), (1, 21), (1, 21)],
}

# The styles that share MORE_SCROLLBUTTON instead of a picture of their own.
SHARED_SCROLLBUTTON = {"DEEPBLUE", "PROTEIN", "BLUEGLASS"}

SHARED = [
    Entry("MORE_SCROLLBUTTON", 72, 17, 4),
    Entry("MACOS_FORM_BACKGROUND", 8, 8),
    Entry("PROTEIN_FORM_BACKGROUND", 8, 8),
    Entry("MACOS_MENU_BAR", 1, 22),
    Entry("MACOS_MENU_SELECT", 1, 21),
    Entry("MENU_CHECKED", 16, 16, key="white"),
    Entry("MDI_CONTROL_BUTTON", 48, 16, 3, key="white", bits=1),
    Entry("MSNPOPFORM", 181, 116),
    Entry("PANEL_BUTTON", 52, 12, 4),
    Entry("MACOS_COMBOBOX_BUTTON", 16, 17),
    Entry("WINXP_COMBOBOX_BUTTON", 16, 18),
    Entry("DBNAV_BUTTON", 160, 16, 10, key="corner"),
    Entry("MAINICON", 32, 32, key="corner"),
]


def style_entries(style):
    index = STYLES.index(style)
    out = []
    for suffix, frames, keys in ITEMS:
        if suffix == "SCROLLBUTTON" and style in SHARED_SCROLLBUTTON:
            continue
        w, h = SIZES[suffix][index]
        out.append(Entry(style + "_" + suffix, w, h, frames, keys.get(style), style=style))
    return out


def all_entries():
    out = []
    for style in STYLES:
        out.extend(style_entries(style))
    return out + SHARED
