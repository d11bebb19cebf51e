#include "Source/buttons/SKRadioGroup.h"

#include <algorithm>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"

TskCheckGroupButton::TskCheckGroupButton(TComponent* AOwner, TskCheckGroup*)
    : TskCheckBox(AOwner) {}

bool TskCheckGroupButton::NeedDrawFocus() const {
    return Focused();
}

TskRadioGroupButton::TskRadioGroupButton(TComponent* AOwner, TskRadioGroup* Group)
    : TskRadioButton(AOwner), m_group(Group) {}

bool TskRadioGroupButton::NeedDrawFocus() const {
    return (Focused() || (m_group && m_group->Focused())) && GetChecked();
}

void TskRadioGroupButton::DoClick() {
    if (!m_group || m_group->CanModify()) TskRadioButton::DoClick();
}

const TClassInfo& TskCheckGroupButton::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskCheckGroupButton>("TskCheckGroupButton").Build();
    return info;
}

const TClassInfo& TskRadioGroupButton::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskRadioGroupButton>("TskRadioGroupButton").Build();
    return info;
}

const TClassInfo& TskCheckGroup::StaticClassInfo() {
    using C = TskCheckGroup;
    static const TClassInfo info =
        TClassBuilder<C>("TskCheckGroup")
            .Persistent("Items", [](C& c) { return c.GetItems(); })
            .Integer("Columns", &C::GetColumns, &C::SetColumns, 1)
            .Integer("TopMargin", &C::GetTopMargin, &C::SetTopMargin, 8)
            .Color("FontColor", &C::GetFontColor, &C::SetFontColor)
            .NotStored()
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Integer("Cursor", &C::GetCursor, &C::SetCursor2, crDefault,
                     TControl::StaticClassInfo().FindProperty("Cursor")->Idents)
            .Event("OnClick", &C::OnClick)
            .Build();
    return info;
}

const TClassInfo& TskRadioGroup::StaticClassInfo() {
    using C = TskRadioGroup;
    static const TClassInfo info = TClassBuilder<C>("TskRadioGroup")
                                       .Integer("ItemIndex", &C::GetItemIndex, &C::SetItemIndex, -1)
                                       .Build();
    return info;
}

TskCheckGroup::TskCheckGroup(TComponent* AOwner) : TskCustomGroupBox(AOwner) {
    m_items.OnChange = [this](TObject* Sender) { ItemChanged(Sender); };
    m_columns = 1;
    m_topMargin = 8;
    SetUIStyle(GetUIStyle());
    SetTransparent(false);
    SetParentColor(true);
    SetTabStop(true);
    TControl::OnClick = [this](TObject* Sender) { DoClick(Sender); };
}

TskCheckGroup::~TskCheckGroup() {
    m_items.OnChange = nullptr;
}

void TskCheckGroup::SetColumns(int Value) {
    if (Value < 0) return;
    m_columns = Value;
    ArrangeButtons();
}

void TskCheckGroup::SetTopMargin(int Value) {
    if (Value < 0) return;
    m_topMargin = Value;
    ArrangeButtons();
}

void TskCheckGroup::SetCursor2(TCursor Value) {
    for (TskCheckBox* button : m_buttons) button->SetCursor(Value);
    SetCursor(Value);
}

TskCheckBox* TskCheckGroup::CheckedIndex(int Index) const {
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return m_buttons[static_cast<std::size_t>(Index)];
}

bool TskCheckGroup::GetChecked(int Index) const {
    if (Index < 0 || Index >= ButtonCount()) return false;
    return m_buttons[static_cast<std::size_t>(Index)]->GetChecked();
}

bool TskCheckGroup::GetItemEnabled(int Index) const {
    if (Index < 0 || Index >= ButtonCount()) return false;
    return m_buttons[static_cast<std::size_t>(Index)]->GetEnabled();
}

void TskCheckGroup::SetChecked(int Index, bool Value) {
    CheckedIndex(Index)->SetChecked(Value);
}

void TskCheckGroup::SetItemEnabled(int Index, bool Value) {
    CheckedIndex(Index)->SetEnabled(Value);
}

void TskCheckGroup::SetTransparent(bool Value) {
    TskCustomGroupBox::SetTransparent(Value);
    for (TskCheckBox* button : m_buttons) button->SetTransparent(Value);
}

void TskCheckGroup::UpdateUIStyle(TskUIStyle Style, TskFileTheme* FileTheme) {
    TskCustomGroupBox::UpdateUIStyle(Style, FileTheme);
    for (TskCheckBox* button : m_buttons) {
        button->SetFileTheme(FileTheme);
        button->SetUIStyle(Style);
        button->SetColor(GetColor());
    }
}

