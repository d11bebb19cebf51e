#pragma once
// The skinned data-aware drop-down lists: the platform's combo box over a field and its
// lookup combo box, with a flat frame and a drop-down button and arrow of the style's own
// over the platform's 3-D ones. Data handling and the dropped-down list stay the
// platform's.
#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/SKThemes.h"
#include "platform/db/controls/DBComboBox.h"
#include "platform/db/controls/DBLookup.h"

class TCanvas;

// What both combo boxes add to their platform combo box: the theme, style and colour
// properties their frame, button and arrow are drawn with.
template <class Base>
class TskDBComboSkin : public Base {
public:
    explicit TskDBComboSkin(TComponent* AOwner) : Base(AOwner) {
        this->m_controlStyle |= csOpaque;
        SetUIStyle(GetSKFormStyle(AOwner));
    }

    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (m_fileTheme) m_fileTheme->FreeNotification(this);
        SetUIStyle(m_uiStyle);
    }
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    // Takes the style's border and button colours and a black arrow, and repaints.
    void SetUIStyle(TskUIStyle Value) {
        m_uiStyle = Value;
        m_arrowColor = clBlack;
        m_borderColor = GetControlThemeColor(m_fileTheme, m_uiStyle, SkItem::ControlBorderColor);
        m_buttonColor = GetControlThemeColor(m_fileTheme, m_uiStyle, SkItem::FormBackgroundColor);
        this->Repaint();
    }
    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value) { SetColour(m_borderColor, Value); }
    TColor GetArrowColor() const { return m_arrowColor; }
    void SetArrowColor(TColor Value) { SetColour(m_arrowColor, Value); }
    TColor GetButtonColor() const { return m_buttonColor; }
    void SetButtonColor(TColor Value) { SetColour(m_buttonColor, Value); }
    // The arrow shows whether the box is enabled.
    void SetEnabled(bool Value) override {
        Base::SetEnabled(Value);
        this->Repaint();
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        Base::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == m_fileTheme) {
            m_fileTheme = nullptr;
            SetUIStyle(DeepBlue);
        }
    }

    TColor m_borderColor = 0;
    TColor m_arrowColor = 0;
    TColor m_buttonColor = 0;
    TskUIStyle m_uiStyle = DeepBlue;

private:
    void SetColour(TColor& Field, TColor Value) {
        Field = Value;
        this->Repaint();
    }

    TskFileTheme* m_fileTheme = nullptr;
};

class TskDBComboBox : public TskDBComboSkin<TDBComboBox> {
    QV_DECLARE_CLASS(TskDBComboBox, TDBComboBox)

    explicit TskDBComboBox(TComponent* AOwner) : TskDBComboSkin(AOwner) {}

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMEraseBkgnd(TMessage& Message) override;
    // The frame, the frame of the dropped-down list, the button and the arrow.
    void DrawButton(TCanvas* Canvas);
};

class TskDBLookupComboBox : public TskDBComboSkin<TDBLookupComboBox> {
    QV_DECLARE_CLASS(TskDBLookupComboBox, TDBLookupComboBox)

    explicit TskDBLookupComboBox(TComponent* AOwner) : TskDBComboSkin(AOwner) {}

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    // The button at the right edge, a scroll bar wide, and its arrow.
    void DrawButton(TCanvas* Canvas);
};

// The drop-down button of a skinned combo box in Rect: the style's picture stretched over
// it in MacOS and WinXP, else a fill in ButtonColor with a line in BorderColor along its
// left edge.
void DrawComboButtonFace(TCanvas* Canvas, const TRect& Rect, TskUIStyle Style, TColor ButtonColor,
                         TColor BorderColor);
// The drop-down arrow with its top left corner at (X, Y): a 7 x 4 triangle in ArrowColor,
// or, disabled, grey over a white copy one pixel down and right.
void DrawComboArrow(TCanvas* Canvas, int X, int Y, bool Enabled, TColor ArrowColor);

// Makes the skinned combo boxes known to the form reader.
void RegisterSKDBCombosClasses();
