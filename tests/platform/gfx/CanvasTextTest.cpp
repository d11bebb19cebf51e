#include <gtest/gtest.h>

#include <string>

#include "platform/gfx/Canvas.h"

using gfx::Bitmap;
using gfx::BrushStyle;
using gfx::Canvas;

namespace {

// A white surface with black text in the default font.
struct TextSurface {
    TextSurface(int width, int height) : bitmap(width, height), canvas(bitmap) {
        canvas.GetFont().color = clBlack;
        canvas.GetBrush().style = BrushStyle::Clear;
    }

    // The bounding box of every pixel of the given colour (empty when there is none).
    TRect BoxOf(TColor color) const {
        TRect box;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (bitmap.GetPixel(x, y) == color) box = box.Union(Rect(x, y, x + 1, y + 1));
        return box;
    }

    // The bounding box of every pixel that is no longer white.
    TRect InkBox() const {
        TRect box;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (bitmap.GetPixel(x, y) != clWhite) box = box.Union(Rect(x, y, x + 1, y + 1));
        return box;
    }

    Bitmap bitmap;
    Canvas canvas;
};

// The pixels where two bitmaps of one size differ.
TRect DifferenceBox(const Bitmap& a, const Bitmap& b) {
    TRect box;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) box = box.Union(Rect(x, y, x + 1, y + 1));
    return box;
}

}  // namespace

TEST(CanvasText, TextOutFillsTheTextCellWithTheBrush) {
    TextSurface s(120, 40);
    const TSize extent = s.canvas.TextExtent("Ready");
    ASSERT_GT(extent.cx, 0);
    ASSERT_EQ(extent.cy, s.canvas.TextHeight("Ready"));
    s.canvas.GetBrush().style = gfx::BrushStyle::Solid;
    s.canvas.GetBrush().color = clYellow;
    s.canvas.TextOut(5, 7, "Ready");
    // The cell is yellow where no ink covers it, and nothing outside the cell changed.
    EXPECT_EQ(s.InkBox(), Rect(5, 7, 5 + extent.cx, 7 + extent.cy));
    EXPECT_EQ(s.bitmap.GetPixel(5, 7), clYellow);
    EXPECT_EQ(s.canvas.PenPos(), Point(5 + extent.cx, 7));

    // The origin moves the text like everything else.
    TextSurface moved(120, 40);
    moved.canvas.GetBrush() = s.canvas.GetBrush();
    moved.canvas.SetOrigin({5, 7});
    moved.canvas.TextOut(0, 0, "Ready");
    EXPECT_EQ(moved.bitmap, s.bitmap);

    // A clear brush leaves the background and draws only ink, inside the cell.
    TextSurface clear(120, 40);
    clear.canvas.TextOut(5, 7, "Ready");
    const TRect ink = clear.InkBox();
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_EQ(ink.Intersect(Rect(5, 7, 5 + extent.cx, 7 + extent.cy)), ink);
    EXPECT_EQ(clear.bitmap.GetPixel(5, 7), clWhite);
}

TEST(CanvasText, TextRectClipsToItsRectangle) {
    TextSurface s(120, 40);
    s.canvas.TextRect(Rect(10, 5, 20, 30), 10, 5, "Wide Wide Wide");
    const TRect ink = s.InkBox();
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 20);
    // With a solid brush the whole rectangle is filled, as ExtTextOut's opaque option does.
    TextSurface opaque(120, 40);
    opaque.canvas.GetBrush().style = BrushStyle::Solid;
    opaque.canvas.GetBrush().color = clYellow;
    opaque.canvas.TextRect(Rect(10, 5, 20, 30), 12, 6, "x");
    EXPECT_EQ(opaque.InkBox(), Rect(10, 5, 20, 30));
}

