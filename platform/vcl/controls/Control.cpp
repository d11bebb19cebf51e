#include "platform/vcl/controls/Control.h"

#include <algorithm>

#include "platform/vcl/actions/ControlActionLink.h"
#include "platform/vcl/actions/CustomAction.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/TypInfo.h"
#include "platform/vcl/controls/ContextMenu.h"
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/Windows.h"

namespace {

const TEnumInfo AlignInfo{
    "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};

const TEnumInfo BiDiModeInfo{"TBiDiMode",
                             {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                              "bdRightToLeftReadingOnly"}};

const TEnumInfo AnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};

const TIdentMap CursorIdents{
    {crDefault, "crDefault"}, {crNone, "crNone"},
    {crArrow, "crArrow"},     {crCross, "crCross"},
    {crIBeam, "crIBeam"},     {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},   {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},   {crHourGlass, "crHourGlass"},
    {crNo, "crNo"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

// A property the action link passes on is not stored: the action gives it.
template <bool (TActionLink::*Linked)() const>
bool NotFromAction(TControl& c) {
    return !c.ActionLink() || !(c.ActionLink()->*Linked)();
}

TControl* g_captureControl = nullptr;
TControl* g_mouseControl = nullptr;

}  // namespace

const TClassInfo& TControl::StaticClassInfo() {
    using C = TControl;
    static const TClassInfo info =
        TClassBuilder<C>("TControl")
            .Reference("Action", &C::GetAction, &C::SetAction)
            .Integer("Left", &C::GetLeft, &C::SetLeft)
            .Integer("Top", &C::GetTop, &C::SetTop)
            .Integer("Width", &C::GetWidth, &C::SetWidth)
            .Integer("Height", &C::GetHeight, &C::SetHeight)
            .Enum("Align", AlignInfo, &C::GetAlign, &C::SetAlign, alNone)
            .Set("Anchors", AnchorKindInfo, &C::GetAnchors, &C::SetAnchors, kDefaultAnchors)
            .Boolean("AutoSize", &C::GetAutoSize, &C::SetAutoSize, false)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Stored([](C& c) {
                return !c.GetCaption().empty() && NotFromAction<&TActionLink::IsCaptionLinked>(c);
            })
            .Hidden()
            .String("Text", &C::GetText, &C::SetText)
            .Stored([](C& c) {
                return !c.GetText().empty() && NotFromAction<&TActionLink::IsCaptionLinked>(c);
            })
            .Hidden()
            .Color("Color", &C::GetColor, &C::SetColor)
            .Stored([](C& c) { return !c.GetParentColor(); })
            .Persistent("Constraints", [](C& c) { return c.GetConstraints(); })
            .Integer("Cursor", &C::GetCursor, &C::SetCursor, crDefault, &CursorIdents)
            .Boolean("Enabled", &C::GetEnabled, &C::SetEnabled, true)
            .Stored(NotFromAction<&TActionLink::IsEnabledLinked>)
            .Persistent("Font", [](C& c) { return c.GetFont(); })
            .Stored([](C& c) { return !c.GetParentFont(); })
            .Boolean("ParentColor", &C::GetParentColor, &C::SetParentColor, std::nullopt)
            .Stored([](C& c) { return !c.GetParentColor(); })
            .Boolean("ParentFont", &C::GetParentFont, &C::SetParentFont, true)
            .Enum("BiDiMode", BiDiModeInfo, &C::GetBiDiMode, &C::SetBiDiMode, bdLeftToRight)
            .Stored([](C& c) { return !c.GetParentBiDiMode(); })
            .Boolean("ParentBiDiMode", &C::GetParentBiDiMode, &C::SetParentBiDiMode, true)
            .Stored([](C& c) {
                return !c.GetParentBiDiMode() && c.GetBiDiMode() == bdLeftToRight;
            })
            .Boolean("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint, true)
            .Stored([](C& c) { return !c.GetParentShowHint() && !c.GetShowHint(); })
            .Boolean("ShowHint", &C::GetShowHint, &C::SetShowHint, false)
            .Stored([](C& c) { return !c.GetParentShowHint(); })
            .String("Hint", &C::GetHint, &C::SetHint)
            .Stored([](C& c) {
                return !c.GetHint().empty() && NotFromAction<&TActionLink::IsHintLinked>(c);
            })
            .Reference("PopupMenu", &C::GetPopupMenu, &C::SetPopupMenu)
            .Boolean("Visible", &C::GetVisible, &C::SetVisible, true)
            .Stored(NotFromAction<&TActionLink::IsVisibleLinked>)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseLeave", &C::OnMouseLeave)
            .Event("OnResize", &C::OnResize)
            .Build();
    return info;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    m_font.OnChange = [this](TObject* s) { FontChanged(s); };
    m_constraints.OnChange = [this](TObject* s) { ConstraintsChanged(s); };
}

TControl::~TControl() {
    if (g_captureControl == this) g_captureControl = nullptr;
    if (g_mouseControl == this) g_mouseControl = nullptr;
    ForgetHintControl(this);
    if (m_parent) m_parent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == m_parent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (m_parent) m_parent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
    UpdateAnchorRules();
}

TComponent* TControl::GetParentComponent() const {
    return m_parent;
}

void TControl::SetParentComponent(TComponent* Value) {
    auto* parent = dynamic_cast<TWinControl*>(Value);
    if (Value && !parent)
        throw EInvalidOperation("expected a windowed control to hold " + GetName() + ", found a " +
                                Value->ClassName());
    SetParent(parent);
}

void TControl::SetName(const std::string& NewName) {
    const std::string old = GetName();
    // A caption that still shows the name follows it, except while a description is read.
    const bool follow = (m_controlStyle & csSetCaption) && !(ComponentState() & csLoading) &&
                        old == GetText() && !(Owner() && (Owner()->ComponentState() & csLoading));
    inherited::SetName(NewName);
    if (follow) SetText(NewName);
}

void TControl::UpdateBoundsFields(int ALeft, int ATop, int AWidth, int AHeight) {
    m_left = ALeft;
    m_top = ATop;
    m_width = AWidth;
    m_height = AHeight;
    // A place the program or the user gives the control is the one its anchors keep.
    if (!m_anchorPlacing) UpdateAnchorRules();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    m_constraints.Constrain(AWidth, AHeight);
    if (ALeft == m_left && ATop == m_top && AWidth == m_width && AHeight == m_height) return;
    const bool resized = AWidth != m_width || AHeight != m_height;
    // What the control leaves behind shows the parent's background again.
    InvalidateControl(true);
    UpdateBoundsFields(ALeft, ATop, AWidth, AHeight);
    Invalidate();
    RequestAlign();
    if (resized) Resize();
}

TRect TControl::GetClientRect() const {
    return {0, 0, m_width, m_height};
}

void TControl::SetClientWidth(int Value) {
    SetWidth(m_width - GetClientWidth() + Value);
}

void TControl::SetClientHeight(int Value) {
    SetHeight(m_height - GetClientHeight() + Value);
}

TPoint TControl::ClientOrigin() const {
    if (!m_parent) throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
    const TPoint origin = m_parent->ClientOrigin();
    return {origin.x + m_left, origin.y + m_top};
}

TPoint TControl::ClientToScreen(TPoint Point) const {
    const TPoint origin = ClientOrigin();
    return {Point.x + origin.x, Point.y + origin.y};
}

TPoint TControl::ScreenToClient(TPoint Point) const {
    const TPoint origin = ClientOrigin();
    return {Point.x - origin.x, Point.y - origin.y};
}

void TControl::SetAlign(TAlign Value) {
    if (Value == m_align) return;
    m_align = Value;
    RequestAlign();
}

void TControl::SetAutoSize(bool Value) {
    if (Value == m_autoSize) return;
    m_autoSize = Value;
    if (Value) AdjustSize();
}

void TControl::RequestAlign() {
    if (m_parent && (m_align != alNone || m_parent->m_realignPending)) m_parent->Realign();
}

void TControl::SetVisible(bool Value) {
    if (Value == m_visible) return;
    VisibleChanging();
    InvalidateControl(true);
    m_visible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    if (m_parent && m_align != alNone) m_parent->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->m_parent)
        if (!c->m_visible) return false;
    return true;
}

void TControl::SetEnabled(bool Value) {
    if (Value == m_enabled) return;
    m_enabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
    if (Value == m_color && !m_parentColor) return;
    m_color = Value;
    m_parentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (Value == m_parentColor) return;
    m_parentColor = Value;
    if (Value && m_parent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value) {
    if (Value == m_parentFont) return;
    m_parentFont = Value;
    if (Value && m_parent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged(TObject*) {
    if (!m_copyingParentFont) m_parentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::ConstraintsChanged(TObject*) {
    int w = m_width;
    int h = m_height;
    m_constraints.Constrain(w, h);
    if (w != m_width || h != m_height) SetBounds(m_left, m_top, w, h);
}

void TControl::SetText(const std::string& Value) {
    if (Value == m_text) return;
    m_text = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
    if (Value == m_cursor) return;
    m_cursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TComponent* Value) {
    if (Value == m_popupMenu) return;
    if (m_popupMenu) m_popupMenu->RemoveFreeNotification(this);
    m_popupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_popupMenu) m_popupMenu = nullptr;
    if (Operation == opRemove && AComponent && AComponent == GetAction()) SetAction(nullptr);
}

void TControl::Loaded() {
    inherited::Loaded();
    // Loading is over for this control once it hears so, as the VCL's TComponent has it.
    SetComponentStateFlag(csLoading, false);
    UpdateAnchorRules();
    TakeParentSettings();
    if (m_autoSize) AdjustSize();
    if (TBasicAction* action = GetAction()) ActionChange(action, true);
}

void TControl::Invalidate() {
    InvalidateControl(!(m_controlStyle & csOpaque));
}

void TControl::InvalidateControl(bool Erase) {
    if (!m_parent || !m_parent->HandleAllocated() || !m_visible) return;
    const TRect r = BoundsRect();
    InvalidateRect(m_parent->m_handle, &r, Erase);
}

void TControl::Update() {
    if (m_parent) m_parent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (!m_parent) return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    list.push_back(this);
    Invalidate();
}

void TControl::SendToBack() {
    if (!m_parent) return;
    auto& list = m_parent->m_controls;
    std::erase(list, this);
    list.insert(list.begin(), this);
    Invalidate();
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            HandleMouseMessage(Message);
            break;
        case WM_CANCELMODE:
            // A press whose release went elsewhere (a move loop took it) is no click.
            m_clicking = false;
            DefaultHandler(Message);
            break;
        case CM_MOUSEENTER:
            CMMouseEnter(Message);
            break;
        case CM_MOUSELEAVE:
            CMMouseLeave(Message);
            break;
        case CM_ENABLEDCHANGED:
            CMEnabledChanged(Message);
            break;
        case CM_VISIBLECHANGED:
            CMVisibleChanged(Message);
            break;
        case CM_TEXTCHANGED:
            CMTextChanged(Message);
            break;
        case CM_FONTCHANGED:
            CMFontChanged(Message);
            break;
        case CM_COLORCHANGED:
            CMColorChanged(Message);
            break;
        case CM_PARENTFONTCHANGED:
            CMParentFontChanged(Message);
            break;
        case CM_PARENTCOLORCHANGED:
            CMParentColorChanged(Message);
            break;
        case CM_SHOWHINTCHANGED:
            CMShowHintChanged(Message);
            break;
        case CM_PARENTSHOWHINTCHANGED:
            CMParentShowHintChanged(Message);
            break;
        case CM_BIDIMODECHANGED:
            CMBiDiModeChanged(Message);
            break;
        case CM_PARENTBIDIMODECHANGED:
            CMParentBiDiModeChanged(Message);
            break;
        case CM_DIALOGCHAR:
            CMDialogChar(Message);
            break;
        case CM_DIALOGKEY:
            CMDialogKey(Message);
            break;
        case CM_FOCUSCHANGED:
            CMFocusChanged(Message);
            break;
        case CM_HITTEST:
            CMHitTest(Message);
            break;
        case WM_CONTEXTMENU:
            WMContextMenu(Message);
            break;
        default:
            DefaultHandler(Message);
            break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouseMessage(TMessage& Message) {
    const int x = GET_X_LPARAM(Message.LParam);
    const int y = GET_Y_LPARAM(Message.LParam);
    TShiftState shift = MouseShiftState(Message.WParam);
    TMouseButton button = mbLeft;
    switch (Message.Msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            button = mbRight;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            button = mbMiddle;
            break;
        default:
            break;
    }
    switch (Message.Msg) {
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            if (m_controlStyle & csDoubleClicks) {
                shift |= ssDouble;
                if (button == mbLeft) DblClick();
            }
            [[fallthrough]];
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // Only the left button captures the mouse, as in the VCL: a right click's popup
            // menu must find the mouse free.
            if (button == mbLeft && (m_controlStyle & csCaptureMouse)) SetMouseCapture(true);
            if (button == mbLeft && (m_controlStyle & csClickEvents)) m_clicking = true;
            MouseDown(button, shift, x, y);
            break;
        default: {  // button up
            if (button == mbLeft && (m_controlStyle & csCaptureMouse)) SetMouseCapture(false);
            const bool click = button == mbLeft && m_clicking;
            if (button == mbLeft) m_clicking = false;
            TComponentGuard guard(this);
            if (click && GetClientRect().Contains({x, y})) {
                Click();
                if (!guard.Exists()) return;
            }
            MouseUp(button, shift, x, y);
            // A right click asks for the context menu once the button is up.
            if (button == mbRight && guard.Exists()) {
                const TPoint screen = ClientToScreen({x, y});
                Perform(WM_CONTEXTMENU, 0, MAKELPARAM(screen.x, screen.y));
            }
            break;
        }
    }
}

void TControl::WMContextMenu(TMessage& Message) {
    TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (pos.x == -1 && pos.y == -1) pos = ClientToScreen({0, 0});
    auto* menu = dynamic_cast<IContextMenu*>(m_popupMenu);
    if (menu && menu->PopupFor(this, pos.x, pos.y)) {
        Message.Result = 1;
        return;
    }
    if (m_parent)
        Message.Result = m_parent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
}

bool TControl::MouseCapture() const {
    // A windowed control holds the window manager's capture itself; only graphic controls
    // are remembered here, since their parent's window holds it for them.
    if (auto* win = dynamic_cast<TWinControl*>(const_cast<TControl*>(this)))
        return win->HandleAllocated() && GetCapture() == win->Handle();
    return g_captureControl == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (Value == MouseCapture()) return;
    SetCaptureControl(Value ? this : nullptr);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
    else if (m_actionLink && !(ComponentState() & csDesigning))
        m_actionLink->Execute(this);
}

TBasicAction* TControl::GetAction() const {
    return m_actionLink ? m_actionLink->GetAction() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    if (Value == GetAction()) return;
    if (!Value) {
        if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
        m_actionLink.reset();
        return;
    }
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    if (!m_actionLink) {
        m_actionLink = CreateActionLink();
        // While a description is read, the values it stores stay.
        m_actionLink->OnChange = [this](TObject* Sender) {
            ActionChange(Sender, ComponentState() & csLoading);
        };
    }
    m_actionLink->SetAction(Value);
    Value->FreeNotification(this);
    ActionChange(Value, (ComponentState() & csLoading) || (Value->ComponentState() & csLoading));
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || GetCaption().empty() || GetCaption() == GetName())
        SetCaption(action->GetCaption());
    if (!CheckDefaults || GetEnabled()) SetEnabled(action->GetEnabled());
    if (!CheckDefaults || GetHint().empty()) SetHint(action->GetHint());
    if (!CheckDefaults || GetVisible()) SetVisible(action->GetVisible());
}

bool TControl::ExecuteAction(TBasicAction* Action) {
    if (!Action->HandlesTarget(this)) return false;
    Action->ExecuteTarget(this);
    return true;
}

bool TControl::UpdateAction(TBasicAction* Action) {
    if (!Action->HandlesTarget(this)) return false;
    Action->UpdateTarget(this);
    return true;
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::CMMouseEnter(TMessage&) {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&) {
    Invalidate();
}

void TControl::CMTextChanged(TMessage&) {
    AdjustSize();
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    AdjustSize();
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage&) {
    if (!m_parentFont || !m_parent) return;
    m_copyingParentFont = true;
    try {
        m_font.Assign(m_parent->GetFont());
    } catch (...) {
        m_copyingParentFont = false;
        throw;
    }
    m_copyingParentFont = false;
}

void TControl::CMParentColorChanged(TMessage&) {
    if (!m_parentColor || !m_parent) return;
    m_color = m_parent->GetColor();
    Perform(CM_COLORCHANGED);
}

void TControl::CMDialogChar(TMessage&) {}

void TControl::CMDialogKey(TMessage&) {}

void TControl::CMFocusChanged(TMessage&) {}

void TControl::CMHitTest(TMessage& Message) {
    Message.Result = HTCLIENT;
}

TControl* GetCaptureControl() {
    return g_captureControl;
}

void SetCaptureControl(TControl* Control) {
    g_captureControl = nullptr;
    if (!Control) {
        ReleaseCapture();
        return;
    }
    if (auto* win = dynamic_cast<TWinControl*>(Control)) {
        SetCapture(win->Handle());
        return;
    }
    if (Control->GetParent() && Control->GetParent()->HandleAllocated()) {
        g_captureControl = Control;
        SetCapture(Control->GetParent()->Handle());
    }
}

TControl* GetMouseControl() {
    return g_mouseControl;
}

void SetMouseControl(TControl* Control) {
    if (Control == g_mouseControl) return;
    TControl* old = g_mouseControl;
    g_mouseControl = Control;
    if (old) {
        TComponentGuard guard(Control);
        old->Perform(CM_MOUSELEAVE);
        if (Control && !guard.Exists()) return;
    }
    if (Control && g_mouseControl == Control) Control->Perform(CM_MOUSEENTER);
    if (g_mouseControl == Control) HintMouseControlChanged(Control);
}
