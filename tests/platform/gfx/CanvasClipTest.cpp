#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"

using gfx::Bitmap;
using gfx::Canvas;
using gfx::Region;

namespace {

// Every pixel outside allowed is still white, and some pixel inside it is not.
void ExpectOnlyInside(const Bitmap& bitmap, const Region& allowed, const std::string& what) {
    bool drewInside = false;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const bool white = bitmap.GetPixel(x, y) == clWhite;
            if (allowed.Contains(x, y))
                drewInside |= !white;
            else
                ASSERT_TRUE(white) << what << " drew at " << x << "," << y;
        }
    EXPECT_TRUE(drewInside) << what << " drew nothing inside the clip";
}

// Operations that, unclipped, would paint all over a 40 x 30 bitmap, whatever the origin.
struct Operation {
    const char* name;
    std::function<void(Canvas&)> draw;
};

const Bitmap& RedPicture() {
    static const Bitmap picture(60, 50, ColorToPixel(clRed));
    return picture;
}

const Operation kOperations[] = {
    {"FillRect", [](Canvas& c) { c.FillRect(Rect(-50, -50, 50, 50)); }},
    {"FrameRect",
     [](Canvas& c) {
         for (int i = 0; i < 50; ++i) c.FrameRect(Rect(-i, -i, i, i));
     }},
    {"Rectangle", [](Canvas& c) { c.Rectangle(Rect(-50, -50, 50, 50)); }},
    {"LineTo",
     [](Canvas& c) {
         for (int y = -50; y < 50; ++y) {
             c.MoveTo(-50, y);
             c.LineTo(50, y + 7);
         }
     }},
    {"Polygon",
     [](Canvas& c) {
         c.Polygon({{-50, -50}, {50, -50}, {0, 50}});
     }},
    {"Ellipse", [](Canvas& c) { c.Ellipse(Rect(-60, -60, 60, 60)); }},
    {"Arc",
     [](Canvas& c) {
         for (int r = 1; r < 60; ++r) c.Arc(Rect(-r, -r, r, r), Point(0, -r), Point(0, -r));
     }},
    {"TextOut",
     [](Canvas& c) {
         for (int y = -50; y < 50; y += 4) c.TextOut(-50, y, "WWWWWWWWWWWWWWWWWWWWWWWWW");
     }},
    {"DrawText",
     [](Canvas& c) {
         TRect r = Rect(-50, -50, 50, 50);
         c.DrawText("&WWWWW WWWWW WWWWW\nWWWWW WWWWW\nWWWW\nWWWW\nWWWW\nWWWW\nWWWW\nWWWW", r,
                    gfx::DT_WORDBREAK | gfx::DT_NOCLIP);
     }},
    {"Draw", [](Canvas& c) { c.Draw(-20, -20, RedPicture()); }},
    {"StretchDraw", [](Canvas& c) { c.StretchDraw(Rect(-50, -50, 50, 50), RedPicture()); }},
    {"BitBlt", [](Canvas& c) { c.BitBlt(-20, -20, 60, 50, RedPicture(), 0, 0, gfx::SRCCOPY); }},
    {"InvertRect", [](Canvas& c) { c.InvertRect(Rect(-50, -50, 50, 50)); }},
    {"SetPixel",
     [](Canvas& c) {
         for (int y = -50; y < 50; ++y)
             for (int x = -50; x < 50; ++x) c.SetPixel(x, y, clBlue);
     }},
};

std::vector<TColor> PixelsOfRow(const Bitmap& bitmap, int y) {
    std::vector<TColor> row;
    for (int x = 0; x < bitmap.Width(); ++x) row.push_back(bitmap.GetPixel(x, y));
    return row;
}

Canvas& Prepared(Canvas& c) {
    c.GetBrush().color = clBlue;
    c.GetFont().color = clBlack;
    c.GetFont().height = -20;
    return c;
}

}  // namespace

