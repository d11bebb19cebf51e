#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"

using gfx::Bitmap;
using gfx::BrushStyle;
using gfx::Canvas;
using gfx::PenMode;
using gfx::PenStyle;

namespace {

// A white bitmap and a canvas on it, and a picture of its pixels: '.' white, '#' black,
// 'r' red, 'b' blue, '?' anything else.
struct Surface {
    explicit Surface(int width, int height) : bitmap(width, height), canvas(bitmap) {}

    std::string Picture() const {
        std::string out;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = bitmap.GetPixel(x, y);
                out += c == clWhite   ? '.'
                       : c == clBlack ? '#'
                       : c == clRed   ? 'r'
                       : c == clBlue  ? 'b'
                                      : '?';
            }
            out += '\n';
        }
        return out;
    }

    Bitmap bitmap;
    Canvas canvas;
};

std::string Join(const std::vector<std::string>& rows) {
    std::string out;
    for (const std::string& row : rows) out += row + '\n';
    return out;
}

}  // namespace

TEST(CanvasLines, LeaveOutTheEndPoint) {
    struct Case {
        TPoint from, to;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {{1, 1},
         {6, 1},
         {"........", ".#####..", "........", "........", "........", "........", "........"}},
        {{6, 1},
         {1, 1},
         {"........", "..#####.", "........", "........", "........", "........", "........"}},
        {{2, 0},
         {2, 4},
         {"..#.....", "..#.....", "..#.....", "..#.....", "........", "........", "........"}},
        {{2, 4},
         {2, 0},
         {"........", "..#.....", "..#.....", "..#.....", "..#.....", "........", "........"}},
        {{1, 1},
         {5, 5},
         {"........", ".#......", "..#.....", "...#....", "....#...", "........", "........"}},
        {{5, 1},
         {1, 5},
         {"........", ".....#..", "....#...", "...#....", "..#.....", "........", "........"}},
        {{0, 0},
         {6, 2},
         {"##......", "..###...", ".....#..", "........", "........", "........", "........"}},
        {{0, 0},
         {2, 6},
         {"#.......", "#.......", ".#......", ".#......", ".#......", "..#.....", "........"}},
        {{3, 3},
         {3, 3},
         {"........", "........", "........", "........", "........", "........", "........"}},
    };
    for (const Case& c : cases) {
        Surface s(8, 7);
        s.canvas.MoveTo(c.from.x, c.from.y);
        s.canvas.LineTo(c.to.x, c.to.y);
        EXPECT_EQ(s.Picture(), Join(c.picture))
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(s.canvas.PenPos(), c.to);
    }
}

TEST(CanvasLines, PolylineJoinsWithoutGapsAndXorDrawsEachPixelOnce) {
    Surface s(6, 5);
    s.canvas.GetPen().mode = PenMode::Xor;
    s.canvas.GetPen().color = clWhite;  // XOR with white turns white into black
    s.canvas.Polyline({{1, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 1}});
    EXPECT_EQ(s.Picture(), Join({"......", ".####.", ".#..#.", ".####.", "......"}));
    s.canvas.Polyline({{1, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 1}});
    EXPECT_EQ(s.Picture(), Join({"......", "......", "......", "......", "......"}));
}

TEST(CanvasLines, PenStylesAndWidths) {
    Surface dotted(12, 1);
    dotted.canvas.GetPen().style = PenStyle::Dot;
    dotted.canvas.MoveTo(0, 0);
    dotted.canvas.LineTo(12, 0);
    EXPECT_EQ(dotted.Picture(), "###...###...\n");
    // The gaps show the brush colour, as an opaque background, unless the brush is clear.
    dotted.canvas.GetBrush().color = clRed;
    dotted.canvas.MoveTo(0, 0);
    dotted.canvas.LineTo(12, 0);
    EXPECT_EQ(dotted.Picture(), "###rrr###rrr\n");
    dotted.canvas.GetBrush().style = BrushStyle::Clear;
    dotted.canvas.GetPen().color = clBlue;
    dotted.canvas.MoveTo(0, 0);
    dotted.canvas.LineTo(12, 0);
    EXPECT_EQ(dotted.Picture(), "bbbrrrbbbrrr\n");

    Surface clear(4, 1);
    clear.canvas.GetPen().style = PenStyle::Clear;
    clear.canvas.MoveTo(0, 0);
    clear.canvas.LineTo(4, 0);
    EXPECT_EQ(clear.Picture(), "....\n");

    Surface wide(7, 5);
    wide.canvas.GetPen().width = 3;
    wide.canvas.MoveTo(1, 2);
    wide.canvas.LineTo(5, 2);
    EXPECT_EQ(wide.Picture(), Join({".......", "######.", "######.", "######.", "......."}));
}

