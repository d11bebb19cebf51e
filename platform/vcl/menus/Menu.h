#pragma once
// TMenu: what popup and main menus share: the tree of items under Items, the image list
// the items' ImageIndex refers to, owner drawing, automatic accelerators and shortcuts.
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/vcl/core/SysUtils.h"

class EMenuError : public Exception {
public:
    using Exception::Exception;
};

// Whether the menu gives items without an "&" one of their own letters when it opens.
enum TMenuAutoFlag { maAutomatic, maManual, maParent };

using TMenuChangeEvent = TEvent<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

class TMenu : public TComponent {
    QV_DECLARE_CLASS(TMenu, TComponent)

    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item: its submenu is the menu.
    TMenuItem* GetItems() const { return m_items; }
    virtual TImageList* GetImages() const { return m_images; }
    virtual void SetImages(TImageList* Value);
    virtual bool GetOwnerDraw() const { return m_ownerDraw; }
    virtual void SetOwnerDraw(bool Value);
    TMenuAutoFlag GetAutoHotkeys() const { return m_autoHotkeys; }
    void SetAutoHotkeys(TMenuAutoFlag Value) { m_autoHotkeys = Value; }

    // Clicks the enabled item whose ShortCut the key message (WM_KEYDOWN or WM_SYSKEYDOWN)
    // with the current Shift, Ctrl and Alt state presses; false when no item has it.
    bool IsShortCut(const TMessage& Message);
    // The item anywhere in the tree with that shortcut, or null.
    TMenuItem* FindShortCut(TShortCut ShortCut) const;
    // Gives every item of Parent's submenu without an accelerator the first letter of its
    // caption that no sibling uses yet (as maAutomatic does when the submenu opens).
    static void RethinkHotkeys(TMenuItem* Parent);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    // Told when an item of the tree changed; Rebuild when items came or went.
    virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);

    TMenuChangeEvent OnChange;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TMenuItem;
    // An item joined the tree. Its own insertion into its owner was announced before it
    // was a menu item, so the menu hears of it again here through Notification.
    void ItemInserted(TMenuItem* Item);

    TMenuItem* m_items;
    TImageList* m_images = nullptr;
    bool m_ownerDraw = false;
    TMenuAutoFlag m_autoHotkeys = maAutomatic;
};
