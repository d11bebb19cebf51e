#pragma once
// The flat frame of the skinned text controls: the platform control without its 3-D border,
// framed by a two-pixel ring in the style's control border colour, drawn after whatever the
// platform painted (its client painting, its erasing and its non-client painting, which
// fills the border band with the control's colour). FileTheme, UIStyle and BorderColor
// choose the ring's colour.
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

// The border colour a skinned text control takes from its theme: the file theme's
// ControlBorderColor when the file theme is in use, else the built-in style's.
TColor SkinControlBorderColor(const TskFileTheme* FileTheme, TskUIStyle Style);

template <class Base>
class TskFlatFramed : public Base {
public:
    explicit TskFlatFramed(TComponent* AOwner) : Base(AOwner) {
        this->m_controlStyle |= csOpaque;
        this->SetBorderStyle(bsNone);
        this->SetBorderWidth(2);
        SetUIStyle(GetSKFormStyle(AOwner));
    }

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (m_fileTheme) m_fileTheme->FreeNotification(this);
        // References are resolved after the whole form is read; a border colour the form
        // stores must still win over the theme's, as it would had the theme come first.
        const TColor stored = m_borderColor;
        SetUIStyle(m_uiStyle);
        if ((this->ComponentState() & csLoading) && m_borderColorRead) SetBorderColor(stored);
    }
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Takes the style's border colour, whatever BorderColor was, and repaints.
    void SetUIStyle(TskUIStyle Value) {
        m_uiStyle = Value;
        m_borderColor = SkinControlBorderColor(m_fileTheme, m_uiStyle);
        UIStyleChanged();
        this->Repaint();
    }
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value) {
        m_borderColor = Value;
        if (this->ComponentState() & csLoading) m_borderColorRead = true;
        this->Repaint();
    }

protected:
    // Runs after every change of style; descendants pass the style on to their parts.
    virtual void UIStyleChanged() {}

    void Notification(TComponent* AComponent, TOperation Operation) override {
        Base::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == m_fileTheme) {
            m_fileTheme = nullptr;
            SetUIStyle(DeepBlue);
        }
    }
    void WndProc(TMessage& Message) override {
        Base::WndProc(Message);
        if (Message.Msg == WM_NCPAINT && this->HandleAllocated()) DrawFrame();
    }
    void WMPaint(TMessage& Message) override {
        Base::WMPaint(Message);
        DrawFrame();
    }
    void WMEraseBkgnd(TMessage& Message) override {
        Base::WMEraseBkgnd(Message);
        DrawFrame();
    }

private:
    void DrawFrame() { DrawControlBorder(this, m_borderColor, this->GetColor(), true); }

    TColor m_borderColor = 0;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    bool m_borderColorRead = false;
};
