// TskSpinButtons and TskSpinEdit.
#include "Source/edits/SKSpinEdit.h"

#include <algorithm>
#include <climits>

#include "Source/buttons/SKImageButton.h"
#include "Source/theme/SKFileTheme.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Windows.h"

namespace {

// The spin buttons' repeat while an arrow is held.
constexpr int kSpinRepeat = 400;

}  // namespace

const TClassInfo& TskSpinButtons::StaticClassInfo() {
    using C = TskSpinButtons;
    static const TClassInfo info =
        TClassBuilder<C>("TskSpinButtons")
            .Event("OnUpClick", &C::OnUpClick)
            .Event("OnDownClick", &C::OnDownClick)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Build();
    return info;
}

TskSpinButtons::TskSpinButtons(TComponent* AOwner) : TWinControl(AOwner) {
    m_controlStyle = (m_controlStyle & ~(csAcceptsControls | csSetCaption)) | csFramed | csOpaque;
    for (TskArrowButtonType arrow : {skUp, skDown}) {
        auto* button = new TskArrowButton(this);
        button->SetArrow(arrow);
        button->SetTabStop(false);
        button->OnClick = [this](TObject* s) { BtnClick(s); };
        button->OnMouseContinuouslyDown = [this](TObject* s) { BtnClick(s); };
        button->SetMouseContinuouslyDownInterval(kSpinRepeat);
        button->SetVisible(true);
        button->SetEnabled(true);
        button->SetParent(this);
        (arrow == skUp ? m_upButton : m_downButton) = button;
    }
    SetBounds(GetLeft(), GetTop(), 20, 25);
}

TskFileTheme* TskSpinButtons::GetFileTheme() const {
    return m_upButton ? m_upButton->GetFileTheme() : nullptr;
}

void TskSpinButtons::SetFileTheme(TskFileTheme* Value) {
    for (TskArrowButton* button : {m_upButton, m_downButton})
        if (button) button->SetFileTheme(Value);
    SetUIStyle(GetUIStyle());
}

TskUIStyle TskSpinButtons::GetUIStyle() const {
    return m_upButton ? m_upButton->GetUIStyle() : DeepBlue;
}

void TskSpinButtons::SetUIStyle(TskUIStyle Value) {
    for (TskArrowButton* button : {m_upButton, m_downButton})
        if (button) button->SetUIStyle(Value);
}

void TskSpinButtons::AdjustSize(int& Width, int& Height) {
    if (!m_upButton || (ComponentState() & csLoading)) return;
    Width = std::max(Width, 15);
    m_upButton->SetBounds(0, 0, Width, Height / 2 + 1);
    const int upHeight = m_upButton->GetHeight();
    m_downButton->SetBounds(0, upHeight - 1, Width, Height - upHeight + 1);
}

