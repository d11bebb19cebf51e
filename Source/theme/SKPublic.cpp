// The shared drawing helpers and platform queries of the skin library.
#include "Source/theme/SKPublic.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/TypInfo.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

namespace {

// The platform stands in for an NT-family system of version 5.1, the first whose look the
// skin imitates; the flags are fixed when the library starts.
struct OperatingSystem {
    int Major = 5;
    int Minor = 1;
    bool NtFamily = true;
};

const bool kIsWinXP = [] {
    const OperatingSystem os;
    return os.Major >= 5 && os.Minor >= 1 && os.NtFamily;
}();

// Draws a copy of the picture's source rectangle at (x, y), keyed with magenta when asked.
// An empty source draws nothing.
void DrawPart(const gfx::Bitmap& picture, TCanvas* canvas, const TRect& source, int x, int y,
              bool transparent) {
    if (source.IsEmpty()) return;
    TBitmap part;
    part.SetImage(picture.Copy(source));
    if (transparent) {
        part.SetTransparentColor(SK_TRANSPARENT_KEY);
        part.SetTransparent(true);
    }
    canvas->Draw(x, y, &part);
}

// Scales the picture's source rectangle into a temporary bitmap of the destination's size
// and draws it there, keyed with magenta. Parts whose source or destination is empty are
// skipped.
void StretchPart(const gfx::Bitmap& picture, TCanvas* canvas, const TRect& source,
                 const TRect& dest) {
    if (source.IsEmpty() || dest.IsEmpty()) return;
    gfx::Bitmap scaled(dest.Width(), dest.Height());
    gfx::Canvas(scaled).CopyRect(scaled.BoundsRect(), picture, source);
    TBitmap part;
    part.SetImage(scaled);
    part.SetTransparentColor(SK_TRANSPARENT_KEY);
    part.SetTransparent(true);
    canvas->Draw(dest.left, dest.top, &part);
}

// Gives the bitmap new pixels and size; its transparency settings stay its own, as when a
// picture is loaded into it.
void ReplacePixels(TBitmap* bitmap, gfx::Bitmap pixels) {
    pixels.SetTransparent(bitmap->GetTransparent());
    if (bitmap->GetTransparentMode() == tmFixed)
        pixels.SetTransparentColor(bitmap->GetTransparentColor());
    else
        pixels.SetTransparentColorAuto();
    bitmap->SetImage(pixels);
}

// Replaces the bitmap's pixels with a picture of exchanged width and height in which
// place(x, y) names where the old pixel (x, y) goes.
template <typename Place>
void Turn(TBitmap* bitmap, Place place) {
    if (bitmap == nullptr) return;
    const gfx::Bitmap& old = bitmap->Image();
    gfx::Bitmap turned(old.Height(), old.Width());
    turned.SetFormat(old.Format());
    for (int y = 0; y < old.Height(); ++y) {
        for (int x = 0; x < old.Width(); ++x) {
            const TPoint to = place(x, y, old.Width(), old.Height());
            if (to.x >= 0 && to.x < turned.Width() && to.y >= 0 && to.y < turned.Height())
                turned.At(to.x, to.y) = old.At(x, y);
        }
    }
    ReplacePixels(bitmap, turned);
}

}  // namespace

void SpitBitmap(TBitmap* Source, TBitmap* Target, int Count, int Index) {
    if (Source == nullptr || Target == nullptr) return;
    if (Count <= 0) throw std::invalid_argument("SpitBitmap needs a frame count above 0");
    const gfx::Bitmap& source = Source->Image();
    const int width = source.Width() / Count;
    const int height = source.Height();
    gfx::Bitmap frame(width, height);
    frame.SetFormat(source.Format());
    gfx::Canvas(frame).CopyRect(frame.BoundsRect(), source,
                                {width * (Index - 1), 0, width * Index, height});
    ReplacePixels(Target, frame);
}

