#pragma once
// TskSpinButtons, a pair of stacked skinned arrow buttons that fire up and down events and
// repeat while held, and TskSpinEdit, an integer edit with the pair inside its right edge,
// bounds, an increment and a key filter.
#include <cstdint>

#include "Source/edits/SKEdit.h"
#include "platform/vcl/controls/WinControl.h"

class TskArrowButton;

class TskSpinButtons : public TWinControl {
    QV_DECLARE_CLASS(TskSpinButtons, TWinControl)

    explicit TskSpinButtons(TComponent* AOwner);

    TskFileTheme* GetFileTheme() const;
    void SetFileTheme(TskFileTheme* Value);
    TskUIStyle GetUIStyle() const;
    void SetUIStyle(TskUIStyle Value);
    TskArrowButton* UpButton() const { return m_upButton; }
    TskArrowButton* DownButton() const { return m_downButton; }

    // Lays out the two buttons in Width x Height, at least 15 wide; they overlap by a row.
    void AdjustSize(int& Width, int& Height);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    using TWinControl::AdjustSize;
    void Loaded() override;
    void WMSize(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void BtnClick(TObject* Sender);
    void FitButtons();

    TskArrowButton* m_upButton = nullptr;
    TskArrowButton* m_downButton = nullptr;
};

class TskSpinEdit : public TskEdit {
    QV_DECLARE_CLASS(TskSpinEdit, TskEdit)

    explicit TskSpinEdit(TComponent* AOwner);
    ~TskSpinEdit() override;

    std::int32_t GetMinValue() const { return m_minValue; }
    void SetMinValue(std::int32_t Value) { m_minValue = Value; }
    std::int32_t GetMaxValue() const { return m_maxValue; }
    void SetMaxValue(std::int32_t Value) { m_maxValue = Value; }
    std::int32_t GetIncrement() const { return m_increment; }
    void SetIncrement(std::int32_t Value) { m_increment = Value; }
    bool GetEditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool Value) { m_editorEnabled = Value; }
    // The text as a decimal integer; MinValue when it is none.
    std::int32_t GetValue() const;
    // Writes the value, kept within the bounds, as a plain decimal integer.
    void SetValue(std::int32_t Value);
    // Within [MinValue, MaxValue], in whichever order they were given; equal bounds are none.
    std::int32_t CheckValue(std::int32_t Value) const;
    TskSpinButtons* Button() const { return m_button; }

    virtual bool IsValidChar(char Key) const;
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void UIStyleChanged() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void WMSize(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

private:
    void SetEditRect();
    // Steps the value by Delta (which may be anything) without passing the 32-bit limits.
    void Step(std::int64_t Delta);

    std::int32_t m_minValue = 0;
    std::int32_t m_maxValue = 0;
    std::int32_t m_increment = 1;
    TskSpinButtons* m_button = nullptr;
    bool m_editorEnabled = true;
};

// Makes TskSpinButtons and TskSpinEdit known to the form reader.
void RegisterSKSpinEditClasses();
