#include "platform/vcl/menus/MenuItem.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/Menu.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TMenuItem::StaticClassInfo() {
    using C = TMenuItem;
    static const TClassInfo info =
        TClassBuilder<C>("TMenuItem")
            .Boolean("AutoCheck", &C::GetAutoCheck, &C::SetAutoCheck, false)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) { return !c.GetCaption().empty(); })
            .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
            .Boolean("Default", &C::GetDefault, &C::SetDefault, false)
            .Boolean("Enabled", &C::GetEnabled, &C::SetEnabled, true)
            .Integer("GroupIndex", &C::GetGroupIndex, &C::SetGroupIndex, 0)
            .String("Hint", &C::GetHint, &C::SetHint)
            .Stored([](C& c) { return !c.GetHint().empty(); })
            .Integer("ImageIndex", &C::GetImageIndex, &C::SetImageIndex, -1)
            .Boolean("RadioItem", &C::GetRadioItem, &C::SetRadioItem, false)
            .Integer("ShortCut", &C::GetShortCut, &C::SetShortCut, 0)
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDrawItem", &C::OnDrawItem)
            .Event("OnMeasureItem", &C::OnMeasureItem)
            .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (m_parent) m_parent->Remove(this);
}

void TMenuItem::SetCaption(const std::string& Value) {
    if (Value == m_caption) return;
    m_caption = Value;
    MenuChanged(false);
}

void TMenuItem::SetChecked(bool Value) {
    if (Value == m_checked) return;
    m_checked = Value;
    if (Value && m_radioItem) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
    if (Value == m_enabled) return;
    m_enabled = Value;
    MenuChanged(false);
}

void TMenuItem::SetDefault(bool Value) {
    if (Value == m_default) return;
    // A submenu has one default item at most.
    if (Value && m_parent)
        for (TMenuItem* sibling : m_parent->m_items)
            if (sibling != this) sibling->m_default = false;
    m_default = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (Value == m_visible) return;
    m_visible = Value;
    MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (Value == m_radioItem) return;
    m_radioItem = Value;
    if (Value && m_checked) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (Value == m_shortCut) return;
    m_shortCut = Value;
    MenuChanged(false);
}

void TMenuItem::SetImageIndex(int Value) {
    if (Value == m_imageIndex) return;
    m_imageIndex = Value;
    MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
    if (!m_parent) return;
    for (TMenuItem* sibling : m_parent->m_items)
        if (sibling != this && sibling->m_radioItem && sibling->m_groupIndex == m_groupIndex &&
            sibling->m_checked) {
            sibling->m_checked = false;
            sibling->MenuChanged(false);
        }
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("Menu index out of bounds (" + IntToStr(Index) + ")");
    return m_items[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) throw EMenuError("expected a menu item to insert, got none");
    if (Item->m_parent) throw EMenuError("Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->m_parent)
        if (p == Item) throw EMenuError("a menu item cannot be inserted into its own submenu");
    if (Index < 0 || Index > Count())
        throw EListError("Menu index out of bounds (" + IntToStr(Index) + ")");
    m_items.insert(m_items.begin() + Index, Item);
    Item->m_parent = this;
    if (TMenu* menu = GetParentMenu()) menu->ItemInserted(Item);
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int index = IndexOf(Item);
    if (index < 0) throw EMenuError("Sub-menu is not in menu");
    m_items.erase(m_items.begin() + index);
    Item->m_parent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    TMenuItem* item = Items(Index);
    Remove(item);
}

void TMenuItem::Clear() {
    while (!m_items.empty()) delete m_items.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    const auto it = std::find(m_items.begin(), m_items.end(), Item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

TMenuItem* TMenuItem::Find(std::string_view Caption) const {
    for (TMenuItem* item : m_items)
        if (item->m_visible && SameText(StripHotkey(item->m_caption), StripHotkey(Caption)))
            return item;
    return nullptr;
}

int TMenuItem::GetMenuIndex() const {
    return m_parent ? m_parent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value) {
    if (!m_parent) return;
    TMenuItem* parent = m_parent;
    const int last = parent->Count() - 1;
    auto& list = parent->m_items;
    list.erase(list.begin() + parent->IndexOf(this));
    list.insert(list.begin() + std::clamp(Value, 0, last), this);
    MenuChanged(true);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->m_parent) root = root->m_parent;
    return root->m_menu;
}

TImageList* TMenuItem::GetImageList() const {
    const TMenu* menu = GetParentMenu();
    return menu ? menu->GetImages() : nullptr;
}

void TMenuItem::Click() {
    if (!m_enabled) return;
    if (m_autoCheck) SetChecked(!m_checked || m_radioItem);
    if (OnClick) OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (!m_parent) return nullptr;
    if (m_parent->m_menu) return m_parent->m_menu;
    return m_parent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (m_parent) m_parent->Remove(this);
    if (!Value) return;
    if (auto* menu = dynamic_cast<TMenu*>(Value))
        menu->GetItems()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(Value))
        item->Add(this);
    else
        throw EComponentError("a menu item belongs in a menu or another menu item, not in a " +
                              Value->ClassName());
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TMenuItem* item : m_items)
        if (item->Owner() == Root) Proc(item);
}

void TMenuItem::MenuChanged(bool Rebuild) {
    if (ComponentState() & (csDestroying | csLoading)) return;
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, this, Rebuild);
}

std::string StripHotkey(std::string_view Caption) {
    std::string text;
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '&') {
            if (i + 1 < Caption.size() && Caption[i + 1] == '&') text += '&';
            ++i;
            if (i >= Caption.size()) break;
            if (Caption[i] == '&') continue;
        }
        text += Caption[i];
    }
    return text;
}
