#include "Source/frame/SKForm.h"

#include <algorithm>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/win/Windows.h"

#include "Source/frame/SKMainMenu.h"
#include "Source/frame/SKMenuBar.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"

namespace {

constexpr DWORD kCaptionBits = WS_CAPTION;  // WS_BORDER | WS_DLGFRAME
constexpr UINT kFrameChanged =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool IsSkinnedFrame(const TComponent* Component) {
    return Component && Component->ClassInfo().InheritsFrom("TskForm");
}

}  // namespace

const TClassInfo& TskForm::StaticClassInfo() {
    using C = TskForm;
    static const TClassInfo info =
        TClassBuilder<C>("TskForm")
            .Boolean("TitleBarCustom", &C::GetTitleBarCustom, &C::SetTitleBarCustom, false)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Boolean("UIStyleAutoUpdateSub", &C::GetUIStyleAutoUpdateSub,
                     &C::SetUIStyleAutoUpdateSub, std::nullopt)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .Integer("BorderWidth", &C::GetBorderWidth2, &C::SetBorderWidth2)
            .Boolean("TitleBarVisible", &C::GetTitleBarVisible, &C::SetTitleBarVisible, true)
            .Publish("Color")
            .Publish("Caption")
            .Reference("FormPanel", &C::GetFormPanel, &C::SetPanel)
            .Persistent("TitleBarButtons", [](C& c) { return c.GetButtons(); })
            .Persistent("TitleBarSections", [](C& c) { return c.GetSections(); })
            .Boolean("TitleBarDrawAppIcon", &C::GetDrawAppIcon, &C::SetDrawAppIcon, false)
            .Persistent("Font", [](C& c) { return c.GetTitleFont(); })
            .Reference("Menu", &C::GetMenu, &C::SetMenu)
            .Color("MenuBarColor", &C::GetMenuBarColor, &C::SetMenuBarColor)
            .Integer("MenuBarHeight", &C::GetMenuBarHeight, &C::SetMenuBarHeight)
            .Integer("RoundCorner", &C::GetRoundCorner, &C::SetRoundCorner)
            .Publish("PopupMenu")
            .String("Version", &C::GetVersion, &C::SetVersion)
            .Event("OnTitleBarCustomBtnsClick", &C::OnTitleBarCustomBtnsClick)
            .Event("OnTitleBarHelpBtnClick", &C::OnTitleBarHelpBtnClick)
            .Publish("OnMouseDown")
            .Publish("OnMouseMove")
            .Publish("OnClick")
            .Publish("OnMouseUp")
            .Build();
    return info;
}

TskForm::TskForm(TComponent* AOwner) : TCustomPanel(AOwner) {
    m_ownerForm = dynamic_cast<TCustomForm*>(AOwner);
    if (m_ownerForm) TakeOver();
}

void TskForm::TakeOver() {
    TCustomForm* form = m_ownerForm;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (form->Components(i) != this && IsSkinnedFrame(form->Components(i)))
            throw Exception("Sorry, You can create only one TskForm component in one form!");
    for (int i = 0; i < form->ControlCount(); ++i)
        if (IsSkinnedFrame(form->Controls(i)))
            throw Exception("Sorry, You can create only one TskForm component in one form!");

    m_closing = false;
    form->GetConstraints()->SetMinHeight(50);
    form->GetConstraints()->SetMinWidth(125);
    GetConstraints()->SetMinHeight(50);
    GetConstraints()->SetMinWidth(125);
    m_normalBounds = form->BoundsRect();
    m_startMaximized = form->GetWindowState() == wsMaximized;

    // The frame stands on its form from the start, so that the title bar it makes knows
    // that it is inside a skinned frame.
    SetParent(form);
    m_titleBar = new TskTitleBar(this);
    m_titleBar->SetParent(this);
    m_menuBarColor = GetColor();
    m_menuBarHeight = 22;
    SetUIStyle(DeepBlue);
    m_uiStyleAutoUpdateSub = false;
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetBorderStyle(bsNone);
    SetAlign(alClient);
    SetText(form->GetCaption());
    m_titleBar->SetVisible(true);
    m_hookedAppMessage = false;

    form->SetScaled(false);
    const TFormBorderStyle border = form->GetBorderStyle();
    if (border == bsNone || border == bsSingle || border == bsToolWindow)
        form->SetBorderStyle(bsDialog);
    ClearCaptionBits();
    form->SetAutoScroll(false);

    m_savedWndProc = form->WindowProc;
    form->WindowProc = [this](TMessage& Message) { NewParentWndProc(Message); };
    if (Application && !Application->OnMessage) {
        m_hookedAppMessage = true;
        Application->OnMessage = [this](MSG& Msg, bool& Handled) {
            OnApplicationMessage(Msg, Handled);
        };
    }
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0, kFrameChanged);
}