TEST(CanvasFills, FrameRectLiesOnePixelInsideRightAndBottom) {
    Surface s(8, 6);
    s.canvas.GetBrush().color = clRed;
    s.canvas.FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Picture(),
              Join({"........", ".rrrrr..", ".r...r..", ".r...r..", ".rrrrr..", "........"}));
    s.canvas.FillRect(Rect(2, 2, 5, 4));
    EXPECT_EQ(s.Picture(),
              Join({"........", ".rrrrr..", ".rrrrr..", ".rrrrr..", ".rrrrr..", "........"}));
    // Empty and inverted rectangles draw nothing.
    Surface none(4, 4);
    none.canvas.GetBrush().color = clRed;
    none.canvas.FrameRect(Rect(2, 2, 2, 4));
    none.canvas.FillRect(Rect(3, 3, 1, 1));
    EXPECT_EQ(none.Picture(), Join({"....", "....", "....", "...."}));
}

TEST(CanvasFills, PatternBrushTilesFromTheDeviceOrigin) {
    auto pattern = std::make_shared<Bitmap>(2, 2);
    pattern->SetPixel(0, 0, clBlack);
    pattern->SetPixel(1, 1, clRed);
    Surface s(5, 4);
    s.canvas.GetBrush().style = BrushStyle::Pattern;
    s.canvas.GetBrush().pattern = pattern;
    s.canvas.SetOrigin({1, 0});  // the origin does not move the pattern
    s.canvas.FillRect(Rect(0, 1, 4, 4));
    EXPECT_EQ(s.Picture(), Join({".....", ".r.r.", "..#.#", ".r.r."}));
}

