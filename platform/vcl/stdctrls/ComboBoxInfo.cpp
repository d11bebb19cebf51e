#include "platform/vcl/stdctrls/ComboBoxInfo.h"

#include "platform/vcl/stdctrls/CustomComboBox.h"

BOOL GetComboBoxInfo(HWND hwndCombo, COMBOBOXINFO* Info) {
    auto* combo = dynamic_cast<TCustomComboBox*>(TWinControl::FindControl(hwndCombo));
    if (!combo || !Info) return FALSE;
    Info->rcItem = combo->ItemRect();
    Info->rcButton = combo->ButtonRect();
    Info->stateButton = combo->GetDroppedDown() ? STATE_SYSTEM_PRESSED : 0;
    Info->hwndCombo = hwndCombo;
    Info->hwndItem = hwndCombo;
    Info->hwndList = combo->ListHandle();
    return TRUE;
}
