#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"

using gfx::CombineMode;
using gfx::Region;

namespace {

// The region's pixels inside box as rows of '#' and '.', for pictures in the tests.
std::string Picture(const Region& region, const TRect& box) {
    std::string out;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) out += region.Contains(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

TEST(Region, CombinesOverlappingSquaresIntoBands) {
    const Region a(Rect(0, 0, 4, 4));
    const Region b(Rect(2, 2, 6, 6));
    struct Case {
        CombineMode mode;
        std::vector<TRect> rects;
    };
    const Case cases[] = {
        {CombineMode::And, {Rect(2, 2, 4, 4)}},
        {CombineMode::Or, {Rect(0, 0, 4, 2), Rect(0, 2, 6, 4), Rect(2, 4, 6, 6)}},
        {CombineMode::Xor,
         {Rect(0, 0, 4, 2), Rect(0, 2, 2, 4), Rect(4, 2, 6, 4), Rect(2, 4, 6, 6)}},
        {CombineMode::Diff, {Rect(0, 0, 4, 2), Rect(0, 2, 2, 4)}},
        {CombineMode::Copy, {Rect(0, 0, 4, 4)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_EQ(Region::Combine(a, b, c.mode).Rects(), c.rects);
    }
}

TEST(Region, EqualPixelSetsHaveEqualRectangles) {
    const Region whole(Rect(0, 0, 4, 4));
    // Bands of equal spans merge vertically and touching spans merge horizontally.
    EXPECT_EQ(Region(Rect(0, 0, 4, 2)).United(Region(Rect(0, 2, 4, 4))), whole);
    EXPECT_EQ(Region(Rect(0, 0, 2, 4)).United(Region(Rect(2, 0, 4, 4))), whole);
    EXPECT_EQ(
        Region::FromRects({Rect(0, 0, 3, 3), Rect(1, 1, 4, 4), Rect(3, 0, 4, 1), Rect(0, 3, 1, 4)}),
        whole);
    std::vector<gfx::RowSpan> rows;
    for (int y = 3; y >= 0; --y) rows.push_back({y, 0, 4});
    EXPECT_EQ(Region::FromRowSpans(rows), whole);
    // Cutting a hole and filling it again gives the plain rectangle back.
    const Region holed = whole.Subtracted(Region(Rect(1, 1, 3, 3)));
    EXPECT_EQ(holed.United(Region(Rect(1, 1, 3, 3))), whole);
    EXPECT_TRUE(Region::Combine(holed, holed, CombineMode::Xor).IsEmpty());
    EXPECT_TRUE(whole.Intersected(Rect(4, 0, 8, 4)).IsEmpty());  // edges are exclusive
    // Clipping away what made two bands differ merges them.
    EXPECT_EQ(Region::FromRects({Rect(0, 0, 4, 2), Rect(0, 2, 8, 4)}).Intersected(Rect(0, 0, 4, 9)),
              whole);
}

TEST(Region, EmptyRectanglesAddNothing) {
    EXPECT_TRUE(Region(Rect(3, 3, 3, 8)).IsEmpty());
    EXPECT_TRUE(Region::FromRects({Rect(5, 5, 2, 2), Rect(0, 0, 0, 0)}).IsEmpty());
    const Region r(Rect(1, 1, 3, 3));
    EXPECT_EQ(r.United(Region()), r);
    EXPECT_EQ(Region().United(r), r);
    EXPECT_TRUE(r.Intersected(Region()).IsEmpty());
    EXPECT_EQ(r.Subtracted(Region()), r);
    EXPECT_EQ(r.BoundingBox(), Rect(1, 1, 3, 3));
    EXPECT_EQ(Region().BoundingBox(), TRect{});
}

TEST(Region, PointTestsBoundingBoxAndOffset) {
    Region r = Region::FromRects({Rect(0, 0, 2, 2), Rect(5, 0, 7, 2), Rect(3, 4, 4, 9)});
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{0, 0, true},  {1, 1, true},   {2, 1, false}, {4, 1, false}, {5, 1, true},
                          {6, 0, true},  {7, 0, false},  {3, 2, false}, {3, 4, true},  {3, 8, true},
                          {3, 9, false}, {-1, 0, false}, {0, -1, false}};
    for (const Case& c : cases) EXPECT_EQ(r.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(r.BoundingBox(), Rect(0, 0, 7, 9));
    EXPECT_TRUE(r.Intersects(Rect(3, 8, 10, 10)));
    EXPECT_FALSE(r.Intersects(Rect(2, 0, 5, 4)));
    r.Offset(10, -1);
    EXPECT_EQ(r.BoundingBox(), Rect(10, -1, 17, 8));
    EXPECT_TRUE(r.Contains(15, 0));
    EXPECT_FALSE(r.Contains(5, 0));
}

TEST(Region, RoundRectWithoutCornersIsTheWindowRectangle) {
    // A window of W x H shaped with CreateRoundRectRgn(0, 0, W + 1, H + 1, R, R) and R below 2.
    for (int radius : {0, 1})
        EXPECT_EQ(Region::RoundRect(Rect(0, 0, 31, 21), radius, radius),
                  Region(Rect(0, 0, 30, 20)));
}

TEST(Region, RoundRectCornersFollowTheEllipse) {
    // The filled round rectangle of 11 x 9 with 6 x 6 corner ellipses loses the right
    // column and bottom row; only the corner pixels outside the ellipses go.
    const Region r = Region::RoundRect(Rect(0, 0, 11, 9), 6, 6);
    EXPECT_EQ(Picture(r, Rect(0, 0, 11, 9)),
              ".#########.\n"
              "##########.\n"
              "##########.\n"
              "##########.\n"
              "##########.\n"
              "##########.\n"
              "##########.\n"
              "##########.\n"
              "...........\n");
    // With larger corners the corner pixels, and their neighbours along the edges, are cut
    // while the middles of all four edges stay.
    const Region big = Region::RoundRect(Rect(0, 0, 41, 31), 20, 20);
    EXPECT_EQ(big.BoundingBox(), Rect(0, 0, 40, 30));
    for (TPoint p :
         {Point(0, 0), Point(1, 0), Point(0, 1), Point(39, 0), Point(0, 29), Point(39, 29)})
        EXPECT_FALSE(big.Contains(p)) << p.x << "," << p.y;
    for (TPoint p :
         {Point(20, 0), Point(0, 15), Point(39, 15), Point(20, 29), Point(10, 10), Point(30, 20)})
        EXPECT_TRUE(big.Contains(p)) << p.x << "," << p.y;
    // Each row of the top corner is a single run, narrowing toward the top.
    int previousLeft = 0;
    for (int y = 9; y >= 0; --y) {
        int left = 0;
        while (!big.Contains(left, y)) ++left;
        EXPECT_GE(left, previousLeft) << y;
        previousLeft = left;
    }
    EXPECT_GT(previousLeft, 3);

    // The same shape as the canvas paints with RoundRect in that rectangle, pen and brush
    // of one colour, short of the right column and bottom row.
    gfx::Bitmap painted(41, 31);
    gfx::Canvas canvas(painted);
    canvas.GetBrush().color = clBlack;
    canvas.RoundRect(Rect(0, 0, 41, 31), 20, 20);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 41; ++x) {
            const bool paintedHere = painted.GetPixel(x, y) == clBlack && x < 40 && y < 30;
            ASSERT_EQ(big.Contains(x, y), paintedHere) << x << "," << y;
        }
}

TEST(Region, EllipseIsARoundRectWithFullCorners) {
    const TRect box = Rect(2, 3, 23, 14);
    EXPECT_EQ(Region::Ellipse(box), Region::RoundRect(box, box.Width(), box.Height()));
    const Region e = Region::Ellipse(box);
    EXPECT_TRUE(e.Contains(12, 3));   // middle of the top
    EXPECT_TRUE(e.Contains(2, 8));    // middle of the left side
    EXPECT_FALSE(e.Contains(2, 3));   // corner of the box
    EXPECT_FALSE(e.Contains(22, 8));  // the right column is outside
}

TEST(Region, ManyRowsUniteIntoCompactBands) {
    // A window shape built row by row from a picture: a disc of radius 60.
    Region shape;
    for (int y = -60; y < 60; ++y) {
        int half = 0;
        while ((half + 1) * (half + 1) + y * y <= 3600) ++half;
        shape = shape.United(Region(Rect(60 - half, y + 60, 60 + half, y + 61)));
    }
    EXPECT_EQ(shape.BoundingBox(), Rect(0, 1, 120, 120));  // the top row y = -60 is empty
    EXPECT_LT(shape.Rects().size(), 120u);  // rows with equal runs share one rectangle
    const Region rebuilt = Region::FromRects(shape.Rects());
    EXPECT_EQ(rebuilt, shape);
    EXPECT_EQ(shape.Intersected(Rect(30, 20, 90, 100)),
              shape.Intersected(Region(Rect(30, 20, 90, 100))));
    EXPECT_TRUE(shape.Contains(60, 60));
    EXPECT_FALSE(shape.Contains(1, 1));
    // Rectangles never overlap and come in y-x order.
    const auto& rects = shape.Rects();
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const TRect& a = rects[i - 1];
        const TRect& b = rects[i];
        EXPECT_TRUE(b.top > a.top ? b.top >= a.bottom : (b.top == a.top && b.left > a.right));
    }
}

TEST(Region, CombineAgreesPixelByPixelWithItsOperands) {
    // Random small regions checked against the pixel sets they stand for.
    std::mt19937 random(7);
    auto someRects = [&] {
        std::vector<TRect> rects;
        const int count = 1 + static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i) {
            const int x = static_cast<int>(random() % 14), y = static_cast<int>(random() % 14);
            rects.push_back(Bounds(x, y, 1 + static_cast<int>(random() % 6),
                                   1 + static_cast<int>(random() % 6)));
        }
        return rects;
    };
    auto covers = [](const std::vector<TRect>& rects, int x, int y) {
        for (const TRect& r : rects)
            if (r.Contains({x, y})) return true;
        return false;
    };
    const CombineMode modes[] = {CombineMode::And, CombineMode::Or, CombineMode::Xor,
                                 CombineMode::Diff};
    for (int round = 0; round < 200; ++round) {
        const std::vector<TRect> rectsA = someRects();
        const std::vector<TRect> rectsB = someRects();
        const Region a = Region::FromRects(rectsA);
        const Region b = Region::FromRects(rectsB);
        for (CombineMode mode : modes) {
            const Region c = Region::Combine(a, b, mode);
            for (int y = -1; y < 21; ++y)
                for (int x = -1; x < 21; ++x) {
                    const bool inA = covers(rectsA, x, y), inB = covers(rectsB, x, y);
                    const bool expected = mode == CombineMode::And   ? inA && inB
                                          : mode == CombineMode::Or  ? inA || inB
                                          : mode == CombineMode::Xor ? inA != inB
                                                                     : inA && !inB;
                    ASSERT_EQ(c.Contains(x, y), expected)
                        << "round " << round << " at " << x << "," << y;
                }
            // The same pixels always come out as the same rectangles.
            ASSERT_EQ(Region::FromRects(c.Rects()), c) << "round " << round;
        }
    }
}
