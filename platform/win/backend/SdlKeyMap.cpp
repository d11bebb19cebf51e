#include "platform/win/backend/SdlKeyMap.h"

namespace win {

int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<int>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<int>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<int>(key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + static_cast<int>(key - SDLK_KP_1);
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return VK_RETURN;
        case SDLK_ESCAPE:
            return VK_ESCAPE;
        case SDLK_BACKSPACE:
            return VK_BACK;
        case SDLK_TAB:
            return VK_TAB;
        case SDLK_SPACE:
            return VK_SPACE;
        case SDLK_LEFT:
            return VK_LEFT;
        case SDLK_RIGHT:
            return VK_RIGHT;
        case SDLK_UP:
            return VK_UP;
        case SDLK_DOWN:
            return VK_DOWN;
        case SDLK_HOME:
            return VK_HOME;
        case SDLK_END:
            return VK_END;
        case SDLK_PAGEUP:
            return VK_PRIOR;
        case SDLK_PAGEDOWN:
            return VK_NEXT;
        case SDLK_INSERT:
            return VK_INSERT;
        case SDLK_DELETE:
            return VK_DELETE;
        case SDLK_LSHIFT:
            return VK_LSHIFT;
        case SDLK_RSHIFT:
            return VK_RSHIFT;
        case SDLK_LCTRL:
            return VK_LCONTROL;
        case SDLK_RCTRL:
            return VK_RCONTROL;
        case SDLK_LALT:
            return VK_LMENU;
        case SDLK_RALT:
            return VK_RMENU;
        case SDLK_CAPSLOCK:
            return VK_CAPITAL;
        case SDLK_KP_0:
            return VK_NUMPAD0;
        case SDLK_MINUS:
            return VK_OEM_MINUS;
        case SDLK_EQUALS:
            return VK_OEM_PLUS;
        case SDLK_COMMA:
            return VK_OEM_COMMA;
        case SDLK_PERIOD:
            return VK_OEM_PERIOD;
        case SDLK_SLASH:
            return VK_OEM_2;
        case SDLK_SEMICOLON:
            return VK_OEM_1;
        case SDLK_QUOTE:
            return VK_OEM_7;
        case SDLK_LEFTBRACKET:
            return VK_OEM_4;
        case SDLK_RIGHTBRACKET:
            return VK_OEM_6;
        case SDLK_BACKSLASH:
            return VK_OEM_5;
        case SDLK_BACKQUOTE:
            return VK_OEM_3;
        case SDLK_MENU:
        case SDLK_APPLICATION:
            return VK_APPS;
        default:
            return 0;
    }
}

char32_t KeyCharacter(SDL_Keycode key, Uint16 mods) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return U'\r';
        case SDLK_ESCAPE:
            return 27;
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_TAB:
            return U'\t';
        default:
            break;
    }
    const bool ctrl = (mods & KMOD_CTRL) != 0, alt = (mods & KMOD_ALT) != 0;
    if (ctrl && !alt && key >= SDLK_a && key <= SDLK_z)
        return static_cast<char32_t>(1 + key - SDLK_a);
    if (alt && !ctrl && key >= SDLK_SPACE && key <= SDLK_z) {
        char32_t ch = static_cast<char32_t>(key);
        if ((mods & KMOD_SHIFT) && ch >= U'a' && ch <= U'z') ch = ch - U'a' + U'A';
        return ch;
    }
    return 0;
}

int ButtonIndex(Uint8 button) {
    return button == SDL_BUTTON_RIGHT ? 1 : button == SDL_BUTTON_MIDDLE ? 2 : 0;
}

SDL_SystemCursor SystemCursor(int idc) {
    switch (idc) {
        case IDC_HAND:
            return SDL_SYSTEM_CURSOR_HAND;
        case IDC_IBEAM:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case IDC_WAIT:
            return SDL_SYSTEM_CURSOR_WAIT;
        case IDC_CROSS:
            return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case IDC_SIZENWSE:
            return SDL_SYSTEM_CURSOR_SIZENWSE;
        case IDC_SIZENESW:
            return SDL_SYSTEM_CURSOR_SIZENESW;
        case IDC_SIZEWE:
            return SDL_SYSTEM_CURSOR_SIZEWE;
        case IDC_SIZENS:
            return SDL_SYSTEM_CURSOR_SIZENS;
        case IDC_SIZEALL:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        case IDC_NO:
            return SDL_SYSTEM_CURSOR_NO;
        default:
            return SDL_SYSTEM_CURSOR_ARROW;
    }
}

}  // namespace win
