#pragma once
// TCustomPanel and TPanel: a container with raised or lowered bevels, a border, and a
// caption centred (or aligned) in it; the bevels and border are taken off the client area
// its aligned children fill.
#include "platform/vcl/controls/CustomControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
using TBevelWidth = int;

class TCustomPanel : public TCustomControl {
    QV_DECLARE_CLASS(TCustomPanel, TCustomControl)

    explicit TCustomPanel(TComponent* AOwner);

    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TPanelBevel GetBevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel GetBevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TBevelWidth GetBevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(TBevelWidth Value);
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool GetFullRepaint() const { return m_fullRepaint; }
    void SetFullRepaint(bool Value) { m_fullRepaint = Value; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) const override;
    void Paint() override;
    void CMTextChanged(TMessage& Message) override;

private:
    void Changed();

    TAlignment m_alignment = taCenter;
    TPanelBevel m_bevelInner = bvNone;
    TPanelBevel m_bevelOuter = bvRaised;
    TBevelWidth m_bevelWidth = 1;
    int m_borderWidth = 0;
    TBorderStyle m_borderStyle = bsNone;
    bool m_fullRepaint = true;
};

class TPanel : public TCustomPanel {
    QV_DECLARE_CLASS(TPanel, TCustomPanel)

    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
