#pragma once
// TCustomControl: a windowed control that draws itself in Paint on its Canvas.
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"

class TCustomControl : public TWinControl {
    QV_DECLARE_CLASS(TCustomControl, TWinControl)

    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* GetCanvas() { return &m_canvas; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;

private:
    TControlCanvas m_canvas;
};
