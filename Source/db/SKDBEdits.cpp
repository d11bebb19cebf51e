#include "Source/db/SKDBEdits.h"

#include "Source/edits/SKScrollBar.h"
#include "Source/theme/SKFileTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/Windows.h"

namespace {

// A class's own properties: the style, its file theme and the frame's colour.
template <class C>
TClassBuilder<C> SkinnedClass(const char* Name) {
    return std::move(TClassBuilder<C>(Name)
                         .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
                         .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
                         .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor));
}

}  // namespace

const TClassInfo& TskDBEdit::StaticClassInfo() {
    static const TClassInfo info = SkinnedClass<TskDBEdit>("TskDBEdit").Build();
    return info;
}

TskDBEdit::TskDBEdit(TComponent* AOwner) : TDBEdit(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

void TskDBEdit::SetFileTheme(TskFileTheme* Value) {
    const TColor stored = m_frame.GetBorderColor();
    m_frame.SetFileTheme(Value);
    SetUIStyle(m_frame.GetUIStyle());
    m_frame.KeepStoredBorderColor(stored);
}

void TskDBEdit::SetUIStyle(TskUIStyle Value) {
    m_frame.SetUIStyle(Value);
    Repaint();
}

void TskDBEdit::SetBorderColor(TColor Value) {
    m_frame.SetBorderColor(Value);
    Repaint();
}

void TskDBEdit::Notification(TComponent* AComponent, TOperation Operation) {
    TDBEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && m_frame.FileThemeRemoved(AComponent)) SetUIStyle(DeepBlue);
}

void TskDBEdit::WndProc(TMessage& Message) {
    TDBEdit::WndProc(Message);
    // The platform's own non-client painting fills the frame band with the edit's colour.
    if (Message.Msg == WM_NCPAINT) m_frame.Draw();
}

void TskDBEdit::WMPaint(TMessage& Message) {
    TDBEdit::WMPaint(Message);
    m_frame.Draw();
}

void TskDBEdit::WMEraseBkgnd(TMessage& Message) {
    TDBEdit::WMEraseBkgnd(Message);
    m_frame.Draw();
}

const TClassInfo& TskDBMemo::StaticClassInfo() {
    using C = TskDBMemo;
    static const TClassInfo info = SkinnedClass<C>("TskDBMemo")
                                       .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
                                       .Reference("HScrollBar", &C::GetHScrollBar, &C::SetHScrollBar)
                                       .Build();
    return info;
}

