#include "Source/frame/SKMDIForm.h"

#include <algorithm>

#include "platform/vcl/comctrls/ToolBar.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/stdctrls/CustomPanel.h"
#include "platform/win/Windows.h"

#include "Source/buttons/SKImageButton.h"
#include "Source/frame/SKForm.h"
#include "Source/theme/SKControlTheme.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"

namespace {

constexpr DWORD kCaptionBits = WS_CAPTION;
constexpr UINT kFrameChanged =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

}  // namespace

const TClassInfo& TskMDIForm::StaticClassInfo() {
    using C = TskMDIForm;
    static const TClassInfo info =
        TClassBuilder<C>("TskMDIForm")
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle, std::nullopt)
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Reference("Menu", &C::GetMenu, &C::SetMenu)
            .Color("MenuBarColor", &C::GetMenuBarColor, &C::SetMenuBarColor)
            .Color("BorderColor", &C::GetBorderColor, &C::SetBorderColor)
            .String("Caption", &C::GetCaption, &C::SetCaption)
            .Boolean("TitleBarDrawAppIcon", &C::GetTitleBarDrawAppIcon,
                     &C::SetTitleBarDrawAppIcon, false)
            .Boolean("TitleBarCustom", &C::GetTitleBarCustom, &C::SetTitleBarCustom, false)
            .Boolean("TitleBarVisible", &C::GetTitleBarVisible, &C::SetTitleBarVisible, true)
            .Persistent("TitleBarButtons", [](C& c) { return c.GetTitleBarButtons(); })
            .Persistent("TitleBarSections", [](C& c) { return c.GetTitleBarSections(); })
            .Boolean("TitleBarDrawChildCaptions", &C::GetTitleBarDrawChildCaptions,
                     &C::SetTitleBarDrawChildCaptions, true)
            .Boolean("TitleBarDrawChildMenus", &C::GetTitleBarDrawChildMenus,
                     &C::SetTitleBarDrawChildMenus, true)
            .Integer("RoundCorner", &C::GetRoundCorner, &C::SetRoundCorner)
            .Build();
    return info;
}

