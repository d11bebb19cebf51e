#!/usr/bin/python3
"""Draws the skin library's pictures and writes them to Source/res, one NAME.bmp each.

    generate.py                 remake every picture in Source/res
    generate.py sheet [DIR]     contact sheets of every picture, magnified (default /tmp)
    generate.py preview [DIR]   each style's controls drawn from the pictures (default /tmp)
    generate.py icons           remake the desktop icons, one per size, in packaging/icons

Run it with Debian's /usr/bin/python3, which has python3-pil.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalog  # noqa: E402
import shared  # noqa: E402
import style_blueglass  # noqa: E402
import style_deepblue  # noqa: E402
import style_macos  # noqa: E402
import style_protein  # noqa: E402
import style_winxp  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
RES = os.path.join(ROOT, "Source", "res")
ICONS = os.path.join(ROOT, "packaging", "icons")


def draw_all():
    """Every picture by resource name, checked against the catalogue."""
    pictures = {}
    for module in (style_macos, style_winxp, style_deepblue, style_protein, style_blueglass,
                   shared):
        pictures.update(module.make())
    expected = {e.name: e for e in catalog.all_entries()}
    missing = sorted(set(expected) - set(pictures))
    extra = sorted(set(pictures) - set(expected))
    if missing or extra:
        raise SystemExit("pictures and catalogue disagree: missing %s, unexpected %s"
                         % (missing, extra))
    for name, entry in expected.items():
        size = pictures[name].size
        if size != (entry.width, entry.height):
            raise SystemExit("%s is %dx%d, expected %dx%d"
                             % (name, size[0], size[1], entry.width, entry.height))
    return pictures


def write_all(pictures, folder):
    os.makedirs(folder, exist_ok=True)
    for entry in catalog.all_entries():
        image = pictures[entry.name]
        if entry.bits == 1:
            image = image.convert("L").point(lambda v: 255 if v >= 128 else 0).convert("1")
        else:
            image = image.convert("RGB")
        image.save(os.path.join(folder, entry.name + ".bmp"), "BMP")


def main(argv):
    command = argv[1] if len(argv) > 1 else "build"
    out = argv[2] if len(argv) > 2 else "/tmp"
    if command == "icons":
        import app_icon
        for path in app_icon.write_icons(ICONS):
            print(path)
        return
    pictures = draw_all()
    if command == "build":
        write_all(pictures, RES)
        print("wrote %d pictures to %s" % (len(pictures), RES))
    elif command == "sheet":
        import sheet
        for path in sheet.make_sheets(pictures, out):
            print(path)
    elif command == "preview":
        import preview
        for path in preview.make_previews(pictures, out):
            print(path)
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
