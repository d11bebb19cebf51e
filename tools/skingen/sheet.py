"""Contact sheets: every picture magnified, its frames outlined, labelled with its name,
size, frame layout and key, beside a copy at its real size."""
import os

from PIL import Image, ImageDraw, ImageFont

import catalog
from paint import FONT_PLAIN

MAX_WIDTH = 1500
LABEL = 16
GAP = 14


def magnify(entry):
    """The largest whole magnification that keeps the picture within the sheet."""
    by_width = (MAX_WIDTH - entry.width - 40) // max(1, entry.width)
    return max(1, min(8, by_width, 240 // entry.height))


def tile(picture, entry, font):
    scale = magnify(entry)
    big = picture.convert("RGB").resize((entry.width * scale, entry.height * scale), Image.NEAREST)
    w = big.width + entry.width + 30
    h = LABEL + max(big.height, entry.height) + 4
    out = Image.new("RGB", (max(w, 420), h), (58, 62, 70))
    out.paste(big, (0, LABEL))
    draw = ImageDraw.Draw(out)
    frame_w = entry.width // entry.frames
    for i in range(entry.frames + 1):
        x = min(i * frame_w * scale, big.width) - (1 if i == entry.frames else 0)
        draw.line([(x, LABEL), (x, LABEL + big.height - 1)], fill=(0, 230, 230))
    draw.rectangle([0, LABEL, big.width - 1, LABEL + big.height - 1], outline=(0, 230, 230))
    for i in range(entry.frames if entry.frames > 1 else 0):
        draw.text((i * frame_w * scale + 2, LABEL + 1), str(i + 1), fill=(255, 255, 0), font=font)
    out.paste(picture.convert("RGB"), (big.width + 20, LABEL))
    layout = "whole"
    if entry.frames > 1:
        layout = "%d frames of %dx%d" % (entry.frames, frame_w, entry.height)
    text = "%s  %dx%d  %s  %s  %d-bit" % (
        entry.name, entry.width, entry.height, layout,
        "key " + entry.key if entry.key else "opaque", entry.bits)
    draw.text((2, 1), text, fill=(235, 235, 235), font=font)
    return out


def compose(tiles, title, font):
    width = max(t.width for t in tiles) + 2 * GAP
    height = 30 + sum(t.height + GAP for t in tiles) + GAP
    sheet = Image.new("RGB", (width, height), (40, 43, 50))
    ImageDraw.Draw(sheet).text((GAP, 8), title, fill=(255, 255, 255), font=font)
    y = 30
    for t in tiles:
        sheet.paste(t, (GAP, y))
        y += t.height + GAP
    return sheet


def make_sheets(pictures, folder):
    os.makedirs(folder, exist_ok=True)
    font = ImageFont.truetype(FONT_PLAIN, 11)
    groups = [(s, catalog.style_entries(s)) for s in catalog.STYLES]
    groups.append(("SHARED", catalog.SHARED))
    paths = []
    for name, entries in groups:
        tiles = [tile(pictures[e.name], e, font) for e in entries]
        # Split long groups so that each sheet stays viewable.
        parts = [tiles]
        if sum(t.height for t in tiles) > 2600:
            half = len(tiles) // 2
            parts = [tiles[:half], tiles[half:]]
        for i, part in enumerate(parts):
            suffix = "-%d" % (i + 1) if len(parts) > 1 else ""
            path = os.path.join(folder, "skin-sheet-%s%s.png" % (name.lower(), suffix))
            compose(part, name + " pictures", font).save(path)
            paths.append(path)
    return paths
