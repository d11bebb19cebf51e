#include "platform/vcl/menus/MenuItem.h"

#include <algorithm>

#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/actions/MenuActionLink.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/menus/Menu.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

// A property the action link passes on is not stored: the action gives it.
template <bool (TActionLink::*Linked)() const>
bool NotFromAction(TMenuItem& item) {
    return !item.ActionLink() || !(item.ActionLink()->*Linked)();
}

}  // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
    using C = TMenuItem;
    static const TClassInfo info =
        TClassBuilder<C>("TMenuItem")
            .Reference("Action", &C::GetAction, &C::SetAction)
            .Boolean("AutoCheck", &C::GetAutoCheck, &C::SetAutoCheck, false)
            .Stored(NotFromAction<&TActionLink::IsAutoCheckLinked>)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) {
                return !c.GetCaption().empty() && NotFromAction<&TActionLink::IsCaptionLinked>(c);
            })
            .Boolean("Checked", &C::GetChecked, &C::SetChecked, false)
            .Stored(NotFromAction<&TActionLink::IsCheckedLinked>)
            .Boolean("Default", &C::GetDefault, &C::SetDefault, false)
            .Boolean("Enabled", &C::GetEnabled, &C::SetEnabled, true)
            .Stored(NotFromAction<&TActionLink::IsEnabledLinked>)
            .Integer("GroupIndex", &C::GetGroupIndex, &C::SetGroupIndex, 0)
            .Stored(NotFromAction<&TActionLink::IsGroupIndexLinked>)
            .String("Hint", &C::GetHint, &C::SetHint)
            .Stored([](C& c) {
                return !c.GetHint().empty() && NotFromAction<&TActionLink::IsHintLinked>(c);
            })
            .Integer("ImageIndex", &C::GetImageIndex, &C::SetImageIndex, -1)
            .Stored(NotFromAction<&TActionLink::IsImageIndexLinked>)
            .Boolean("RadioItem", &C::GetRadioItem, &C::SetRadioItem, false)
            .Integer("ShortCut", &C::GetShortCut, &C::SetShortCut, 0)
            .Stored(NotFromAction<&TActionLink::IsShortCutLinked>)
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Stored(NotFromAction<&TActionLink::IsVisibleLinked>)
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
    if (auto* action = dynamic_cast<TContainedAction*>(GetAction()))
        if (action->GetActionList() && action->GetActionList()->GetImages())
            return action->GetActionList()->GetImages();
    const TMenu* menu = GetParentMenu();
    return menu ? menu->GetImages() : nullptr;
}

void TMenuItem::Click() {
    if (!m_enabled) return;
    if (m_autoCheck && !(m_actionLink && m_actionLink->IsAutoCheckLinked()))
        SetChecked(!m_checked || m_radioItem);
    if (OnClick)
        OnClick(this);
    else if (m_actionLink && !(ComponentState() & csDesigning))
        m_actionLink->Execute(this);
}

TBasicAction* TMenuItem::GetAction() const {
    return m_actionLink ? m_actionLink->GetAction() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* Value) {
    if (Value == GetAction()) return;
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    if (!Value) {
        m_actionLink.reset();
        return;
    }
    if (!m_actionLink) {
        m_actionLink = std::make_unique<TMenuActionLink>(this);
        // While a description is read, the values it stores stay.
        m_actionLink->OnChange = [this](TObject* Sender) {
            ActionChange(Sender, ComponentState() & csLoading);
        };
    }
    m_actionLink->SetAction(Value);
    Value->FreeNotification(this);
    ActionChange(Value, (ComponentState() & csLoading) || (Value->ComponentState() & csLoading));
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || m_caption.empty()) SetCaption(action->GetCaption());
    if (!CheckDefaults || !m_checked) SetChecked(action->GetChecked());
    if (!CheckDefaults || m_enabled) SetEnabled(action->GetEnabled());
    if (!CheckDefaults || m_hint.empty()) SetHint(action->GetHint());
    if (!CheckDefaults || m_imageIndex < 0) SetImageIndex(action->GetImageIndex());
    if (!CheckDefaults || m_shortCut == 0) SetShortCut(action->GetShortCut());
    if (!CheckDefaults || m_visible) SetVisible(action->GetVisible());
    if (!CheckDefaults || m_groupIndex == 0) SetGroupIndex(action->GetGroupIndex());
    if (!CheckDefaults || !m_autoCheck) SetAutoCheck(action->GetAutoCheck());
    // The image may come from another list now.
    MenuChanged(false);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == GetAction()) SetAction(nullptr);
}

void TMenuItem::Loaded() {
    inherited::Loaded();
    if (TBasicAction* action = GetAction()) ActionChange(action, true);
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
