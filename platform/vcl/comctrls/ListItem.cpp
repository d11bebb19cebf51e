#include "platform/vcl/comctrls/ListItem.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/comctrls/CustomListView.h"
#include "platform/vcl/comctrls/ListItems.h"

const TClassInfo& TListItem::StaticClassInfo() {
    using C = TListItem;
    static const TClassInfo info =
        TClassBuilder<C>("TListItem")
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Integer("ImageIndex", &C::GetImageIndex, &C::SetImageIndex, -1)
            .Build();
    return info;
}

TListItem::TListItem(TListItems* AOwner) : m_owner(AOwner) {}

TListItem::~TListItem() = default;

TCustomListView* TListItem::GetListView() const {
    return m_owner ? m_owner->GetListView() : nullptr;
}

void TListItem::SetCaption(const std::string& Value) {
    if (Value == m_caption) return;
    m_caption = Value;
    Update();
}

void TListItem::SubItemsChanged() {
    Update();
}

bool TListItem::GetSelected() const {
    TCustomListView* view = GetListView();
    return view && m_index >= 0 && view->GetItemIndex() == m_index;
}

void TListItem::SetSelected(bool Value) {
    TCustomListView* view = GetListView();
    if (!view || m_index < 0) return;
    if (Value)
        view->SetItemIndex(m_index);
    else if (GetSelected())
        view->SetItemIndex(-1);
}

bool TListItem::GetFocused() const {
    TCustomListView* view = GetListView();
    return view && view->GetItemFocused() == this;
}

void TListItem::SetFocused(bool Value) {
    TCustomListView* view = GetListView();
    if (!view) return;
    if (Value)
        view->SetItemFocused(this);
    else if (GetFocused())
        view->SetItemFocused(nullptr);
}

void TListItem::MakeVisible(bool PartialOK) {
    if (TCustomListView* view = GetListView()) view->MakeItemVisible(m_index, PartialOK);
}

TRect TListItem::DisplayRect(TDisplayCode Code) const {
    TCustomListView* view = GetListView();
    return view ? view->ItemRect(m_index, Code) : TRect{};
}

void TListItem::Update() {
    TCustomListView* view = GetListView();
    if (view && m_index >= 0) view->InvalidateItem(m_index);
}

void TListItem::Delete() {
    if (m_owner && m_index >= 0) m_owner->Delete(m_index);
}

void TListItem::Assign(const TPersistent* Source) {
    if (auto* item = dynamic_cast<const TListItem*>(Source)) {
        m_caption = item->m_caption;
        m_subItems.Assign(&item->m_subItems);
        m_data = item->m_data;
        m_imageIndex = item->m_imageIndex;
        Update();
        return;
    }
    TPersistent::Assign(Source);
}
