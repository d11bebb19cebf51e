#pragma once
// Keyboard shortcuts of menu items: a virtual-key code in the low byte and the Shift, Ctrl
// and Alt flags above it, as the VCL stores them, with their text ("Ctrl+D").
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vcl/controls/ControlTypes.h"

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// "Shift+Ctrl+Alt+Key", the empty string for none.
std::string ShortCutToText(TShortCut ShortCut);
// The inverse of ShortCutToText, without regard to case; 0 for text it does not know.
TShortCut TextToShortCut(std::string_view Text);
