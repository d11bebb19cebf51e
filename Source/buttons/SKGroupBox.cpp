#include "Source/buttons/SKGroupBox.h"

#include <cstdlib>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKControlTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Canvas.h"

namespace {

constexpr TColor kDisabledCaption = 0x808080;

}  // namespace

const TClassInfo& TskCustomGroupBox::StaticClassInfo() {
    using C = TskCustomGroupBox;
    static const TClassInfo info =
        TClassBuilder<C>("TskCustomGroupBox")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) { return !c.GetCaption().empty(); })
            .Build();
    return info;
}

const TClassInfo& TskGroupBox::StaticClassInfo() {
    using C = TskGroupBox;
    static const TClassInfo info = TClassBuilder<C>("TskGroupBox")
                                       .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
                                       .Build();
    return info;
}

TskCustomGroupBox::TskCustomGroupBox(TComponent* AOwner) : TskCustomPanel(AOwner) {
    TControl::SetText(" ");
    SetWidth(185);
    SetHeight(105);
    SetParentColor(true);
    SetTransparent(false);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskCustomGroupBox::~TskCustomGroupBox() = default;

void TskCustomGroupBox::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    Repaint();
}

void TskCustomGroupBox::SetCaption(const std::string& Value) {
    m_caption = Value;
    Repaint();
}

void TskCustomGroupBox::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    UpdateUIStyle(m_uiStyle, m_fileTheme);
}

void TskCustomGroupBox::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) RemoveFreeNotification(m_fileTheme);
    m_fileTheme = Value;
    if (m_fileTheme) FreeNotification(m_fileTheme);
    SetUIStyle(m_uiStyle);
}

void TskCustomGroupBox::UpdateUIStyle(TskUIStyle Style, TskFileTheme* FileTheme) {
    ContainerApplyUIStyle(this, Style, FileTheme);
    SetBorderColor(GetControlThemeColor(FileTheme, Style, SkItem::ControlBorderColor));
    GetFont()->SetColor(GetControlThemeColor(FileTheme, Style, SkItem::ControlFontColor));
}

void TskCustomGroupBox::SetEnabled(bool Value) {
    TskCustomPanel::SetEnabled(Value);
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(Value);
    Repaint();
}

void TskCustomGroupBox::Notification(TComponent* AComponent, TOperation Operation) {
    TskCustomPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        ContainerApplyUIStyle(this, DeepBlue, nullptr);
        SetUIStyle(DeepBlue);
    }
}

TRect TskCustomGroupBox::GetClient() const {
    const TRect r = ClientRect();
    const int fontHeight = std::abs(GetFont()->GetHeight());
    return {r.left + 3, r.top + fontHeight, r.right - 2, r.bottom - 2};
}

void TskCustomGroupBox::AlignControls(TControl* AControl, TRect& Rect) {
    const int fontHeight = std::abs(GetFont()->GetHeight());
    Rect = {Rect.left + 3, Rect.top + fontHeight + 5, Rect.right - 3, Rect.bottom - 3};
    TskCustomPanel::AlignControls(AControl, Rect);
}

void TskCustomGroupBox::Paint() {
    TCanvas& canvas = *GetCanvas();
    const int fontHeight = std::abs(GetFont()->GetHeight());
    if (GetTransparent()) {
        TskCustomPanel::Paint();
    } else {
        canvas.GetBrush()->SetStyle(bsSolid);
        canvas.GetBrush()->SetColor(GetColor());
        canvas.FillRect(ClientRect());
    }
    canvas.SetFont(GetFont());
    TRect r = ClientRect();
    r.top += fontHeight / 2 + 1;
    canvas.GetPen()->SetColor(m_borderColor);
    // The top edge stays open from the third pixel to 6 past the caption's end.
    const int end = m_caption.empty() ? r.left : r.left + canvas.TextWidth(m_caption) + 6;
    canvas.Polyline({{r.left + 2, r.top},
                     {r.left, r.top},
                     {r.left, r.bottom - 1},
                     {r.right - 1, r.bottom - 1},
                     {r.right - 1, r.top},
                     {end, r.top}});
    canvas.SetFont(GetFont());
    if (!GetEnabled()) canvas.GetFont()->SetColor(kDisabledCaption);
    canvas.GetBrush()->SetStyle(bsClear);
    canvas.TextOut(5, 0, m_caption);
    canvas.GetBrush()->SetStyle(bsSolid);
}

void TskCustomGroupBox::CMFontChanged(TMessage& Message) {
    TskCustomPanel::CMFontChanged(Message);
    Realign();
    Repaint();
}

void TskCustomGroupBox::CMTextChanged(TMessage& Message) {
    TskCustomPanel::CMTextChanged(Message);
    Repaint();
}

void TskCustomGroupBox::WMEraseBkgnd(TMessage& Message) {
    // Paint covers the whole box.
    Message.Result = 1;
}

void RegisterSKGroupBoxClasses() {
    RegisterClassesOf<TskCustomGroupBox, TskGroupBox>();
}
