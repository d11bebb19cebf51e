#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <climits>

#include "platform/vcl/actions/ControlActionLink.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/win/Windows.h"

namespace {

constexpr const char* kControlProp = "QvVclControl";
TWinControl* g_creating = nullptr;
TControlExceptionHandler g_exceptionHandler = nullptr;

}  // namespace

void SetControlExceptionHandler(TControlExceptionHandler Handler) {
    g_exceptionHandler = Handler;
}

const TClassInfo& TWinControl::StaticClassInfo() {
    using C = TWinControl;
    static const TClassInfo info = TClassBuilder<C>("TWinControl")
                                       .Integer("TabOrder", &C::GetTabOrder, &C::SetTabOrder)
                                       .Stored([](C& c) { return c.GetTabOrder() >= 0; })
                                       .Boolean("TabStop", &C::GetTabStop, &C::SetTabStop, false)
                                       .Event("OnEnter", &C::OnEnter)
                                       .Event("OnExit", &C::OnExit)
                                       .Event("OnKeyDown", &C::OnKeyDown)
                                       .Event("OnKeyPress", &C::OnKeyPress)
                                       .Event("OnKeyUp", &C::OnKeyUp)
                                       .Build();
    return info;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Child controls go with their parent, as in the VCL, whoever owns them.
    while (!m_controls.empty()) delete m_controls.back();
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND Handle) {
    if (!Handle) return nullptr;
    return reinterpret_cast<TWinControl*>(GetProp(Handle, kControlProp));
}

LRESULT TWinControl::StandardWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(hwnd);
    if (!control) {
        if (!g_creating) return DefWindowProc(hwnd, msg, wParam, lParam);
        control = g_creating;
        g_creating = nullptr;
        control->m_handle = hwnd;
        SetProp(hwnd, kControlProp, reinterpret_cast<LONG_PTR>(control));
    }
    TMessage message{msg, wParam, lParam, 0};
    // A copy: the handler may free the control, and with it WindowProc.
    const TWndMethod proc = control->WindowProc;
    if (g_exceptionHandler) {
        try {
            proc(message);
        } catch (const Exception&) {
            g_exceptionHandler(control);
        }
    } else {
        proc(message);
    }
    if (msg == WM_NCDESTROY) {
        RemoveProp(hwnd, kControlProp);
        if (control->m_handle == hwnd) control->m_handle = nullptr;
    }
    return message.Result;
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return m_handle;
}

void TWinControl::HandleNeeded() {
    if (m_handle) return;
    if (GetParent()) GetParent()->HandleNeeded();
    if (!m_handle) CreateHandle();
}

void TWinControl::CreateHandle() {
    if (m_handle) return;
    CreateWnd();
    for (TControl* c : m_controls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params.Caption = GetText();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (m_controlStyle & csAcceptsControls) Params.Style |= WS_CLIPCHILDREN;
    if (GetVisible()) Params.Style |= WS_VISIBLE;
    if (!GetEnabled()) Params.Style |= WS_DISABLED;
    if (m_tabStop) Params.Style |= WS_TABSTOP;
    Params.X = GetLeft();
    Params.Y = GetTop();
    Params.Width = GetWidth();
    Params.Height = GetHeight();
    Params.WndParent = GetParent() ? GetParent()->m_handle : nullptr;
    Params.WinClassName = ClassName();
    Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.WindowClass.lpfnWndProc = DefWindowProc;
    Params.WindowClass.hbrBackground = clNone;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
    m_defWndProc = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : DefWindowProc;
    WNDCLASS existing;
    if (!GetClassInfo(params.WinClassName.c_str(), &existing)) {
        WNDCLASS windowClass = params.WindowClass;
        windowClass.lpszClassName = params.WinClassName.c_str();
        windowClass.lpfnWndProc = StandardWndProc;
        if (!RegisterClass(windowClass))
            throw EInvalidOperation("Cannot register the window class " + params.WinClassName);
    }
    CreateWindowHandle(params);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
    g_creating = this;
    HWND hwnd = CreateWindowEx(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                               Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                               Params.WndParent);
    g_creating = nullptr;
    if (!hwnd)
        throw EInvalidOperation("Error creating window for " + ClassName() + " " + GetName() +
                                " (error " + IntToStr(GetLastError()) + ")");
    if (!m_handle) {
        m_handle = hwnd;
        SetProp(hwnd, kControlProp, reinterpret_cast<LONG_PTR>(this));
    }
}

void TWinControl::DestroyWnd() {
    if (m_handle) DestroyWindow(m_handle);
    m_handle = nullptr;
}

void TWinControl::DestroyHandle() {
    if (!m_handle) return;
    DestroyWnd();
}

void TWinControl::RecreateWnd() {
    // Through a message, so that a control or a component that subclassed it can react.
    if (m_handle) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage&) {
    if (!m_handle) return;
    // The window's shape belongs to the control, not to the one window that shows it.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(m_handle, region) != ERROR;
    DestroyHandle();
    CreateHandle();
    if (shaped)
        SetWindowRgn(m_handle, region, FALSE);
    else
        DeleteObject(region);
    UpdateShowing();
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("Control index out of bounds (" + IntToStr(Index) + ")");
    return m_controls[static_cast<std::size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
    auto* windowed = dynamic_cast<TWinControl*>(AControl);
    if (AControl == this || (windowed && windowed->ContainsControl(this)))
        throw EInvalidOperation("A control cannot be its own parent");
    AControl->m_parent = this;
    m_controls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        m_tabList.push_back(w);
        if (m_handle) w->CreateHandle();
    }
    AControl->TakeParentSettings();
    if (AControl->GetAlign() != alNone) Realign();
    AControl->Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (GetCaptureControl() == AControl) SetCaptureControl(nullptr);
    if (GetMouseControl() == AControl) SetMouseControl(nullptr);
    AControl->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) w->DestroyHandle();
    // Compared as controls: a windowed child being freed is no longer a TWinControl when
    // its last destructor takes it off its parent, so a cast would miss it.
    std::erase_if(m_tabList, [AControl](TWinControl* w) { return w == AControl; });
    std::erase(m_controls, AControl);
    AControl->m_parent = nullptr;
    if (AControl->GetAlign() != alNone) Realign();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TControl* c : m_controls)
        if (c->Owner() == Root) Proc(c);
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c; c = c->GetParent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->GetVisible() || (!c->GetEnabled() && !AllowDisabled)) continue;
        if (!c->BoundsRect().Contains(Pos)) continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(Pos.x - c->GetLeft(), Pos.y - c->GetTop())))
            return c;
    }
    return nullptr;
}

