#pragma once
// TskCustomButton: the base of every push-style skinned button. It keeps the visual state
// (normal, hover, pressed, disabled), paints a state picture with the caption and focus mark
// off screen and copies it in one go, clicks on the mouse, Space, Enter, Escape and its
// accelerator, sets its form's modal result, and while the left button holds it fires a
// repeat notification at a fixed interval.
#include <memory>
#include <string>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/core/Event.h"

class TBitmap;
class TTimer;
class TskFileTheme;

// A container whose face a transparent push button on it must not show: the buttons
// cover it, so each paints what lies under the container instead (a record navigator, a
// tool bar). Buttons ask their parent for it, so they need not know its class.
class IskButtonContainer {
public:
    virtual bool ButtonsShowBackdrop() const = 0;

protected:
    ~IskButtonContainer() = default;
};

class TskCustomButton : public TCustomControl {
    QV_DECLARE_CLASS(TskCustomButton, TCustomControl)

    explicit TskCustomButton(TComponent* AOwner);
    ~TskCustomButton() override;

    // Sizes the button to one frame of its style's built-in button picture when set.
    void SetAutoSize(bool Value) override;
    bool GetCancel() const { return m_cancel; }
    void SetCancel(bool Value) { m_cancel = Value; }
    bool GetDefault() const { return m_default; }
    void SetDefault(bool Value);
    bool GetTransparent() const { return m_transparent; }
    void SetTransparent(bool Value);
    bool GetPicTransparent() const { return m_picTransparent; }
    void SetPicTransparent(bool Value);
    TModalResult GetModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult Value) { m_modalResult = Value; }
    virtual TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);
    int GetFocusedRectMargin() const { return m_focusedRectMargin; }
    void SetFocusedRectMargin(int Value) { m_focusedRectMargin = Value; }
    int GetMouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void SetMouseContinuouslyDownInterval(int Value) { m_repeatInterval = Value; }
    // Kept so that stored forms carrying it load: always 0, and writing it does nothing.
    unsigned GetResHandle() const { return 0; }
    void SetResHandle(unsigned) {}

    bool MouseOn() const { return m_mouseOn; }
    bool Pressed() const { return m_pressed; }
    // Whether Enter clicks this button: it has the focus, or it is the default button and
    // no push button has the focus.
    bool Active() const { return m_active; }
    // A push button with the focus takes Enter from the default button; an image or arrow
    // button with the focus leaves it there.
    virtual bool TakesEnterWhenFocused() const { return false; }
    // Whether the repeat notifications are running.
    bool Repeating() const;

    void SetEnabled(bool Value) override;
    void Click() override;

    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

protected:
    // Hooks for descendants, called after the property they are named after changed.
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    virtual void FontChanged();
    virtual void TransparentChanged();
    virtual void EnableChanged() {}
    virtual void UIStyleChanged();

    // The steps of Paint: the picture, the caption and the focus mark onto the off-screen
    // canvas, and the four state pictures.
    virtual void PaintPic(TCanvas* Canvas, TBitmap* Bitmap);
    virtual void PaintText(TCanvas* Canvas, const std::string& Text);
    virtual void PaintFocus(TCanvas* Canvas);
    virtual void PaintButtonNormal(TBitmap* Bitmap);
    virtual void PaintButtonMouseOn(TBitmap* Bitmap);
    virtual void PaintButtonMouseDown(TBitmap* Bitmap);
    virtual void PaintButtonDisabled(TBitmap* Bitmap);
    // Frame Index (from 1) of Count frames of the theme item's picture, from the file theme
    // or the built-in style as UsingFileTheme decides.
    void PaintButton(int Item, int Count, int Index, TBitmap* Bitmap);
    void Paint() override;

    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void WMKeyUp(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The platform's action update, then the control's text as the Caption.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

    // Set by PaintFocus of styles that show the focus as a bold caption; PaintText clears
    // it.
    bool m_boldCaption = false;

private:
    void StartRepeat();
    // Stops the repeat notifications and lets the button up, as when the mouse that held
    // it is gone: released elsewhere, captured away, or the button disabled or hidden.
    void CancelPress();
    void RepeatTimer(TObject* Sender);
    void SetPressed(bool Value);

    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    TModalResult m_modalResult = 0;
    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
    bool m_picTransparent = false;
    // Kept for the life of the button and only switched on and off, so that a handler of
    // its own notification may stop it.
    std::unique_ptr<TTimer> m_repeatTimer;
    int m_repeatInterval = 100;
    int m_focusedRectMargin = 2;
    bool m_active = false;
    bool m_mouseOn = false;
    bool m_pressed = false;
    // Counts the clicks made by dialog keys, so that the Enter that clicked the button
    // through its form does not press it again.
};
