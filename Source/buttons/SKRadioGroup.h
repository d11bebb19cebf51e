#pragma once
// TskCheckGroup and TskRadioGroup: group boxes whose items are a string list, each shown by
// an item button the group creates and arranges in columns, top to bottom and then left to
// right. In a radio group at most one item is checked, and that item is the ItemIndex.
#include <string>
#include <vector>

#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKGroupBox.h"
#include "platform/vcl/core/StringList.h"

class TskCheckGroup;
class TskRadioGroup;

// An item of a check group; it has no tab stop, so it draws its focus whenever it has it.
class TskCheckGroupButton : public TskCheckBox {
    QV_DECLARE_CLASS(TskCheckGroupButton, TskCheckBox)

    TskCheckGroupButton(TComponent* AOwner, TskCheckGroup* Group);
    explicit TskCheckGroupButton(TComponent* AOwner) : TskCheckGroupButton(AOwner, nullptr) {}

protected:
    bool NeedDrawFocus() const override;
};

// An item of a radio group: checks itself only when the group lets it be changed.
class TskRadioGroupButton : public TskRadioButton {
    QV_DECLARE_CLASS(TskRadioGroupButton, TskRadioButton)

    TskRadioGroupButton(TComponent* AOwner, TskRadioGroup* Group);
    explicit TskRadioGroupButton(TComponent* AOwner) : TskRadioGroupButton(AOwner, nullptr) {}

protected:
    bool NeedDrawFocus() const override;
    void DoClick() override;

private:
    TskRadioGroup* m_group;
};

class TskCheckGroup : public TskCustomGroupBox {
    QV_DECLARE_CLASS(TskCheckGroup, TskCustomGroupBox)

    explicit TskCheckGroup(TComponent* AOwner);
    ~TskCheckGroup() override;

    TStrings* GetItems() { return &m_items; }
    void SetItems(const TStrings* Value) { m_items.Assign(Value); }
    int GetColumns() const { return m_columns; }
    // A negative value is ignored; 0 arranges like 1.
    void SetColumns(int Value);
    int GetTopMargin() const { return m_topMargin; }
    void SetTopMargin(int Value);
    TColor GetFontColor() const { return GetFont()->GetColor(); }
    void SetFontColor(TColor Value) { GetFont()->SetColor(Value); }
    // Also the cursor of every item button.
    void SetCursor2(TCursor Value);

    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    TskCheckBox* Buttons(int Index) const { return m_buttons.at(static_cast<std::size_t>(Index)); }
    // False for an index outside the items.
    bool GetChecked(int Index) const;
    bool GetItemEnabled(int Index) const;
    // An index outside the items raises EListError.
    void SetChecked(int Index, bool Value);
    void SetItemEnabled(int Index, bool Value);

    void SetTransparent(bool Value) override;
    void UpdateUIStyle(TskUIStyle Style, TskFileTheme* FileTheme) override;

    // Fired, with the group as sender, when an item's checked state changes or the group
    // itself is clicked; never while the group is read from a form description.
    TNotifyEvent OnClick;

protected:
    // Called before OnClick fires; a hook for descendants.
    virtual void NewClick() {}
    virtual TskCheckBox* CreateAButton();
    // The group hands the focus on to an item.
    virtual void FocusUpdate();

    void Resize() override;
    void CMFontChanged(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;

    std::vector<TskCheckBox*> m_buttons;

private:
    void DoClick(TObject* Sender);
    void ItemChanged(TObject* Sender);
    // Creates or frees buttons at the end to match the items; whether any were created.
    bool UpdateButtons();
    void ArrangeButtons();
    TskCheckBox* CheckedIndex(int Index) const;

    TStringList m_items;
    int m_columns = 1;
    int m_topMargin = 8;
};

class TskRadioGroup : public TskCheckGroup {
    QV_DECLARE_CLASS(TskRadioGroup, TskCheckGroup)

    explicit TskRadioGroup(TComponent* AOwner);

    // The first checked item, or -1.
    int GetItemIndex() const;
    // -1 unchecks every item; an index outside -1 to the last item is ignored.
    void SetItemIndex(int Value);
    // Whether the items may change; a hook that lets descendants forbid it.
    virtual bool CanModify() const { return true; }

protected:
    TskCheckBox* CreateAButton() override;
    void FocusUpdate() override;
};

// Makes the check and radio groups known to the form reader.
void RegisterSKRadioGroupClasses();
