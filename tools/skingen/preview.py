"""Preview windows: for each style a skinned window drawn from the pictures with the library's
own layout rules (frame band, title bar, buttons, check boxes, radio buttons, scroll bars,
track bars, progress bars and a roll-up panel), at real size and magnified twice."""
import os

from PIL import Image, ImageDraw, ImageFont

from paint import FONT_BOLD, FONT_PLAIN, bgr
from skindraw import (bottom_left_key, draw, round_picture, round_picture3, spit_bitmap,
                      spit_draw, spit_draw_horizontal, stretch)

# Per style, the theme values the layout needs, colours written 0xBBGGRR:
# button transparent (2), title button transparent (6), left offset (7), right offset (8),
# button top (9), round corner (14), form colour (15), border colour (16), border width (17),
# control border (25), control background (26), scroll bar colour (31), panel caption (20).
THEME = {
    "MACOS": (True, False, 3, -2, 4, 0, 0xE7E7E7, 0x7F7F7F, 1, 0x7F7F7F, 0xE7E7E7, 0xC9C9C9, 0x0),
    "WINXP": (False, False, 2, -2, 5, 13, 0xDEEBEF, 0xC82C00, 3, 0x686868, 0xDEEBEF, 0xF9F9F9, 0x0),
    "DEEPBLUE": (False, False, 0, 0, 2, 0, 0xE8E8E8, 0x000000, 1, 0x000000, 0xE8E8E8, 0xF5F5F5,
                 0xFFFFFF),
    "PROTEIN": (False, True, 0, 0, 2, 0, 0xFBFBFB, 0x000000, 1, 0x000000, 0xFBFBFB, 0xF5F5F5,
                0xFFFFFF),
    "BLUEGLASS": (True, True, 4, -3, 6, 11, 0xE7E7E7, 0x000000, 1, 0x000000, 0xE7E7E7, 0xF4F4F4,
                  0xFFFFFF),
}

BOLD = ImageFont.truetype(FONT_BOLD, 11)
PLAIN = ImageFont.truetype(FONT_PLAIN, 11)


