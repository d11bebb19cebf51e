#pragma once
// TPopupMenu: a menu that opens at a point of the screen, from Popup or from a right click
// on a control whose PopupMenu it is. Popup returns once the menu has closed and the
// chosen item's OnClick has run.
#include "platform/vcl/controls/ContextMenu.h"
#include "platform/vcl/menus/Menu.h"

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu, public IContextMenu {
    QV_DECLARE_CLASS(TPopupMenu, TMenu)

    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Opens the menu with its corner at (X, Y), screen coordinates, as Alignment says.
    virtual void Popup(int X, int Y);
    bool PopupFor(TComponent* Control, int X, int Y) override;
    // The component the menu was last opened for (set by a right click on a control).
    TComponent* GetPopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(TComponent* Value);
    TPopupAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TPopupAlignment Value) { m_alignment = Value; }
    // Whether a right click on a control opens the menu by itself.
    bool GetAutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool Value) { m_autoPopup = Value; }

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TToolBar;  // drops the menu down from a button, telling OnPopup first

    TComponent* m_popupComponent = nullptr;
    TPopupAlignment m_alignment = paLeft;
    bool m_autoPopup = true;
};
