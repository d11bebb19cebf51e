#include "Source/edits/SKURLLabel.h"

#include <cctype>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/win/SysParams.h"

namespace {

constexpr TColor kLinkBlue = 0xFF0000;
constexpr TColor kHoverRed = 0x0000FF;
constexpr char kMakerURL[] = "https://brontide.example/";
constexpr char kWelcome[] = "Welcome to the Brontide skin library";

// Blanks and control characters do not make an address.
bool IsBlank(const std::string& Text) {
    for (const char c : Text) {
        const auto u = static_cast<unsigned char>(c);
        if (u > ' ' && u != 0x7F) return false;
    }
    return true;
}

}  // namespace

const TClassInfo& TskURLLabel::StaticClassInfo() {
    using C = TskURLLabel;
    static const TClassInfo info =
        TClassBuilder<C>("TskURLLabel")
            .String("URL", &C::GetURL, &C::SetURL)
            .Color("FontHoverColor", &C::GetFontHoverColor, &C::SetFontHoverColor, kHoverRed)
            .Color("FontLinkColor", &C::GetFontLinkColor, &C::SetLinkColor, kLinkBlue)
            .Build();
    return info;
}

TskURLLabel::TskURLLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
    GetFont()->SetStyle(fsUnderline);
    GetFont()->SetColor(kLinkBlue);
    SetCursor(crHandPoint);
    SetAutoSize(true);
    m_fontHoverColor = kHoverRed;
    m_fontLinkColor = kLinkBlue;
    SetCaption(kWelcome);
    SetURL(kMakerURL);
}

void TskURLLabel::SetURL(const std::string& Value) {
    if (Value != m_url) m_url = Value;
}

void TskURLLabel::SetLinkColor(TColor Value) {
    m_fontLinkColor = Value;
    GetFont()->SetColor(Value);
}

void TskURLLabel::Click() {
    // The address goes to the shell as stored; only the test for emptiness trims it. What
    // the shell answers is not looked at: a link that cannot be opened stays silent.
    if (!IsBlank(m_url)) ShellExecute(nullptr, "open", m_url.c_str(), nullptr, nullptr, SW_SHOW);
    TCustomLabel::Click();
}

void TskURLLabel::CMMouseEnter(TMessage& Message) {
    TCustomLabel::CMMouseEnter(Message);
    GetFont()->SetColor((ComponentState() & csDesigning) ? kLinkBlue : m_fontHoverColor);
}

void TskURLLabel::CMMouseLeave(TMessage& Message) {
    TCustomLabel::CMMouseLeave(Message);
    GetFont()->SetColor(m_fontLinkColor);
}

void RegisterSKURLLabelClasses() {
    RegisterClassesOf<TskURLLabel>();
}