TEST(CanvasClip, EveryOperationStaysInsideTheClipAndFollowsTheOrigin) {
    const Region clip = Region::FromRects({Rect(5, 4, 15, 12), Rect(20, 10, 33, 25)});
    for (const Operation& op : kOperations) {
        Bitmap bitmap(40, 30);
        Canvas canvas(bitmap);
        Prepared(canvas).SetOrigin({10, 8});
        canvas.SetClipRegion(clip);
        op.draw(canvas);
        ExpectOnlyInside(bitmap, clip, op.name);

        // The base clip narrows the same way, and both together leave their intersection.
        Bitmap based(40, 30);
        Canvas baseCanvas(based);
        Prepared(baseCanvas).SetBaseClip(clip);
        baseCanvas.IntersectClipRect(Rect(0, 0, 30, 30));
        op.draw(baseCanvas);
        ExpectOnlyInside(based, clip.Intersected(Rect(0, 0, 30, 30)),
                         std::string(op.name) + " (base)");
    }
}

// A clip of one rectangle (the whole bitmap when none is set) takes a shorter path than a
// region of several; the pixels just past each of its edges stay untouched and unread.
TEST(CanvasClip, AOneRectangleClipEndsAtItsEdges) {
    const Region clip(Rect(5, 4, 15, 12));
    for (const Operation& op : kOperations) {
        Bitmap bitmap(40, 30);
        Canvas canvas(bitmap);
        Prepared(canvas).SetOrigin({10, 8});
        canvas.SetClipRegion(clip);
        op.draw(canvas);
        ExpectOnlyInside(bitmap, clip, op.name);
    }
    // Focus rectangles across the left and top edges, and across the right and bottom ones.
    for (const TRect focus : {Rect(3, 2, 12, 10), Rect(8, 6, 17, 14)}) {
        Bitmap bitmap(40, 30);
        Canvas canvas(bitmap);
        canvas.IntersectClipRect(Rect(5, 4, 15, 12));
        canvas.DrawFocusRect(focus);
        ExpectOnlyInside(bitmap, clip, "DrawFocusRect");
    }

    Bitmap bitmap(10, 8);
    Canvas canvas(bitmap);
    const TPoint inside[] = {{0, 0}, {9, 0}, {0, 7}, {9, 7}};
    for (const TPoint p : inside) EXPECT_EQ(canvas.GetPixel(p.x, p.y), clWhite) << p.x << "," << p.y;
    const TPoint outside[] = {{-1, 0}, {10, 0}, {0, -1}, {0, 8}, {10, 7}, {9, 8}};
    for (const TPoint p : outside) EXPECT_EQ(canvas.GetPixel(p.x, p.y), clNone) << p.x << "," << p.y;
    // Just past the right edge is not the first pixel of the next row.
    canvas.SetPixel(10, 0, clRed);
    canvas.SetPixel(-1, 1, clRed);
    EXPECT_EQ(PixelsOfRow(bitmap, 0), std::vector<TColor>(10, clWhite));
    EXPECT_EQ(PixelsOfRow(bitmap, 1), std::vector<TColor>(10, clWhite));
}

TEST(CanvasClip, OriginMovesLogicalCoordinatesOnTheDevice) {
    Bitmap bitmap(8, 6);
    Canvas canvas(bitmap);
    canvas.GetBrush().color = clRed;
    canvas.SetOrigin({3, 2});
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.MoveOrigin(-3, -2);
    canvas.MoveTo(0, 5);
    canvas.LineTo(3, 5);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool red = x >= 3 && x < 5 && y >= 2 && y < 4;
            const bool black = y == 5 && x < 3;
            EXPECT_EQ(bitmap.GetPixel(x, y), red     ? clRed
                                             : black ? clBlack
                                                     : clWhite)
                << x << "," << y;
        }
}

