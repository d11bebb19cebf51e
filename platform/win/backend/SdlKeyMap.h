#pragma once
// How SDL's keys, buttons and cursors map onto Win32's virtual keys, mouse buttons and
// predefined cursors.
#include <SDL2/SDL.h>

#include "platform/win/WinDefs.h"

namespace win {

int VirtualKey(SDL_Keycode key);
// The character a key types by itself when SDL gives no text for it: control keys always,
// and letters while Ctrl or Alt is held.
char32_t KeyCharacter(SDL_Keycode key, Uint16 mods);
int ButtonIndex(Uint8 button);  // 0 left, 1 right, 2 middle
SDL_SystemCursor SystemCursor(int idc);

}  // namespace win
