#pragma once
// GetComboBoxInfo: the parts of a combo box window, as Win32 reports them, for controls that
// draw over the platform's combo box (its button) or look at its drop-down list.
#include "platform/win/WinDefs.h"

struct COMBOBOXINFO {
    DWORD cbSize = sizeof(COMBOBOXINFO);
    RECT rcItem;            // the selected item's field, client coordinates
    RECT rcButton;          // the drop-down button, client coordinates
    DWORD stateButton = 0;  // STATE_SYSTEM_PRESSED while the list is down
    HWND hwndCombo = nullptr;
    HWND hwndItem = nullptr;  // the edit of an editable combo box; the combo itself otherwise
    HWND hwndList = nullptr;  // the drop-down list, once it has been made
};

// FALSE when hwndCombo is not a combo box window or Info is null.
BOOL GetComboBoxInfo(HWND hwndCombo, COMBOBOXINFO* Info);
