#pragma once
// TCustomComboBox: a field that shows one of its items, with a button that drops the list
// of items down below it. The keyboard moves through the items without opening the list;
// F4 or Alt+Down opens it, Enter takes the highlighted item and Escape leaves the old one.
#include "platform/vcl/stdctrls/ComboBoxDropDown.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/core/StringList.h"

// csDropDown keeps its text settable by the program but, unlike the VCL's, has no edit.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed };

class TCustomComboBox : public TCustomControl {
    QV_DECLARE_CLASS(TCustomComboBox, TCustomControl)

    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStrings* GetItems() { return &m_items; }
    void SetItems(const TStrings* Value) { m_items.Assign(Value); }
    // The shown item's index; -1 shows none (or, for csDropDown, the Text).
    int GetItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int Value);
    std::string GetText() const override;
    void SetText(const std::string& Value) override;
    TComboBoxStyle GetStyle() const { return m_style; }
    void SetStyle(TComboBoxStyle Value);
    int GetDropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int Value);
    bool GetSorted() const { return m_items.GetSorted(); }
    void SetSorted(bool Value);
    int GetItemHeight() const;

    bool GetDroppedDown() const { return m_dropDown && m_dropDown->IsOpen(); }
    void SetDroppedDown(bool Value);
    // The parts GetComboBoxInfo reports, in client coordinates.
    TRect ButtonRect() const;
    TRect ItemRect() const;
    HWND ListHandle() const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnChange;  // the user chose another item
    TNotifyEvent OnSelect;  // the user chose an item, the same one or another
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMFontChanged(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();

private:
    void ItemsChanged(TObject* Sender);
    void UserSelect(int Index);
    void ListClosed(bool Chosen);
    int FixedHeight() const;
    void PaintButton(TCanvas& Canvas, const TRect& Button);

    TStringList m_items;
    TComboBoxDropDown* m_dropDown = nullptr;
    TComboBoxStyle m_style = csDropDown;
    std::string m_text;
    int m_itemIndex = -1;
    int m_dropDownCount = 8;
    bool m_buttonPressed = false;
};