TskForm::~TskForm() {
    Destroying();
    Detach();
    delete m_menuBar;
    m_menuBar = nullptr;
    delete m_titleBar;
    m_titleBar = nullptr;
}

bool TskForm::ClearCaptionBits() {
    HWND hwnd = m_ownerForm->Handle();
    const LONG_PTR style = GetWindowLong(hwnd, GWL_STYLE);
    if (!(style & kCaptionBits)) return false;
    SetWindowLong(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(kCaptionBits));
    return true;
}

void TskForm::ReAssign() {
    if (m_ownerForm && !m_closing && ClearCaptionBits())
        SetWindowPos(m_ownerForm->Handle(), nullptr, 0, 0, 0, 0, kFrameChanged);
}

void TskForm::Detach() {
    if (m_detached || !m_ownerForm) return;
    m_detached = true;
    m_closing = true;
    if (auto* skinned = dynamic_cast<TskMainMenu*>(m_menu); skinned && skinned->HostForm() == this)
        skinned->SetHostForm(nullptr);
    // Through the windowed control: a form on its way out loses its children after its form
    // part is gone, and its frame is nobody's concern then.
    TWinControl* form = m_ownerForm;
    form->WindowProc = m_savedWndProc;
    if (!OwnerFormGoing() && form->HandleAllocated()) {
        HWND hwnd = form->Handle();
        SetWindowLong(hwnd, GWL_STYLE, GetWindowLong(hwnd, GWL_STYLE) | kCaptionBits);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
    if (m_hookedAppMessage && Application) Application->OnMessage = nullptr;
    m_hookedAppMessage = false;
}

// ---------------------------------------------------------------------------------------
// Properties that stand for the title bar's

bool TskForm::GetTitleBarCustom() const {
    return m_titleBar && m_titleBar->GetCustom();
}

void TskForm::SetTitleBarCustom(bool Value) {
    if (m_titleBar) m_titleBar->SetCustom(Value);
}

bool TskForm::GetTitleBarVisible() const {
    return m_titleBar && m_titleBar->GetVisible();
}

void TskForm::SetTitleBarVisible(bool Value) {
    if (!m_titleBar || Value == m_titleBar->GetVisible()) return;
    m_titleBar->SetVisible(Value);
    RegionWindow();
    PaintFormBorder();
}

std::string TskForm::GetText() const {
    return m_titleBar ? m_titleBar->GetCaption() : std::string();
}

void TskForm::SetText(const std::string& Value) {
    if (!m_titleBar) return;
    m_titleBar->SetCaption(Value);
    if (m_ownerForm) m_ownerForm->SetCaption(Value);
}

TskTitleBarButtons* TskForm::GetButtons() const {
    return m_titleBar ? m_titleBar->GetButtons() : nullptr;
}

void TskForm::SetButtons(const TskTitleBarButtons* Value) {
    if (m_titleBar) m_titleBar->SetButtons(Value);
}

TskTitleBarSections* TskForm::GetSections() const {
    return m_titleBar ? m_titleBar->GetSections() : nullptr;
}

void TskForm::SetSections(const TskTitleBarSections* Value) {
    if (m_titleBar) m_titleBar->SetSections(Value);
}

bool TskForm::GetDrawAppIcon() const {
    return m_titleBar && m_titleBar->GetDrawAppIcon();
}

void TskForm::SetDrawAppIcon(bool Value) {
    if (m_titleBar) m_titleBar->SetDrawAppIcon(Value);
}

TFont* TskForm::GetTitleFont() {
    return m_titleBar ? m_titleBar->GetFont() : GetFont();
}

int TskForm::GetRoundCorner() const {
    return m_titleBar && m_titleBar->GetVisible() ? m_titleBar->GetRoundCorner() : 0;
}

void TskForm::SetRoundCorner(int Value) {
    if (!m_titleBar) return;
    m_titleBar->SetRoundCorner(Value);
    RegionWindow();
}

TskTitleBarButtonClickEvent& TskForm::OnTitleBarCustomBtnsClick() {
    static TskTitleBarButtonClickEvent none;
    return m_titleBar ? m_titleBar->OnCustomBtnsClick : none;
}

TskTitleBarButtonClickEvent& TskForm::OnTitleBarHelpBtnClick() {
    static TskTitleBarButtonClickEvent none;
    return m_titleBar ? m_titleBar->OnHelpBtnClick : none;
}

int TskForm::GetTitleBarHeight() const {
    return m_titleBar && m_titleBar->GetVisible() ? m_titleBar->GetHeight() : 0;
}

bool TskForm::GetMDIChild() const {
    return m_ownerForm && !OwnerFormGoing() && m_ownerForm->GetFormStyle() == fsMDIChild;
}

bool TskForm::OwnerFormGoing() const {
    const TComponent* owner = m_ownerForm;
    return owner && (owner->ComponentState() & csDestroying);
}

// ---------------------------------------------------------------------------------------
// Own properties

void TskForm::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    PaintFormBorder();
}

