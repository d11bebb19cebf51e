#include "Source/frame/SKMenu.h"

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/win/Windows.h"

#include "Source/theme/SKThemes.h"

namespace {

// The top Rows rows of a one-column pinstripe picture, stretched over the rectangle.
void StretchPinstripe(TCanvas* Canvas, const TRect& Rect, const char* ResourceName, int Rows) {
    RegisterSkinPictures();
    TBitmap picture;
    picture.LoadFromResourceName(ResourceName);
    TBitmap cut(picture.GetWidth(), std::min(Rows, picture.GetHeight()));
    cut.GetCanvas()->Draw(0, 0, &picture);
    Canvas->StretchDraw(Rect, &cut);
}

}  // namespace

void Menu_SetItemEvent(TMenuItem* MenuItem, const TMenuDrawItemEvent& DrawEvent,
                       const TMenuMeasureItemEvent& MeasureEvent) {
    if (!MenuItem) return;
    MenuItem->OnDrawItem = DrawEvent;
    MenuItem->OnMeasureItem = MeasureEvent;
    for (int i = 0; i < MenuItem->Count(); ++i)
        Menu_SetItemEvent(MenuItem->Items(i), DrawEvent, MeasureEvent);
}

void Menu_DrawBorder(TCanvas* Canvas, const TRect& Rect, TColor Color) {
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FrameRect(Rect);
}

void Menu_DrawBackGround(TCanvas* Canvas, const TRect& Rect, TColor Color) {
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(Rect);
}

void Menu_DrawLineItem(TCanvas* Canvas, const TRect& Rect, TColor Color, int LeftOffset) {
    Canvas->GetPen()->SetColor(Color);
    Canvas->MoveTo(Rect.left + LeftOffset + 4, Rect.top + 2);
    Canvas->LineTo(Rect.right - 2, Rect.top + 2);
}

void Menu_DrawMacOSLineItem(TCanvas* Canvas, const TRect& Rect) {
    StretchPinstripe(Canvas, Rect, "MACOS_MENU_BAR", 12);
}

void Menu_DrawMacOSSelectedItem(TCanvas* Canvas, const TRect& Rect) {
    StretchPinstripe(Canvas, Rect, "MACOS_MENU_SELECT", 20);
}

void Menu_DrawMacOSNonSelectedItem(TCanvas* Canvas, const TRect& Rect) {
    StretchPinstripe(Canvas, Rect, "MACOS_MENU_BAR", 20);
}

void Menu_DrawWindowBorder(HWND Window, TColor FrameColor, TColor EdgeColor) {
    RECT bounds;
    if (!GetWindowRect(Window, &bounds)) return;
    // Drawn through the menu window's own surface, in its window coordinates: every
    // top-level window may be a window of the display server, with no shared screen to
    // draw on.
    const TRect w = Rect(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    HDC dc = GetWindowDC(Window);
    if (!dc) return;
    {
        TControlCanvas canvas;
        canvas.SetHandle(dc);
        Menu_DrawBorder(&canvas, Rect(w.left, w.top + 1, w.right - 1, w.bottom - 1), FrameColor);
        Menu_DrawBorder(&canvas, Rect(w.left + 1, w.top + 2, w.right - 2, w.bottom - 2), clWhite);
        canvas.GetPen()->SetColor(EdgeColor);
        canvas.Polyline({{w.left, w.bottom - 1},
                         {w.right - 1, w.bottom - 1},
                         {w.right - 1, w.top},
                         {w.right, w.top},
                         {w.left, w.top}});
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(Window, dc);
}

void Menu_GetSystemFont(TFont* Font) {
    NONCLIENTMETRICS metrics;
    metrics.cbSize = 340;
    if (!Font || !SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return;
    const LOGFONT& lf = metrics.lfMenuFont;
    Font->SetName(lf.lfFaceName);
    Font->SetHeight(lf.lfHeight);
    Font->SetCharset(lf.lfCharSet);
    TFontStyles style = 0;
    if (lf.lfWeight >= 700) style |= fsBold;
    if (lf.lfItalic) style |= fsItalic;
    if (lf.lfUnderline) style |= fsUnderline;
    Font->SetStyle(style);
    Font->SetColor(clMenuText);
}
