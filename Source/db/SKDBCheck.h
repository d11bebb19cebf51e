#pragma once
// The skinned check box and radio group bound to a field: the check box shows and sets a
// Boolean or a text value, the radio group one of a list of values. Either changes only
// when the dataset could go into edit mode, and leaving it writes the value into the record
// (the focus comes back when the field refuses it).
#include <string>

#include "Source/buttons/SKRadioGroup.h"
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/core/StringList.h"

class TDataSource;
class TField;
class TFieldDataLink;

// Whether Text equals, without regard to letter case, one of the alternatives of List,
// which are separated by ";".
bool ValueMatch(const std::string& List, const std::string& Text);

class TskDBCheckBox : public TskCheckBox {
    QV_DECLARE_CLASS(TskDBCheckBox, TskCheckBox)

    explicit TskDBCheckBox(TComponent* AOwner);
    ~TskDBCheckBox() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    // A fixed data source is left alone while the form is read.
    void SetDataSource(TDataSource* Value);
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
    bool GetReadOnly() const { return m_data.GetReadOnly(); }
    void SetReadOnly(bool Value) { m_data.SetReadOnly(Value); }
    TField* GetField() const { return m_data.GetField(); }
    TFieldDataLink* GetDataLink() { return &m_data.Link(); }
    // Offered an action: the control's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override;
    bool UpdateAction(TBasicAction* Action) override;
    const std::string& GetValueChecked() const { return m_valueChecked; }
    void SetValueChecked(const std::string& Value);
    const std::string& GetValueUnchecked() const { return m_valueUnchecked; }
    void SetValueUnchecked(const std::string& Value);
    // Checked for a Boolean field holding True or a text matching ValueChecked; unchecked
    // in every other case, a null value included.
    bool GetFieldState() const;

protected:
    // Toggles only once the dataset went into edit mode.
    void DoClick() override;
    void KeyPress(char& Key) override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void UpdateData();

    TDBControlLink m_data{this};
    std::string m_valueChecked = "True";
    std::string m_valueUnchecked = "False";
};

class TskDBRadioGroup : public TskRadioGroup {
    QV_DECLARE_CLASS(TskDBRadioGroup, TskRadioGroup)

    explicit TskDBRadioGroup(TComponent* AOwner);
    ~TskDBRadioGroup() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    void SetDataSource(TDataSource* Value) { m_data.SetDataSource(Value); }
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
    bool GetReadOnly() const { return m_data.GetReadOnly(); }
    void SetReadOnly(bool Value) { m_data.SetReadOnly(Value); }
    TField* GetField() const { return m_data.GetField(); }
    TFieldDataLink* GetDataLink() { return &m_data.Link(); }
    // Offered an action: the control's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override;
    bool UpdateAction(TBasicAction* Action) override;
    // The values the items stand for, line by line; an empty line stands for the item's text.
    TStrings* GetValues() { return &m_values; }
    void SetValues(const TStrings* Value) { m_values.Assign(Value); }
    const std::string& GetValue() const { return m_value; }
    // Checks the first item whose value is Text (none when no item's is) and fires OnChange.
    void SetValue(const std::string& Text);
    std::string GetButtonValue(int Index) const;
    // An item may only be checked when the dataset could go into edit mode.
    bool CanModify() const override;

    // The user leaves the group (the focus goes to a control outside it): the value goes
    // into the record; on a refusal the focus returns to the checked item and the error
    // passes on.
    void GroupExit();
    void GroupKeyPress(char Key);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void NewClick() override;
    TskCheckBox* CreateAButton() override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void DataChange();
    // Checks the item that stands for Text, or none.
    void SelectValue(const std::string& Text);
    void ListsChanged();

    TDBControlLink m_data{this};
    TStringList m_values;
    std::string m_value;
    bool m_inSetValue = false;
};

// Makes the skinned data-aware check box and radio group known to the form reader.
void RegisterDBCheckClasses();