void TskForm::SetBorderWidth2(int Value) {
    m_borderWidth = std::max(0, Value);
    PaintFormBorder();
}

void TskForm::SetFileTheme(TskFileTheme* Value) {
    if (Value != m_fileTheme) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_uiStyle);
}

void TskForm::SetUIStyle(TskUIStyle Value) {
    const TRect bounds = m_ownerForm ? m_ownerForm->BoundsRect() : TRect{};
    m_uiStyle = Value;
    TskUIStyle effective = Value;
    if (UsingFileTheme(m_fileTheme, Value, effective)) {
        m_borderColor = m_fileTheme->GetColor(SkItem::FormBorderColor);
        m_borderWidth = std::max(0, m_fileTheme->GetInt(SkItem::FormBorderWidthInt));
        SetColor(m_fileTheme->GetColor(SkItem::FormBackgroundColor));
        if (m_menuBar) {
            // Two of the theme's font colour codes ask for a coloured bar of their own.
            const TColor code = m_fileTheme->GetColor(SkItem::ControlFontColor);
            if (code == 0x20000)
                m_menuBar->SetColor(0xAC5B3B);
            else if (code == 0x30000)
                m_menuBar->SetColor(0x996733);
            else
                SetMenuBarColor(GetColor());
        }
        if (m_titleBar) m_titleBar->SetRoundCorner(m_fileTheme->GetInt(SkItem::FormRoundCornerInt));
    } else {
        m_borderColor = GetInsideThemeColor(effective, SkItem::FormBorderColor);
        m_borderWidth = std::max(0, GetInsideThemeInt(effective, SkItem::FormBorderWidthInt));
        SetColor(GetInsideThemeColor(effective, SkItem::FormBackgroundColor));
        SetMenuBarColor(GetColor());
        if (m_titleBar)
            m_titleBar->SetRoundCorner(GetInsideThemeInt(effective, SkItem::FormRoundCornerInt));
    }
    if (m_titleBar) {
        m_titleBar->SetFileTheme(m_fileTheme);
        m_titleBar->SetUIStyle(Value);
    }
    if (auto* skinned = dynamic_cast<TskMainMenu*>(m_menu)) {
        skinned->SetFileTheme(m_fileTheme);
        skinned->SetUIStyle(Value);
    }
    if (m_uiStyleAutoUpdateSub) ContainerApplyUIStyle(this, m_uiStyle, m_fileTheme);
    if (GetMDIChild()) m_ownerForm->SetBoundsRect(bounds);
    Invalidate();
    PaintFormBorder();
    RegionWindow();
}

void TskForm::SetPanel(TCustomPanel* Value) {
    if (Value == this) {
        MessageBox(GetActiveWindow(),
                   "Sorry, you can't select the Form assign to FormPanel property", "Error",
                   MB_OK | MB_ICONERROR);
        return;
    }
    if (m_formPanel) m_formPanel->RemoveFreeNotification(this);
    m_formPanel = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    Value->SetAlign(alClient);
    if (auto* panel = dynamic_cast<TPanel*>(Value)) {
        panel->SetBevelOuter(bvNone);
        panel->SetBevelInner(bvNone);
        panel->SetBorderStyle(bsNone);
    }
    if (dynamic_cast<TPanel*>(Value) || Value->ClassInfo().InheritsFrom("TskImagePanel"))
        Value->SetCaption("");
}

void TskForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (!AComponent) return;
    if (Operation == opInsert) {
        if ((ComponentState() & csDesigning) && !(ComponentState() & csLoading) &&
            dynamic_cast<TMainMenu*>(AComponent) && AComponent->ClassName() != "TskMainMenu")
            RecommendSkinnedMenu();
        return;
    }
    if (AComponent == m_formPanel) m_formPanel = nullptr;
    if (AComponent == m_menuBar) m_menuBar = nullptr;
    if (AComponent == m_menu) {
        m_menu = nullptr;
        DestroyMenuBar();
    }
    if (AComponent == m_titleBar) m_titleBar = nullptr;
    if (AComponent == this) Detach();
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        if (ComponentState() & csDestroying) return;
        ContainerApplyUIStyle(this, DeepBlue, nullptr);
        SetUIStyle(DeepBlue);
    }
}

void TskForm::Resize() {
    TCustomPanel::Resize();
    if (m_titleBar) m_titleBar->SetAlign(alTop);
}