void SpitDraw(TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool Transparent) {
    if (Bitmap == nullptr || Canvas == nullptr || Bitmap->GetEmpty()) return;
    const gfx::Bitmap& picture = Bitmap->Image();
    const int SW = picture.Width();
    const int SH = picture.Height();
    const int sw = SW / 2;
    const int sh = SH / 2;
    const int w = Rect.Width() / 2;
    const int h = Rect.Height() / 2;
    const int R = Rect.right;
    const int B = Rect.bottom;
    auto size = [](int a, int b) { return std::max(0, std::min(a, b)); };

    // Corners, each cut from the picture's outer side when there is less room than it has.
    int cw = size(sw, w);
    int ch = size(sh, h);
    const TRect TL{0, 0, cw, ch};
    DrawPart(picture, Canvas, {0, 0, cw, ch}, TL.left, TL.top, Transparent);

    cw = size(sw, w);
    ch = size(sh - 1, h - 1);
    const TRect BL{0, B - ch, cw, B};
    DrawPart(picture, Canvas, {0, SH - ch, cw, SH}, BL.left, BL.top, Transparent);

    // Left edge: the single middle row of an odd height, stretched; only as many of the
    // leftmost columns as there is room for.
    const TRect leftEdge{0, TL.bottom, TL.right, BL.top};
    StretchPart(picture, Canvas, {0, sh, std::min(sw, leftEdge.Width()), SH - sh}, leftEdge);

    cw = size(sw - 1, w - 1);
    ch = size(sh, h);
    const TRect TR{R - cw, 0, R, ch};
    DrawPart(picture, Canvas, {SW - cw, 0, SW, ch}, TR.left, TR.top, Transparent);

    cw = size(sw - 1, w - 1);
    ch = size(sh - 1, h - 1);
    const TRect BR{R - cw, B - ch, R, B};
    DrawPart(picture, Canvas, {SW - cw, SH - ch, SW, SH}, BR.left, BR.top, Transparent);

    const TRect rightEdge{TR.left, TR.bottom, TR.right, BR.top};
    StretchPart(picture, Canvas,
                {std::max(SW - sw + 1, SW - rightEdge.Width()), SH - sh, SW, sh + 2}, rightEdge);

    const TRect topEdge{TL.right, 0, TR.left, TL.bottom};
    StretchPart(picture, Canvas, {sw, 0, SW - sw + 1, std::min(sh, topEdge.Height())}, topEdge);

    const TRect centre{TL.right, TL.bottom, TR.left, BR.top - 1};
    StretchPart(picture, Canvas, {sw, sh, SW - sw + 1, SH - sh}, centre);

    const TRect bottomEdge{TL.right - 1, BL.top - 1, BR.left, BR.bottom};
    StretchPart(picture, Canvas, {sw, std::max(SH - sh, SH - bottomEdge.Height()), SW - sw + 1, SH},
                bottomEdge);
}

void SpitDrawHorizontal(TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect, bool UseCornerColor) {
    if (Bitmap == nullptr || Canvas == nullptr || Bitmap->GetEmpty()) return;
    const gfx::Bitmap& picture = Bitmap->Image();
    const TColor key = UseCornerColor ? picture.GetPixel(0, 0) : SK_TRANSPARENT_KEY;
    const int fw = picture.Width() / 3;
    const int height = picture.Height();

    auto cut = [&](TBitmap& part, int index, bool keyed) {
        part.SetImage(picture.Copy({fw * index, 0, fw * (index + 1), height}));
        if (keyed) {
            part.SetTransparentColor(key);
            part.SetTransparent(true);
        }
    };
    TBitmap left;
    TBitmap right;
    TBitmap middle;
    cut(left, 0, true);
    cut(right, 2, true);
    cut(middle, 1, false);
    Canvas->Draw(Rect.left, Rect.top, &left);
    Canvas->Draw(Rect.right - fw, Rect.top, &right);
    const TRect stretch{Rect.left + fw, Rect.top, Rect.right - fw, Rect.bottom};
    if (!stretch.IsEmpty()) Canvas->StretchDraw(stretch, &middle);
}