void TskSpinButtons::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AdjustSize(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TskSpinButtons::FitButtons() {
    int width = GetWidth(), height = GetHeight();
    AdjustSize(width, height);
    if (width != GetWidth() || height != GetHeight())
        SetBounds(GetLeft(), GetTop(), width, height);
}

void TskSpinButtons::Loaded() {
    TWinControl::Loaded();
    FitButtons();
}

void TskSpinButtons::WMSize(TMessage& Message) {
    TWinControl::WMSize(Message);
    FitButtons();
    Message.Result = 0;
}

void TskSpinButtons::KeyDown(WORD& Key, TShiftState) {
    if (Key == VK_UP && m_upButton) m_upButton->Click();
    if (Key == VK_DOWN && m_downButton) m_downButton->Click();
}

void TskSpinButtons::BtnClick(TObject* Sender) {
    if (Sender == m_upButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

const TClassInfo& TskSpinEdit::StaticClassInfo() {
    using C = TskSpinEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TskSpinEdit")
            .Boolean("EditorEnabled", &C::GetEditorEnabled, &C::SetEditorEnabled, true)
            .Integer("Increment", &C::GetIncrement, &C::SetIncrement, 1)
            .Integer("MaxValue", &C::GetMaxValue, &C::SetMaxValue, 0)
            .Integer("MinValue", &C::GetMinValue, &C::SetMinValue, 0)
            .Integer("Value", &C::GetValue, &C::SetValue, 0)
            .Build();
    return info;
}

TskSpinEdit::TskSpinEdit(TComponent* AOwner) : TskEdit(AOwner) {
    m_button = new TskSpinButtons(this);
    m_button->SetWidth(15);
    m_button->SetHeight(20);
    m_button->SetVisible(true);
    m_button->SetParent(this);
    m_button->OnUpClick = [this](TObject* s) { UpClick(s); };
    m_button->OnDownClick = [this](TObject* s) { DownClick(s); };
    SetText("0");
    m_increment = 1;
    m_editorEnabled = true;
    // The edit's own style call ran before the buttons existed; they follow it from here.
    UIStyleChanged();
}

TskSpinEdit::~TskSpinEdit() {
    delete m_button;
    m_button = nullptr;
}

void TskSpinEdit::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TskSpinEdit::CreateParams(TCreateParams& Params) {
    TskEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TskSpinEdit::CreateWnd() {
    TskEdit::CreateWnd();
    SetEditRect();
}

void TskSpinEdit::SetEditRect() {
    if (!HandleAllocated() || !m_button) return;
    const RECT rect{0, 0, GetClientWidth() - m_button->GetWidth() - 2, GetClientHeight() + 1};
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TskSpinEdit::WMSize(TMessage& Message) {
    TskEdit::WMSize(Message);
    if (m_button) {
        m_button->SetBounds(GetWidth() - m_button->GetWidth() - 4, 0, m_button->GetWidth(),
                            GetHeight() - 4);
        SetEditRect();
    }
}

void TskSpinEdit::UIStyleChanged() {
    if (!m_button) return;
    m_button->SetUIStyle(GetUIStyle());
    m_button->SetFileTheme(GetFileTheme());
}

std::int32_t TskSpinEdit::CheckValue(std::int32_t Value) const {
    if (m_minValue == m_maxValue) return Value;
    return std::clamp(Value, std::min(m_minValue, m_maxValue), std::max(m_minValue, m_maxValue));
}

std::int32_t TskSpinEdit::GetValue() const {
    std::int32_t value = 0;
    return TryStrToInt32(GetText(), value) ? value : m_minValue;
}

void TskSpinEdit::SetValue(std::int32_t Value) {
    SetText(IntToStr(CheckValue(Value)));
}

void TskSpinEdit::Step(std::int64_t Delta) {
    if (GetReadOnly()) {
        MessageBeep(0);
        return;
    }
    const std::int64_t next = static_cast<std::int64_t>(GetValue()) + Delta;
    SetValue(static_cast<std::int32_t>(std::clamp<std::int64_t>(next, INT32_MIN, INT32_MAX)));
}

void TskSpinEdit::UpClick(TObject*) {
    Step(m_increment);
}

void TskSpinEdit::DownClick(TObject*) {
    Step(-static_cast<std::int64_t>(m_increment));
}

bool TskSpinEdit::IsValidChar(char Key) const {
    const unsigned char c = static_cast<unsigned char>(Key);
    bool valid = Key == '-' || (Key >= '0' && Key <= '9') || (c < 32 && c != '\r');
    if (!m_editorEnabled && valid && (c >= 32 || c == '\b')) valid = false;
    return valid;
}

void TskSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_UP) UpClick(this);
    if (Key == VK_DOWN) DownClick(this);
    TskEdit::KeyDown(Key, Shift);
}

void TskSpinEdit::KeyPress(char& Key) {
    if (!IsValidChar(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    if (Key != 0) TskEdit::KeyPress(Key);
}

void TskSpinEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_ENTER:
            if (GetAutoSelect() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
            break;
        case CM_EXIT: {
            TskEdit::WndProc(Message);
            const std::int32_t value = GetValue();
            if (CheckValue(value) != value) SetValue(value);
            return;
        }
        case WM_CUT:
            if (!m_editorEnabled || GetReadOnly()) return;
            break;
        case WM_PASTE: {
            if (!m_editorEnabled || GetReadOnly()) return;
            // Pasting is typing: what the key filter refuses is refused here too.
            const std::string pasted = GetClipboardText();
            if (!std::all_of(pasted.begin(), pasted.end(), [this](char c) {
                    return c != '\b' && IsValidChar(c) && static_cast<unsigned char>(c) >= 32;
                })) {
                MessageBeep(0);
                return;
            }
            break;
        }
        default:
            break;
    }
    TskEdit::WndProc(Message);
}

void RegisterSKSpinEditClasses() {
    RegisterClassesOf<TskSpinButtons, TskSpinEdit>();
}
