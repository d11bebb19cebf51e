// TCustomMaskEdit: typing, deleting and pasting through an edit mask.
#include "platform/vcl/stdctrls/MaskEdit.h"

#include <algorithm>

#include "platform/vcl/core/CharCase.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

const TClassInfo& TCustomMaskEdit::StaticClassInfo() {
    using C = TCustomMaskEdit;
    static const TClassInfo info = TClassBuilder<C>("TCustomMaskEdit")
                                       .String("EditMask", &C::GetEditMask, &C::SetEditMask)
                                       .Stored([](C& c) { return !c.GetEditMask().empty(); })
                                       .Hidden()
                                       .Build();
    return info;
}

const TClassInfo& TMaskEdit::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMaskEdit>("TMaskEdit")
                                       .Publish("AutoSelect")
                                       .Publish("BorderStyle")
                                       .Publish("CharCase")
                                       .Publish("Ctl3D")
                                       .Publish("EditMask")
                                       .Publish("MaxLength")
                                       .Publish("PasswordChar")
                                       .Publish("ReadOnly")
                                       .Publish("Text")
                                       .Publish("OnChange")
                                       .Build();
    return info;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const std::string& Value) {
    if (Value == m_editMask) return;
    const std::string value = GetText();
    m_editMask = Value;
    m_mask = TEditMask(Value);
    if (IsMasked())
        SetMaskedText(m_mask.Format(value), 0);
    else
        TCustomEdit::SetText(value);
}

std::string TCustomMaskEdit::GetText() const {
    if (!IsMasked()) return TCustomEdit::GetText();
    return m_mask.Value(TCustomEdit::GetText());
}

void TCustomMaskEdit::SetText(const std::string& Value) {
    if (!IsMasked()) {
        TCustomEdit::SetText(Value);
        return;
    }
    SetMaskedText(m_mask.Format(Value), 0);
}

void TCustomMaskEdit::SetEditText(const std::string& Value) {
    if (!IsMasked()) {
        TCustomEdit::SetText(Value);
        return;
    }
    std::string text = m_mask.BlankText();
    for (int pos = 0; pos < m_mask.Length() && pos < static_cast<int>(Value.size()); ++pos) {
        char c = Value[pos];
        if (!m_mask.IsLiteral(pos) && m_mask.Accepts(pos, c)) text[pos] = c;
    }
    SetMaskedText(text, 0);
}

void TCustomMaskEdit::SetMaskedText(const std::string& EditText, int Caret) {
    if (EditText != TCustomEdit::GetText()) {
        ReplaceText(EditText);
        Perform(CM_TEXTCHANGED);
    }
    SetSelection(Caret, Caret);
}

void TCustomMaskEdit::ValidateEdit() {
    if (IsMasked() && !m_mask.IsComplete(TCustomEdit::GetText()))
        throw EInvalidOperation("Invalid input value. Use escape key to abandon changes");
}

void TCustomMaskEdit::DoExit() {
    inherited::DoExit();
    ValidateEdit();
}

bool TCustomMaskEdit::TypeMasked(char Ch) {
    if (GetReadOnly()) return false;
    const int from = GetSelStart(), to = from + GetSelLength();
    const int pos = m_mask.NextEditable(from);
    if (GetCharCase() == ecUpperCase)
        Ch = UpperCaseAscii(Ch);
    else if (GetCharCase() == ecLowerCase)
        Ch = LowerCaseAscii(Ch);
    if (pos < 0 || !m_mask.Accepts(pos, Ch)) return false;
    std::string text = TCustomEdit::GetText();
    for (int i = from; i < to; ++i)
        if (!m_mask.IsLiteral(i)) text[i] = m_mask.BlankChar();
    text[pos] = Ch;
    const int next = m_mask.NextEditable(pos + 1);
    SetModified(true);
    SetMaskedText(text, next < 0 ? pos + 1 : next);
    return true;
}

void TCustomMaskEdit::ClearMasked(int From, int To, int Caret) {
    if (GetReadOnly()) return;
    std::string text = TCustomEdit::GetText();
    for (int i = std::max(From, 0); i < To && i < static_cast<int>(text.size()); ++i)
        if (!m_mask.IsLiteral(i)) text[i] = m_mask.BlankChar();
    SetModified(true);
    SetMaskedText(text, Caret);
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
    inherited::KeyDown(Key, Shift);
    if (!IsMasked() || Key != VK_DELETE || (Shift & (ssShift | ssCtrl))) return;
    const int from = GetSelStart();
    const int to = GetSelLength() > 0 ? from + GetSelLength() : from + 1;
    ClearMasked(from, to, from);
    Key = 0;
}

void TCustomMaskEdit::KeyPress(char& Key) {
    inherited::KeyPress(Key);
    if (!IsMasked() || Key == 0) return;
    const unsigned char c = static_cast<unsigned char>(Key);
    if (c == VK_BACK) {
        const int from = GetSelStart();
        if (GetSelLength() > 0) {
            ClearMasked(from, from + GetSelLength(), from);
        } else {
            const int pos = m_mask.PrevEditable(from - 1);
            if (pos >= 0) ClearMasked(pos, pos + 1, pos);
        }
        Key = 0;
        return;
    }
    // Control characters are the clipboard's and the dialog's; leave them to the edit.
    if (c < 0x20) return;
    if (!TypeMasked(Key)) MessageBeep(0);
    Key = 0;
}

void TCustomMaskEdit::WndProc(TMessage& Message) {
    if (IsMasked()) {
        switch (Message.Msg) {
            case WM_PASTE: {
                // Pasted text is typed position by position; what the mask refuses is skipped.
                if (GetReadOnly()) return;
                for (char c : GetClipboardText())
                    if (static_cast<unsigned char>(c) >= 0x20) TypeMasked(c);
                return;
            }
            case WM_CUT:
                if (GetSelLength() == 0 || GetReadOnly()) return;
                SetClipboardText(GetSelText());
                [[fallthrough]];
            case WM_CLEAR:
                ClearMasked(GetSelStart(), GetSelStart() + GetSelLength(), GetSelStart());
                return;
            default:
                break;
        }
    }
    inherited::WndProc(Message);
}
