#pragma once
// TToolButton: a button of a tool bar. The bar places and paints it; the button keeps its
// own state (hot, pressed, down) and drops down the submenu of its MenuItem, or its
// DropdownMenu, below itself when pressed.
#include "platform/vcl/controls/GraphicControl.h"

class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TGraphicControl {
    QV_DECLARE_CLASS(TToolButton, TGraphicControl)

    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    TToolBar* ToolBar() const { return m_toolBar; }
    TToolButtonStyle GetStyle() const { return m_style; }
    void SetStyle(TToolButtonStyle Value);
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    // A checked button: pressed in until clicked again or, grouped, until another of its
    // group is clicked.
    bool GetDown() const { return m_down; }
    void SetDown(bool Value);
    bool GetGrouped() const { return m_grouped; }
    void SetGrouped(bool Value) { m_grouped = Value; }
    bool GetAllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool Value) { m_allowAllUp = Value; }
    // Starts a new row after this button.
    bool GetWrap() const { return m_wrap; }
    void SetWrap(bool Value);
    // The item whose caption, enabled state, hint, image and check the button takes, and
    // whose submenu it drops down.
    TMenuItem* GetMenuItem() const { return m_menuItem; }
    void SetMenuItem(TMenuItem* Value);
    TPopupMenu* GetDropdownMenu() const { return m_dropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    void SetAutoSize(bool Value) override;

    bool IsSeparator() const { return m_style == tbsSeparator || m_style == tbsDivider; }
    // Whether pressing the button opens a menu instead of clicking it.
    bool DropsMenu() const;
    // Under the mouse, as the bar's hot tracking shows it.
    bool Hot() const { return m_hot; }
    // Held down by the mouse, with the pointer still on it.
    bool Pressed() const { return m_pressed && m_pointerInside; }
    int Index() const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TToolBar;
    void Changed();

    TToolBar* m_toolBar = nullptr;
    TToolButtonStyle m_style = tbsButton;
    int m_imageIndex = -1;
    bool m_down = false;
    bool m_grouped = false;
    bool m_allowAllUp = false;
    bool m_wrap = false;
    TMenuItem* m_menuItem = nullptr;
    TPopupMenu* m_dropdownMenu = nullptr;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_pointerInside = false;
    int m_separatorWidth = 8;
};
