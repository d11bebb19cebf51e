#include "platform/vcl/menus/Menu.h"

#include <cctype>
#include <set>

#include "platform/vcl/core/CharCase.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/win/Messages.h"

namespace {

const TEnumInfo MenuAutoFlagInfo{"TMenuAutoFlag", {"maAutomatic", "maManual", "maParent"}};

}  // namespace

const TClassInfo& TMenu::StaticClassInfo() {
    using C = TMenu;
    static const TClassInfo info =
        TClassBuilder<C>("TMenu")
            .Enum("AutoHotkeys", MenuAutoFlagInfo, &C::GetAutoHotkeys, &C::SetAutoHotkeys,
                  maAutomatic)
            .Reference("Images", &C::GetImages, &C::SetImages)
            .Boolean("OwnerDraw", &C::GetOwnerDraw, &C::SetOwnerDraw, false)
            .Event("OnChange", &C::OnChange)
            .Build();
    return info;
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), m_items(new TMenuItem(this)) {
    m_items->m_menu = this;
}

TMenu::~TMenu() {
    Destroying();
    delete m_items;
}

void TMenu::SetImages(TImageList* Value) {
    if (Value == m_images) return;
    if (m_images) m_images->RemoveFreeNotification(this);
    m_images = Value;
    if (Value) Value->FreeNotification(this);
    MenuChanged(this, nullptr, false);
}

void TMenu::SetOwnerDraw(bool Value) {
    if (Value == m_ownerDraw) return;
    m_ownerDraw = Value;
    MenuChanged(this, nullptr, false);
}

TMenuItem* TMenu::FindShortCut(TShortCut ShortCut) const {
    if (!ShortCut) return nullptr;
    std::vector<TMenuItem*> pending{m_items};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item != m_items && item->GetShortCut() == ShortCut) return item;
        for (int i = item->Count() - 1; i >= 0; --i) pending.push_back(item->Items(i));
    }
    return nullptr;
}

bool TMenu::IsShortCut(const TMessage& Message) {
    if (Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN) return false;
    TShiftState shift = KeyboardShiftState();
    if (Message.LParam & (1 << 29)) shift |= ssAlt;
    TMenuItem* item = FindShortCut(ShortCut(static_cast<WORD>(Message.WParam), shift));
    if (!item) return false;
    for (const TMenuItem* p = item; p && p != m_items; p = p->Parent())
        if (!p->GetEnabled()) return false;
    item->Click();
    return true;
}

void TMenu::RethinkHotkeys(TMenuItem* Parent) {
    std::set<char> taken;
    for (int i = 0; i < Parent->Count(); ++i) {
        const std::string& caption = Parent->Items(i)->GetCaption();
        for (int c = 0; c < 256; ++c)
            if (std::isalnum(c) && IsAccel(static_cast<unsigned>(c), caption))
                taken.insert(UpperCaseAscii(static_cast<char>(c)));
    }
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        const std::string& caption = item->GetCaption();
        if (item->IsLine() || caption.find('&') != std::string::npos) continue;
        for (std::size_t k = 0; k < caption.size(); ++k) {
            const unsigned char ch = static_cast<unsigned char>(caption[k]);
            if (!std::isalnum(ch) || taken.count(UpperCaseAscii(static_cast<char>(ch)))) continue;
            taken.insert(UpperCaseAscii(static_cast<char>(ch)));
            item->SetCaption(caption.substr(0, k) + "&" + caption.substr(k));
            break;
        }
    }
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    m_items->GetChildren(Proc, Root);
}

void TMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    if (ComponentState() & (csDestroying | csLoading)) return;
    if (OnChange) OnChange(Sender, Source, Rebuild);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_images) m_images = nullptr;
}

void TMenu::ItemInserted(TMenuItem* Item) {
    Notification(Item, opInsert);
}
