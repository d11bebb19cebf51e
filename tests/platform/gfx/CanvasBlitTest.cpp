#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"

using gfx::Bitmap;
using gfx::Canvas;

namespace {

// Pictures as rows of characters: '.' white, '#' black, 'r' red, 'b' blue, 'm' fuchsia,
// '?' anything else.
TColor ColorOf(char c) {
    switch (c) {
        case '#':
            return clBlack;
        case 'r':
            return clRed;
        case 'b':
            return clBlue;
        case 'm':
            return clFuchsia;
        default:
            return clWhite;
    }
}

Bitmap Make(const std::vector<std::string>& rows) {
    Bitmap bitmap(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) bitmap.SetPixel(x, y, ColorOf(rows[y][x]));
    return bitmap;
}

std::vector<std::string> Rows(const Bitmap& bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.GetPixel(x, y);
            row += c == clWhite     ? '.'
                   : c == clBlack   ? '#'
                   : c == clRed     ? 'r'
                   : c == clBlue    ? 'b'
                   : c == clFuchsia ? 'm'
                                    : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

using Rows_ = std::vector<std::string>;

}  // namespace

TEST(CanvasBlit, DrawCopiesAndTransparentDrawingLeavesTheKeyOut) {
    const Bitmap picture = Make({"rmr", "m#m", "mrm"});
    Bitmap target(5, 4);
    Canvas canvas(target);
    canvas.Draw(1, 1, picture);
    EXPECT_EQ(Rows(target), (Rows_{".....", ".rmr.", ".m#m.", ".mrm."}));

    // The picture's own transparent colour: by default its bottom-left pixel.
    Bitmap transparent = picture;
    transparent.SetTransparent(true);
    target.Fill(clBlue);
    canvas.Draw(1, 1, transparent);
    EXPECT_EQ(Rows(target), (Rows_{"bbbbb", "brbrb", "bb#bb", "bbrbb"}));

    target.Fill(clBlue);
    canvas.DrawTransparent(1, 0, picture, clRed);
    EXPECT_EQ(Rows(target), (Rows_{"bbmbb", "bm#mb", "bmbmb", "bbbbb"}));

    // Without a key colour nothing is left out, white included.
    const Bitmap white(2, 1);
    canvas.DrawTransparent(0, 3, white, clNone);
    EXPECT_EQ(Rows(target)[3], "..bbb");
}

TEST(CanvasBlit, StretchScalesByNearestNeighbour) {
    const Bitmap picture = Make({"r#", "bm"});
    Bitmap target(6, 5);
    Canvas canvas(target);
    canvas.StretchDraw(Rect(1, 1, 5, 5), picture);
    EXPECT_EQ(Rows(target), (Rows_{"......", ".rr##.", ".rr##.", ".bbmm.", ".bbmm."}));

    target.Fill(clWhite);
    canvas.StretchDrawTransparent(Rect(0, 0, 6, 2), picture, clBlack);
    EXPECT_EQ(Rows(target), (Rows_{"rrr...", "bbbmmm", "......", "......", "......"}));
}

TEST(CanvasBlit, CopyRectScalesWhenTheSizesDiffer) {
    const Bitmap source = Make({"r.#.", "....", "b.m.", "...."});
    Bitmap target(4, 4);
    Canvas canvas(target);
    // Halving keeps every other pixel, starting with the first.
    canvas.CopyRect(Rect(0, 0, 2, 2), source, Rect(0, 0, 4, 4));
    EXPECT_EQ(Rows(target), (Rows_{"r#..", "bm..", "....", "...."}));
    // Equal sizes copy; the source canvas's origin applies to the source rectangle.
    Bitmap sourceCopy = source;
    Canvas sourceCanvas(sourceCopy);
    sourceCanvas.SetOrigin({2, 2});
    target.Fill(clWhite);
    canvas.CopyRect(Rect(1, 1, 3, 3), sourceCanvas, Rect(-2, -2, 0, 0));
    EXPECT_EQ(Rows(target), (Rows_{"....", ".r..", "....", "...."}));
    // Doubling repeats each pixel.
    target.Fill(clWhite);
    canvas.CopyRect(Rect(0, 0, 4, 2), source, Rect(2, 0, 4, 1));
    EXPECT_EQ(Rows(target), (Rows_{"##..", "##..", "....", "...."}));
}

TEST(CanvasBlit, RasterOperationsCombineSourceAndDestination) {
    struct Case {
        std::uint32_t rop;
        TColor result;
    };
    const TColor dst = RGB(0x0F, 0xF0, 0x33);
    const TColor src = RGB(0x55, 0x55, 0xFF);
    const Case cases[] = {
        {gfx::SRCCOPY, src},
        {gfx::SRCPAINT, RGB(0x5F, 0xF5, 0xFF)},
        {gfx::SRCAND, RGB(0x05, 0x50, 0x33)},
        {gfx::SRCINVERT, RGB(0x5A, 0xA5, 0xCC)},
        {gfx::NOTSRCCOPY, RGB(0xAA, 0xAA, 0x00)},
        {gfx::BLACKNESS, clBlack},
        {gfx::WHITENESS, clWhite},
        {gfx::DSTINVERT, RGB(0xF0, 0x0F, 0xCC)},
        {gfx::PATCOPY, clRed},
    };
    const Bitmap source(2, 2, ColorToPixel(src));
    for (const Case& c : cases) {
        Bitmap target(3, 3, ColorToPixel(dst));
        Canvas canvas(target);
        canvas.GetBrush().color = clRed;
        canvas.BitBlt(1, 1, 2, 2, source, 0, 0, c.rop);
        EXPECT_EQ(target.GetPixel(1, 1), c.result) << std::hex << c.rop;
        EXPECT_EQ(target.GetPixel(2, 2), c.result) << std::hex << c.rop;
        EXPECT_EQ(target.GetPixel(0, 0), dst) << std::hex << c.rop;
        EXPECT_EQ(target.At(1, 1) >> 24, 0xFFu);  // pixels stay opaque
    }
    Bitmap target(2, 2);
    Canvas canvas(target);
    EXPECT_THROW(canvas.BitBlt(0, 0, 1, 1, source, 0, 0, 0x00AA0029), std::invalid_argument);
}

TEST(CanvasBlit, BlitWithinOneBitmapReadsThePixelsBeforeTheCopy) {
    Bitmap target = Make({"r#b...."});
    Canvas canvas(target);
    canvas.BitBlt(1, 0, 3, 1, canvas, 0, 0);
    EXPECT_EQ(Rows(target), (Rows_{"rr#b..."}));
    // Source pixels outside the source bitmap leave the destination alone.
    canvas.BitBlt(4, 0, 3, 1, target, 6, 0);
    EXPECT_EQ(Rows(target), (Rows_{"rr#b..."}));
}

TEST(CanvasBlit, FocusRectIsDottedAndUndoesItself) {
    Bitmap target(8, 6);
    Canvas canvas(target);
    canvas.DrawFocusRect(Rect(1, 1, 7, 5));
    // Every other pixel of the frame, by the parity of its device position, is inverted.
    EXPECT_EQ(Rows(target),
              (Rows_{"........", ".#.#.#..", "......#.", ".#......", "..#.#.#.", "........"}));
    canvas.DrawFocusRect(Rect(1, 1, 7, 5));
    EXPECT_EQ(target, Bitmap(8, 6));

    // Thin rectangles visit each pixel once too.
    canvas.DrawFocusRect(Rect(0, 2, 8, 3));
    canvas.DrawFocusRect(Rect(0, 2, 8, 3));
    EXPECT_EQ(target, Bitmap(8, 6));

    canvas.InvertRect(Rect(0, 0, 2, 1));
    EXPECT_EQ(Rows(target)[0], "##......");
}
