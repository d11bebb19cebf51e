#pragma once
// TMainMenu: the menu of a form's menu bar. Its top-level items are the bar's entries;
// their submenus drop down from it, and the form asks it for its items' shortcuts.
#include "platform/vcl/menus/Menu.h"

class TMainMenu : public TMenu {
    QV_DECLARE_CLASS(TMainMenu, TMenu)

    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    bool GetAutoMerge() const { return m_autoMerge; }
    void SetAutoMerge(bool Value) { m_autoMerge = Value; }

private:
    bool m_autoMerge = false;
};
