#pragma once
// TControl: a visible component with bounds inside a parent windowed control, alignment,
// colour and font (optionally the parent's), a caption, mouse events and the component
// messages (CM_) that tell it about its own changes. Messages arrive through WindowProc,
// which a component can replace and later restore.
#include <memory>
#include <string>

#include "platform/vcl/core/Component.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/controls/SizeConstraints.h"

class TBasicAction;
class TControlActionLink;
class TWinControl;

class TControl : public TComponent {
    QV_DECLARE_CLASS(TControl, TComponent)

    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* GetParent() const { return m_parent; }
    virtual void SetParent(TWinControl* AParent);

    int GetLeft() const { return m_left; }
    void SetLeft(int Value) { SetBounds(Value, m_top, m_width, m_height); }
    int GetTop() const { return m_top; }
    void SetTop(int Value) { SetBounds(m_left, Value, m_width, m_height); }
    int GetWidth() const { return m_width; }
    void SetWidth(int Value) { SetBounds(m_left, m_top, Value, m_height); }
    int GetHeight() const { return m_height; }
    void SetHeight(int Value) { SetBounds(m_left, m_top, m_width, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
    void SetBoundsRect(const TRect& Rect) {
        SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
    }

    // The area children and painting use, in the control's own coordinates.
    virtual TRect GetClientRect() const;
    TRect ClientRect() const { return GetClientRect(); }
    int GetClientWidth() const { return GetClientRect().Width(); }
    void SetClientWidth(int Value);
    int GetClientHeight() const { return GetClientRect().Height(); }
    void SetClientHeight(int Value);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint Point) const;
    TPoint ScreenToClient(TPoint Point) const;

    TAlign GetAlign() const { return m_align; }
    void SetAlign(TAlign Value);
    bool GetAutoSize() const { return m_autoSize; }
    virtual void SetAutoSize(bool Value);
    // Anchored sides keep their distance to the parent's edges when the parent is resized;
    // both sides of a direction anchored stretch the control, neither keeps its centre in
    // proportion. Align takes precedence.
    TAnchors GetAnchors() const { return m_anchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* GetConstraints() { return &m_constraints; }
    void SetConstraints(const TSizeConstraints* Value) { m_constraints.Assign(Value); }

    bool GetVisible() const { return m_visible; }
    virtual void SetVisible(bool Value);
    // Visible, with every parent visible too.
    bool Showing() const;
    bool GetEnabled() const { return m_enabled; }
    virtual void SetEnabled(bool Value);
    TColor GetColor() const { return m_color; }
    void SetColor(TColor Value);
    bool GetParentColor() const { return m_parentColor; }
    void SetParentColor(bool Value);
    TFont* GetFont() { return &m_font; }
    const TFont* GetFont() const { return &m_font; }
    void SetFont(const TFont* Value) { m_font.Assign(Value); }
    bool GetParentFont() const { return m_parentFont; }
    void SetParentFont(bool Value);

    // Caption and Text are the same string, as in the VCL.
    virtual std::string GetText() const { return m_text; }
    virtual void SetText(const std::string& Value);
    std::string GetCaption() const { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }

    TCursor GetCursor() const { return m_cursor; }
    void SetCursor(TCursor Value);
    const std::string& GetHint() const { return m_hint; }
    void SetHint(const std::string& Value) { m_hint = Value; }
    // ShowHint and BiDiMode follow the parent's while ParentShowHint and ParentBiDiMode are
    // on; setting the control's own value turns the following off.
    bool GetShowHint() const { return m_showHint; }
    void SetShowHint(bool Value);
    bool GetParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool Value);
    TBiDiMode GetBiDiMode() const { return m_bidiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool GetParentBiDiMode() const { return m_parentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    // What the mode means for drawing: text aligned from the right, read from the right,
    // and the vertical scroll bar on the left.
    bool UseRightToLeftAlignment() const { return m_bidiMode == bdRightToLeft; }
    bool UseRightToLeftReading() const { return m_bidiMode != bdLeftToRight; }
    bool UseRightToLeftScrollBar() const {
        return m_bidiMode == bdRightToLeft || m_bidiMode == bdRightToLeftNoAlign;
    }
    TComponent* GetPopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TComponent* Value);
    TControlStyle ControlStyle() const { return m_controlStyle; }
    void SetControlStyle(TControlStyle Value) { m_controlStyle = Value; }

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Sends a message straight to WindowProc.
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // The message handler in use; WndProc unless a component put its own in.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    // What a message nobody handled gets: nothing for a graphic control, the window's
    // default procedure for a windowed one.
    virtual void DefaultHandler(TMessage& Message);

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void SetName(const std::string& NewName) override;

    // Clicking runs OnClick when it is set, else the action.
    virtual void Click();
    virtual void DblClick();

    // The action whose Caption, Enabled, Hint and Visible the control takes, and which a
    // click runs; a freed action leaves the control with none.
    TBasicAction* GetAction() const;
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return m_actionLink.get(); }
    // Offered an action that has no handler of its own: acts on it when the action
    // handles this control as its target.
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Resize();
    // Lets AutoSize controls fit their contents; called when what they show changes.
    virtual void AdjustSize() {}
    virtual void RequestAlign();
    virtual void VisibleChanging() {}

    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMShowHintChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    virtual void CMBiDiModeChanged(TMessage& Message);
    virtual void CMParentBiDiModeChanged(TMessage& Message);
    virtual void CMDialogChar(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message);
    virtual void CMFocusChanged(TMessage& Message);
    virtual void CMHitTest(TMessage& Message);
    // Opens PopupMenu at the point the message gives (screen coordinates; -1 for the
    // keyboard's request, which opens it at the control), or asks the parent.
    virtual void WMContextMenu(TMessage& Message);

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

    // Takes the action's properties; with CheckDefaults only those the control still has
    // at their defaults (while a description is read, its stored values stay).
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();

    // The bounds fields, for descendants that place themselves (windowed controls after a
    // move of their window).
    void UpdateBoundsFields(int ALeft, int ATop, int AWidth, int AHeight);
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    TControlStyle m_controlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

private:
    friend class TWinControl;
    void HandleMouseMessage(TMessage& Message);
    void InvalidateControl(bool Erase);
    void FontChanged(TObject* Sender);
    void ConstraintsChanged(TObject* Sender);

    TWinControl* m_parent = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    TAlign m_align = alNone;
    bool m_autoSize = false;
    bool m_visible = true;
    bool m_enabled = true;
    TColor m_color = clWindow;
    bool m_parentColor = false;
    TFont m_font;
    bool m_parentFont = true;
    bool m_copyingParentFont = false;
    std::string m_text;
    TCursor m_cursor = crDefault;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    TBiDiMode m_bidiMode = bdLeftToRight;
    bool m_parentBiDiMode = true;
    TComponent* m_popupMenu = nullptr;
    TSizeConstraints m_constraints{this};
    bool m_clicking = false;
    std::unique_ptr<TControlActionLink> m_actionLink;

    // ControlAnchors.cpp: where the control stood when it was last placed, and in how
    // large a parent, so that a resize of the parent can move it by the anchors.
    void UpdateAnchorRules();
    TRect AnchoredBounds(int ParentWidth, int ParentHeight) const;
    TAnchors m_anchors = kDefaultAnchors;
    TRect m_anchorBounds;
    int m_anchorParentWidth = 0;
    int m_anchorParentHeight = 0;
    bool m_anchorRulesValid = false;
    bool m_anchorPlacing = false;

    // ControlParentSettings.cpp: takes every setting it follows from its parent (on loading,
    // and when put into a parent).
    void TakeParentSettings();
};

// The control that has the mouse captured, when one of a windowed control's graphic
// children does; the parent's window holds the window manager's capture for it.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The control under the pointer, as CM_MOUSEENTER and CM_MOUSELEAVE last reported it.
TControl* GetMouseControl();
// Moves the pointer's control to Control, sending CM_MOUSELEAVE to the one it leaves and
// CM_MOUSEENTER to the new one.
void SetMouseControl(TControl* Control);
