// TskNumberEdit: a number shown through a format mask, typed through a key filter.
#include <algorithm>
#include <cctype>

#include "Source/edits/SKEdit.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

bool ContainsNoCase(const std::string& Text, char Ch) {
    const int folded = std::tolower(static_cast<unsigned char>(Ch));
    return std::any_of(Text.begin(), Text.end(), [folded](char c) {
        return std::tolower(static_cast<unsigned char>(c)) == folded;
    });
}

bool IsEmptyNumber(const std::string& Text) {
    return Text.empty() || Text == "-";
}

}  // namespace

const TClassInfo& TskNumberEdit::StaticClassInfo() {
    using C = TskNumberEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskNumberEdit")
            .String("Mask", &C::GetMask, &C::SetMask)
            .Stored([](C& c) { return c.GetMask() != "0.00"; })
            .Float("Value", &C::GetValue, &C::SetValue, 0)
            .Integer("AutoSelectSigns", &C::GetAutoSelectSigns, &C::SetAutoSelectSigns, 2)
            .Publish("OnEnter")
            .Publish("OnExit")
            .Publish("OnKeyDown")
            .Publish("OnKeyPress")
            .Publish("OnKeyUp")
            .Build();
    return info;
}

TskNumberEdit::TskNumberEdit(TComponent* AOwner) : TskEdit(AOwner) {
    SetText(FormatFloat(m_mask, m_value));
}

void TskNumberEdit::CreateParams(TCreateParams& Params) {
    TskEdit::CreateParams(Params);
    Params.Style |= ES_RIGHT;
}

void TskNumberEdit::SetMask(const std::string& Value) {
    m_mask = Value;
    SetValue(m_value);
}

void TskNumberEdit::SetValue(double Value) {
    m_value = Value;
    SetText(FormatFloat(m_mask, m_value));
}

double TskNumberEdit::TextValue(const std::string& Text) const {
    // A mask with literals ("0.00 kg", "(0.00)") writes text that the plain conversion
    // refuses; it is read back through the mask's sections, so leaving the edit works.
    return StrToFormattedFloat(Text, m_mask, FormatSettings());
}

void TskNumberEdit::Change() {
    const std::string text = GetText();
    if (!IsEmptyNumber(text) && !m_restoring) {
        double value = 0;
        try {
            value = TextValue(text);
        } catch (const EConvertError&) {
            m_restoring = true;
            try {
                SetValue(m_value);
            } catch (...) {
                m_restoring = false;
                throw;
            }
            m_restoring = false;
            throw;
        }
        m_value = value;
    }
    TskEdit::Change();
}

void TskNumberEdit::Click() {
    TskEdit::Click();
    DoEnter();
}

void TskNumberEdit::DoEnter() {
    TskEdit::DoEnter();
    SelectSigns();
}

void TskNumberEdit::SelectSigns() {
    if (m_autoSelectSigns <= 0 || !GetAutoSelect()) return;
    const int length = static_cast<int>(GetText().size());
    const int signs = std::min(m_autoSelectSigns, length);
    SetSelStart(length - signs);
    SetSelLength(signs);
}

void TskNumberEdit::DoExit() {
    TskEdit::DoExit();
    if (IsEmptyNumber(GetText())) SetText("0");
    SetValue(TextValue(GetText()));
}

bool TskNumberEdit::AcceptsKey(char Ch, const std::string& Text, int SelStart) const {
    const char decimal = FormatSettings().DecimalSeparator;
    if (Ch >= '0' && Ch <= '9') return true;
    if (Ch == decimal && ContainsNoCase(m_mask, '.') && !ContainsNoCase(Text, decimal))
        return true;
    if (Ch == '\b') return true;
    return ContainsNoCase(m_mask, '-') && SelStart == 0 && Ch == '-' && !ContainsNoCase(Text, '-');
}

void TskNumberEdit::KeyPress(char& Key) {
    TskEdit::KeyPress(Key);
    if (Key == 0) return;
    if (!AcceptsKey(Key, GetText(), GetSelStart())) {
        MessageBeep(0);
        Key = 0;
    }
}

bool TskNumberEdit::AcceptsPaste(const std::string& Pasted) const {
    // Pasting is typing many keys at once: each must pass the filter where it lands, in the
    // text as it would be with the selection replaced by what came before it.
    const int start = GetSelStart();
    std::string text = GetText();
    text.erase(start, GetSelLength());
    int at = start;
    for (char ch : Pasted) {
        if (ch == '\b' || !AcceptsKey(ch, text, at)) return false;
        text.insert(text.begin() + at, ch);
        ++at;
    }
    return true;
}

void TskNumberEdit::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PASTE && !GetReadOnly() && !AcceptsPaste(GetClipboardText())) {
        MessageBeep(0);
        return;
    }
    TskEdit::WndProc(Message);
}
