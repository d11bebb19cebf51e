#pragma once
// TCustomLabel and TLabel: text on the parent, opaque or transparent, sized to the text
// (AutoSize), wrapped at words (WordWrap); its accelerator focuses FocusControl.
#include "platform/vcl/controls/GraphicControl.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
    QV_DECLARE_CLASS(TCustomLabel, TGraphicControl)

    explicit TCustomLabel(TComponent* AOwner);

    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return m_layout; }
    void SetLayout(TTextLayout Value);
    bool GetWordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool Value);
    bool GetTransparent() const { return !(m_controlStyle & csOpaque); }
    void SetTransparent(bool Value);
    bool GetShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* GetFocusControl() const { return m_focusControl; }
    void SetFocusControl(TWinControl* Value);

protected:
    void Paint() override;
    void AdjustSize() override;
    // Draws the caption into Rect with DrawText's Flags (DT_CALCRECT measures it).
    virtual void DoDrawText(TRect& Rect, unsigned Flags);
    unsigned TextFlags() const;
    void CMDialogChar(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    TWinControl* m_focusControl = nullptr;
};

class TLabel : public TCustomLabel {
    QV_DECLARE_CLASS(TLabel, TCustomLabel)

    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};