TEST(CanvasText, DrawTextPlacesTheLineByItsAlignmentFlags) {
    TextSurface probe(10, 10);
    const int w = probe.canvas.TextWidth("Cancel");
    const int h = probe.canvas.TextHeight("Cancel");
    const TRect box = Rect(10, 6, 110, 46);
    struct Case {
        unsigned flags;
        TRect cell;
    };
    const Case cases[] = {
        {gfx::DT_SINGLELINE, Bounds(10, 6, w, h)},
        {gfx::DT_SINGLELINE | gfx::DT_CENTER, Bounds((10 + 110 - w) / 2, 6, w, h)},
        {gfx::DT_SINGLELINE | gfx::DT_RIGHT, Bounds(110 - w, 6, w, h)},
        {gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER,
         Bounds((10 + 110 - w) / 2, (6 + 46 - h) / 2, w, h)},
        {gfx::DT_SINGLELINE | gfx::DT_BOTTOM, Bounds(10, 46 - h, w, h)},
        {gfx::DT_VCENTER, Bounds(10, 6, w, h)},  // vertical centring needs a single line
    };
    for (const Case& c : cases) {
        TextSurface s(130, 60);
        s.canvas.GetBrush().style = BrushStyle::Solid;
        s.canvas.GetBrush().color = clYellow;
        TRect r = box;
        s.canvas.DrawText("Cancel", r, c.flags);
        EXPECT_EQ(s.InkBox(), c.cell) << "flags " << c.flags;
        EXPECT_EQ(r, box);
    }
}

TEST(CanvasText, PrefixUnderlinesTheNextCharacter) {
    const unsigned flags = gfx::DT_SINGLELINE;
    TextSurface marked(120, 30);
    TRect r = Rect(4, 2, 120, 30);
    marked.canvas.DrawText("F&ile", r, flags);
    TextSurface plain(120, 30);
    plain.canvas.DrawText("File", r, flags);

    // The only difference is one line below the baseline, under the "i".
    const int x = 4 + plain.canvas.TextWidth("F");
    const TRect diff = DifferenceBox(marked.bitmap, plain.bitmap);
    EXPECT_EQ(diff.Height(), 1);
    EXPECT_EQ(diff.left, x);
    EXPECT_EQ(diff.right, x + plain.canvas.TextWidth("i"));
    EXPECT_GT(diff.top, 2);
    EXPECT_LT(diff.top, 2 + plain.canvas.TextHeight("F"));

    // DT_HIDEPREFIX removes the "&" without underlining.
    TextSurface hidden(120, 30);
    hidden.canvas.DrawText("F&ile", r, flags | gfx::DT_HIDEPREFIX);
    EXPECT_EQ(hidden.bitmap, plain.bitmap);
}

