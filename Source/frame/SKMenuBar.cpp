#include "Source/frame/SKMenuBar.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kRightGap = 2;  // between the controls at the right end, and after the last

bool IsPress(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK ||
           msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN;
}

bool Opens(const TToolButton* Button) {
    return Button && Button->GetVisible() && Button->GetEnabled() && Button->DropsMenu();
}

}  // namespace

const TClassInfo& TskMenuBar::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskMenuBar>("TskMenuBar").Build();
    return info;
}

TskMenuBar::TskMenuBar(TComponent* AOwner) : TToolBar(AOwner) {}

TskMenuBar::~TskMenuBar() {
    Destroying();
    // The controls at the right end belong to someone else: they outlive the bar.
    for (TControl* control : std::vector<TControl*>(m_rightControls)) {
        control->RemoveFreeNotification(this);
        control->SetParent(nullptr);
    }
    m_rightControls.clear();
    if (m_root) m_root->RemoveFreeNotification(this);
}

void TskMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
    TToolBar::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_root) m_root = nullptr;
    if (AComponent == m_keyButton) m_keyButton = nullptr;
    const auto it = std::find(m_rightControls.begin(), m_rightControls.end(), AComponent);
    if (it != m_rightControls.end()) {
        m_rightControls.erase(it);
        if (!(ComponentState() & csDestroying)) ArrangeButtons();
    }
}

// ---------------------------------------------------------------------------------------
// The buttons

bool TskMenuBar::Matches(TMenuItem* Root) const {
    if (!Root || Root->Count() != ButtonCount()) return false;
    for (int i = 0; i < ButtonCount(); ++i)
        if (Buttons(i)->GetMenuItem() != Root->Items(i)) return false;
    return true;
}

void TskMenuBar::SetItems(TMenuItem* Root) {
    if (Root != m_root) {
        if (m_root) m_root->RemoveFreeNotification(this);
        m_root = Root;
        if (Root) Root->FreeNotification(this);
    }
    if (m_busy) {
        m_rebuildPending = true;
        return;
    }
    if (Matches(Root))
        UpdateButtons();
    else
        Rebuild(Root);
}

void TskMenuBar::Rebuild(TMenuItem* Root) {
    SetAutoSize(false);
    SetKeyboardButton(nullptr);
    while (ButtonCount() > 0) delete Buttons(ButtonCount() - 1);
    // A new button goes before those at or right of its place, so creating the last item
    // first leaves the buttons in menu order.
    for (int i = Root ? Root->Count() - 1 : -1; i >= 0; --i) {
        auto* button = new TToolButton(this);
        button->SetGrouped(true);
        button->SetAutoSize(true);
        button->SetParent(this);
        button->SetMenuItem(Root->Items(i));
    }
    SetAutoSize(true);
    Invalidate();
}

void TskMenuBar::UpdateButtons() {
    for (int i = 0; i < ButtonCount(); ++i) {
        TToolButton* button = Buttons(i);
        const TMenuItem* item = button->GetMenuItem();
        if (!item) continue;
        button->SetCaption(item->GetCaption());
        button->SetEnabled(item->GetEnabled());
        button->SetVisible(item->GetVisible());
    }
    Invalidate();
}

TCustomDrawState TskMenuBar::DrawState(const TToolButton* Button) const {
    TCustomDrawState state = ButtonState(Button);
    if (Button == m_keyButton && MenuButton() == nullptr) state |= cdsHot;
    return state;
}

// ---------------------------------------------------------------------------------------
// Menus from the mouse and the keyboard

void TskMenuBar::TrackMenu(TToolButton* Button, bool SelectFirst) {
    if (m_busy) {
        TToolBar::TrackMenu(Button, SelectFirst);
        return;
    }
    TComponentGuard guard(this);
    m_busy = true;
    try {
        TToolBar::TrackMenu(Button, SelectFirst);
    } catch (...) {
        if (guard.Exists()) m_busy = false;
        throw;
    }
    if (!guard.Exists()) return;
    m_busy = false;
    // Escape closed the menu: the bar stays highlighted for the keyboard, as it would
    // have been had the keyboard opened the menu.
    if (TToolButton* escaped = EscapedButton()) {
        EnterKeyboardMode(escaped);
        return;
    }
    AfterMenus();
}

void TskMenuBar::AfterMenus() {
    if (!m_rebuildPending) return;
    m_rebuildPending = false;
    SetItems(m_root);
}

TToolButton* TskMenuBar::Step(TToolButton* From, bool Forward) const {
    const int n = ButtonCount();
    int index = From ? From->Index() : -1;
    for (int tries = 0; tries < n; ++tries) {
        index = index < 0 ? (Forward ? 0 : n - 1) : (index + (Forward ? 1 : -1) + n) % n;
        if (Opens(Buttons(index))) return Buttons(index);
    }
    return From;
}

void TskMenuBar::SetKeyboardButton(TToolButton* Button) {
    if (Button == m_keyButton) return;
    if (m_keyButton) m_keyButton->RemoveFreeNotification(this);
    m_keyButton = Button;
    if (Button) Button->FreeNotification(this);
    Invalidate();
}

