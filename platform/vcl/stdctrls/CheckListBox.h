#pragma once
// TCheckListBox: a list box with a check box before every item, toggled by a click on the
// box or by the space bar.
#include "platform/vcl/stdctrls/CheckBox.h"
#include "platform/vcl/stdctrls/CustomListBox.h"

class TCheckListBox : public TCustomListBox {
    QV_DECLARE_CLASS(TCheckListBox, TCustomListBox)

    explicit TCheckListBox(TComponent* AOwner);

    bool GetChecked(int Index) const { return GetState(Index) == cbChecked; }
    void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState(int Index) const;
    void SetState(int Index, TCheckBoxState Value);
    bool GetItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool Value);
    bool GetAllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool Value) { m_allowGrayed = Value; }
    bool GetFlat() const { return m_flat; }
    void SetFlat(bool Value);
    // The check box of an item, in client coordinates.
    TRect CheckRect(int Index) const;

    TNotifyEvent OnClickCheck;

protected:
    void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
    int TextIndent() const override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void ClickCheck();

private:
    void Toggle(int Index);
    void DrawCheck(TCanvas& Canvas, const TRect& Box, TCheckBoxState State, bool Enabled);

    bool m_allowGrayed = false;
    bool m_flat = true;
};
