#pragma once
// The canvas of a control: during painting it draws on the device context of the paint
// message; at other times it takes the control's window (or its parent's, for a graphic
// control) when first drawn on and keeps it until FreeHandle.
#include "platform/vcl/graphics/Canvas.h"
#include "platform/win/WinDefs.h"

class TControl;

class TControlCanvas : public TCanvas {
    QV_DECLARE_CLASS(TControlCanvas, TCanvas)

    explicit TControlCanvas(TControl* Control = nullptr) : m_control(Control) {}
    ~TControlCanvas() override;

    TControl* GetControl() const { return m_control; }
    void SetControl(TControl* Value);
    // Draws on the given device context until it is set back to null.
    void SetHandle(HDC DC);
    HDC GetHandle() const { return m_dc; }
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* m_control;
    HDC m_dc = nullptr;
    HWND m_window = nullptr;  // set when the canvas got its own device context
};
