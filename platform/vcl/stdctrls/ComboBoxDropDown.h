#pragma once
// TComboBoxDropDown: the list a combo box drops down: a top-level popup under the combo box
// that holds the mouse while it is open, follows the pointer with its selection, and tells
// the combo box which item was chosen or that the choice was cancelled.
#include <functional>

#include "platform/vcl/stdctrls/CustomListBox.h"

class TComboBoxDropDown : public TCustomListBox {
    QV_DECLARE_CLASS(TComboBoxDropDown, TCustomListBox)

    explicit TComboBoxDropDown(TComponent* AOwner);

    // Shows the list at Bounds (screen coordinates) and takes the mouse.
    void Open(const TRect& Bounds);
    void Close();
    bool IsOpen() const { return m_open; }

    // Chosen is true for a choice (click or Enter), false for a cancel.
    std::function<void(bool Chosen)> OnCloseUp;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Finish(bool Chosen);

    bool m_open = false;
    bool m_pointerInside = false;  // the pointer has been over the list since it opened
};