bool TskMenuBar::OpenAccelerator(char Key) {
    const unsigned key = static_cast<unsigned char>(Key);
    for (int i = 0; i < ButtonCount(); ++i) {
        TToolButton* button = Buttons(i);
        if (Opens(button) && IsAccel(key, button->GetCaption())) {
            TrackMenu(button, true);
            return true;
        }
    }
    return false;
}

void TskMenuBar::EnterKeyboardMode(TToolButton* Hot) {
    if (m_busy || !HandleAllocated()) return;
    TToolButton* first = Opens(Hot) ? Hot : Step(nullptr, true);
    if (!first) return;
    TComponentGuard guard(this);
    m_busy = true;
    m_keyboardMode = true;
    SetKeyboardButton(first);
    Repaint();
    try {
        KeyboardLoop();
    } catch (...) {
        if (guard.Exists()) {
            m_busy = false;
            m_keyboardMode = false;
            SetKeyboardButton(nullptr);
        }
        throw;
    }
    if (!guard.Exists()) return;
    m_busy = false;
    m_keyboardMode = false;
    SetKeyboardButton(nullptr);
    Repaint();
    AfterMenus();
}

void TskMenuBar::KeyboardLoop() {
    TComponentGuard guard(this);
    const HWND root = GetAncestor(Handle(), GA_ROOT);
    while (guard.Exists() && m_keyButton) {
        MSG msg;
        if (!GetMessage(&msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TToolButton* open = nullptr;
        switch (msg.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                switch (msg.wParam) {
                    case VK_LEFT:
                    case VK_RIGHT:
                        SetKeyboardButton(Step(m_keyButton, msg.wParam == VK_RIGHT));
                        Repaint();
                        break;
                    case VK_DOWN:
                    case VK_UP:
                    case VK_RETURN:
                        open = m_keyButton;
                        break;
                    case VK_ESCAPE:
                    case VK_MENU:
                    case VK_F10:  // F10 leaves the bar, as it enters it elsewhere
                        SetKeyboardButton(nullptr);
                        break;
                    default:
                        break;
                }
                break;
            case WM_CHAR:
            case WM_SYSCHAR: {
                const unsigned key = static_cast<unsigned char>(msg.wParam);
                for (int i = 0; i < ButtonCount() && !open; ++i)
                    if (Opens(Buttons(i)) && IsAccel(key, Buttons(i)->GetCaption()))
                        open = Buttons(i);
                if (!open && key != '\r' && key != 27) MessageBeep(0);
                break;
            }
            case WM_KEYUP:
            case WM_SYSKEYUP:
                break;
            default:
                // A press anywhere leaves the keyboard mode and then does what it does, so
                // that a click on a button of the bar opens that button's menu.
                if (IsPress(msg.message)) {
                    SetKeyboardButton(nullptr);
                    Repaint();
                }
                DispatchMessage(&msg);
                break;
        }
        if (!guard.Exists()) return;
        if (GetActiveWindow() != root) SetKeyboardButton(nullptr);
        if (open) {
            SetKeyboardButton(nullptr);
            TToolBar::TrackMenu(open, true);
            if (!guard.Exists()) return;
            // Escape on the open menu comes back to its button; anything else ends here.
            SetKeyboardButton(EscapedButton());
            Repaint();
        }
    }
}

// ---------------------------------------------------------------------------------------
// Controls at the right end

void TskMenuBar::AddRightControl(TControl* Control) {
    if (!Control || std::find(m_rightControls.begin(), m_rightControls.end(), Control) !=
                        m_rightControls.end())
        return;
    m_rightControls.push_back(Control);
    Control->FreeNotification(this);
    Control->SetParent(this);
    PlaceRightControls();
    ArrangeButtons();
}

void TskMenuBar::RemoveRightControl(TControl* Control) {
    const auto it = std::find(m_rightControls.begin(), m_rightControls.end(), Control);
    if (it == m_rightControls.end()) return;
    m_rightControls.erase(it);
    Control->RemoveFreeNotification(this);
    Control->SetParent(nullptr);
    PlaceRightControls();
    ArrangeButtons();
}

int TskMenuBar::ButtonsRight() const {
    int right = TToolBar::ButtonsRight();
    for (const TControl* control : m_rightControls)
        if (control->GetVisible()) right -= control->GetWidth() + kRightGap;
    return right;
}

void TskMenuBar::PlaceRightControls() {
    int x = GetClientWidth() - kRightGap;
    for (TControl* control : m_rightControls) {
        if (!control->GetVisible()) continue;
        x -= control->GetWidth();
        const int y = std::max(0, (GetButtonHeight() - control->GetHeight()) / 2);
        control->SetBounds(x, y, control->GetWidth(), control->GetHeight());
        x -= kRightGap;
    }
}

void TskMenuBar::Resize() {
    PlaceRightControls();
    TToolBar::Resize();
}