class Window:
    """One skinned window: its outer image and the theme values of its style."""

    def __init__(self, style, pics, width, height, caption):
        self.style, self.pics = style, pics
        (self.btn_transparent, self.tbtn_transparent, self.left_off, self.right_off, self.top,
         self.round, form, border, self.bw, cborder, cback, scroll, panel_font) = THEME[style]
        self.form, self.border = bgr(form), bgr(border)
        self.control_border, self.control_back = bgr(cborder), bgr(cback)
        self.scroll_colour, self.panel_font = bgr(scroll), bgr(panel_font)
        self.W, self.H = width, height
        self.img = Image.new("RGB", (width, height), self.form)
        self.left = pics[style + "_TITLE_LEFT"]
        self.right = pics[style + "_TITLE_RIGHT"]
        self.client = pics[style + "_TITLE_CLIENT"]
        self.title_h = self.left.height - 3
        self.paint_background()
        self.paint_title_bar(caption)
        self.paint_frame()

    def paint_background(self):
        pattern = {"MACOS": "MACOS_FORM_BACKGROUND", "PROTEIN": "PROTEIN_FORM_BACKGROUND"}
        if self.style in pattern:
            tile = self.pics[pattern[self.style]]
            for y in range(0, self.H, tile.height):
                for x in range(0, self.W, tile.width):
                    self.img.paste(tile, (x, y))

    def paint_title_bar(self, caption):
        w = self.W - 6
        bar = Image.new("RGB", (w, self.title_h), (0, 0, 0))
        a = self.left.width - 3
        draw(bar, self.left, -3, -3)
        b = w - self.right.width + 3
        draw(bar, self.right, b, -3)
        stretch(bar, self.client, (a, -3, b, -3 + self.client.height))
        strip = self.pics[self.style + "_TITLEBTN"]
        row_top = self.top - 3
        frames = {kind: spit_bitmap(strip, 18, index) for kind, index in
                  (("menu", 1), ("close", 16), ("max", 7), ("min", 13))}
        hover = {"close": 1}
        x = w + self.right_off + 1
        for kind in ("close", "max", "min"):
            pic = frames[kind] if kind not in hover else spit_bitmap(strip, 18, 17)
            x -= pic.width + 1
            draw(bar, pic, x, row_top, bottom_left_key(pic) if self.tbtn_transparent else None)
        xl = self.left_off
        menu = frames["menu"]
        draw(bar, menu, xl, row_top, bottom_left_key(menu) if self.tbtn_transparent else None)
        xl += menu.width + 5
        d = ImageDraw.Draw(bar)
        colour = (0, 0, 0) if self.style == "MACOS" else (255, 255, 255)
        th = BOLD.getbbox("Wg")[3]
        d.text((xl, row_top + (strip.height - th) // 2), caption, font=BOLD, fill=colour)
        self.img.paste(bar, (3, 3))

    def paint_frame(self):
        W, H, BW, d = self.W, self.H, self.bw, ImageDraw.Draw(self.img)
        for box in ((0, 0, BW, H), (0, H - BW, W, H), (W - BW, 0, W, H)):
            d.rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=self.border)
        if BW >= 4:
            return
        T = self.title_h
        for box in ((BW, T, 3, H - BW), (BW, H - 3, W - BW, H - BW), (W - 3, T, W - BW, H - BW)):
            if box[2] > box[0] and box[3] > box[1]:
                d.rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=self.form)
        if 3 - BW > 0:
            edge = Image.new("RGB", (3 - BW, self.left.height))
            draw(edge, self.left, 0, 0)
            self.img.paste(edge, (BW, 0))
            wr = self.right.width
            if wr >= 3:
                draw(edge, self.right, 2 - wr, 0)
            else:
                stretch(edge, self.right, (0, 0, edge.width, edge.height))
            self.img.paste(edge, (W - 3, 0))
        band = Image.new("RGB", (W - 5, 3))
        draw(band, self.left, -2, 0)
        xr = (W - 5) - self.right.width + 3
        draw(band, self.right, xr, 0)
        stretch(band, self.client, (self.left.width - 2, 0, xr, self.client.height))
        self.img.paste(band, (2, 0))
        if BW == 1 and self.round == 11:
            r = 11
            d.arc([W - 2 * r + 1, -1, W, 2 * r - 2], 270, 360, fill=self.border)
            d.arc([-1, -1, 2 * r - 2, 2 * r - 2], 180, 270, fill=self.border)

    def region(self, backdrop):
        """The window region: top corners rounded by `RoundCorner`, bottom corners square."""
        mask = Image.new("L", (self.W, self.H), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, self.W, self.H], radius=self.round / 2,
                                               fill=255)
        if self.round:
            ImageDraw.Draw(mask).rectangle([0, self.H // 2, self.W, self.H], fill=255)
        out = Image.new("RGB", (self.W, self.H), backdrop)
        out.paste(self.img, (0, 0), mask)
        return out

    # Controls, placed in window coordinates.
    def push_button(self, x, y, w, h, state, caption, enabled=True, style=None):
        style = style or self.style
        transparent = THEME[style][0]
        pic = spit_bitmap(self.pics[style + "_BUTTON"], 3, state)
        area = self.img.crop((x, y, x + w, y + h))
        if not transparent:
            area.paste(self.form, (0, 0, w, h))
        spit_draw(area, pic, w, h, transparent)
        d = ImageDraw.Draw(area)
        tw = PLAIN.getlength(caption)
        tx, ty = (w - tw) // 2 + (1 if state == 3 else 0), (h - 13) // 2 + (1 if state == 3 else 0)
        if not enabled:
            d.text((tx + 1, ty + 1), caption, font=PLAIN, fill=(255, 255, 255))
        d.text((tx, ty), caption, font=PLAIN, fill=(0, 0, 0) if enabled else (128, 128, 128))
        self.img.paste(area, (x, y))

    def check(self, x, y, frame, caption, radio=False, transparent=False):
        name = self.style + ("_RADIOBUTTON" if radio else "_CHECKBOX")
        pic = spit_bitmap(self.pics[name], 4, frame)
        h = max(15, pic.height) + 4
        w = pic.width + 8 + int(PLAIN.getlength(caption))
        area = self.img.crop((x, y, x + w, y + h))
        if not transparent:
            area.paste(self.form, (0, 0, w, h))
        draw(area, pic, 1, (h - pic.height) // 2, bottom_left_key(pic) if radio else None)
        ImageDraw.Draw(area).text((pic.width + 4, (h - 13) // 2), caption, font=PLAIN,
                                  fill=(0, 0, 0))
        self.img.paste(area, (x, y))

    def scroll_bar(self, x, y, length, vertical, thumb_at, states=(1, 1)):
        strip = self.pics[self.style + "_SCROLLBAR_BUTTON"]
        pieces = [spit_bitmap(self.pics[self.style + "_SCROLLBAR_TRACK"], 3, i) for i in (1, 2, 3)]
        dec = spit_bitmap(strip, 6, states[0])
        inc = spit_bitmap(strip, 6, 3 + states[1])
        if not vertical:
            dec, inc = round_picture(dec), round_picture(inc)
        else:
            pieces = [round_picture3(p) for p in pieces]
        if vertical:
            bar = Image.new("RGB", (dec.width, length), self.scroll_colour)
            track_len = length - inc.height - dec.height - 1
            thumb = self.thumb(pieces, track_len * 20 // 100, True)
            bar.paste(dec, (0, 0))
            bar.paste(inc, (0, length - inc.height))
            bar.paste(thumb, (0, dec.height + (track_len - thumb.height) * thumb_at // 100))
        else:
            bar = Image.new("RGB", (length, dec.height), self.scroll_colour)
            track_len = length - inc.width - dec.width
            thumb = self.thumb(pieces, track_len * 20 // 100, False)
            bar.paste(dec, (0, 0))
            bar.paste(inc, (length - inc.width, 0))
            bar.paste(thumb, (dec.width + (track_len - thumb.width) * thumb_at // 100, 0))
        self.img.paste(bar, (x, y))

    @staticmethod
    def thumb(pieces, length, vertical):
        start, middle, end = pieces
        if vertical:
            img = Image.new("RGB", (start.width, length))
            img.paste(start, (0, 0))
            img.paste(end, (0, length - end.height))
            stretch(img, middle, (0, start.height, start.width, length - end.height))
        else:
            img = Image.new("RGB", (length, start.height))
            img.paste(start, (0, 0))
            img.paste(end, (length - end.width, 0))
            stretch(img, middle, (start.width, 0, length - end.width, start.height))
        return img

    def track_bar(self, x, y, length, vertical, position):
        bar_pic = self.pics[self.style + "_TRACKBAR_BAR"]
        slider = self.pics[self.style + ("_TRACKBAR_SLIDER_V" if vertical else "_TRACKBAR_SLIDER")]
        prepared = Image.new("RGB", (length, bar_pic.height), self.form)
        spit_draw_horizontal(prepared, bar_pic, (0, 0, length, bar_pic.height))
        transparent = self.style == "MACOS"
        if vertical:
            prepared = round_picture(prepared)
            w = max(bar_pic.height, slider.width)
            area = self.img.crop((x, y, x + w, y + length))
            if not transparent:
                area.paste(self.form, (0, 0, w, length))
            area.paste(prepared, ((w - bar_pic.height) // 2, 0))
            s = slider.height
            for v in range(0, 11):
                o = v * (length - s) // 10 + s // 2
                ImageDraw.Draw(area).line([(0, o), (2, o)], fill=(0, 0, 0))
                ImageDraw.Draw(area).line([(w - 3, o), (w - 1, o)], fill=(0, 0, 0))
            draw(area, slider, (w - slider.width) // 2, (length - s) * position // 10)
        else:
            h = max(bar_pic.height, slider.height)
            area = self.img.crop((x, y, x + length, y + h))
            if not transparent:
                area.paste(self.form, (0, 0, length, h))
            area.paste(prepared, (0, (h - bar_pic.height) // 2))
            s = slider.width
            for v in range(0, 11):
                o = v * (length - s) // 10 + s // 2
                ImageDraw.Draw(area).line([(o, h - 3), (o, h - 1)], fill=(0, 0, 0))
            draw(area, slider, (length - s) * position // 10, (h - slider.height) // 2,
                 bottom_left_key(slider))
        self.img.paste(area, (x, y))

    def progress(self, x, y, length, percent, vertical=False):
        pic = self.pics[self.style + "_PROGRESSBAR"]
        W, H = (12, length) if vertical else (length, 12)
        area = Image.new("RGB", (W, H), self.control_back)
        if vertical:
            pic = round_picture(pic)
            e = (H - 1) - (H - 1) * percent // 100
            stretch(area, pic.transpose(Image.FLIP_TOP_BOTTOM), (1, e, W - 1, H - 1))
        else:
            e = max(1, (W - 1) * percent // 100)
            stretch(area, pic, (1, 1, e, H - 1))
            d = ImageDraw.Draw(area)
            text = "%d%%" % percent
            d.text(((W - PLAIN.getlength(text)) // 2, (H - 13) // 2), text, font=PLAIN,
                   fill=(0, 0, 0))
        ImageDraw.Draw(area).rectangle([0, 0, W - 1, H - 1], outline=self.control_border)
        self.img.paste(area, (x, y))

    def navigator(self, x, y):
        """The record navigator's ten 20 x 18 buttons, each with its glyph centred."""
        glyphs = self.pics["DBNAV_BUTTON"]
        for i in range(10):
            self.push_button(x + i * 20, y, 20, 18, 2 if i == 2 else 1, "")
            glyph = spit_bitmap(glyphs, 10, i + 1)
            draw(self.img, glyph, x + i * 20 + 2, y + 1, glyph.getpixel((0, 0)))

    def panel(self, x, y, w, h, caption, frame):
        title = self.pics[self.style + "_SIDECHENNEL_BAR"]
        area = Image.new("RGB", (w, h), (255, 255, 255))
        ImageDraw.Draw(area).rectangle([0, 0, w - 1, h - 1], outline=self.control_border)
        stretch(area, title, (1, 0, w - 1, title.height))
        ImageDraw.Draw(area).text((10, (title.height - 13) // 2), caption, font=PLAIN,
                                  fill=self.panel_font)
        t = (title.height - 12) // 2
        area.paste(spit_bitmap(self.pics["PANEL_BUTTON"], 4, frame), (w - 13 - 4, t // 2 + 2))
        self.img.paste(area, (x, y))


def preview(style, pics):
    win = Window(style, pics, 560, 330, "%s - Quorvane Reference" % style.title())
    top = win.left.height + 10
    bh = pics[style + "_BUTTON"].height
    for i, (state, caption, enabled) in enumerate(((1, "Normal", True), (2, "Hover", True),
                                                   (3, "Pressed", True), (1, "Disabled", False))):
        win.push_button(14 + i * 86, top, 75, bh + 2, state, caption, enabled)
    win.push_button(14 + 4 * 86, top, 120, bh + 2, 1, "&Find wide")
    y = top + bh + 14
    for i, caption in enumerate(("Checked", "Unchecked", "Disabled on", "Disabled off")):
        win.check(14 + i * 96, y, i + 1, caption)
        win.check(14 + i * 96, y + 24, i + 1, caption, radio=True)
    y += 58
    win.scroll_bar(14, y, 220, False, 30)
    win.scroll_bar(250, y, 220, False, 100, states=(3, 2))
    y += 30
    win.track_bar(14, y, 180, False, 4)
    win.progress(220, y + 4, 150, 50)
    win.progress(390, y + 4, 100, 100)
    y += 36
    win.panel(14, y, 170, 70, "Panel", 1)
    win.panel(200, y, 170, 70, "Panel hover", 2)
    win.navigator(14, y + 78)
    win.scroll_bar(500, top, 150, True, 40)
    win.scroll_bar(525, top, 150, True, 0, states=(2, 3))
    win.track_bar(480, top + 160, 110, True, 7)
    win.progress(520, top + 165, 100, 60, vertical=True)
    return win.region((70, 110, 150))


def application(pics):
    """The reference window's top as the application lays it out: a MacOS frame with
    BlueGlass buttons and MacOS radio buttons on the pinstripes."""
    win = Window("MACOS", pics, 600, 160, "Quorvane Reference")
    for x, state, caption in ((250, 1, "&Find"), (378, 2, "&Add"), (475, 3, "&Save")):
        win.push_button(x, 94, 80, 27, state, caption, style="BLUEGLASS")
    for x, frame, caption in ((114, 1, "All Abbreviations"), (247, 2, "Command Abbreviations"),
                              (411, 2, "Keyword Abbreviations")):
        win.check(x, 127, frame, caption, radio=True, transparent=True)
    return win.region((70, 110, 150))


def make_previews(pics, folder):
    os.makedirs(folder, exist_ok=True)
    paths = []
    shots = []
    for style in ("MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"):
        shot = preview(style, pics)
        shots.append(shot)
        path = os.path.join(folder, "skin-preview-%s.png" % style.lower())
        shot.save(path)
        paths.append(path)
        zoom = shot.resize((shot.width * 2, shot.height * 2), Image.NEAREST)
        path = os.path.join(folder, "skin-preview-%s-x2.png" % style.lower())
        zoom.save(path)
        paths.append(path)
    sheet = Image.new("RGB", (shots[0].width * 2 + 30, (shots[0].height + 10) * 3 + 10),
                      (70, 110, 150))
    for i, shot in enumerate(shots):
        sheet.paste(shot, (10 + (i % 2) * (shot.width + 10), 10 + (i // 2) * (shot.height + 10)))
    shot = application(pics)
    path = os.path.join(folder, "skin-preview-application.png")
    shot.resize((shot.width * 2, shot.height * 2), Image.NEAREST).save(path)
    paths.append(path)
    path = os.path.join(folder, "skin-preview-all.png")
    sheet.save(path)
    paths.append(path)
    return paths
