// TskDBComboBox and TskDBLookupComboBox: the flat frame, the button and the arrow.
#include "Source/db/SKDBCombos.h"

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/stdctrls/ComboBoxInfo.h"
#include "platform/win/Windows.h"

namespace {

// Both combo boxes publish the same skin properties after the platform's.
template <class C>
TClassBuilder<C>& AddSkinProperties(TClassBuilder<C>& builder) {
    return builder.Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
        .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
        .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
        .Color("ArrowColor", &C::GetArrowColor, &C::SetArrowColor)
        .Color("ButtonColor", &C::GetButtonColor, &C::SetButtonColor);
}

void Triangle(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->GetPen()->SetColor(Color);
    Canvas->Polygon({{X, Y}, {X + 6, Y}, {X + 3, Y + 3}});
}

void Frame(TCanvas* Canvas, const TRect& Rect, TColor Color) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FrameRect(Rect);
}

}  // namespace

void DrawComboButtonFace(TCanvas* Canvas, const TRect& Rect, TskUIStyle Style, TColor ButtonColor,
                         TColor BorderColor) {
    if (Style == MacOS || Style == WinXP) {
        TBitmap picture;
        picture.LoadFromResourceName(Style == MacOS ? "MACOS_COMBOBOX_BUTTON"
                                                    : "WINXP_COMBOBOX_BUTTON");
        Canvas->StretchDraw(Rect, &picture);
        return;
    }
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(ButtonColor);
    Canvas->FillRect(Rect);
    Canvas->GetPen()->SetColor(BorderColor);
    Canvas->MoveTo(Rect.left, Rect.top - 1);
    Canvas->LineTo(Rect.left, Rect.bottom + 1);
}

void DrawComboArrow(TCanvas* Canvas, int X, int Y, bool Enabled, TColor ArrowColor) {
    if (Enabled) {
        Triangle(Canvas, X, Y, ArrowColor);
        return;
    }
    Triangle(Canvas, X + 1, Y + 1, clWhite);
    Triangle(Canvas, X, Y, 0x808080);
}

// TskDBComboBox.

const TClassInfo& TskDBComboBox::StaticClassInfo() {
    using C = TskDBComboBox;
    static const TClassInfo info = [] {
        TClassBuilder<C> builder("TskDBComboBox");
        return AddSkinProperties(builder).Build();
    }();
    return info;
}

void TskDBComboBox::CreateParams(TCreateParams& Params) {
    TDBComboBox::CreateParams(Params);
    // No platform border: the flat frame is drawn inside the client area.
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TskDBComboBox::Paint() {
    TDBComboBox::Paint();
    DrawButton(GetCanvas());
}

void TskDBComboBox::WMEraseBkgnd(TMessage& Message) {
    // Paint covers every pixel.
    Message.Result = 1;
}

void TskDBComboBox::DrawButton(TCanvas* Canvas) {
    COMBOBOXINFO info;
    if (!HandleAllocated() || !GetComboBoxInfo(Handle(), &info)) return;
    const TRect client = GetClientRect();
    Frame(Canvas, client, m_borderColor);
    Frame(Canvas, client.Inflate(-1, -1), GetColor());
    if (GetDroppedDown() && info.hwndList) {
        RECT list;
        GetWindowRect(info.hwndList, &list);
        HDC screen = GetWindowDC(GetDesktopWindow());
        HBRUSH brush = CreateSolidBrush(ColorToRGB(m_borderColor));
        FrameRect(screen, list, brush);
        DeleteObject(brush);
        ReleaseDC(GetDesktopWindow(), screen);
    }
    // The button stands inside the two-pixel frame, as it stands inside the 3-D frame the
    // platform would have drawn.
    TRect button = info.rcButton;
    button.top = std::max(button.top, client.top + 2);
    button.bottom = std::min(button.bottom, client.bottom - 2);
    button.right = std::min(button.right, client.right - 2);
    DrawComboButtonFace(Canvas, button, m_uiStyle, m_buttonColor, m_borderColor);
    if (m_uiStyle != WinXP)
        DrawComboArrow(Canvas, button.left + button.Width() / 2 - 3, button.Height() / 2,
                       GetEnabled(), m_arrowColor);
}

// TskDBLookupComboBox.

const TClassInfo& TskDBLookupComboBox::StaticClassInfo() {
    using C = TskDBLookupComboBox;
    static const TClassInfo info = [] {
        TClassBuilder<C> builder("TskDBLookupComboBox");
        return AddSkinProperties(builder).Build();
    }();
    return info;
}

void TskDBLookupComboBox::Paint() {
    TDBLookupComboBox::Paint();
    DrawButton(GetCanvas());
}

void TskDBLookupComboBox::WndProc(TMessage& Message) {
    TDBLookupComboBox::WndProc(Message);
    // The flat frame covers the platform's 3-D one each time that is drawn, and after
    // each paint of the client area.
    if ((Message.Msg == WM_NCPAINT || Message.Msg == WM_PAINT) && HandleAllocated())
        DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskDBLookupComboBox::DrawButton(TCanvas* Canvas) {
    const int width = GetClientWidth(), height = GetClientHeight();
    const TRect button{width - GetSystemMetrics(SM_CXVSCROLL), 0, width, height};
    DrawComboButtonFace(Canvas, button, m_uiStyle, m_buttonColor, m_borderColor);
    if (m_uiStyle != WinXP)
        DrawComboArrow(Canvas, button.left + button.Width() / 2 - 3, button.Height() / 2 - 2,
                       GetEnabled(), m_arrowColor);
}

void RegisterSKDBCombosClasses() {
    RegisterClassesOf<TskDBComboBox, TskDBLookupComboBox>();
}
