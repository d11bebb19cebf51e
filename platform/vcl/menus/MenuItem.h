#pragma once
// TMenuItem: one entry of a popup or main menu, and the parent of the entries of its
// submenu. A caption of "-" makes a separator; "&" marks the accelerator character.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/menus/ShortCut.h"

class TBasicAction;
class TCanvas;
class TImageList;
class TMenu;
class TMenuActionLink;

// Asked before a menu opens for the size of an owner-measured item; Width and Height come
// in as the classic look would have them.
using TMenuMeasureItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
// Paints one item on a canvas over the menu window (a TControlCanvas, whose GetHandle is the
// window's device context); ARect is the item's rectangle in that canvas and Selected says
// whether the item is highlighted.
using TMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

class TMenuItem : public TComponent {
    QV_DECLARE_CLASS(TMenuItem, TComponent)

    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    bool GetChecked() const { return m_checked; }
    void SetChecked(bool Value);
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    bool GetDefault() const { return m_default; }
    void SetDefault(bool Value);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool Value);
    bool GetRadioItem() const { return m_radioItem; }
    void SetRadioItem(bool Value);
    bool GetAutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool Value) { m_autoCheck = Value; }
    int GetGroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int Value) { m_groupIndex = Value; }
    TShortCut GetShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut Value);
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    const std::string& GetHint() const { return m_hint; }
    void SetHint(const std::string& Value) { m_hint = Value; }

    // The submenu.
    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int Index) const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out of the submenu without freeing it.
    void Remove(TMenuItem* Item);
    void Delete(int Index);
    // Frees every item of the submenu.
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    // The visible item whose caption, without "&", is Caption (compared without case).
    TMenuItem* Find(std::string_view Caption) const;

    TMenuItem* Parent() const { return m_parent; }
    int GetMenuIndex() const;
    void SetMenuIndex(int Value);
    // The menu whose tree holds this item, or null.
    TMenu* GetParentMenu() const;
    bool IsLine() const { return m_caption == "-"; }
    // The image list ImageIndex counts in: the action list's when the item's action belongs
    // to a list with images, else the parent menu's.
    TImageList* GetImageList() const;

    // Runs OnClick, or the action when OnClick is not set; an AutoCheck item first
    // toggles its check (and a radio item unchecks the others of its group), unless its
    // action does that.
    virtual void Click();

    // The action whose properties the item takes and which choosing it runs.
    TBasicAction* GetAction() const;
    void SetAction(TBasicAction* Value);
    TMenuActionLink* ActionLink() const { return m_actionLink.get(); }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

protected:
    // Tells the menu that this item changed; Rebuild when items came or went.
    void MenuChanged(bool Rebuild);
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    friend class TMenu;
    void TurnSiblingsOff();

    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_default = false;
    bool m_visible = true;
    bool m_radioItem = false;
    bool m_autoCheck = false;
    int m_groupIndex = 0;
    TShortCut m_shortCut = 0;
    int m_imageIndex = -1;
    std::string m_hint;

    TMenu* m_menu = nullptr;  // set on the root item of a menu only
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
    std::unique_ptr<TMenuActionLink> m_actionLink;
};

// The caption without its "&" markers ("&&" stays as one "&").
std::string StripHotkey(std::string_view Caption);