TEST(CanvasText, DoubledAmpersandShowsOneAndNoPrefixShowsThemAll) {
    TRect r = Rect(0, 0, 200, 30);
    TextSurface doubled(200, 30);
    doubled.canvas.DrawText("Save && Exit", r, gfx::DT_SINGLELINE);
    TextSurface literal(200, 30);
    literal.canvas.DrawText("Save & Exit", r, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    EXPECT_EQ(doubled.bitmap, literal.bitmap);

    TextSurface raw(200, 30);
    raw.canvas.DrawText("&Save", r, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    TextSurface out(200, 30);
    out.canvas.TextOut(0, 0, "&Save");
    EXPECT_EQ(raw.bitmap, out.bitmap);

    // The width that DT_CALCRECT reports is that of the text as shown.
    TRect calc = Rect(0, 0, 0, 0);
    doubled.canvas.DrawText("Save && Exit", calc, gfx::DT_SINGLELINE | gfx::DT_CALCRECT);
    EXPECT_EQ(calc.Width(), doubled.canvas.TextWidth("Save & Exit"));
}

TEST(CanvasText, CalcRectMeasuresWithoutDrawing) {
    TextSurface s(200, 100);
    const int h = s.canvas.TextHeight("W");
    TRect single = Rect(3, 4, 10, 10);
    EXPECT_EQ(s.canvas.DrawText("Hello", single, gfx::DT_SINGLELINE | gfx::DT_CALCRECT), h);
    EXPECT_EQ(single, Bounds(3, 4, s.canvas.TextWidth("Hello"), h));

    TRect lines = Rect(0, 0, 200, 0);
    EXPECT_EQ(s.canvas.DrawText("one\ntwo\r\nthree", lines, gfx::DT_CALCRECT), 3 * h);
    EXPECT_EQ(lines.Width(), s.canvas.TextWidth("three"));

    // Word breaking fills each line with as many words as fit the width.
    const int width = s.canvas.TextWidth("alpha beta");
    TRect wrapped = Rect(0, 0, width, 0);
    EXPECT_EQ(s.canvas.DrawText("alpha beta alpha", wrapped, gfx::DT_WORDBREAK | gfx::DT_CALCRECT),
              2 * h);
    EXPECT_EQ(wrapped.Width(), width);
    // A word longer than the line stays whole on a line of its own.
    TRect narrow = Rect(0, 0, 1, 0);
    EXPECT_EQ(s.canvas.DrawText("alpha beta", narrow, gfx::DT_WORDBREAK | gfx::DT_CALCRECT), 2 * h);
    EXPECT_EQ(narrow.Width(), s.canvas.TextWidth("alpha"));

    TRect empty = Rect(5, 5, 50, 50);
    EXPECT_EQ(s.canvas.DrawText("", empty, gfx::DT_CALCRECT), 0);
    EXPECT_EQ(empty, Rect(5, 5, 5, 5));
    EXPECT_EQ(s.InkBox(), TRect{});
}

TEST(CanvasText, WordBreakDrawsTheLinesOneBelowAnother) {
    TextSurface s(200, 60);
    const int width = s.canvas.TextWidth("alpha beta");
    const int h = s.canvas.TextHeight("alpha");
    s.canvas.GetBrush().style = BrushStyle::Solid;
    s.canvas.GetBrush().color = clYellow;
    s.canvas.SetOrigin({3, 4});
    TRect r = Rect(0, 0, width, 60);
    EXPECT_EQ(s.canvas.DrawText("alpha beta alpha", r, gfx::DT_WORDBREAK | gfx::DT_CENTER), 2 * h);
    // The second, shorter line is centred under the first.
    const int second = s.canvas.TextWidth("alpha");
    EXPECT_EQ(s.BoxOf(clYellow).Union(s.BoxOf(clBlack)), Rect(3, 4, 3 + width, 4 + 2 * h));
    EXPECT_EQ(s.bitmap.GetPixel(3 + (width - second) / 2 - 1, 4 + h + 1), clWhite);
    EXPECT_EQ(s.bitmap.GetPixel(3 + (width - second) / 2, 4 + h + 1), clYellow);
}

TEST(CanvasText, EndEllipsisShortensALineThatDoesNotFit) {
    TextSurface s(300, 30);
    const std::string text = "A rather long caption for a small box";
    const int room = s.canvas.TextWidth("A rather long");
    TRect r = Rect(0, 0, room, 30);
    s.canvas.DrawText(text, r, gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS);
    EXPECT_LE(s.InkBox().right, room);
    // The result is some leading part of the text followed by "...".
    bool matched = false;
    for (std::size_t keep = 0; keep < text.size() && !matched; ++keep) {
        TextSurface candidate(300, 30);
        candidate.canvas.TextOut(0, 0, text.substr(0, keep) + "...");
        matched = candidate.bitmap == s.bitmap;
    }
    EXPECT_TRUE(matched);

    // Measuring ignores the ellipsis: it tells how much room the whole text needs.
    TRect measure = Rect(0, 0, 0, 0);
    s.canvas.DrawText(text, measure, gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS | gfx::DT_CALCRECT);
    EXPECT_EQ(measure.Width(), s.canvas.TextWidth(text));
}

TEST(CanvasText, DrawTextClipsToItsRectangleUnlessAskedNotTo) {
    TextSurface clipped(200, 30);
    TRect r = Rect(10, 0, 16, 30);
    clipped.canvas.DrawText("Overflowing", r, gfx::DT_SINGLELINE);
    EXPECT_LE(clipped.InkBox().right, 16);
    TextSurface free(200, 30);
    free.canvas.DrawText("Overflowing", r, gfx::DT_SINGLELINE | gfx::DT_NOCLIP);
    EXPECT_GT(free.InkBox().right, 16);
}
