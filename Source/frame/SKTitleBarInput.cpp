// The title bar's mouse: hover follows the pointer, a press on the caption moves the form,
// a release over a button clicks it, a double-click maximises or closes.
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKTitleBar.h"

TskTitleBarButton* TskTitleBar::ButtonAt(int Index) const {
    if (!m_buttons || Index < 0 || Index >= m_buttons->Count()) return nullptr;
    return m_buttons->GetItem(Index);
}

void TskTitleBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseMove(Shift, X, Y);
    Repaint();
}

void TskTitleBar::CMMouseLeave(TMessage& Message) {
    TCustomPanel::CMMouseLeave(Message);
    Repaint();
}

void TskTitleBar::CMFontChanged(TMessage& Message) {
    TCustomPanel::CMFontChanged(Message);
    Invalidate();
}

void TskTitleBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (!guard.Exists() || Button != mbLeft) return;
    m_mouseIsDown = true;
    Repaint();
    TCustomForm* form = Form();
    if (!form) return;
    const bool designing = (ComponentState() & csDesigning) != 0;
    if ((m_hoverIndex == -1 && form->GetWindowState() != wsMaximized) || designing) {
        ReleaseCapture();
        m_mouseIsDown = false;
        SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        // The move loop took the button's release: the press is no click any more.
        if (guard.Exists()) Perform(WM_CANCELMODE);
    }
}

void TskTitleBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!guard.Exists() || Button != mbLeft) return;
    const int index = m_hoverIndex;
    if (TskTitleBarButton* button = ButtonAt(index)) {
        if (button->GetButtonType() == skControlBox && !button->GetControlBoxMenu()) {
            if (m_titleBarMenu) {
                const TPoint p = ClientToScreen({0, GetHeight()});
                m_titleBarMenu->Popup(p.x, p.y);
            }
        } else {
            const TskTitleBarBtnType type = button->GetButtonType();
            button->DoClick();
            if (!guard.Exists()) return;
            if (OnCustomBtnsClick && type == skCustom)
                OnCustomBtnsClick(this, index);
            else if (OnHelpBtnClick && type == skHelp)
                OnHelpBtnClick(this, index);
        }
        if (!guard.Exists()) return;
    }
    m_mouseIsDown = false;
    Repaint();
}

void TskTitleBar::DblClick() {
    TComponentGuard guard(this);
    TCustomPanel::DblClick();
    if (!guard.Exists() || (ComponentState() & csDesigning)) return;
    TskTitleBarButton* hovered = ButtonAt(m_hoverIndex);
    if (!hovered) {
        for (int i = 0; i < m_buttons->Count(); ++i) {
            TskTitleBarButton* button = m_buttons->GetItem(i);
            if (button->GetVisible() && button->GetButtonType() == skMax) {
                button->DoClick();
                return;
            }
        }
    } else if (hovered->GetButtonType() == skControlBox) {
        if (TCustomForm* form = Form()) form->Close();
    }
}

void TskTitleBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_ERASEBKGND:
            Message.Result = 1;
            return;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCMOUSEMOVE:
            // The bar stands in for the form's caption: its non-client mouse is the form's.
            if (TCustomForm* form = Form(); form && form->HandleAllocated()) {
                Message.Result =
                    SendMessage(form->Handle(), Message.Msg, Message.WParam, Message.LParam);
                return;
            }
            break;
        default:
            break;
    }
    TCustomPanel::WndProc(Message);
}
