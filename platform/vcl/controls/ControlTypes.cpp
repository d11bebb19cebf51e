#include "platform/vcl/controls/ControlTypes.h"

#include <cctype>

#include "platform/vcl/core/CharCase.h"
#include "platform/win/Input.h"

TShiftState MouseShiftState(WPARAM Keys) {
    TShiftState shift = 0;
    if (Keys & MK_SHIFT) shift |= ssShift;
    if (Keys & MK_CONTROL) shift |= ssCtrl;
    if (Keys & MK_LBUTTON) shift |= ssLeft;
    if (Keys & MK_RBUTTON) shift |= ssRight;
    if (Keys & MK_MBUTTON) shift |= ssMiddle;
    if (GetKeyState(VK_MENU) & 0x8000) shift |= ssAlt;
    return shift;
}

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) & 0x8000) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) & 0x8000) shift |= ssAlt;
    return shift;
}

int CursorToIDC(TCursor Cursor) {
    switch (Cursor) {
        case crCross:
            return IDC_CROSS;
        case crIBeam:
            return IDC_IBEAM;
        case crSizeNESW:
            return IDC_SIZENESW;
        case crSizeNS:
            return IDC_SIZENS;
        case crSizeNWSE:
            return IDC_SIZENWSE;
        case crSizeWE:
            return IDC_SIZEWE;
        case crHourGlass:
            return IDC_WAIT;
        case crNo:
            return IDC_NO;
        case crHandPoint:
            return IDC_HAND;
        case crSizeAll:
            return IDC_SIZEALL;
        default:
            return IDC_ARROW;
    }
}

bool IsAccel(unsigned Key, std::string_view Caption) {
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        // "&&" is a literal ampersand, not a marker.
        if (Caption[i + 1] == '&') {
            ++i;
            continue;
        }
        // The same letter in either case, by the C locale's rule under every language.
        return Key < 256 &&
               UpperCaseAscii(Caption[i + 1]) == UpperCaseAscii(static_cast<char>(Key));
    }
    return false;
}
