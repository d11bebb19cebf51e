#pragma once
// TGraphicControl: a control without a window of its own. It paints on its parent's window
// when the parent paints, and receives mouse messages from the parent.
#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/ControlCanvas.h"

class TGraphicControl : public TControl {
    QV_DECLARE_CLASS(TGraphicControl, TControl)

    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* GetCanvas() { return &m_canvas; }
    void WndProc(TMessage& Message) override;

protected:
    virtual void Paint() {}

private:
    TControlCanvas m_canvas;
};
