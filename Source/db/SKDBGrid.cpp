// TskDBGrid: the style's colours, the cell fills and the flat frame.
#include "Source/db/SKDBGrid.h"

#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

const TClassInfo& TskDBGrid::StaticClassInfo() {
    using C = TskDBGrid;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBGrid")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Color("FocusedColor", &C::GetFocusedColor, &C::SetFocusedColor, 0x008000)
            .Color("SelectedColor", &C::GetSelectedColor, &C::SetSelectedColor, 0x00FFFF)
            // The last four are other names of the platform's colours, which the form
            // already stores.
            .Color("FontColor", &C::GetFontColor, &C::SetFontColor)
            .NotStored()
            .Color("TitleFontColor", &C::GetTitleFontColor, &C::SetTitleFontColor)
            .NotStored()
            .Color("FixedBGColor", &C::GetFixedBGColor, &C::SetFixedBGColor)
            .NotStored()
            .Color("BGColor", &C::GetBGColor, &C::SetBGColor)
            .NotStored()
            .Build();
    return info;
}

TskDBGrid::TskDBGrid(TComponent* AOwner) : TDBGrid(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(1);
    SetUIStyle(GetSKFormStyle(AOwner));
    m_focusedColor = 0x008000;
    m_selectedColor = 0x00FFFF;
}

TskDBGrid::~TskDBGrid() = default;

void TskDBGrid::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskDBGrid::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    auto item = [this](int Item) { return GetControlThemeColor(m_fileTheme, m_uiStyle, Item); };
    SetBorderColor(item(SkItem::ControlBorderColor));
    SetFixedColor(item(SkItem::MenuSelectedBackgroundColor));
    SetColor(item(SkItem::ControlBackgroundColor));
    GetTitleFont()->SetColor(item(SkItem::MenuSelectedFontColor));
    // White menu text stands on a dark menu; the cells are light, so it becomes black.
    TColor text = item(SkItem::MenuFontColor);
    if (text == 0xFFFFFF) text = 0x000000;
    GetFont()->SetColor(text);
}

void TskDBGrid::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    Repaint();
}

void TskDBGrid::SetFocusedColor(TColor Value) {
    m_focusedColor = Value;
    Repaint();
}

void TskDBGrid::SetSelectedColor(TColor Value) {
    m_selectedColor = Value;
    Repaint();
}

TColor TskDBGrid::GetFontColor() const {
    return GetFont()->GetColor();
}

void TskDBGrid::SetFontColor(TColor Value) {
    GetFont()->SetColor(Value);
    Repaint();
}

TColor TskDBGrid::GetTitleFontColor() const {
    return const_cast<TskDBGrid*>(this)->GetTitleFont()->GetColor();
}

void TskDBGrid::SetTitleFontColor(TColor Value) {
    GetTitleFont()->SetColor(Value);
    Repaint();
}

void TskDBGrid::SetFixedBGColor(TColor Value) {
    SetFixedColor(Value);
    Repaint();
}

void TskDBGrid::SetBGColor(TColor Value) {
    SetColor(Value);
    Repaint();
}

void TskDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TDBGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskDBGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (ACol == -1 || ARow == -1) return;
    if (!(AState & gdFixed)) {
        TCanvas* canvas = GetCanvas();
        TColor fill = GetColor();
        if (AState & gdSelected) fill = m_selectedColor;
        if (AState & gdFocused) fill = m_focusedColor;
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(fill);
        canvas->FillRect(ARect);
        // The highlight text colour belongs to the highlight the fill above replaced.
        canvas->GetFont()->SetColor(GetFont()->GetColor());
    }
    TDBGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TskDBGrid::WndProc(TMessage& Message) {
    TDBGrid::WndProc(Message);
    // The flat frame goes over the border band after the platform paints it, and over
    // the client's outer pixels after each paint.
    if ((Message.Msg == WM_NCPAINT || Message.Msg == WM_PAINT) && HandleAllocated())
        DrawControlBorder(this, m_borderColor, GetColor(), true);
}

void TskDBGrid::WMEraseBkgnd(TMessage& Message) {
    // The cells cover the client area; erasing first would only flicker.
    Message.Result = 1;
}

void RegisterSKDBGridClasses() {
    RegisterClassesOf<TskDBGrid>();
}
