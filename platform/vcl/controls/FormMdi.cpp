// TCustomForm's MDI side: the frame a child lives in, the frame's client window and what
// the frame asks of it (the children, the active one, arrangements), the window menu that
// lists the children, and the form's main menu.
#include "platform/vcl/actions/ActionList.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/menus/MainMenu.h"
#include "platform/vcl/menus/MenuItem.h"
#include "platform/win/Windows.h"

namespace {

// The window menu's entries carry these command numbers, as the client numbers children.
constexpr UINT kFirstChildId = 0xFF00;

}  // namespace

TCustomForm* TCustomForm::MDIParent() const {
    TCustomForm* main = Application->MainForm();
    if (main && main != this && main->m_formStyle == fsMDIForm) {
        main->HandleNeeded();
        return main;
    }
    for (TCustomForm* f : Forms())
        if (f != this && f->m_formStyle == fsMDIForm) {
            f->HandleNeeded();
            return f;
        }
    return nullptr;
}

void TCustomForm::CreateMDIClient() {
    RECT client;
    ::GetClientRect(m_handle, &client);
    CLIENTCREATESTRUCT params;
    params.idFirstChild = kFirstChildId;
    m_clientHandle = CreateWindowEx(WS_EX_CLIENTEDGE, MDICLIENT_CLASS, "",
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                                    0, client.Width(), client.Height(), m_handle, 0, nullptr,
                                    &params);
    if (!m_clientHandle) throw EInvalidOperation("Cannot create the MDI client window");
    // The frame watches its client for the changes its window menu must follow.
    m_defClientProc = reinterpret_cast<WNDPROC>(GetWindowLong(m_clientHandle, GWL_WNDPROC));
    m_clientOwner = std::make_shared<TCustomForm*>(this);
    auto instance = std::make_shared<WNDPROC>(nullptr);
    m_clientInstance = MakeObjectInstance([owner = m_clientOwner, instance,
                                           def = m_defClientProc](HWND h, UINT m, WPARAM w,
                                                                  LPARAM l) {
        if (*owner) return (*owner)->ClientWndProc(h, m, w, l);
        // The form part is gone: the client's last messages go to its own procedure, and
        // the last of all frees this adapter.
        const LRESULT result = CallWindowProc(def, h, m, w, l);
        if (m == WM_NCDESTROY) FreeObjectInstance(*instance);
        return result;
    });
    *instance = m_clientInstance;
    SetWindowLong(m_clientHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_clientInstance));
}

void TCustomForm::OrphanMDIClient() {
    if (!m_clientOwner) return;
    *m_clientOwner = nullptr;
    m_clientOwner.reset();
    // The adapter now frees itself with the client's window.
    m_clientInstance = nullptr;
}

void TCustomForm::DestroyMDIClient() {
    // The client went with the frame's window; its last messages came through here.
    m_clientHandle = nullptr;
    if (m_clientInstance) FreeObjectInstance(m_clientInstance);
    m_clientInstance = nullptr;
    m_defClientProc = nullptr;
    if (m_clientOwner) *m_clientOwner = nullptr;
    m_clientOwner.reset();
}

LRESULT TCustomForm::ClientWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProc(m_defClientProc, hwnd, msg, wParam, lParam);
    if (msg == WM_MDIREFRESHMENU && hwnd == m_clientHandle) UpdateWindowMenu();
    return result;
}

int TCustomForm::MDIChildCount() const {
    int n = 0;
    for (HWND h = m_clientHandle ? GetTopWindow(m_clientHandle) : nullptr; h;
         h = GetWindow(h, GW_HWNDNEXT))
        if (dynamic_cast<TCustomForm*>(FindControl(h))) ++n;
    return n;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    int n = 0;
    for (HWND h = m_clientHandle ? GetTopWindow(m_clientHandle) : nullptr; h;
         h = GetWindow(h, GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(h)))
            if (n++ == Index) return form;
    throw EListError("MDI child index out of bounds (" + IntToStr(Index) + ")");
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!m_clientHandle) return nullptr;
    const HWND active = reinterpret_cast<HWND>(SendMessage(m_clientHandle, WM_MDIGETACTIVE));
    return dynamic_cast<TCustomForm*>(FindControl(active));
}