TskMDIForm::TskMDIForm(TComponent* AOwner) : TComponent(AOwner) {
    m_form = dynamic_cast<TForm*>(AOwner);
    if (!m_form) throw Exception("Sorry, TskMDIForm must be placed on a form");
    TCustomForm* form = m_form;
    form->GetConstraints()->SetMinHeight(50);
    form->GetConstraints()->SetMinWidth(125);
    form->SetMenu(nullptr);
    const TFormBorderStyle border = form->GetBorderStyle();
    if (border == bsNone || border == bsSingle || border == bsToolWindow)
        form->SetBorderStyle(bsDialog);

    m_titleBar = new TskTitleBar(this);
    m_titleBar->SetParent(form);
    m_titleBar->SetTop(0);
    m_titleBar->SetLeft(0);
    m_titleBar->SetCaption(form->GetCaption());
    CreateMenuBar();
    UpdateMenu();
    SetUIStyle(DeepBlue);

    form->SetAutoScroll(false);
    HWND hwnd = form->Handle();
    SetWindowLong(hwnd, GWL_STYLE,
                  GetWindowLong(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(kCaptionBits));
    // The shown menu's shortcuts work wherever the frame or a child has the keyboard.
    form->OnShortCut = [this](TMessage& Msg, bool& Handled) {
        ProcessKeyPress(Msg);
        Handled = Msg.Result == 1;
    };
    m_savedWndProc = form->WindowProc;
    form->WindowProc = [this](TMessage& Message) { NewParentWndProc(Message); };
    m_client = form->ClientHandle();
    if (m_client) {
        m_savedClientProc = reinterpret_cast<WNDPROC>(GetWindowLong(m_client, GWL_WNDPROC));
        m_clientInstance = MakeObjectInstance([this](HWND h, UINT m, WPARAM w, LPARAM l) {
            return NewClientWndProc(h, m, w, l);
        });
        SetWindowLong(m_client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_clientInstance));
    }
    if (Application && !Application->OnMessage) {
        m_hookedAppMessage = true;
        Application->OnMessage = [this](MSG& Msg, bool& Handled) {
            OnApplicationMessage(Msg, Handled);
        };
    }
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

TskMDIForm::~TskMDIForm() {
    Destroying();
    m_closing = true;
    DestroyMenuBar();
    delete m_titleBar;
    m_titleBar = nullptr;
    Detach();
}

bool TskMDIForm::FormGoing() const {
    const TComponent* form = m_form;
    return form && (form->ComponentState() & csDestroying);
}

void TskMDIForm::Detach() {
    if (m_detached || !m_form) return;
    m_detached = true;
    m_closing = true;
    // Through the windowed control: a form on its way out loses its children after its form
    // part is gone.
    const bool going = FormGoing();
    TWinControl* form = m_form;
    form->WindowProc = m_savedWndProc;
    if (!going) m_form->OnShortCut = nullptr;
    if (m_client && IsWindow(m_client) &&
        GetWindowLong(m_client, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(m_clientInstance))
        SetWindowLong(m_client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_savedClientProc));
    m_client = nullptr;
    // The adapter is one of a fixed pool; a frame that comes and goes must not use it up.
    if (m_clientInstance) FreeObjectInstance(m_clientInstance);
    m_clientInstance = nullptr;
    if (!going && form->HandleAllocated()) {
        HWND hwnd = form->Handle();
        SetWindowLong(hwnd, GWL_STYLE, GetWindowLong(hwnd, GWL_STYLE) | kCaptionBits);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
    if (m_hookedAppMessage && Application) Application->OnMessage = nullptr;
    m_hookedAppMessage = false;
}

void TskMDIForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (!AComponent) return;
    if (Operation == opInsert) {
        if (m_titleBar) m_titleBar->SetTop(0);
        return;
    }
    if (AComponent == m_menu) {
        m_menu = nullptr;
        if (m_shownMenu == AComponent) m_shownMenu = nullptr;
        UpdateMenu();
    } else if (AComponent == m_shownMenu) {
        m_shownMenu = nullptr;
    }
    if (AComponent == m_menuBar) m_menuBar = nullptr;
    if (AComponent == m_menuPanel) m_menuPanel = nullptr;
    if (AComponent == m_titleBar) m_titleBar = nullptr;
    // The form loses its controls first when it goes, while it is still whole; this
    // component goes last of all, too late to give it anything back.
    if (FormGoing()) Detach();
    if (AComponent == m_closeButton) m_closeButton = nullptr;
    if (AComponent == m_restoreButton) m_restoreButton = nullptr;
    if (AComponent == m_minimiseButton) m_minimiseButton = nullptr;
    if (AComponent == this) Detach();
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

// ---------------------------------------------------------------------------------------
// The form's and the client's window procedures

void TskMDIForm::NewParentWndProc(TMessage& Message) {
    if (m_closing) {
        // On its way out the frame adds nothing, but the form still hears its messages.
        const TWndMethod saved = m_savedWndProc;
        saved(Message);
        return;
    }
    if (Message.Msg != WM_NCPAINT) {
        TComponentGuard self(this);
        const TWndMethod saved = m_savedWndProc;
        saved(Message);
        if (!self.Exists() || m_closing) return;
    }
    switch (Message.Msg) {
        case WM_KEYDOWN:
            // Unless the form's shortcut handling above has performed it already.
            if (Message.Result != 1) ProcessKeyPress(Message);
            break;
        case WM_NCPAINT:
            PaintBorder();
            Message.Result = 0;
            break;
        case CM_RECREATEWND: {
            HWND hwnd = m_form->Handle();
            const LONG_PTR style = GetWindowLong(hwnd, GWL_STYLE);
            if (style & kCaptionBits) {
                SetWindowLong(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(kCaptionBits));
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
            }
            break;
        }
        case WM_ACTIVATE:
            if (m_titleBar) m_titleBar->SetActive(LOWORD(Message.WParam) != 0);
            break;
        case WM_SIZE:
            SizeChanged();
            break;
        default:
            break;
    }
}

void TskMDIForm::SizeChanged() {
    const bool maximized = m_form->GetWindowState() == wsMaximized;
    if (maximized && (ComponentState() & csDesigning)) return;
    if (maximized && m_form->GetFormStyle() != fsMDIChild) {
        TRect area = GetWorkAreaRect();
        area.bottom -= 1;
        if (m_form->BoundsRect() != area) PlaceControl(m_form, area);
    }
    PaintBorder();
    RegionWindow();
}

LRESULT TskMDIForm::NewClientWndProc(HWND hwnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC saved = m_savedClientProc;
    if (m_closing) return CallWindowProc(saved, hwnd, Msg, wParam, lParam);
    TComponentGuard self(this);
    const LRESULT result = CallWindowProc(saved, hwnd, Msg, wParam, lParam);
    if (!self.Exists() || m_closing) return result;
    switch (Msg) {
        case WM_MDIREFRESHMENU:
            UpdateMenu();
            SyncCaption();
            SyncControlButtons();
            break;
        case WM_MDIMAXIMIZE:
            ShowControlButtons();
            SyncCaption();
            break;
        case WM_MDIRESTORE:
            HideControlButtons();
            SyncCaption();
            break;
        case WM_MDITILE:
            Tile();
            break;
        case WM_MDICASCADE:
            Cascade();
            break;
        default:
            break;
    }
    return result;
}

void TskMDIForm::SyncCaption() {
    // The window's text, which the client extends with a maximised child's caption; the
    // form's own caption stays what the program set.
    if (m_titleBar && m_form->HandleAllocated())
        m_titleBar->SetCaption(GetWindowText(m_form->Handle()));
}

void TskMDIForm::ProcessKeyPress(TMessage& Message) {
    Message.Result = 0;
    if (m_closing || !m_shownMenu) return;
    if (m_shownMenu->IsShortCut(Message)) Message.Result = 1;
}

void TskMDIForm::OnApplicationMessage(MSG& Msg, bool& Handled) {
    if (m_closing || Msg.message != WM_KEYDOWN) return;
    TMessage message{Msg.message, Msg.wParam, Msg.lParam, 0};
    ProcessKeyPress(message);
    Handled = message.Result == 1;
}

// ---------------------------------------------------------------------------------------
// Properties

std::string TskMDIForm::GetCaption() const {
    return m_form->GetCaption();
}

void TskMDIForm::SetCaption(const std::string& Value) {
    m_form->SetCaption(Value);
    if (m_titleBar) m_titleBar->SetCaption(Value);
    SyncCaption();
}

bool TskMDIForm::GetTitleBarDrawAppIcon() const {
    return m_titleBar && m_titleBar->GetDrawAppIcon();
}

void TskMDIForm::SetTitleBarDrawAppIcon(bool Value) {
    if (m_titleBar) m_titleBar->SetDrawAppIcon(Value);
}

bool TskMDIForm::GetTitleBarCustom() const {
    return m_titleBar && m_titleBar->GetCustom();
}

void TskMDIForm::SetTitleBarCustom(bool Value) {
    if (m_titleBar) m_titleBar->SetCustom(Value);
}

bool TskMDIForm::GetTitleBarVisible() const {
    return m_titleBar && m_titleBar->GetVisible();
}

void TskMDIForm::SetTitleBarVisible(bool Value) {
    if (!m_titleBar) return;
    m_titleBar->SetVisible(Value);
    m_titleBar->SetTop(0);
}

TskTitleBarButtons* TskMDIForm::GetTitleBarButtons() const {
    return m_titleBar ? m_titleBar->GetButtons() : nullptr;
}

void TskMDIForm::SetTitleBarButtons(const TskTitleBarButtons* Value) {
    if (m_titleBar) m_titleBar->SetButtons(Value);
}

TskTitleBarSections* TskMDIForm::GetTitleBarSections() const {
    return m_titleBar ? m_titleBar->GetSections() : nullptr;
}

void TskMDIForm::SetTitleBarSections(const TskTitleBarSections* Value) {
    if (m_titleBar) m_titleBar->SetSections(Value);
}

void TskMDIForm::SetTitleBarDrawChildMenus(bool Value) {
    m_drawChildMenus = Value;
    UpdateMenu();
}

void TskMDIForm::SetRoundCorner(int Value) {
    m_roundCorner = Value;
    RegionWindow();
}

void TskMDIForm::SetBorderColor(TColor Value) {
    m_borderColor = Value;
    if (!(ComponentState() & csDesigning)) PaintBorder();
}

void TskMDIForm::SetFileTheme(TskFileTheme* Value) {
    if (Value != m_fileTheme) {
        if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
        m_fileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(m_uiStyle);
}

int TskMDIForm::GetTitleBarHeight() const {
    int height = 0;
    if (m_titleBar && m_titleBar->GetVisible()) height += m_titleBar->GetHeight();
    if (m_menuPanel && m_menuPanel->GetVisible()) height += m_menuPanel->GetHeight();
    return height;
}

// ---------------------------------------------------------------------------------------
// The active child

TskForm* TskMDIForm::GetActiveChildSKForm() const {
    TCustomForm* child = m_form->ActiveMDIChild();
    if (!child) return nullptr;
    for (int i = 0; i < child->ControlCount(); ++i)
        if (auto* frame = dynamic_cast<TskForm*>(child->Controls(i))) return frame;
    return nullptr;
}

TMainMenu* TskMDIForm::GetMainMenu() const {
    if (!m_drawChildMenus || !m_titleBar) return m_menu;
    TCustomForm* child = m_form->ActiveMDIChild();
    if (!child) return m_menu;
    if (child->GetMenu()) return child->GetMenu();
    if (TskForm* frame = GetActiveChildSKForm(); frame && frame->GetMenu()) return frame->GetMenu();
    return m_menu;
}

void TskMDIForm::ShowControlButtons() {
    TskForm* frame = GetActiveChildSKForm();
    if (!frame || !frame->TitleBar()) return;
    TskTitleBarButtons* buttons = frame->TitleBar()->GetButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        switch (buttons->GetItem(i)->GetButtonType()) {
            case skMin:
                if (m_minimiseButton) m_minimiseButton->SetVisible(true);
                break;
            case skMax:
                if (m_restoreButton) m_restoreButton->SetVisible(true);
                break;
            case skClose:
                if (m_closeButton) m_closeButton->SetVisible(true);
                break;
            default:
                break;
        }
    }
}

void TskMDIForm::HideControlButtons() {
    for (TskToolBarSpeedButton* button : {m_closeButton, m_restoreButton, m_minimiseButton})
        if (button) button->SetVisible(false);
}

void TskMDIForm::SyncControlButtons() {
    // The client's word on the maximised child counts, whichever way the child went.
    BOOL maximised = FALSE;
    const HWND active = m_client ? reinterpret_cast<HWND>(SendMessage(
                                       m_client, WM_MDIGETACTIVE, 0,
                                       reinterpret_cast<LPARAM>(&maximised)))
                                 : nullptr;
    HideControlButtons();
    if (active && maximised) ShowControlButtons();
}