TEST(CanvasShapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Surface s(8, 6);
    s.canvas.GetBrush().color = clRed;
    s.canvas.Rectangle(Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Picture(),
              Join({"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........"}));

    // Without a pen the filled area also leaves out the right column and bottom row.
    Surface noPen(8, 6);
    noPen.canvas.GetBrush().color = clRed;
    noPen.canvas.GetPen().style = PenStyle::Clear;
    noPen.canvas.Rectangle(Rect(1, 1, 6, 5));
    EXPECT_EQ(noPen.Picture(),
              Join({"........", ".rrrr...", ".rrrr...", ".rrrr...", "........", "........"}));

    // A hollow rectangle in XOR mode twice leaves no trace, its corners included.
    Surface hollow(8, 6);
    hollow.canvas.GetBrush().style = BrushStyle::Clear;
    hollow.canvas.GetPen().mode = PenMode::Not;
    hollow.canvas.Rectangle(Rect(1, 1, 6, 5));
    EXPECT_EQ(hollow.Picture(),
              Join({"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
    hollow.canvas.Rectangle(Rect(1, 1, 6, 5));
    EXPECT_EQ(hollow.Picture(),
              Join({"........", "........", "........", "........", "........", "........"}));
}

TEST(CanvasShapes, PolygonFillsByTheAlternateRuleInsideItsOutline) {
    Surface s(9, 9);
    s.canvas.GetBrush().color = clRed;
    s.canvas.Polygon({{1, 1}, {7, 1}, {1, 7}});
    EXPECT_EQ(s.Picture(), Join({".........", ".#######.", ".#rrrr#..", ".#rrr#...", ".#rr#....",
                                 ".#r#.....", ".##......", ".#.......", "........."}));

    // Slanted edges: a pixel is filled when it lies on or right of the left edge and left of
    // the right edge, the apex row and the base row staying empty.
    Surface peak(9, 9);
    peak.canvas.GetPen().style = PenStyle::Clear;
    peak.canvas.GetBrush().color = clRed;
    peak.canvas.Polygon({{4, 0}, {8, 8}, {0, 8}});
    EXPECT_EQ(peak.Picture(), Join({".........", "....r....", "...rr....", "...rrr...", "..rrrr...",
                                    "..rrrrr..", ".rrrrrr..", ".rrrrrrr.", "........."}));

    // A self-crossing star leaves its centre empty under the alternate rule.
    Surface star(11, 11);
    star.canvas.GetPen().style = PenStyle::Clear;
    star.canvas.GetBrush().color = clRed;
    star.canvas.Polygon({{5, 0}, {8, 10}, {0, 3}, {10, 3}, {2, 10}});
    EXPECT_EQ(star.bitmap.GetPixel(5, 5), clWhite);
    EXPECT_EQ(star.bitmap.GetPixel(5, 2), clRed);
    EXPECT_EQ(star.bitmap.GetPixel(1, 3), clRed);

    // Without a pen, a rectangle's polygon fills exactly what FillRect fills.
    Surface square(6, 6);
    square.canvas.GetPen().style = PenStyle::Clear;
    square.canvas.GetBrush().color = clRed;
    square.canvas.Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
    EXPECT_EQ(square.Picture(), Join({"......", ".rrrr.", ".rrrr.", ".rrrr.", "......", "......"}));
}

// Draws a shape inside a one-pixel blue frame around its rectangle: the shape must reach
// the frame on all four sides and must not touch it.
class ShapeInFrame : public ::testing::Test {
protected:
    static constexpr TRect kBox{3, 2, 22, 15};

    ShapeInFrame() : s(26, 18) {
        s.canvas.GetBrush().color = clBlue;
        s.canvas.FrameRect(kBox.Inflate(1, 1));
        s.canvas.GetBrush().color = clRed;
    }

    void ExpectExactlyCovered() {
        EXPECT_EQ(CountInFrame(clBlue), 2 * (kBox.Width() + 2) + 2 * kBox.Height());
        bool top = false, bottom = false, left = false, right = false;
        for (int x = kBox.left; x < kBox.right; ++x) {
            top |= s.bitmap.GetPixel(x, kBox.top) == clBlack;
            bottom |= s.bitmap.GetPixel(x, kBox.bottom - 1) == clBlack;
        }
        for (int y = kBox.top; y < kBox.bottom; ++y) {
            left |= s.bitmap.GetPixel(kBox.left, y) == clBlack;
            right |= s.bitmap.GetPixel(kBox.right - 1, y) == clBlack;
        }
        EXPECT_TRUE(top && bottom && left && right) << s.Picture();
        // Nothing outside the frame, and a mirror-symmetric shape inside it.
        for (int y = 0; y < s.bitmap.Height(); ++y)
            for (int x = 0; x < s.bitmap.Width(); ++x)
                if (!kBox.Inflate(1, 1).Contains({x, y})) {
                    ASSERT_EQ(s.bitmap.GetPixel(x, y), clWhite);
                }
        for (int y = kBox.top; y < kBox.bottom; ++y)
            for (int x = kBox.left; x < kBox.right; ++x) {
                const TColor c = s.bitmap.GetPixel(x, y);
                ASSERT_EQ(c, s.bitmap.GetPixel(kBox.left + kBox.right - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(c, s.bitmap.GetPixel(x, kBox.top + kBox.bottom - 1 - y)) << x << "," << y;
            }
        EXPECT_EQ(s.bitmap.GetPixel(12, 8), clRed);  // the brush inside
    }

    int CountInFrame(TColor color) const {
        int count = 0;
        for (int y = 0; y < s.bitmap.Height(); ++y)
            for (int x = 0; x < s.bitmap.Width(); ++x) count += s.bitmap.GetPixel(x, y) == color;
        return count;
    }

    Surface s;
};

TEST_F(ShapeInFrame, RectangleCoversItsRectangle) {
    s.canvas.Rectangle(kBox);
    ExpectExactlyCovered();
    EXPECT_EQ(CountInFrame(clRed), (kBox.Width() - 2) * (kBox.Height() - 2));
}

TEST_F(ShapeInFrame, EllipseTouchesEverySideAndLeavesTheCorners) {
    s.canvas.Ellipse(kBox);
    ExpectExactlyCovered();
    EXPECT_EQ(s.bitmap.GetPixel(kBox.left, kBox.top), clWhite);
    EXPECT_EQ(s.bitmap.GetPixel(kBox.right - 1, kBox.bottom - 1), clWhite);
    // The outline is closed: no brush pixel has a white neighbour.
    for (int y = kBox.top; y < kBox.bottom; ++y)
        for (int x = kBox.left; x < kBox.right; ++x)
            if (s.bitmap.GetPixel(x, y) == clRed) {
                for (TPoint n :
                     {Point(x - 1, y), Point(x + 1, y), Point(x, y - 1), Point(x, y + 1)})
                    ASSERT_NE(s.bitmap.GetPixel(n.x, n.y), clWhite) << x << "," << y;
            }
}

TEST_F(ShapeInFrame, RoundRectKeepsStraightEdgesBetweenTheCorners) {
    s.canvas.RoundRect(kBox, 8, 6);
    ExpectExactlyCovered();
    EXPECT_EQ(s.bitmap.GetPixel(kBox.left, kBox.top), clWhite);
    EXPECT_EQ(s.bitmap.GetPixel(kBox.left + 4, kBox.top), clBlack);
    EXPECT_EQ(s.bitmap.GetPixel(kBox.right - 5, kBox.top), clBlack);
    EXPECT_EQ(s.bitmap.GetPixel(kBox.left, kBox.top + 3), clBlack);
    EXPECT_EQ(s.bitmap.GetPixel(kBox.left + 1, kBox.top + 3), clRed);
}

TEST(CanvasShapes, ArcDrawsTheCounterClockwiseQuarter) {
    // The skinned frame's top-left corner: ellipse (-1,-1)-(21,21) from (10,-1) to (-1,10),
    // moved by the origin so that all of it is visible.
    Surface arc(26, 26);
    arc.canvas.SetOrigin({2, 2});
    arc.canvas.Arc(Rect(-1, -1, 21, 21), Point(10, -1), Point(-1, 10));
    Surface full(26, 26);
    full.canvas.SetOrigin({2, 2});
    full.canvas.GetBrush().style = BrushStyle::Clear;
    full.canvas.Ellipse(Rect(-1, -1, 21, 21));

    int drawn = 0;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 26; ++x) {
            const bool onArc = arc.bitmap.GetPixel(x, y) == clBlack;
            const bool onEllipse = full.bitmap.GetPixel(x, y) == clBlack;
            drawn += onArc;
            if (onArc) {
                EXPECT_TRUE(onEllipse) << x << "," << y;
                EXPECT_TRUE(x <= 12 && y <= 12) << x << "," << y;  // logical 10, 10
            }
            if (onEllipse && x < 11 && y < 11) {
                EXPECT_TRUE(onArc) << x << "," << y;
            }
        }
    EXPECT_GT(drawn, 10);
    // It reaches the top and left edges of the ellipse.
    EXPECT_EQ(arc.canvas.GetPixel(-1, 9), clBlack);
    EXPECT_EQ(arc.canvas.GetPixel(9, -1), clBlack);

    // Swapping start and end draws the other three quarters.
    Surface rest(26, 26);
    rest.canvas.SetOrigin({2, 2});
    rest.canvas.Arc(Rect(-1, -1, 21, 21), Point(-1, 10), Point(10, -1));
    EXPECT_EQ(rest.canvas.GetPixel(20, 9), clBlack);
    EXPECT_EQ(rest.canvas.GetPixel(9, 20), clBlack);
    EXPECT_EQ(rest.canvas.GetPixel(-1, 9), clWhite);
}

TEST(CanvasPixels, SetAndGetFollowTheOriginAndClip) {
    Surface s(4, 4);
    s.canvas.SetOrigin({1, 1});
    s.canvas.SetPixel(0, 0, clRed);
    EXPECT_EQ(s.bitmap.GetPixel(1, 1), clRed);
    EXPECT_EQ(s.canvas.GetPixel(0, 0), clRed);
    EXPECT_EQ(s.canvas.GetPixel(3, 3), clNone);  // outside the bitmap
    s.canvas.IntersectClipRect(Rect(1, 1, 2, 2));
    s.canvas.SetPixel(0, 0, clBlue);
    EXPECT_EQ(s.bitmap.GetPixel(1, 1), clRed);
    EXPECT_EQ(s.canvas.GetPixel(0, 0), clNone);
    s.canvas.SetPixel(1, 1, clBtnFace);  // system colours resolve
    EXPECT_EQ(s.bitmap.GetPixel(2, 2), ColorToRGB(clBtnFace));
}
