#include "platform/vcl/comctrls/ToolButton.h"

#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/actions/ToolButtonActionLink.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/menus/PopupMenu.h"
#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo ToolButtonStyleInfo{
    "TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};

}  // namespace

const TClassInfo& TToolButton::StaticClassInfo() {
    using C = TToolButton;
    static const TClassInfo info =
        TClassBuilder<C>("TToolButton")
            .Boolean("AllowAllUp", &C::GetAllowAllUp, &C::SetAllowAllUp, false)
            .Boolean("Down", &C::GetDown, &C::SetDown, false)
            .Stored([](C& c) { return !c.ActionLink() || !c.ActionLink()->IsCheckedLinked(); })
            .Reference("DropdownMenu", &C::GetDropdownMenu, &C::SetDropdownMenu)
            .Boolean("Grouped", &C::GetGrouped, &C::SetGrouped, false)
            .Integer("ImageIndex", &C::GetImageIndex, &C::SetImageIndex, -1)
            .Stored([](C& c) { return !c.ActionLink() || !c.ActionLink()->IsImageIndexLinked(); })
            .Reference("MenuItem", &C::GetMenuItem, &C::SetMenuItem)
            .Enum("Style", ToolButtonStyleInfo, &C::GetStyle, &C::SetStyle, tbsButton)
            .Boolean("Wrap", &C::GetWrap, &C::SetWrap, false)
            .Publish("Caption")
            .Build();
    return info;
}

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    m_controlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControl::SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
    if (m_toolBar) m_toolBar->RemoveButton(this);
}

void TToolButton::Changed() {
    if (m_toolBar) m_toolBar->ArrangeButtons();
    Invalidate();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
    if (Value == m_style) return;
    m_style = Value;
    Changed();
}

void TToolButton::SetImageIndex(int Value) {
    if (Value == m_imageIndex) return;
    m_imageIndex = Value;
    Changed();
}

void TToolButton::SetDown(bool Value) {
    if (Value == m_down) return;
    m_down = Value;
    // A grouped button pressed in lets the others of its group out.
    if (Value && m_grouped && m_toolBar) {
        const int index = Index();
        for (int step : {-1, 1})
            for (int i = index + step; i >= 0 && i < m_toolBar->ButtonCount(); i += step) {
                TToolButton* other = m_toolBar->Buttons(i);
                if (!other->m_grouped || other->IsSeparator()) break;
                if (other->m_down) {
                    other->m_down = false;
                    other->Invalidate();
                }
            }
    }
    Invalidate();
}

void TToolButton::SetWrap(bool Value) {
    if (Value == m_wrap) return;
    m_wrap = Value;
    Changed();
}

void TToolButton::SetAutoSize(bool Value) {
    if (Value == GetAutoSize()) return;
    TGraphicControl::SetAutoSize(Value);
    Changed();
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
    if (Value != m_menuItem) {
        if (m_menuItem) m_menuItem->RemoveFreeNotification(this);
        if (Value) Value->FreeNotification(this);
    }
    m_menuItem = Value;
    if (!Value) return;
    SetCaption(Value->GetCaption());
    SetEnabled(Value->GetEnabled());
    SetHint(Value->GetHint());
    SetImageIndex(Value->GetImageIndex());
    SetDown(Value->GetChecked());
    SetVisible(Value->GetVisible());
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
    if (Value == m_dropdownMenu) return;
    if (m_dropdownMenu) m_dropdownMenu->RemoveFreeNotification(this);
    m_dropdownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_menuItem) m_menuItem = nullptr;
    if (AComponent == m_dropdownMenu) m_dropdownMenu = nullptr;
}

bool TToolButton::DropsMenu() const {
    return (m_menuItem && m_menuItem->Count() > 0) || m_dropdownMenu;
}

int TToolButton::Index() const {
    if (!m_toolBar) return -1;
    for (int i = 0; i < m_toolBar->ButtonCount(); ++i)
        if (m_toolBar->Buttons(i) == this) return i;
    return -1;
}

void TToolButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!m_toolBar || m_toolBar->m_arranging) {
        TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    // On a bar only a separator's width and the common button height are the button's to
    // say; the place is the bar's.
    if (IsSeparator() && AWidth != GetWidth()) m_separatorWidth = AWidth;
    if (AHeight != GetHeight() && !IsSeparator())
        m_toolBar->SetButtonHeight(AHeight);
    else
        m_toolBar->ArrangeButtons();
}

void TToolButton::SetParent(TWinControl* AParent) {
    if (AParent == GetParent()) return;
    if (m_toolBar) m_toolBar->RemoveButton(this);
    TGraphicControl::SetParent(AParent);
    if (auto* bar = dynamic_cast<TToolBar*>(AParent)) bar->InsertButton(this);
}

void TToolButton::Click() {
    // A button with an action shows the action's check, which the action toggles.
    if (m_style == tbsCheck && !GetAction()) SetDown(!m_down || (m_grouped && !m_allowAllUp));
    TComponentGuard guard(this);
    if (m_menuItem && m_menuItem->Count() == 0) m_menuItem->Click();
    if (guard.Exists()) TGraphicControl::Click();
}

void TToolButton::WndProc(TMessage& Message) {
    // A button that opens a menu hands the mouse to the menu loop: it neither captures the
    // mouse nor waits for the release to click.
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
        if (DropsMenu())
            m_controlStyle &= ~(csCaptureMouse | csClickEvents);
        else
            m_controlStyle |= csCaptureMouse | csClickEvents;
    }
    TGraphicControl::WndProc(Message);
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TComponentGuard guard(this);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!guard.Exists() || Button != mbLeft || !GetEnabled() || IsSeparator()) return;
    if (DropsMenu() && m_toolBar) {
        m_toolBar->TrackMenu(this);
        return;
    }
    m_pressed = true;
    m_pointerInside = true;
    Invalidate();
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    const bool inside = GetClientRect().Contains({X, Y});
    if (inside == m_pointerInside) return;
    m_pointerInside = inside;
    if (m_pressed) Invalidate();
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && m_pressed) {
        m_pressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TToolButton::CMMouseEnter(TMessage& Message) {
    TGraphicControl::CMMouseEnter(Message);
    m_hot = true;
    m_pointerInside = true;
    Invalidate();
}

void TToolButton::CMMouseLeave(TMessage& Message) {
    TGraphicControl::CMMouseLeave(Message);
    m_hot = false;
    m_pointerInside = false;
    Invalidate();
}

void TToolButton::CMTextChanged(TMessage& Message) {
    TGraphicControl::CMTextChanged(Message);
    Changed();
}

void TToolButton::CMVisibleChanged(TMessage& Message) {
    TGraphicControl::CMVisibleChanged(Message);
    Changed();
}

void TToolButton::CMEnabledChanged(TMessage& Message) {
    TGraphicControl::CMEnabledChanged(Message);
    if (!GetEnabled()) m_pressed = false;
    Invalidate();
}

std::unique_ptr<TControlActionLink> TToolButton::CreateActionLink() {
    return std::make_unique<TToolButtonActionLink>(this);
}

void TToolButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TGraphicControl::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || !m_down) SetDown(action->GetChecked());
    if (!CheckDefaults || m_imageIndex < 0) SetImageIndex(action->GetImageIndex());
}