void TileDraw(TCanvas* Canvas, TGraphic* Picture, const TRect& Rect) {
    if (Canvas == nullptr || Picture == nullptr) return;
    const int pw = Picture->GetWidth();
    const int ph = Picture->GetHeight();
    if (pw <= 0 || ph <= 0) return;
    for (int x = 0; x < Rect.Width() + pw; x += pw) {
        for (int y = 0; y < Rect.Height() + ph; y += ph) Canvas->Draw(x, y, Picture);
    }
}

void RoundPicture(TBitmap* Bitmap) {
    Turn(Bitmap, [](int x, int y, int W, int) { return TPoint{y, W - 1 - x}; });
}

void RoundPicture2(TBitmap* Bitmap) {
    Turn(Bitmap, [](int x, int y, int W, int) { return TPoint{x, W - 1 - y}; });
}

void RoundPicture3(TBitmap* Bitmap) {
    // The new (i, j) takes the old (j, H - 1 - i), so the old (x, y) lands at (H - 1 - y, x).
    Turn(Bitmap, [](int x, int y, int, int H) { return TPoint{H - 1 - y, x}; });
}

void DrawControlBorder(TWinControl* Control, TColor BorderColor, TColor InnerColor,
                       bool DrawInner) {
    if (Control == nullptr) return;
    const HWND window = Control->Handle();
    RECT bounds;
    GetWindowRect(window, &bounds);
    const RECT frame = bounds.Offset(-bounds.left, -bounds.top);
    HDC dc = GetWindowDC(window);
    HBRUSH border = CreateSolidBrush(ColorToRGB(BorderColor));
    FrameRect(dc, frame, border);
    DeleteObject(border);
    if (DrawInner) {
        HBRUSH inner = CreateSolidBrush(ColorToRGB(InnerColor));
        FrameRect(dc, frame.Inflate(-1, -1), inner);
        DeleteObject(inner);
    }
    ReleaseDC(window, dc);
}

namespace {

// The part `area` of the parent's client area as it shows under its children: erased,
// then painted.
gfx::Bitmap PaintClientImage(TWinControl* Parent, const TRect& area) {
    gfx::Bitmap image(area.Width(), area.Height());
    gfx::Canvas canvas(image);
    canvas.MoveOrigin(-area.left, -area.top);
    HDC dc = CreateCanvasDC(canvas);
    try {
        Parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        Parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
        DeleteDC(dc);
        throw;
    }
    DeleteDC(dc);
    return image;
}

// Where the parent's image is wanted in one pass: under the asking control and under every
// windowed child that shows its parent through itself. Painting that much once costs less
// than a client-sized image, and each of those children finds its part in it.
TRect ShowThroughArea(TWinControl* Parent, TControl* Asking) {
    TRect area = Asking->BoundsRect();
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* child = Parent->Controls(i);
        if (child == Asking || !child->GetVisible() || !dynamic_cast<TWinControl*>(child)) continue;
        if (IsHasProperty(child, "Transparent") && GetOrdProp(child, "Transparent") != 0)
            area = area.Union(child->BoundsRect());
    }
    return area;
}

}  // namespace

