#pragma once
// TskPanel: a skinned panel with a title strip that shows its caption and a small button;
// the button rolls the panel up to its title strip ("push") and down again ("pop") with an
// animation.
#include <memory>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/stdctrls/CustomPanel.h"

class TBitmap;
class TskFileTheme;

// The message of the error that Push raises for a panel aligned to a side or the client.
inline constexpr char SK_PANEL_CANNOT_PUSH[] =
    "Can't push when Align is alClient, alLeft or alRight.";

class TskPanel : public TCustomPanel {
    QV_DECLARE_CLASS(TskPanel, TCustomPanel)

    explicit TskPanel(TComponent* AOwner);
    ~TskPanel() override;

    TColor GetBorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor Value);
    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    bool GetShowButton() const { return m_showButton; }
    void SetShowButton(bool Value);
    TColor GetCaptionFontColor() const { return m_captionFontColor; }
    void SetCaptionFontColor(TColor Value);
    // The full (expanded) height; the real height is smaller while the panel is pushed.
    int GetFullHeight() const { return m_fullHeight; }
    void SetHeight2(int Value);
    bool GetPushed() const { return !m_expanded; }
    // The title strip's height, that of the style's picture.
    int TitleHeight() const;

    // Rolls the panel up to its title strip; raises SK_PANEL_CANNOT_PUSH for a panel
    // aligned to the client, the left or the right.
    void Push();
    // Rolls it down to its full height.
    void Pop();

    TNotifyEvent OnPush;
    TNotifyEvent OnPop;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;
    void Resize() override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    bool ButtonAllowed() const;
    TRect ButtonRect() const;
    // Draws the roll-up button in its current look onto the canvas.
    void PaintButton(TCanvas* Canvas);
    // Moves the real height a step at a time towards Target, letting messages through
    // between steps; stops where the height no longer moves. False when the panel was
    // freed meanwhile.
    bool Animate(int Target, int Step);

    TColor m_borderColor = 0;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    std::unique_ptr<TBitmap> m_title;
    bool m_showButton = true;
    bool m_mouseOnButton = false;
    bool m_expanded = true;
    int m_fullHeight = 100;
    bool m_animating = false;
    bool m_settingFileTheme = false;
    TColor m_captionFontColor = 0;
};
