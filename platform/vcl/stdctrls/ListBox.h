#pragma once
// TListBox: the list box with its properties published for form descriptions.
#include "platform/vcl/stdctrls/CustomListBox.h"

class TListBox : public TCustomListBox {
    QV_DECLARE_CLASS(TListBox, TCustomListBox)

    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
