#include "platform/vcl/menus/PopupMenu.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/MenuTracker.h"
#include "platform/vcl/menus/MenuWindow.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo PopupAlignmentInfo{"TPopupAlignment", {"paLeft", "paRight", "paCenter"}};

// The top-level window the menu stays above: the one of the control it opens for, or
// the active window.
HWND MenuOwner(TComponent* component) {
    for (auto* control = dynamic_cast<TControl*>(component); control;
         control = control->GetParent())
        if (auto* windowed = dynamic_cast<TWinControl*>(control);
            windowed && windowed->HandleAllocated())
            return GetAncestor(windowed->Handle(), GA_ROOT);
    return GetActiveWindow();
}

}  // namespace

const TClassInfo& TPopupMenu::StaticClassInfo() {
    using C = TPopupMenu;
    static const TClassInfo info =
        TClassBuilder<C>("TPopupMenu")
            .Enum("Alignment", PopupAlignmentInfo, &C::GetAlignment, &C::SetAlignment, paLeft)
            .Boolean("AutoPopup", &C::GetAutoPopup, &C::SetAutoPopup, true)
            .Event("OnPopup", &C::OnPopup)
            .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (Value == m_popupComponent) return;
    if (m_popupComponent) m_popupComponent->RemoveFreeNotification(this);
    m_popupComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_popupComponent) m_popupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
    if (OnPopup) OnPopup(Sender);
}

bool TPopupMenu::PopupFor(TComponent* Control, int X, int Y) {
    if (!m_autoPopup) return false;
    SetPopupComponent(Control);
    Popup(X, Y);
    return true;
}

void TPopupMenu::Popup(int X, int Y) {
    TComponentGuard guard(this);
    DoPopup(this);
    if (!guard.Exists() || GetItems()->Count() == 0) return;
    TPoint pos{X, Y};
    if (m_alignment != paLeft) {
        // Only the width is needed; measuring is what the menu window does when made.
        TMenuWindow probe(GetItems(), nullptr);
        const int width = probe.WindowSize().cx;
        pos.x -= m_alignment == paRight ? width : width / 2;
    }
    TMenuItem* chosen = nullptr;
    {
        TMenuTracker tracker(this);
        chosen = tracker.Track(GetItems(), pos, MenuOwner(m_popupComponent));
    }
    if (chosen && guard.Exists()) chosen->Click();
}