void DoTrans(TCanvas* Canvas, TWinControl* Control) {
    if (Canvas == nullptr || Control == nullptr || Control->GetParent() == nullptr) return;
    TWinControl* parent = Control->GetParent();
    // ClipRect makes a control's canvas fetch its device context when it has none yet.
    Canvas->ClipRect();
    gfx::Canvas& target = *Canvas->GetTarget();
    const TRect client{0, 0, parent->GetClientWidth(), parent->GetClientHeight()};
    const TRect under = Control->BoundsRect().Intersect(client);
    // Every transparent child of one parent shows a part of the same image, so the parent
    // paints once per paint pass, not once per child.
    const HWND parentWindow = parent->HandleAllocated() ? parent->Handle() : nullptr;
    const TPassImage* image = parentWindow ? FindPassImage(parentWindow) : nullptr;
    TPassImage painted;
    if (!image || under.Intersect(image->Area) != under) {
        const std::uint64_t pass = GetPaintPass();
        painted.Area = ShowThroughArea(parent, Control).Intersect(client);
        if (image) painted.Area = painted.Area.Union(image->Area);
        painted.Image = PaintClientImage(parent, painted.Area);
        image = &painted;
        if (parentWindow)
            if (const TPassImage* kept = KeepPassImage(parentWindow, pass, painted)) image = kept;
    }
    const int saved = target.Save();
    target.MoveOrigin(-Control->GetLeft(), -Control->GetTop());
    target.IntersectClipRect(image->Area);
    target.Draw(image->Area.left, image->Area.top, image->Image);
    target.Restore(saved);
}

void SetWinControlTransparent(TWinControl* Control) {
    if (Control == nullptr) return;
    Control->SetControlStyle(Control->ControlStyle() & ~csOpaque);
    const HWND window = Control->Handle();
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void ContainerApplyUIStyle(TWinControl* Container, TskUIStyle Style, TskFileTheme* FileTheme) {
    if (Container == nullptr) return;
    for (int i = 0; i < Container->ControlCount(); ++i) {
        TControl* child = Container->Controls(i);
        if (!IsHasProperty(child, "FileTheme") || !IsHasProperty(child, "UIStyle")) continue;
        SetObjectProp(child, "FileTheme", FileTheme);
        SetOrdProp(child, "UIStyle", static_cast<std::int64_t>(Style));
    }
}

void PlaceControl(TControl* Control, const TPoint& Point) {
    if (Control == nullptr) return;
    Control->SetBounds(Point.x, Point.y, Control->GetWidth(), Control->GetHeight());
}

void PlaceControl(TControl* Control, const TRect& Rect) {
    if (Control == nullptr) return;
    Control->SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
}

void SetBitmapWindow(HWND Window, TBitmap* Bitmap, TColor TransparentColor) {
    if (Bitmap == nullptr) return;
    const gfx::Bitmap& picture = Bitmap->Image();
    const TColor key = ColorToRGB(TransparentColor);
    std::vector<gfx::RowSpan> spans;
    for (int y = 0; y < picture.Height(); ++y) {
        int start = -1;
        for (int x = 0; x < picture.Width(); ++x) {
            // The last column ends a run without joining it.
            const bool opaque = x < picture.Width() - 1 && picture.GetPixel(x, y) != key;
            if (opaque && start < 0) start = x;
            if (!opaque && start >= 0) {
                spans.push_back({y, start, x});
                start = -1;
            }
        }
    }
    SetWindowRgn(Window, CreateRegionHandle(gfx::Region::FromRowSpans(std::move(spans))), TRUE);
}

bool InRect(int X, int Y, const TRect& Rect) {
    return X >= Rect.left && X <= Rect.right && Y >= Rect.top && Y <= Rect.bottom;
}

bool InRect(const TPoint& Point, const TRect& Rect) {
    return InRect(Point.x, Point.y, Rect);
}

bool FormHasFocus(TCustomForm* Form) {
    TCustomForm* mainForm = Application != nullptr ? Application->MainForm() : nullptr;
    if (mainForm == nullptr) return Form != nullptr && Form->Active();
    const bool mdiParent = mainForm->GetFormStyle() == fsMDIForm;
    if (mdiParent && Form == mainForm) return true;
    if (!Application->Active()) return false;
    if (Form == nullptr || Form == mainForm) return true;
    if (mdiParent && mainForm->ActiveMDIChild() == Form) return true;
    return Form->Active();
}

TRect GetWorkAreaRect() {
    RECT area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

std::string PCharToStr(const char* Text) {
    return Text != nullptr ? std::string(Text) : std::string();
}

bool IsWin95() {
    return false;
}

bool IsWinXP() {
    return kIsWinXP;
}
