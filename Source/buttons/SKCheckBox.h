#pragma once
// TskCheckBox and TskRadioButton: a small state picture of the style at the left edge and
// the caption beside it, sized to both. A click, Space or Enter and the accelerator toggle
// the check box; a radio button checks itself and unchecks the radio buttons of its parent
// that share its GroupIndex. OnClick reports every change of the checked state.
#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/stdctrls/CheckBox.h"

class TBitmap;
class TskFileTheme;

class TskCheckBox : public TCustomControl {
    QV_DECLARE_CLASS(TskCheckBox, TCustomControl)

    explicit TskCheckBox(TComponent* AOwner);
    ~TskCheckBox() override;

    bool GetChecked() const { return m_checked; }
    // Fires OnClick when the state changes, as a click would.
    void SetChecked(bool Value);
    // A view of Checked: there is no grayed state, and writing cbGrayed unchecks.
    TCheckBoxState GetState() const { return m_checked ? cbChecked : cbUnchecked; }
    void SetState(TCheckBoxState Value) { SetChecked(Value == cbChecked); }
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    // Sizes the control to its picture and caption.
    void SetAutoSize(bool Value) override;
    void SetEnabled(bool Value) override;

    void Click() override;

    // The control's own click event: fired when the checked state changes (for a radio
    // button only when it becomes checked), never while a description is read.
    TNotifyEvent OnClick;

protected:
    virtual bool NeedDrawFocus() const;
    virtual bool GetPicTransparent() const { return false; }
    virtual int GetPicThemeIndex() const { return SkItem::CheckBoxImage; }
    virtual void CheckStateChanged();
    // Called before every toggle; a hook for descendants.
    virtual void Toggle() {}
    virtual void DoClick();
    virtual bool WantKeyUp() const { return true; }

    // The frame of the state picture for the current state.
    void GetStatePicture(TBitmap* Bitmap);
    // Sets the size that AutoSize gives for the picture and the caption in Font.
    void ApplyAutoSize(TBitmap* Picture);
    void Paint() override;

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMFontChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMKeyUp(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    void TakeFocus();
    // AutoSize from the current state picture, without painting.
    void SettleSize();

    bool m_checked = false;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    bool m_transparent = false;
};

class TskRadioButton : public TskCheckBox {
    QV_DECLARE_CLASS(TskRadioButton, TskCheckBox)

    explicit TskRadioButton(TComponent* AOwner);

    int GetGroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int Value) { m_groupIndex = Value; }
    // Unchecks the other radio buttons of the same parent and GroupIndex.
    void UnCheckGroup();

protected:
    bool GetPicTransparent() const override { return true; }
    int GetPicThemeIndex() const override { return SkItem::RadioButtonImage; }
    void CheckStateChanged() override;
    void DoClick() override;
    bool WantKeyUp() const override { return false; }
    void WMSetFocus(TMessage& Message) override;

private:
    int m_groupIndex = 0;
};
