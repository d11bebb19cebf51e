#include "platform/vcl/controls/Form.h"

#include <algorithm>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/core/Resources.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo FormBorderStyleInfo{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo BorderIconInfo{"TBorderIcon",
                               {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo PositionInfo{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
     "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const TEnumInfo WindowStateInfo{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
const TEnumInfo FormStyleInfo{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};

const TEnumInfo TileModeInfo{"TTileMode", {"tbHorizontal", "tbVertical"}};

std::vector<TCustomForm*>& FormList() {
    static std::vector<TCustomForm*> forms;
    return forms;
}

// An MDI frame's default procedure: DefFrameProc with the frame's client window.
LRESULT FrameDefWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(hwnd));
    return DefFrameProc(hwnd, form ? form->ClientHandle() : nullptr, msg, wParam, lParam);
}

}  // namespace

const TClassInfo& TCustomForm::StaticClassInfo() {
    using C = TCustomForm;
    static const TClassInfo info =
        TClassBuilder<C>("TCustomForm")
            .Publish("Caption")
            .Publish("Width")
            .NotStored()
            .Publish("Height")
            .NotStored()
            .Reference("ActiveControl", &C::GetActiveControl, &C::SetActiveControl)
            .Set("BorderIcons", BorderIconInfo, &C::GetBorderIcons, &C::SetBorderIcons, 7)
            .Enum("BorderStyle", FormBorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle,
                  bsSizeable)
            .Integer("ClientHeight", &C::GetClientHeight, &C::SetStoredClientHeight)
            .Integer("ClientWidth", &C::GetClientWidth, &C::SetStoredClientWidth)
            .Enum("FormStyle", FormStyleInfo, &C::GetFormStyle, &C::SetFormStyle, fsNormal)
            .Boolean("KeyPreview", &C::GetKeyPreview, &C::SetKeyPreview, false)
            .Reference("Menu", &C::GetMenu, &C::SetMenu)
            .Boolean("OldCreateOrder", &C::GetOldCreateOrder, &C::SetOldCreateOrder, false)
            .Enum("Position", PositionInfo, &C::GetPosition, &C::SetPosition, poDesigned)
            .Boolean("Scaled", &C::GetScaled, &C::SetScaled, true)
            .Boolean("AutoScroll", &C::GetAutoScroll, &C::SetAutoScroll, true)
            .Enum("WindowState", WindowStateInfo, &C::GetWindowState, &C::SetWindowState, wsNormal)
            .Event("OnActivate", &C::OnActivate)
            .Event("OnClose", &C::OnClose)
            .Event("OnCloseQuery", &C::OnCloseQuery)
            .Event("OnCreate", &C::OnCreate)
            .Event("OnDeactivate", &C::OnDeactivate)
            .Event("OnDestroy", &C::OnDestroy)
            .Event("OnHide", &C::OnHide)
            .Event("OnPaint", &C::OnPaint)
            .Event("OnShow", &C::OnShow)
            .Integer("PixelsPerInch", &C::GetPixelsPerInch, &C::SetPixelsPerInch, 96)
            .Integer("TextHeight", &C::GetTextHeight, &C::SetTextHeight, 13)
            .Enum("TileMode", TileModeInfo, &C::GetTileMode, &C::SetTileMode, tbHorizontal)
            .Reference("WindowMenu", &C::GetWindowMenu, &C::SetWindowMenu)
            .Build();
    return info;
}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TForm>("TForm").Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), m_canvas(this) {
    m_controlStyle =
        csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    UpdateBoundsFields(0, 0, 320, 240);
    SetColor(clBtnFace);
    SetParentFont(false);
    GetFont()->SetName("MS Sans Serif");
    GetFont()->SetHeight(-11);
    SetVisible(false);
    FormList().push_back(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    DoDestroy();
    OrphanMDIClient();
    std::erase(FormList(), this);
    // The controls are about to go; the focus changes their windows cause on the way out
    // must not reach them through these.
    m_activeControl = nullptr;
    m_focusedControl = nullptr;
    ClearWindowMenu();
    m_canvas.FreeHandle();
}

const std::vector<TCustomForm*>& TCustomForm::Forms() {
    return FormList();
}

void TCustomForm::AfterConstruction() {
    if (ClassInfo().Name() != "TForm" && ClassInfo().Name() != "TCustomForm")
        ReadComponentResource(*this, ClassName());
    DoCreate();
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::SetStoredClientWidth(int Value) {
    if (ComponentState() & csReading) m_storedClientWidth = Value;
    SetClientWidth(Value);
}

void TCustomForm::SetStoredClientHeight(int Value) {
    if (ComponentState() & csReading) m_storedClientHeight = Value;
    SetClientHeight(Value);
}

void TCustomForm::Loaded() {
    inherited::Loaded();
    // The stored client size holds once the whole description is read, whatever the
    // controls read after it did to the frame (a skinned frame removes the caption).
    if (m_storedClientWidth >= 0) SetClientWidth(m_storedClientWidth);
    if (m_storedClientHeight >= 0) SetClientHeight(m_storedClientHeight);
    m_storedClientWidth = m_storedClientHeight = -1;
    if (m_activeControl) m_activeControl->FreeNotification(this);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (!Components(i)->HasParent()) Proc(Components(i));
    TWinControl::GetChildren(Proc, Root);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_DISABLED);
    Params.Style |= WS_CLIPCHILDREN;
    Params.WndParent = nullptr;
    Params.ExStyle = 0;
    const bool sysMenu = m_borderIcons & (1u << biSystemMenu);
    switch (m_borderStyle) {
        case bsNone:
            Params.Style |= WS_POPUP;
            break;
        case bsSingle:
            Params.Style |= WS_CAPTION | WS_BORDER;
            break;
        case bsSizeable:
            Params.Style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case bsDialog:
            Params.Style |= WS_POPUP | WS_CAPTION;
            Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case bsToolWindow:
            Params.Style |= WS_CAPTION;
            Params.ExStyle |= WS_EX_TOOLWINDOW;
            break;
        case bsSizeToolWin:
            Params.Style |= WS_CAPTION | WS_THICKFRAME;
            Params.ExStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (m_borderStyle != bsNone && sysMenu) Params.Style |= WS_SYSMENU;
    if ((m_borderStyle == bsSingle || m_borderStyle == bsSizeable) && sysMenu) {
        if (m_borderIcons & (1u << biMinimize)) Params.Style |= WS_MINIMIZEBOX;
        if (m_borderIcons & (1u << biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
    if (m_formStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (m_formStyle == fsMDIForm) Params.WindowClass.lpfnWndProc = FrameDefWndProc;
    if (m_formStyle == fsMDIChild) {
        Params.WindowClass.lpfnWndProc = DefMDIChildProc;
        TCustomForm* frame = MDIParent();
        if (!frame)
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
        Params.ExStyle |= WS_EX_MDICHILD;
        Params.WndParent = frame->ClientHandle();
    }
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (m_formStyle == fsMDIForm) CreateMDIClient();
    if (m_formStyle == fsStayOnTop)
        SetWindowPos(m_handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::DestroyWnd() {
    TWinControl::DestroyWnd();
    DestroyMDIClient();
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    // The MDI client takes what the aligned controls leave.
    if (m_clientHandle)
        MoveWindow(m_clientHandle, Rect.left, Rect.top, Rect.Width(), Rect.Height(), TRUE);
}

TRect TCustomForm::GetClientRect() const {
    if (m_handle) return TWinControl::GetClientRect();
    TCreateParams params;
    const_cast<TCustomForm*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return {0, 0, std::max(0, GetWidth() - frame.Width()),
            std::max(0, GetHeight() - frame.Height())};
}

TPoint TCustomForm::ClientOrigin() const {
    if (m_handle) return TWinControl::ClientOrigin();
    return {GetLeft(), GetTop()};
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (Value == m_borderStyle) return;
    m_borderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (Value == m_borderIcons) return;
    m_borderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (Value == m_formStyle) return;
    m_formStyle = Value;
    RecreateWnd();
}

TWindowState TCustomForm::GetWindowState() const {
    if (m_handle && IsWindowVisible(m_handle)) {
        if (IsZoomed(m_handle)) return wsMaximized;
        if (IsIconic(m_handle)) return wsMinimized;
        return wsNormal;
    }
    return m_windowState;
}

void TCustomForm::SetWindowState(TWindowState Value) {
    m_windowState = Value;
    if (!m_handle || !IsWindowVisible(m_handle)) return;
    static const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(m_handle, commands[Value]);
}

void TCustomForm::SetActiveControl(TWinControl* Value) {
    if (Value == m_activeControl) return;
    if (Value && (Value == this || GetParentForm(Value) != this ||
                  (!(ComponentState() & csLoading) && !Value->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (m_activeControl) m_activeControl->RemoveFreeNotification(this);
    m_activeControl = Value;
    if (Value) Value->FreeNotification(this);
    if (!(ComponentState() & csLoading) && m_active) SetWindowFocus();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == m_activeControl) m_activeControl = nullptr;
    if (AComponent == m_focusedControl) m_focusedControl = nullptr;
    if (AComponent == m_menu) m_menu = nullptr;
    if (AComponent == m_windowMenu) m_windowMenu = nullptr;
    std::erase(m_windowMenuEntries, AComponent);
}

bool TCustomForm::CanFocus() const {
    return GetVisible() && GetEnabled();
}

void TCustomForm::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (m_formStyle == fsMDIChild && GetParent() == nullptr && HandleAllocated()) {
        // A child is made the active one by its client; the frame takes the activation.
        const HWND client = ::GetParent(m_handle);
        SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_handle), 0);
        SetActiveWindow(client);
        return;
    }
    SetActiveWindow(Handle());
}

void TCustomForm::SetWindowFocus() {
    if (!m_handle) return;
    TWinControl* target = nullptr;
    if (m_activeControl && m_activeControl->CanFocus())
        target = m_activeControl;
    else
        target = FindNextControl(nullptr, true, true, false);
    ::SetFocus(target ? target->Handle() : m_handle);
}

void TCustomForm::ApplyPosition() {
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TCustomForm* over = nullptr;
    switch (m_position) {
        case poScreenCenter:
        case poDesktopCenter:
            SetBounds(screen.left + (screen.Width() - GetWidth()) / 2,
                      screen.top + (screen.Height() - GetHeight()) / 2, GetWidth(), GetHeight());
            break;
        case poMainFormCenter:
            over = Application->MainForm();
            [[fallthrough]];
        case poOwnerFormCenter:
            if (!over) over = dynamic_cast<TCustomForm*>(Owner());
            if (over && over != this && over->HandleAllocated()) {
                RECT r;
                GetWindowRect(over->Handle(), &r);
                SetBounds(r.left + (r.Width() - GetWidth()) / 2,
                          r.top + (r.Height() - GetHeight()) / 2, GetWidth(), GetHeight());
            } else {
                SetBounds((screen.Width() - GetWidth()) / 2, (screen.Height() - GetHeight()) / 2,
                          GetWidth(), GetHeight());
            }
            break;
        case poDefault:
        case poDefaultPosOnly: {
            const int step = 22 * static_cast<int>(FormList().size() % 8);
            SetBounds(40 + step, 40 + step, GetWidth(), GetHeight());
            break;
        }
        default:
            break;
    }
}

void TCustomForm::UpdateShowing() {
    if (GetVisible()) {
        HandleNeeded();
        if (!m_positioned) {
            m_positioned = true;
            if (m_formStyle != fsMDIChild) ApplyPosition();
        }
        TComponentGuard guard(this);
        DoShow();
        if (!guard.Exists() || !GetVisible()) return;
        static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(m_handle, commands[m_windowState]);
        if (m_formStyle == fsMDIChild) BringWindowToTop(m_handle);
        m_shown = true;
        if (GetActiveWindow() == m_handle) SetWindowFocus();
        return;
    }
    if (!m_handle || !IsWindowVisible(m_handle)) return;
    TComponentGuard guard(this);
    DoHide();
    if (guard.Exists()) ShowWindow(m_handle, SW_HIDE);
}

void TCustomForm::PaintWindow(HDC DC) {
    m_canvas.SetHandle(DC);
    try {
        Paint();
    } catch (...) {
        m_canvas.SetHandle(nullptr);
        throw;
    }
    m_canvas.SetHandle(nullptr);
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_ACTIVATE:
            WMActivate(Message);
            return;
        case WM_CLOSE:
            Close();
            return;
        case WM_MDIACTIVATE:
            WMMDIActivate(Message);
            return;
        case CM_RELEASE:
            delete this;
            return;
        default:
            TWinControl::WndProc(Message);
            return;
    }
}

void TCustomForm::WMActivate(TMessage& Message) {
    DefaultHandler(Message);
    if (LOWORD(Message.WParam) != WA_INACTIVE) {
        m_active = true;
        SetWindowFocus();
        Activate();
    } else {
        m_active = false;
        Deactivate();
    }
}

void TCustomForm::WMMDIActivate(TMessage& Message) {
    DefaultHandler(Message);
    if (m_formStyle != fsMDIChild || !m_handle) return;
    // An MDI child is active while its client says so; the frame keeps the keyboard.
    if (reinterpret_cast<HWND>(Message.LParam) == m_handle && !m_active) {
        m_active = true;
        Activate();
    } else if (reinterpret_cast<HWND>(Message.WParam) == m_handle &&
               reinterpret_cast<HWND>(Message.LParam) != m_handle && m_active) {
        m_active = false;
        Deactivate();
    }
}

void TCustomForm::WMSize(TMessage& Message) {
    if (Message.WParam == SIZE_MAXIMIZED) m_windowState = wsMaximized;
    if (Message.WParam == SIZE_MINIMIZED) m_windowState = wsMinimized;
    if (Message.WParam == SIZE_RESTORED) m_windowState = wsNormal;
    TWinControl::WMSize(Message);
    Realign();
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::CMFocusChanged(TMessage& Message) {
    auto* control = reinterpret_cast<TWinControl*>(Message.LParam);
    if (control && control != this && ContainsControl(control)) {
        // The active control follows the focus at once: an exit handler may ask where the
        // focus is going.
        if (m_activeControl != control) {
            if (m_activeControl) m_activeControl->RemoveFreeNotification(this);
            m_activeControl = control;
            control->FreeNotification(this);
        }
        if (control != m_focusedControl && !MoveFocusedControl(control)) return;
    }
    TWinControl::CMFocusChanged(Message);
}

bool TCustomForm::MoveFocusedControl(TWinControl* Control) {
    TComponentGuard guard(Control);
    if (TWinControl* old = m_focusedControl) {
        // The control left keeps counting as focused while it exits. An exit that refuses to
        // let go puts the focus back on itself (or moves it elsewhere): that move has already
        // been reported, and this one is over without entering Control.
        HWND focus = GetFocus();
        old->Perform(CM_EXIT);
        if (!guard.Exists() || GetFocus() != focus) return false;
        if (m_focusedControl) m_focusedControl->RemoveFreeNotification(this);
    }
    m_focusedControl = Control;
    Control->FreeNotification(this);
    Control->Perform(CM_ENTER);
    return guard.Exists();
}

void TCustomForm::CMDialogKey(TMessage& Message) {
    const bool alt = GetKeyState(VK_MENU) & 0x8000;
    if (!alt) {
        switch (Message.WParam) {
            case VK_TAB:
                if (GetKeyState(VK_CONTROL) & 0x8000) break;
                SelectNext(m_activeControl, !(GetKeyState(VK_SHIFT) & 0x8000), true);
                Message.Result = 1;
                return;
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN:
                if (m_activeControl && m_activeControl->GetParent()) {
                    m_activeControl->GetParent()->SelectNext(
                        m_activeControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                        false);
                    Message.Result = 1;
                }
                return;
            default:
                break;
        }
    }
    TWinControl::CMDialogKey(Message);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (m_formStyle == fsMDIForm)
        for (int i = 0; i < MDIChildCount(); ++i)
            if (!MDIChildren(i)->CloseQuery()) return false;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = m_formStyle == fsMDIChild ? caMinimize : caHide;
    TComponentGuard guard(this);
    DoClose(action);
    if (!guard.Exists() || action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
        case caHide:
            Hide();
            break;
        case caMinimize:
            SetWindowState(wsMinimized);
            break;
        default:
            Release();
            break;
    }
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) m_modalResult = mrNone;
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE);
}

TModalResult TCustomForm::ShowModal() {
    if (GetVisible() || !GetEnabled() || m_modal || m_formStyle == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    // Once the program is told to end, a modal form answers Cancel without waiting for a user.
    if (Application->Terminated()) return mrCancel;
    if (GetCapture()) SendMessage(GetCapture(), WM_CANCELMODE);
    ReleaseCapture();
    const HWND activeBefore = GetActiveWindow();
    std::vector<HWND> disabled;
    for (TCustomForm* f : FormList())
        if (f != this && f->m_handle && IsWindowVisible(f->m_handle) &&
            IsWindowEnabled(f->m_handle)) {
            EnableWindow(f->m_handle, FALSE);
            disabled.push_back(f->m_handle);
        }
    // While it is up, a modal form belongs to the window it was opened from, so that the
    // desktop keeps it above that window and out of its list of windows. The owner is given
    // back afterwards: an owner's destruction takes its owned windows with it.
    const HWND handle = Handle();
    const HWND ownerBefore = GetWindow(handle, GW_OWNER);
    if (!ownerBefore && activeBefore && activeBefore != handle && IsWindowVisible(activeBefore))
        SetWindowLong(handle, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(activeBefore));
    const auto restore = [&] {
        for (HWND h : disabled)
            if (IsWindow(h)) EnableWindow(h, TRUE);
        if (activeBefore && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
        if (IsWindow(handle) && GetWindow(handle, GW_OWNER) != ownerBefore)
            SetWindowLong(handle, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerBefore));
    };
    m_modal = true;
    m_modalResult = mrNone;
    TComponentGuard guard(this);
    try {
        Show();
        for (;;) {
            Application->HandleMessage();
            if (!guard.Exists())
                throw EInvalidOperation("A modal form was freed while it was shown");
            if (Application->Terminated()) m_modalResult = mrCancel;
            if (m_modalResult == mrNone) continue;
            CloseModal();
            if (m_modalResult != mrNone) break;
        }
    } catch (...) {
        if (guard.Exists()) {
            m_modal = false;
            Hide();
        }
        restore();
        throw;
    }
    const TModalResult result = m_modalResult;
    m_modal = false;
    Hide();
    restore();
    return result;
}

TCustomForm* GetParentForm(TControl* Control) {
    if (!Control) return nullptr;
    while (Control->GetParent()) Control = Control->GetParent();
    return dynamic_cast<TCustomForm*>(Control);
}
