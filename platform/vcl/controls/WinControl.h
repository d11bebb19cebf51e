#pragma once
// TWinControl: a control with a window of its own. It holds child controls, creates its
// window from CreateParams when first needed, routes mouse messages to its graphic
// children, paints them after itself, keeps the Tab order, and offers dialog keys and
// accelerator characters to every child in turn until one takes them.
#include <string>
#include <vector>

#include "platform/vcl/controls/Control.h"
#include "platform/win/Message.h"
#include "platform/win/Window.h"

// What CreateWnd makes the window from; CreateParams fills it in and descendants adjust it.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    std::string WinClassName;
    WNDCLASS WindowClass;
};

// Where an exception that escapes a message handler goes: the application installs its
// HandleException here. Without one the exception propagates to the caller.
using TControlExceptionHandler = void (*)(TObject* Sender);
void SetControlExceptionHandler(TControlExceptionHandler Handler);

class TWinControl : public TControl {
    QV_DECLARE_CLASS(TWinControl, TControl)

    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The window, created (with those of the parents) on first use.
    HWND Handle();
    HWND GetHandle() { return Handle(); }
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again from CreateParams, keeping the children and
    // the window's region. It sends CM_RECREATEWND, whose handling does the work.
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The visible, enabled graphic or windowed child under the point (client coordinates),
    // the topmost first; null when there is none.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled = false,
                           bool AllowWinControls = false) const;

    int GetTabOrder() const;
    void SetTabOrder(int Value);
    bool GetTabStop() const { return m_tabStop; }
    void SetTabStop(bool Value);
    // The windowed descendants in Tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The next (or previous) control after CurControl that can take the focus, wrapping
    // round; CheckTabStop skips those without TabStop.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    virtual bool CanFocus() const;
    virtual void SetFocus();
    virtual bool Focused() const;
    // Paints the control and its children into DC at (X, Y), as it would on the screen.
    void PaintTo(HDC DC, int X, int Y);

    TRect GetClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Arranges the aligned children; nothing happens while alignment is disabled.
    void Realign();
    void DisableAlign() { ++m_alignLevel; }
    void EnableAlign();
    void SetText(const std::string& Value) override;

    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    // The child controls that Root owns, in Z-order, as a description nests them.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // The control whose window this is, or null.
    static TWinControl* FindControl(HWND Handle);

protected:
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    // ControlParentSettings.cpp: a change of the control's own settings reaches the
    // children that follow it.
    void CMShowHintChanged(TMessage& Message) override;
    void CMBiDiModeChanged(TMessage& Message) override;
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    virtual void DestroyWnd();
    virtual void DestroyHandle();
    void CreateHandle();
    // The client area children are aligned in; panels take their borders off it.
    virtual void AdjustClientRect(TRect& Rect) const;
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // The window procedure's WM_PAINT: the control itself, then its graphic children.
    virtual void PaintWindow(HDC DC);
    void PaintControls(HDC DC, TControl* First);
    void PaintHandler(TMessage& Message);

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();

    // Shows or hides the window as Visible says.
    virtual void UpdateShowing();
    virtual void CMRecreateWnd(TMessage& Message);
    virtual void WMPaint(TMessage& Message);
    virtual void WMEraseBkgnd(TMessage& Message);
    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    virtual void WMSetCursor(TMessage& Message);
    virtual void WMKeyDown(TMessage& Message);
    virtual void WMKeyUp(TMessage& Message);
    virtual void WMChar(TMessage& Message);
    virtual void WMSysChar(TMessage& Message);
    // A form that sees keys before its controls (KeyPreview) answers true.
    virtual bool WantsKeyPreview() const { return false; }

    void CMDialogChar(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void Loaded() override;
    void RequestAlign() override;

    // Sends the message to every child, in order, until one answers it.
    void Broadcast(TMessage& Message);
    void NotifyControls(UINT Msg);
    // The topmost windowed parent: the form, whose CM_DIALOGKEY and CM_DIALOGCHAR decide.
    TWinControl* TopParent();

    // The window procedure's WM_SIZE and WM_MOVE: the fields follow the window.
    void UpdateBoundsFromWindow();

    HWND m_handle = nullptr;
    WNDPROC m_defWndProc = DefWindowProc;

private:
    friend class TControl;
    static LRESULT StandardWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool RouteMouseToChild(TMessage& Message);
    void AlignList(TAlign Align, TRect& Rect);
    // ControlAnchors.cpp: moves the controls anchored to other sides than left and top.
    void ArrangeAnchoredControls();

    std::vector<TControl*> m_controls;
    std::vector<TWinControl*> m_tabList;
    // The tab order a form description gave, applied once all the siblings are read.
    int m_readTabOrder = -1;
    bool m_tabStop = false;
    int m_alignLevel = 0;
    bool m_aligning = false;
    bool m_realignPending = false;
    bool m_settingBounds = false;
};
