#pragma once
// How X11's keys, buttons and cursors map onto Win32's virtual keys and predefined cursors.
// Kept free of Xlib's headers: keysyms and keycodes are plain numbers here.

namespace win {

// The virtual key of a key event. `keysym` is what the key means with the modifiers held
// (it tells the keypad's digits from its arrows), `plainKeysym` what it means without any
// (the letter of a letter key in the user's layout), `keycode` where it sits: a key of a
// layout without Latin letters (Cyrillic, Greek) gets the virtual key of the US key in its
// place, as Windows gives it, so that Alt and Ctrl combinations work in every layout.
int VirtualKeyOf(unsigned long keysym, unsigned long plainKeysym, unsigned keycode);

// The character of a keysym when no input method gave one: Latin-1 keysyms and the
// Unicode keysyms (0x1000000 + code point) stand for themselves.
char32_t KeysymCharacter(unsigned long keysym);

// X's font cursor glyph for a Win32 cursor id (IDC_ARROW, IDC_HAND, ...).
unsigned CursorGlyph(int idc);

}  // namespace win
