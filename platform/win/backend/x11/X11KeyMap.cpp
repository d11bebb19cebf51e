#include "platform/win/backend/x11/X11KeyMap.h"

#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include <string>

#include "platform/win/WinDefs.h"

namespace win {

namespace {

// Keys that mean the same in every layout: editing, movement, function and modifier keys.
int FunctionKey(unsigned long keysym) {
    if (keysym >= XK_F1 && keysym <= XK_F12) return VK_F1 + static_cast<int>(keysym - XK_F1);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return VK_NUMPAD0 + static_cast<int>(keysym - XK_KP_0);
    static const struct {
        unsigned long keysym;
        int vk;
    } keys[] = {
        {XK_Return, VK_RETURN},
        {XK_KP_Enter, VK_RETURN},
        {XK_Escape, VK_ESCAPE},
        {XK_BackSpace, VK_BACK},
        {XK_Tab, VK_TAB},
        {XK_ISO_Left_Tab, VK_TAB},
        {XK_space, VK_SPACE},
        {XK_KP_Space, VK_SPACE},
        {XK_Left, VK_LEFT},
        {XK_Right, VK_RIGHT},
        {XK_Up, VK_UP},
        {XK_Down, VK_DOWN},
        {XK_KP_Left, VK_LEFT},
        {XK_KP_Right, VK_RIGHT},
        {XK_KP_Up, VK_UP},
        {XK_KP_Down, VK_DOWN},
        {XK_Home, VK_HOME},
        {XK_End, VK_END},
        {XK_KP_Home, VK_HOME},
        {XK_KP_End, VK_END},
        {XK_Prior, VK_PRIOR},
        {XK_Next, VK_NEXT},
        {XK_KP_Prior, VK_PRIOR},
        {XK_KP_Next, VK_NEXT},
        {XK_Insert, VK_INSERT},
        {XK_KP_Insert, VK_INSERT},
        {XK_Delete, VK_DELETE},
        {XK_KP_Delete, VK_DELETE},
        {XK_KP_Begin, VK_CLEAR},
        {XK_Shift_L, VK_LSHIFT},
        {XK_Shift_R, VK_RSHIFT},
        {XK_Control_L, VK_LCONTROL},
        {XK_Control_R, VK_RCONTROL},
        {XK_Alt_L, VK_LMENU},
        {XK_Alt_R, VK_RMENU},
        {XK_Meta_L, VK_LMENU},
        {XK_ISO_Level3_Shift, VK_RMENU},
        {XK_Caps_Lock, VK_CAPITAL},
        {XK_Num_Lock, VK_NUMLOCK},
        {XK_Scroll_Lock, VK_SCROLL},
        {XK_Pause, VK_PAUSE},
        {XK_Super_L, VK_LWIN},
        {XK_Menu, VK_APPS},
        {XK_KP_Multiply, VK_MULTIPLY},
        {XK_KP_Add, VK_ADD},
        {XK_KP_Subtract, VK_SUBTRACT},
        {XK_KP_Decimal, VK_DECIMAL},
        {XK_KP_Separator, VK_DECIMAL},
        {XK_KP_Divide, VK_DIVIDE},
    };
    for (const auto& k : keys)
        if (k.keysym == keysym) return k.vk;
    return 0;
}

// Letters, digits and the punctuation keys of a Latin layout, by what the key types.
int CharacterKey(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>(keysym);
    switch (keysym) {
        case XK_minus:
            return VK_OEM_MINUS;
        case XK_equal:
            return VK_OEM_PLUS;
        case XK_comma:
            return VK_OEM_COMMA;
        case XK_period:
            return VK_OEM_PERIOD;
        case XK_slash:
            return VK_OEM_2;
        case XK_semicolon:
            return VK_OEM_1;
        case XK_apostrophe:
            return VK_OEM_7;
        case XK_bracketleft:
            return VK_OEM_4;
        case XK_bracketright:
            return VK_OEM_6;
        case XK_backslash:
            return VK_OEM_5;
        case XK_grave:
            return VK_OEM_3;
        default:
            return 0;
    }
}

// The US key at each keycode of the evdev keyboard model that X servers use today.
int UsKeyAt(unsigned keycode) {
    static const char* const rows[] = {
        "1234567890",  // keycodes 10-19
        "QWERTYUIOP",  // 24-33
        "ASDFGHJKL",   // 38-46
        "ZXCVBNM",     // 52-58
    };
    static const unsigned starts[] = {10, 24, 38, 52};
    for (int row = 0; row < 4; ++row) {
        const unsigned first = starts[row];
        const std::size_t length = std::char_traits<char>::length(rows[row]);
        if (keycode >= first && keycode < first + length) return rows[row][keycode - first];
    }
    switch (keycode) {
        case 20:
            return VK_OEM_MINUS;
        case 21:
            return VK_OEM_PLUS;
        case 34:
            return VK_OEM_4;
        case 35:
            return VK_OEM_6;
        case 47:
            return VK_OEM_1;
        case 48:
            return VK_OEM_7;
        case 49:
            return VK_OEM_3;
        case 51:
            return VK_OEM_5;
        case 59:
            return VK_OEM_COMMA;
        case 60:
            return VK_OEM_PERIOD;
        case 61:
            return VK_OEM_2;
        default:
            return 0;
    }
}

}  // namespace

int VirtualKeyOf(unsigned long keysym, unsigned long plainKeysym, unsigned keycode) {
    if (const int vk = FunctionKey(keysym)) return vk;
    if (const int vk = FunctionKey(plainKeysym)) return vk;
    if (const int vk = CharacterKey(plainKeysym)) return vk;
    return UsKeyAt(keycode);
}

char32_t KeysymCharacter(unsigned long keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
        return static_cast<char32_t>(keysym);
    if ((keysym & 0xFF000000u) == 0x01000000u) return static_cast<char32_t>(keysym & 0x00FFFFFFu);
    switch (keysym) {
        case XK_Return:
        case XK_KP_Enter:
            return U'\r';
        case XK_BackSpace:
            return 8;
        case XK_Tab:
            return U'\t';
        case XK_Escape:
            return 27;
        default:
            return 0;
    }
}

unsigned CursorGlyph(int idc) {
    switch (idc) {
        case IDC_HAND:
            return XC_hand2;
        case IDC_IBEAM:
            return XC_xterm;
        case IDC_WAIT:
            return XC_watch;
        case IDC_CROSS:
            return XC_crosshair;
        case IDC_SIZENWSE:
            return XC_bottom_right_corner;
        case IDC_SIZENESW:
            return XC_bottom_left_corner;
        case IDC_SIZEWE:
            return XC_sb_h_double_arrow;
        case IDC_SIZENS:
            return XC_sb_v_double_arrow;
        case IDC_SIZEALL:
            return XC_fleur;
        case IDC_NO:
            return XC_X_cursor;
        default:
            return XC_left_ptr;
    }
}

}  // namespace win