void TCustomForm::Cascade() {
    if (m_clientHandle) SendMessage(m_clientHandle, WM_MDICASCADE);
}

void TCustomForm::Tile() {
    if (m_clientHandle)
        SendMessage(m_clientHandle, WM_MDITILE,
                    m_tileMode == tbVertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL);
}

void TCustomForm::ArrangeIcons() {
    if (m_clientHandle) SendMessage(m_clientHandle, WM_MDIICONARRANGE);
}

void TCustomForm::Next() {
    if (m_clientHandle) SendMessage(m_clientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    if (m_clientHandle) SendMessage(m_clientHandle, WM_MDINEXT, 0, 1);
}

void TCustomForm::SetMenu(TMainMenu* Value) {
    if (Value == m_menu) return;
    if (m_menu) m_menu->RemoveFreeNotification(this);
    m_menu = Value;
    if (m_menu) m_menu->FreeNotification(this);
}

bool TCustomForm::IsShortCut(const TMessage& Message) {
    if (OnShortCut) {
        TMessage copy = Message;
        bool handled = false;
        OnShortCut(copy, handled);
        if (handled) return true;
    }
    if (m_menu && m_menu->IsShortCut(Message)) return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TActionList*>(Components(i)); list && list->IsShortCut(Message))
            return true;
    // An MDI child's keys also reach the frame's menu, as the two share one menu bar.
    if (m_formStyle == fsMDIChild)
        if (TCustomForm* frame = MDIParent()) return frame->IsShortCut(Message);
    return false;
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
    if (Value == m_windowMenu) return;
    ClearWindowMenu();
    if (m_windowMenu) m_windowMenu->RemoveFreeNotification(this);
    m_windowMenu = Value;
    if (m_windowMenu) m_windowMenu->FreeNotification(this);
    UpdateWindowMenu();
}

void TCustomForm::ClearWindowMenu() {
    // Each entry tells us it went (FreeNotification), which takes it off the list.
    while (!m_windowMenuEntries.empty()) delete m_windowMenuEntries.back();
}

void TCustomForm::UpdateWindowMenu() {
    ClearWindowMenu();
    if (!m_windowMenu || !m_clientHandle || (ComponentState() & csDestroying)) return;
    const HWND active = reinterpret_cast<HWND>(SendMessage(m_clientHandle, WM_MDIGETACTIVE));
    std::vector<TCustomForm*> children;
    for (TCustomForm* f : Forms())
        if (f->m_formStyle == fsMDIChild && f->m_handle && IsWindowVisible(f->m_handle) &&
            ::GetParent(f->m_handle) == m_clientHandle)
            children.push_back(f);
    if (children.empty()) return;
    auto add = [this](TMenuItem* item) {
        item->FreeNotification(this);
        m_windowMenuEntries.push_back(item);
        m_windowMenu->Add(item);
    };
    if (m_windowMenu->Count() > 0) {
        auto* line = new TMenuItem(nullptr);
        line->SetCaption("-");
        add(line);
    }
    int number = 1;
    for (TCustomForm* child : children) {
        auto* item = new TMenuItem(nullptr);
        std::string caption;
        if (number <= 9) caption = {'&', static_cast<char>('0' + number), ' '};
        caption += GetWindowText(child->m_handle);
        item->SetCaption(caption);
        item->SetChecked(child->m_handle == active);
        const HWND handle = child->m_handle;
        const HWND client = m_clientHandle;
        item->OnClick = [handle, client](TObject*) {
            if (IsWindow(handle)) SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle));
        };
        add(item);
        ++number;
    }
}