void TskCheckGroup::CMFontChanged(TMessage& Message) {
    TskCustomGroupBox::CMFontChanged(Message);
    for (TskCheckBox* button : m_buttons) button->SetFont(GetFont());
}

void TskCheckGroup::WMSetFocus(TMessage& Message) {
    TskCustomGroupBox::WMSetFocus(Message);
    FocusUpdate();
}

void TskCheckGroup::FocusUpdate() {
    if (!m_buttons.empty() && m_buttons.front()->CanFocus()) m_buttons.front()->SetFocus();
}

void TskCheckGroup::Resize() {
    TskCustomGroupBox::Resize();
    ArrangeButtons();
}

TskCheckBox* TskCheckGroup::CreateAButton() {
    return new TskCheckGroupButton(this, this);
}

void TskCheckGroup::DoClick(TObject*) {
    NewClick();
    if (!(ComponentState() & csLoading) && OnClick) OnClick(this);
}

bool TskCheckGroup::UpdateButtons() {
    const int difference = m_items.Count() - ButtonCount();
    for (int i = difference; i < 0; ++i) {
        TskCheckBox* last = m_buttons.back();
        m_buttons.pop_back();
        delete last;
    }
    for (int i = 0; i < difference; ++i) {
        TskCheckBox* button = CreateAButton();
        button->SetParent(this);
        button->SetFont(GetFont());
        button->SetAutoSize(true);
        button->SetFileTheme(GetFileTheme());
        button->SetUIStyle(GetUIStyle());
        button->SetTransparent(GetTransparent());
        button->SetParentColor(true);
        button->SetTabStop(false);
        button->OnClick = [this](TObject* Sender) { DoClick(Sender); };
        button->SetCursor(GetCursor());
        m_buttons.push_back(button);
    }
    for (int i = 0; i < ButtonCount(); ++i) {
        m_buttons[static_cast<std::size_t>(i)]->SetCaption(m_items.Strings(i));
        m_buttons[static_cast<std::size_t>(i)]->SetAutoSize(true);
    }
    return difference > 0;
}

void TskCheckGroup::ItemChanged(TObject*) {
    const bool created = UpdateButtons();
    ArrangeButtons();
    // New buttons and the group repaint with the group's transparency.
    if (created) {
        SetTransparent(!GetTransparent());
        SetTransparent(!GetTransparent());
    }
}

void TskCheckGroup::ArrangeButtons() {
    const int count = ButtonCount();
    if (count == 0) return;
    TRect area = GetClient();
    area.top += m_topMargin;
    const int height = area.bottom - area.top;
    // No columns at all would divide by nothing: the items then stand in one column.
    const int columns = std::max(m_columns, 1);
    const int rows = (count + columns - 1) / columns;
    const int columnWidth = (GetWidth() - 10) / columns;
    const int rowHeight = height / rows;
    const int top = area.top + (height % rows) / 2;
    for (int i = 0; i < count; ++i) {
        TskCheckBox* button = m_buttons[static_cast<std::size_t>(i)];
        button->SetBounds((i / rows) * columnWidth + 8, (i % rows) * rowHeight + top,
                          button->GetWidth(), button->GetHeight());
    }
}

TskRadioGroup::TskRadioGroup(TComponent* AOwner) : TskCheckGroup(AOwner) {}

TskCheckBox* TskRadioGroup::CreateAButton() {
    return new TskRadioGroupButton(this, this);
}

int TskRadioGroup::GetItemIndex() const {
    for (int i = 0; i < ButtonCount(); ++i)
        if (m_buttons[static_cast<std::size_t>(i)]->GetChecked()) return i;
    return -1;
}

void TskRadioGroup::SetItemIndex(int Value) {
    if (Value < -1 || Value > ButtonCount() - 1) return;
    if (Value == -1) {
        for (TskCheckBox* button : m_buttons) button->SetChecked(false);
        return;
    }
    m_buttons[static_cast<std::size_t>(Value)]->SetChecked(true);
}

void TskRadioGroup::FocusUpdate() {
    // A checked item that is disabled or hidden cannot take the focus: the group keeps it.
    const int index = GetItemIndex();
    if (index < 0 || index >= ButtonCount()) return;
    TskCheckBox* button = m_buttons[static_cast<std::size_t>(index)];
    if (button->CanFocus()) button->SetFocus();
}

void RegisterSKRadioGroupClasses() {
    RegisterClassesOf<TskCheckGroup, TskRadioGroup, TskCheckGroupButton, TskRadioGroupButton>();
}
