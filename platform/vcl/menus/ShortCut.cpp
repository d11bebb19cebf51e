#include "platform/vcl/menus/ShortCut.h"

#include <array>
#include <cctype>

#include "platform/vcl/core/SysUtils.h"

namespace {

struct KeyName {
    WORD key;
    const char* name;
};

// The keys whose names are not their own character.
constexpr std::array<KeyName, 28> kKeyNames{{
    {VK_BACK, "BkSp"},    {VK_TAB, "Tab"},        {VK_RETURN, "Enter"},  {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},  {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},     {VK_END, "End"},
    {VK_HOME, "Home"},    {VK_LEFT, "Left"},      {VK_UP, "Up"},         {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},     {VK_DELETE, "Del"},    {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},    {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."}, {VK_DIVIDE, "Num /"},
    {VK_OEM_1, ";"},      {VK_OEM_PLUS, "="},     {VK_OEM_COMMA, ","},   {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."}, {VK_OEM_2, "/"},        {VK_OEM_4, "["},       {VK_OEM_6, "]"},
}};

std::string KeyText(WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return std::string("F").append(IntToStr(key - VK_F1 + 1));
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return std::string("Num ").append(1, static_cast<char>('0' + key - VK_NUMPAD0));
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return k.name;
    return {};
}

// The modifiers in the order the text names them.
constexpr std::array<std::pair<TShortCut, const char*>, 3> kModifiers{{
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
}};

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
    if (Key & 0xFF00) return scNone;
    TShortCut result = Key;
    if (Shift & ssShift) result |= scShift;
    if (Shift & ssCtrl) result |= scCtrl;
    if (Shift & ssAlt) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift) {
    Key = ShortCut & 0xFF;
    Shift = 0;
    if (ShortCut & scShift) Shift |= ssShift;
    if (ShortCut & scCtrl) Shift |= ssCtrl;
    if (ShortCut & scAlt) Shift |= ssAlt;
}

std::string ShortCutToText(TShortCut ShortCut) {
    const std::string key = KeyText(ShortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const auto& [flag, name] : kModifiers)
        if (ShortCut & flag) text += name;
    return text + key;
}

TShortCut TextToShortCut(std::string_view Text) {
    TShortCut modifiers = 0;
    bool found = true;
    while (found) {
        found = false;
        for (const auto& [flag, name] : kModifiers) {
            const std::string_view prefix = name;
            if (Text.size() > prefix.size() && SameText(Text.substr(0, prefix.size()), prefix)) {
                modifiers |= flag;
                Text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    for (int key = 1; key < 0x100; ++key) {
        const std::string name = KeyText(static_cast<WORD>(key));
        if (!name.empty() && SameText(name, Text)) return static_cast<TShortCut>(key | modifiers);
    }
    return scNone;
}
