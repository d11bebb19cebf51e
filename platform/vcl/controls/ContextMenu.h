#pragma once
// What a control asks of the component in its PopupMenu property when the user asks for a
// context menu. The menus implement it, so that controls need not know them.
class TComponent;

class IContextMenu {
public:
    // Opens the menu at the screen point for Control; false when it does not open by itself.
    virtual bool PopupFor(TComponent* Control, int X, int Y) = 0;

protected:
    ~IContextMenu() = default;
};
