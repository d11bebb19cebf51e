#pragma once
// TEdit: the single-line edit as forms place it, with the native edit's properties published.
#include "platform/vcl/stdctrls/CustomEdit.h"

class TEdit : public TCustomEdit {
    QV_DECLARE_CLASS(TEdit, TCustomEdit)

    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};