TEST(CanvasClip, ClipRectanglesAreLogicalAndClipRegionsDevice) {
    Bitmap bitmap(20, 20);
    Canvas canvas(bitmap);
    canvas.SetOrigin({5, 5});
    canvas.IntersectClipRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect(5, 5, 9, 9)));
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 4, 4));
    canvas.IntersectClipRect(Rect(2, -10, 10, 10));
    EXPECT_EQ(canvas.ClipBox(), Rect(2, 0, 4, 4));
    canvas.ExcludeClipRect(Rect(2, 1, 4, 2));
    EXPECT_EQ(canvas.ClipRegion(), Region::FromRects({Rect(7, 5, 9, 6), Rect(7, 7, 9, 9)}));
    canvas.ClearClip();
    EXPECT_EQ(canvas.ClipRegion(), Region(Rect(0, 0, 20, 20)));
    EXPECT_EQ(canvas.ClipBox(), Rect(-5, -5, 15, 15));

    // Excluding from an unclipped canvas cuts a hole in the whole surface.
    canvas.SetOrigin({0, 0});
    canvas.GetBrush().color = clRed;
    canvas.ExcludeClipRect(Rect(1, 1, 19, 19));
    canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(bitmap.GetPixel(0, 0), clRed);
    EXPECT_EQ(bitmap.GetPixel(19, 19), clRed);
    EXPECT_EQ(bitmap.GetPixel(10, 10), clWhite);

    // A clip outside the bitmap leaves nothing to draw on.
    canvas.SetClipRegion(Region(Rect(30, 30, 40, 40)));
    EXPECT_TRUE(canvas.ClipRegion().IsEmpty());
    EXPECT_EQ(canvas.ClipBox(), TRect{});
}

TEST(CanvasClip, ClipFollowsTheBitmapWhenItIsResized) {
    Bitmap bitmap(4, 4);
    Canvas canvas(bitmap);
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 4, 4));
    bitmap.SetSize(10, 6);
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 10, 6));
    canvas.GetBrush().color = clRed;
    canvas.FillRect(Rect(0, 0, 10, 6));
    EXPECT_EQ(bitmap.GetPixel(9, 5), clRed);
}

TEST(CanvasClip, RestoreBringsBackPenBrushFontOriginAndClip) {
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap);
    canvas.GetPen().color = clRed;
    canvas.MoveTo(1, 1);
    const int first = canvas.Save();
    canvas.GetPen().color = clBlue;
    canvas.GetBrush().color = clBlack;
    canvas.GetFont().name = "Tahoma";
    canvas.SetOrigin({3, 3});
    canvas.IntersectClipRect(Rect(0, 0, 2, 2));
    canvas.MoveTo(5, 5);
    const int second = canvas.Save();
    EXPECT_EQ(second, first + 1);
    canvas.SetOrigin({4, 4});
    canvas.ClearClip();

    canvas.Restore();
    EXPECT_EQ(canvas.Origin(), Point(3, 3));
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 2, 2));
    EXPECT_EQ(canvas.GetPen().color, clBlue);

    canvas.Save();
    canvas.Save();
    canvas.Restore(first);  // drops every state saved after it
    EXPECT_EQ(canvas.GetPen().color, clRed);
    EXPECT_EQ(canvas.GetBrush().color, clWhite);
    EXPECT_EQ(canvas.GetFont().name, "MS Sans Serif");
    EXPECT_EQ(canvas.Origin(), Point(0, 0));
    EXPECT_EQ(canvas.PenPos(), Point(1, 1));
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 10, 10));
    EXPECT_THROW(canvas.Restore(), std::out_of_range);
    EXPECT_THROW(canvas.Restore(first), std::out_of_range);

    // The base clip belongs to the device, not to the saved state.
    canvas.Save();
    canvas.SetBaseClip(Region(Rect(0, 0, 5, 5)));
    canvas.Restore();
    EXPECT_EQ(canvas.ClipBox(), Rect(0, 0, 5, 5));
}
