#pragma once
// TCustomMaskEdit: an edit whose text follows an edit mask. Without a mask it is a plain edit.
// With one, typing overwrites the mask's input positions, skips its literals and refuses
// characters of the wrong kind with a beep; Text reports the mask's value and EditText what
// the user sees.
#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/vcl/stdctrls/EditMask.h"

class TCustomMaskEdit : public TCustomEdit {
    QV_DECLARE_CLASS(TCustomMaskEdit, TCustomEdit)

    explicit TCustomMaskEdit(TComponent* AOwner);

    const std::string& GetEditMask() const { return m_editMask; }
    void SetEditMask(const std::string& Value);
    bool IsMasked() const { return !m_mask.IsEmpty(); }
    std::string GetEditText() const { return TCustomEdit::GetText(); }
    void SetEditText(const std::string& Value);

    std::string GetText() const override;
    void SetText(const std::string& Value) override;
    // Raises EInvalidOperation when a required position of the mask is still blank.
    virtual void ValidateEdit();

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void WndProc(TMessage& Message) override;
    void DoExit() override;

private:
    // Puts a typed character at the caret's input position; false when refused.
    bool TypeMasked(char Ch);
    // Blanks the input positions in [From, To).
    void ClearMasked(int From, int To, int Caret);
    void SetMaskedText(const std::string& EditText, int Caret);

    std::string m_editMask;
    TEditMask m_mask;
};

// TMaskEdit: the masked edit as forms place it.
class TMaskEdit : public TCustomMaskEdit {
    QV_DECLARE_CLASS(TMaskEdit, TCustomMaskEdit)

    explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};