TskDBMemo::TskDBMemo(TComponent* AOwner) : TDBMemo(AOwner) {
    m_controlStyle |= csOpaque;
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskDBMemo::~TskDBMemo() {
    m_bars.Link(true, nullptr);
    m_bars.Link(false, nullptr);
}

void TskDBMemo::SetFileTheme(TskFileTheme* Value) {
    const TColor stored = m_frame.GetBorderColor();
    m_frame.SetFileTheme(Value);
    m_bars.ApplyFileTheme(Value);
    SetUIStyle(m_frame.GetUIStyle());
    m_frame.KeepStoredBorderColor(stored);
}

void TskDBMemo::SetUIStyle(TskUIStyle Value) {
    m_bars.ApplyStyle(m_frame.SetUIStyle(Value));
    Repaint();
}

void TskDBMemo::SetBorderColor(TColor Value) {
    m_frame.SetBorderColor(Value);
    Repaint();
}

void TskDBMemo::SetVScrollBar(TskScrollBar* Value) {
    if (!m_bars.Link(true, Value)) return;
    ApplyNativeScrollBars();
    m_bars.UpdatePositions();
}

void TskDBMemo::SetHScrollBar(TskScrollBar* Value) {
    if (!m_bars.Link(false, Value)) return;
    ApplyNativeScrollBars();
    m_bars.UpdatePositions();
}

void TskDBMemo::ApplyNativeScrollBars() {
    if (ComponentState() & csDestroying) return;
    const bool vertical = m_bars.Vertical() != nullptr;
    const bool horizontal = m_bars.Horizontal() != nullptr;
    SetScrollBars(vertical && horizontal ? ssBoth
                  : vertical             ? ssVertical
                  : horizontal           ? ssHorizontal
                                         : ssNone);
}

void TskDBMemo::ScrollTo(bool Vertical, int Position) {
    if (Vertical)
        ScrollToLine(Position);
    else
        ScrollHorizontally(Position - GetScrollPos(Handle(), SB_HORZ));
}

void TskDBMemo::Notification(TComponent* AComponent, TOperation Operation) {
    TDBMemo::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (m_bars.Removed(AComponent)) ApplyNativeScrollBars();
    if (m_frame.FileThemeRemoved(AComponent)) SetUIStyle(DeepBlue);
}

void TskDBMemo::Loaded() {
    TDBMemo::Loaded();
    m_bars.UpdatePositions();
}

void TskDBMemo::CreateWnd() {
    TDBMemo::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBMemo::WndProc(TMessage& Message) {
    TDBMemo::WndProc(Message);
    switch (Message.Msg) {
        case WM_NCPAINT:
            m_frame.Draw();
            break;
        // Text that changes changes the range.
        case WM_CUT:
        case WM_PASTE:
        case WM_UNDO:
        case WM_CLEAR:
        case WM_SETTEXT:
        case CM_TEXTCHANGED:
            m_bars.UpdateBars();
            break;
        default:
            m_bars.Follow(Message.Msg);
            break;
    }
}

void TskDBMemo::WMPaint(TMessage& Message) {
    TDBMemo::WMPaint(Message);
    m_frame.Draw();
    // The program scrolls too (the caret kept in view, a record's text shown) and every
    // scroll repaints: the linked bars follow here at the latest.
    m_bars.UpdateBars();
}

void TskDBMemo::WMEraseBkgnd(TMessage& Message) {
    TDBMemo::WMEraseBkgnd(Message);
    m_frame.Draw();
}

const TClassInfo& TskDBImage::StaticClassInfo() {
    static const TClassInfo info = SkinnedClass<TskDBImage>("TskDBImage").Build();
    return info;
}

TskDBImage::TskDBImage(TComponent* AOwner) : TDBImage(AOwner) {
    SetBorderWidth(2);
    SetUIStyle(GetSKFormStyle(AOwner));
}

void TskDBImage::SetFileTheme(TskFileTheme* Value) {
    const TColor stored = m_frame.GetBorderColor();
    m_frame.SetFileTheme(Value);
    SetUIStyle(m_frame.GetUIStyle());
    m_frame.KeepStoredBorderColor(stored);
}

void TskDBImage::SetUIStyle(TskUIStyle Value) {
    m_frame.SetUIStyle(Value);
    Repaint();
}

void TskDBImage::SetBorderColor(TColor Value) {
    m_frame.SetBorderColor(Value);
    Repaint();
}

void TskDBImage::Notification(TComponent* AComponent, TOperation Operation) {
    TDBImage::Notification(AComponent, Operation);
    if (Operation == opRemove && m_frame.FileThemeRemoved(AComponent)) SetUIStyle(DeepBlue);
}

void TskDBImage::WndProc(TMessage& Message) {
    TDBImage::WndProc(Message);
    if (Message.Msg == WM_NCPAINT) m_frame.Draw();
}

void TskDBImage::WMPaint(TMessage& Message) {
    TDBImage::WMPaint(Message);
    m_frame.Draw();
}

void TskDBImage::WMEraseBkgnd(TMessage& Message) {
    TDBImage::WMEraseBkgnd(Message);
    m_frame.Draw();
}

void RegisterDBEditClasses() {
    RegisterClass(TskDBEdit::StaticClassInfo());
    RegisterClass(TskDBMemo::StaticClassInfo());
    RegisterClass(TskDBImage::StaticClassInfo());
}
