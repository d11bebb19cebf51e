#pragma once
// TComboBox: the combo box with its properties published for form descriptions.
#include "platform/vcl/stdctrls/CustomComboBox.h"

class TComboBox : public TCustomComboBox {
    QV_DECLARE_CLASS(TComboBox, TCustomComboBox)

    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
