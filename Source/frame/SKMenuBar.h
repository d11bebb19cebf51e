#pragma once
// TskMenuBar: the menu bar a skinned form shows under its title bar, one caption button
// per top-level item of the form's main menu. Besides what the tool bar does for a menu
// (a pressed button drops its item's submenu down; while one is open, moving along the bar
// or pressing Left and Right opens the neighbour's), it has a keyboard mode: Alt alone
// highlights the first button, Left and Right move along, Down or Enter opens, a letter
// opens the button it marks, and Escape steps back one level at a time. Controls of the
// form's own (an MDI child's window buttons) can stand at its right end.
#include <vector>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/comctrls/ToolButton.h"

class TMenuItem;

class TskMenuBar : public TToolBar {
    QV_DECLARE_CLASS(TskMenuBar, TToolBar)

    explicit TskMenuBar(TComponent* AOwner);
    ~TskMenuBar() override;

    // One button per top-level item of Root, in menu order. Buttons already bound to
    // exactly these items are kept and only take the items' captions and states; while a
    // menu is open the rebuild waits until it closes.
    void SetItems(TMenuItem* Root);
    // Copies each bound item's caption, enabled state and visibility to its button.
    void UpdateButtons();

    // Highlights Hot (the first button that opens a menu when null) and follows the keys
    // until the user opens a menu and chooses, or leaves the bar.
    void EnterKeyboardMode(TToolButton* Hot = nullptr);
    // Opens the menu of the button whose caption marks Key with "&"; false when none does.
    bool OpenAccelerator(char Key);
    // The button the keyboard mode highlights, or null outside it.
    TToolButton* KeyboardButton() const { return m_keyButton; }
    bool InKeyboardMode() const { return m_keyboardMode; }
    // The state a button is drawn in: the tool bar's, and hot for the keyboard's button.
    TCustomDrawState DrawState(const TToolButton* Button) const;

    void TrackMenu(TToolButton* Button, bool SelectFirst = false) override;

    // Controls kept at the bar's right end, the first added rightmost, centred in the first
    // row of buttons; the buttons' rows end before them. The bar parents them but does not
    // own them: a bar that goes gives them back unparented to their owner.
    void AddRightControl(TControl* Control);
    void RemoveRightControl(TControl* Control);
    int RightControlCount() const { return static_cast<int>(m_rightControls.size()); }
    TControl* RightControl(int Index) const { return m_rightControls.at(static_cast<size_t>(Index)); }

protected:
    int ButtonsRight() const override;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Matches(TMenuItem* Root) const;
    void Rebuild(TMenuItem* Root);
    void PlaceRightControls();
    // The next button along the bar that opens a menu, wrapping round; From itself when no
    // other does.
    TToolButton* Step(TToolButton* From, bool Forward) const;
    void SetKeyboardButton(TToolButton* Button);
    void KeyboardLoop();
    void AfterMenus();

    std::vector<TControl*> m_rightControls;
    TToolButton* m_keyButton = nullptr;
    TMenuItem* m_root = nullptr;
    bool m_rebuildPending = false;
    bool m_keyboardMode = false;
    bool m_busy = false;  // a menu is open or the keyboard mode runs
};
