#include "Source/db/SKDBEdits.h"

#include "Source/edits/SKScrollBar.h"
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

const TClassInfo& TskDBMemo::StaticClassInfo() {
    using C = TskDBMemo;
    static const TClassInfo info =
        SkinnedClass<C>("TskDBMemo")
            .Reference("VScrollBar", &C::GetVScrollBar, &C::SetVScrollBar)
            .Reference("HScrollBar", &C::GetHScrollBar, &C::SetHScrollBar)
            .Build();
    return info;
}

TskDBMemo::~TskDBMemo() {
    m_bars.Link(true, nullptr);
    m_bars.Link(false, nullptr);
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
    TskFlatFramed<TDBMemo>::Notification(AComponent, Operation);
    if (Operation == opRemove && m_bars.Removed(AComponent)) ApplyNativeScrollBars();
}

void TskDBMemo::Loaded() {
    TskFlatFramed<TDBMemo>::Loaded();
    m_bars.UpdatePositions();
}

void TskDBMemo::CreateWnd() {
    TskFlatFramed<TDBMemo>::CreateWnd();
    m_bars.UpdateBars();
}

void TskDBMemo::WndProc(TMessage& Message) {
    TskFlatFramed<TDBMemo>::WndProc(Message);
    switch (Message.Msg) {
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
    TskFlatFramed<TDBMemo>::WMPaint(Message);
    // The program scrolls too (the caret kept in view, a record's text shown) and every
    // scroll repaints: the linked bars follow here at the latest.
    m_bars.UpdateBars();
}

const TClassInfo& TskDBImage::StaticClassInfo() {
    static const TClassInfo info = SkinnedClass<TskDBImage>("TskDBImage").Build();
    return info;
}

TskDBImage::TskDBImage(TComponent* AOwner) : TskFlatFramed<TDBImage>(AOwner) {
    SetBorderStyle(bsSingle);
}

void RegisterDBEditClasses() {
    RegisterClassesOf<TskDBEdit, TskDBMemo, TskDBImage>();
}
