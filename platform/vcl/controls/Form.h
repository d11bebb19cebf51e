#pragma once
// TCustomForm and TForm: a top-level window with a border style, a position on the screen,
// a window state, an active control that Tab and Shift+Tab move on from, modal display with
// a modal result, closing with OnCloseQuery and OnClose, and MDI frames and children.
#include <memory>
#include <vector>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = unsigned;  // bit n for TBorderIcon n
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TTileMode { tbHorizontal, tbVertical };
class TMainMenu;
class TMenuItem;
using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
// Asked first about every key that could be a shortcut of the form; Handled stops it.
using TShortCutEvent = TEvent<void(TMessage& Msg, bool& Handled)>;

class TCustomForm : public TWinControl {
    QV_DECLARE_CLASS(TCustomForm, TWinControl)

    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Creates a form of class T and runs AfterConstruction on it, as the VCL's constructor
    // does: the description resource named after the class is read, then OnCreate runs.
    template <class T>
    static T* Create(TComponent* AOwner) {
        T* form = new T(AOwner);
        try {
            form->AfterConstruction();
        } catch (...) {
            delete form;
            throw;
        }
        return form;
    }
    // Reads the form's description resource (named after its class) when there is one,
    // then calls OnCreate.
    void AfterConstruction() override;

    TFormBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons GetBorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition GetPosition() const { return m_position; }
    void SetPosition(TPosition Value) { m_position = Value; }
    TWindowState GetWindowState() const;
    void SetWindowState(TWindowState Value);
    TFormStyle GetFormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle Value);
    TWinControl* GetActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* Value);
    bool GetKeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool Value) { m_keyPreview = Value; }
    bool GetScaled() const { return m_scaled; }
    void SetScaled(bool Value) { m_scaled = Value; }
    bool GetAutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool Value) { m_autoScroll = Value; }
    int GetPixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int Value) { m_pixelsPerInch = Value; }
    int GetTextHeight() const { return m_textHeight; }
    void SetTextHeight(int Value) { m_textHeight = Value; }
    bool GetOldCreateOrder() const { return m_oldCreateOrder; }
    void SetOldCreateOrder(bool Value) { m_oldCreateOrder = Value; }
    TCanvas* GetCanvas() { return &m_canvas; }
    // ClientWidth and ClientHeight as a description sets them: applied at once and again
    // when the description has been read.
    void SetStoredClientWidth(int Value);
    void SetStoredClientHeight(int Value);

    TModalResult GetModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult Value) { m_modalResult = Value; }
    // Shows the form and runs a message loop until ModalResult is set and the form agrees
    // to close; every other form is disabled meanwhile. Returns the modal result.
    virtual TModalResult ShowModal();
    bool Modal() const { return m_modal; }
    // Asks OnCloseQuery, then OnClose decides: hide, free, minimise or stay. Closing the
    // main form ends the application's Run.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages now queued have been handled.
    void Release();
    bool Active() const { return m_active; }

    // The form's main menu. Its shortcuts work while the form (or, for an MDI frame, one
    // of its children) has the keyboard.
    TMainMenu* GetMenu() const { return m_menu; }
    void SetMenu(TMainMenu* Value);
    // Performs the menu item, else the action of one of the form's action lists, whose
    // short cut the key message presses; false when none has.
    bool IsShortCut(const TMessage& Message);

    // MDI frames (fsMDIForm): the client window the children live in, and the children
    // through it. MDIChildren lists them front first, so the active child is entry 0.
    HWND ClientHandle() const { return m_clientHandle; }
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int Index) const;
    TCustomForm* ActiveMDIChild() const;
    TTileMode GetTileMode() const { return m_tileMode; }
    void SetTileMode(TTileMode Value) { m_tileMode = Value; }
    // The menu item under which the frame lists its children, the active one checked;
    // choosing an entry activates that child.
    TMenuItem* GetWindowMenu() const { return m_windowMenu; }
    void SetWindowMenu(TMenuItem* Value);
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();

    void SetFocus() override;
    bool CanFocus() const override;
    TRect GetClientRect() const override;
    TPoint ClientOrigin() const override;
    void WndProc(TMessage& Message) override;
    // The owned components without a parent (timers, menus), then the child controls.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    // Every form that exists, in creation order.
    static const std::vector<TCustomForm*>& Forms();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void UpdateShowing() override;
    void PaintWindow(HDC DC) override;
    virtual void Paint();
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    bool WantsKeyPreview() const override { return m_keyPreview; }
    void CMDialogKey(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    void ApplyPosition();
    void SetWindowFocus();
    // Exits the focused control and enters Control; false when the exit took the focus
    // elsewhere (so Control was not entered) or Control went away.
    bool MoveFocusedControl(TWinControl* Control);
    void CloseModal();
    void WMActivate(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void WMSize(TMessage& Message) override;
    TCustomForm* MDIParent() const;
    void CreateMDIClient();
    void DestroyMDIClient();
    // Leaves the client's window to itself before this form part is destroyed.
    void OrphanMDIClient();
    LRESULT ClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateWindowMenu();
    void ClearWindowMenu();

    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
    TPosition m_position = poDesigned;
    TWindowState m_windowState = wsNormal;
    TFormStyle m_formStyle = fsNormal;
    TWinControl* m_activeControl = nullptr;
    TWinControl* m_focusedControl = nullptr;
    bool m_keyPreview = false;
    bool m_scaled = true;
    bool m_autoScroll = true;
    int m_pixelsPerInch = 96;
    int m_textHeight = 13;
    bool m_oldCreateOrder = false;
    TModalResult m_modalResult = mrNone;
    bool m_modal = false;
    bool m_active = false;
    bool m_positioned = false;
    bool m_shown = false;
    HWND m_clientHandle = nullptr;
    WNDPROC m_clientInstance = nullptr;  // our procedure in front of the client's
    WNDPROC m_defClientProc = nullptr;
    // Shared with m_clientInstance: null once this form part is destroyed, since the
    // client's window outlives it (windows go in TWinControl's destructor).
    std::shared_ptr<TCustomForm*> m_clientOwner;
    TMainMenu* m_menu = nullptr;
    TMenuItem* m_windowMenu = nullptr;
    std::vector<TMenuItem*> m_windowMenuEntries;  // the entries this form put there
    TTileMode m_tileMode = tbHorizontal;
    int m_storedClientWidth = -1;
    int m_storedClientHeight = -1;
    TControlCanvas m_canvas;
};

class TForm : public TCustomForm {
    QV_DECLARE_CLASS(TForm, TCustomForm)

    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The form a control sits on (its topmost parent, when that is a form), or null.
TCustomForm* GetParentForm(TControl* Control);