int TWinControl::GetTabOrder() const {
    if (!GetParent()) return -1;
    const auto& list = GetParent()->m_tabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (ComponentState() & csLoading) m_readTabOrder = Value;
    if (!GetParent()) return;
    auto& list = GetParent()->m_tabList;
    std::erase(list, this);
    const int index = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + index, this);
}

void TWinControl::SetTabStop(bool Value) {
    if (Value == m_tabStop) return;
    m_tabStop = Value;
    if (m_handle) {
        const LONG_PTR style = GetWindowLong(m_handle, GWL_STYLE);
        SetWindowLong(m_handle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* c : m_tabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), CurControl) - list.begin());
    if (start == count) start = GoForward ? count - 1 : 0;
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = GoForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c == CurControl) continue;
        if (CheckTabStop && !c->m_tabStop) continue;
        if (CheckParent && c->GetParent() != this) continue;
        if (c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false))
        next->SetFocus();
}

bool TWinControl::CanFocus() const {
    // The form itself may still be hidden: its controls can be made active before it shows.
    for (const TControl* c = this; c->GetParent(); c = c->GetParent())
        if (!c->GetVisible() || !c->GetEnabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    const TWinControl* top = this;
    while (top->GetParent()) top = top->GetParent();
    if (!CanFocus() || !top->GetVisible() || !top->GetEnabled())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const {
    return m_handle && GetFocus() == m_handle;
}

TWinControl* TWinControl::TopParent() {
    TWinControl* top = this;
    while (top->GetParent()) top = top->GetParent();
    return top;
}

TRect TWinControl::GetClientRect() const {
    if (!m_handle) return TControl::GetClientRect();
    RECT r;
    ::GetClientRect(m_handle, &r);
    return r;
}

TPoint TWinControl::ClientOrigin() const {
    if (!m_handle) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(m_handle, &p);
    return p;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    GetConstraints()->Constrain(AWidth, AHeight);
    if (ALeft == GetLeft() && ATop == GetTop() && AWidth == GetWidth() && AHeight == GetHeight())
        return;
    const bool resized = AWidth != GetWidth() || AHeight != GetHeight();
    UpdateBoundsFields(ALeft, ATop, AWidth, AHeight);
    if (m_handle) {
        m_settingBounds = true;
        SetWindowPos(m_handle, nullptr, ALeft, ATop, AWidth, AHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_settingBounds = false;
    }
    RequestAlign();
    if (resized) {
        Realign();
        Resize();
    }
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!m_handle || m_settingBounds) return;
    RECT r;
    GetWindowRect(m_handle, &r);
    POINT topLeft{r.left, r.top};
    if (GetWindowLong(m_handle, GWL_STYLE) & WS_CHILD)
        ::ScreenToClient(GetAncestor(m_handle, GA_PARENT), &topLeft);
    const bool resized = r.Width() != GetWidth() || r.Height() != GetHeight();
    UpdateBoundsFields(topLeft.x, topLeft.y, r.Width(), r.Height());
    if (resized) {
        Realign();
        Resize();
    }
}

void TWinControl::Invalidate() {
    if (m_handle) InvalidateRect(m_handle, nullptr, !(m_controlStyle & csOpaque));
}

void TWinControl::Update() {
    if (m_handle) UpdateWindow(m_handle);
}

void TWinControl::Repaint() {
    if (!m_handle) return;
    RedrawWindow(m_handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinControl::SetText(const std::string& Value) {
    if (Value == GetText()) return;
    if (m_handle) SetWindowText(m_handle, Value.c_str());
    TControl::SetText(Value);
}

void TWinControl::Loaded() {
    inherited::Loaded();
    // A sibling read later may have been given a smaller tab order, which could not be
    // placed in full while it was read.
    std::stable_sort(m_tabList.begin(), m_tabList.end(), [](TWinControl* a, TWinControl* b) {
        const auto key = [](TWinControl* c) {
            return c->m_readTabOrder < 0 ? INT_MAX : c->m_readTabOrder;
        };
        return key(a) < key(b);
    });
    Realign();
}

void TWinControl::EnableAlign() {
    if (m_alignLevel > 0 && --m_alignLevel == 0 && m_realignPending) Realign();
}

void TWinControl::RequestAlign() {
    TControl::RequestAlign();
}

void TWinControl::Realign() {
    if (m_alignLevel > 0 || m_aligning || (ComponentState() & (csLoading | csDestroying))) {
        m_realignPending = true;
        return;
    }
    m_aligning = true;
    m_realignPending = false;
    try {
        TRect rect = GetClientRect();
        AdjustClientRect(rect);
        AlignControls(nullptr, rect);
    } catch (...) {
        m_aligning = false;
        throw;
    }
    m_aligning = false;
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) AlignList(align, Rect);
    ArrangeAnchoredControls();
}

void TWinControl::AlignList(TAlign Align, TRect& Rect) {
    std::vector<TControl*> list;
    for (TControl* c : m_controls)
        if (c->GetAlign() == Align && c->GetVisible()) list.push_back(c);
    // Controls of one alignment dock in the order of their position along it.
    std::stable_sort(list.begin(), list.end(), [Align](TControl* a, TControl* b) {
        switch (Align) {
            case alTop:
                return a->GetTop() < b->GetTop();
            case alBottom:
                return a->GetTop() + a->GetHeight() > b->GetTop() + b->GetHeight();
            case alLeft:
                return a->GetLeft() < b->GetLeft();
            case alRight:
                return a->GetLeft() + a->GetWidth() > b->GetLeft() + b->GetWidth();
            default:
                return false;
        }
    });
    for (TControl* c : list) {
        const int w = c->GetWidth();
        const int h = c->GetHeight();
        switch (Align) {
            case alTop:
                c->SetBounds(Rect.left, Rect.top, Rect.Width(), h);
                Rect.top += c->GetHeight();
                break;
            case alBottom:
                c->SetBounds(Rect.left, Rect.bottom - h, Rect.Width(), h);
                Rect.bottom -= c->GetHeight();
                break;
            case alLeft:
                c->SetBounds(Rect.left, Rect.top, w, Rect.Height());
                Rect.left += c->GetWidth();
                break;
            case alRight:
                c->SetBounds(Rect.right - w, Rect.top, w, Rect.Height());
                Rect.right -= c->GetWidth();
                break;
            default:
                c->SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
                break;
        }
    }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    HandleNeeded();
    const int saved = SaveDC(DC);
    POINT origin;
    GetViewportOrgEx(DC, &origin);
    SetViewportOrgEx(DC, origin.x + X, origin.y + Y, nullptr);
    const TRect client = GetClientRect();
    IntersectClipRect(DC, 0, 0, client.Width(), client.Height());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    for (TControl* c : m_controls) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && w->GetVisible()) w->PaintTo(DC, w->GetLeft(), w->GetTop());
    }
    RestoreDC(DC, saved);
}

void TWinControl::Broadcast(TMessage& Message) {
    const std::vector<TControl*> controls = m_controls;
    for (TControl* c : controls) {
        if (std::find(m_controls.begin(), m_controls.end(), c) == m_controls.end()) continue;
        c->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg) {
    TMessage message{Msg, 0, 0, 0};
    const std::vector<TControl*> controls = m_controls;
    for (TControl* c : controls) {
        message.Result = 0;
        c->WindowProc(message);
    }
}

std::unique_ptr<TControlActionLink> TWinControl::CreateActionLink() {
    return std::make_unique<TWinControlActionLink>(this);
}
