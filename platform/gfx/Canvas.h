#pragma once
// A drawing surface over a bitmap, with the pen, brush and font of a Win32 device context,
// a clip region and a movable origin. Coordinates given to drawing calls are logical:
// device = logical + Origin().
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Region.h"

namespace gfx {

namespace raster {
struct Paint;
}

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class PenMode { Copy, Xor, Not, NotXor, Black, White, Nop };
enum class BrushStyle { Solid, Clear, Pattern };

struct Pen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct Brush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
    // For BrushStyle::Pattern: tiled from the device origin, as Win32 pattern brushes are.
    std::shared_ptr<const Bitmap> pattern;
};

// Raster operations of BitBlt.
enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    NOTSRCCOPY = 0x00330008,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
    DSTINVERT = 0x00550009,
    PATCOPY = 0x00F00021,
};

// DrawText flags, with Win32's values.
enum DrawTextFlags : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_HIDEPREFIX = 0x100000,
};

class Canvas {
public:
    explicit Canvas(Bitmap& target);

    Bitmap& Target() { return *m_target; }
    const Bitmap& Target() const { return *m_target; }

    Pen& GetPen() { return m_state.pen; }
    Brush& GetBrush() { return m_state.brush; }
    FontDesc& GetFont() { return m_state.font; }
    void SetPen(const Pen& pen) { m_state.pen = pen; }
    void SetBrush(const Brush& brush) { m_state.brush = brush; }
    void SetFont(const FontDesc& font) { m_state.font = font; }

    // Origin: where logical (0, 0) lies on the device.
    TPoint Origin() const { return m_state.origin; }
    void SetOrigin(TPoint origin) { m_state.origin = origin; }
    void MoveOrigin(int dx, int dy) {
        m_state.origin = {m_state.origin.x + dx, m_state.origin.y + dy};
    }

    // The base clip is the device's visible area (set by the owner of the device context:
    // a window's visible region). The user clip narrows it further; both are in device
    // coordinates. With neither, the whole bitmap is drawable.
    void SetBaseClip(const Region& deviceRegion);
    void SetClipRegion(const Region& deviceRegion);  // SelectClipRgn
    void ClearClip();                                // SelectClipRgn(NULL)
    void IntersectClipRect(const TRect& logical);    // narrows the user clip
    void ExcludeClipRect(const TRect& logical);
    // The effective clip in device coordinates.
    const Region& ClipRegion() const;
    // The effective clip in logical coordinates, bounded (GetClipBox).
    TRect ClipBox() const;

    // SaveDC/RestoreDC: pen, brush, font, origin, user clip and pen position.
    int Save();
    void Restore(int level = -1);  // -1: the last saved state

    // Drawing.
    void FillRect(const TRect& rect);   // with the brush, no outline
    void FrameRect(const TRect& rect);  // one-pixel frame with the brush colour
    void Rectangle(const TRect& rect);  // pen outline, brush inside
    void MoveTo(int x, int y) { m_state.penPos = {x, y}; }
    TPoint PenPos() const { return m_state.penPos; }
    void LineTo(int x, int y);  // the end point is left out
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);  // filled with the brush (alternate rule)
    // Arc of the ellipse bounded by rect, counter-clockwise from the ray to start to the
    // ray to end.
    void Arc(const TRect& rect, TPoint start, TPoint end);
    void Ellipse(const TRect& rect);
    void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
    TColor GetPixel(int x, int y) const;  // clNone outside the clip, as CLR_INVALID
    void SetPixel(int x, int y, TColor color);

    // Text in the current font; the brush fills the text cell unless it is clear.
    void TextOut(int x, int y, std::string_view text);
    void TextRect(const TRect& rect, int x, int y, std::string_view text);  // clipped to rect
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    TSize TextExtent(std::string_view text) const;
    // Returns the height of the text drawn; with DT_CALCRECT, sets rect to the text's extent
    // and draws nothing.
    int DrawText(std::string_view text, TRect& rect, unsigned flags);

    // Pictures.
    void Draw(int x, int y, const Bitmap& bitmap);  // transparent when bitmap.Transparent()
    void DrawTransparent(int x, int y, const Bitmap& bitmap, TColor key);
    void StretchDraw(const TRect& rect, const Bitmap& bitmap);
    void StretchDrawTransparent(const TRect& rect, const Bitmap& bitmap, TColor key);
    // Copies source's rectangle into dest, scaling when the sizes differ.
    void CopyRect(const TRect& dest, const Canvas& source, const TRect& sourceRect);
    void CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect);
    void BitBlt(int x, int y, int width, int height, const Canvas& source, int sx, int sy,
                std::uint32_t rop = SRCCOPY);
    void BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                std::uint32_t rop = SRCCOPY);
    // A dotted one-pixel frame drawn by inverting: drawing it twice restores the pixels.
    void DrawFocusRect(const TRect& rect);
    void InvertRect(const TRect& rect);

private:
    struct State {
        Pen pen;
        Brush brush;
        FontDesc font;
        TPoint origin;
        TPoint penPos;
        bool hasUserClip = false;
        Region userClip;
    };
    void UpdateEffectiveClip();
    // The effective clip, recomputed when the target bitmap has changed size.
    const Region& DeviceClip() const;
    bool ClipContains(int x, int y) const;

    // Device-coordinate painting, clipped.
    void PaintDeviceRect(const TRect& device, const raster::Paint& paint);
    void PaintDeviceRegion(const Region& device, const raster::Paint& paint);
    void PaintDeviceSpans(std::vector<RowSpan> spans, const raster::Paint& paint);
    raster::Paint BrushPaint(bool withPenMode) const;
    raster::Paint PenPaint() const;
    bool HasPen() const { return m_state.pen.style != PenStyle::Clear && m_state.pen.width > 0; }
    bool HasBrush() const { return m_state.brush.style != BrushStyle::Clear; }
    TRect ToDevice(const TRect& logical) const {
        return logical.Offset(m_state.origin.x, m_state.origin.y);
    }

    // Lines and closed shapes (CanvasShapes.cpp).
    void StrokeLine(TPoint from, TPoint to, int& styleOffset);
    void FillAndFrame(const std::vector<RowSpan>& interior, const std::vector<RowSpan>& outline);
    void DrawRoundShape(const TRect& rect, int ellipseWidth, int ellipseHeight);

    // Text (CanvasText.cpp).
    std::shared_ptr<const FontFace> Face() const;
    void RenderText(int deviceX, int deviceY, std::string_view text, const TRect* deviceClip);

    // Pictures (CanvasBlit.cpp).
    void StretchBlit(const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                     std::uint32_t rop, bool keyed, TColor key);

    Bitmap* m_target;
    State m_state;
    std::vector<State> m_saved;
    bool m_hasBaseClip = false;
    Region m_baseClip;
    mutable Region m_effectiveClip;  // base ∩ user ∩ bitmap bounds, device coordinates
    mutable TSize m_clipTargetSize{-1, -1};
    mutable std::shared_ptr<const FontFace> m_face;
    mutable FontDesc m_faceDesc;
};

}  // namespace gfx
