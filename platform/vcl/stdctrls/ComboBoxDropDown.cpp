#include "platform/vcl/stdctrls/ComboBoxDropDown.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/win/Windows.h"

const TClassInfo& TComboBoxDropDown::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TComboBoxDropDown>("TComboBoxDropDown").Build();
    return info;
}

TComboBoxDropDown::TComboBoxDropDown(TComponent* AOwner) : TCustomListBox(AOwner) {
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    // The list holds the mouse itself for as long as it is open, not per press.
    m_controlStyle &= ~csCaptureMouse;
}

void TComboBoxDropDown::CreateParams(TCreateParams& Params) {
    TCustomListBox::CreateParams(Params);
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
    Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    // Owned by the combo box's form, as a menu is by its window, so that a backend that
    // hands the keyboard to every window it shows knows to leave the form active.
    auto* combo = dynamic_cast<TWinControl*>(Owner());
    Params.WndParent = combo != nullptr && combo->HandleAllocated()
                           ? GetAncestor(combo->Handle(), GA_ROOT)
                           : nullptr;
}

void TComboBoxDropDown::Open(const TRect& Bounds) {
    SetBounds(Bounds.left, Bounds.top, Bounds.Width(), Bounds.Height());
    HandleNeeded();
    m_open = true;
    m_pointerInside = false;
    MakeItemVisible(GetItemIndex());
    SetWindowPos(m_handle, HWND_TOPMOST, Bounds.left, Bounds.top, Bounds.Width(), Bounds.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    SetCapture(m_handle);
}

void TComboBoxDropDown::Close() {
    if (!m_open) return;
    m_open = false;
    if (HandleAllocated() && GetCapture() == m_handle) ReleaseCapture();
    SetVisible(false);
}

void TComboBoxDropDown::Finish(bool Chosen) {
    Close();
    if (OnCloseUp) OnCloseUp(Chosen);
}

void TComboBoxDropDown::WndProc(TMessage& Message) {
    // Losing the mouse to anyone else (another window, a menu) cancels the list.
    if (Message.Msg == WM_CAPTURECHANGED && m_open &&
        reinterpret_cast<HWND>(Message.LParam) != m_handle) {
        TCustomListBox::WndProc(Message);
        Finish(false);
        return;
    }
    TCustomListBox::WndProc(Message);
}

void TComboBoxDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!GetClientRect().Contains({X, Y})) {
        // A press outside closes the list; the press itself goes nowhere else.
        Finish(false);
        return;
    }
    m_pointerInside = true;
    const int index = ItemAtPos({X, Y}, true);
    if (index >= 0) SetItemIndex(index);
    (void)Button;
    (void)Shift;
}

void TComboBoxDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    if (GetClientRect().Contains({X, Y})) {
        m_pointerInside = true;
        const int index = ItemAtPos({X, Y}, true);
        if (index >= 0 && index != GetItemIndex()) SetItemIndex(index);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TComboBoxDropDown::MouseUp(TMouseButton Button, TShiftState, int X, int Y) {
    // The release of the press that opened the list (on the combo box) keeps it open.
    if (Button != mbLeft || !m_pointerInside) return;
    if (GetClientRect().Contains({X, Y}) && ItemAtPos({X, Y}, true) >= 0) Finish(true);
}
