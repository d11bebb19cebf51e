#include "platform/vcl/controls/Application.h"

#include "platform/vcl/actions/ActionUpdate.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/win/Windows.h"

namespace {

void HandleControlException(TObject* Sender) {
    Application->HandleException(Sender);
}

}  // namespace

TApplication* Application = new TApplication(nullptr);

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TApplication>("TApplication").Build();
    return info;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    SetControlExceptionHandler(HandleControlException);
}

TApplication::~TApplication() {
    SetControlExceptionHandler(nullptr);
}

void TApplication::Initialize() {
    m_terminated = false;
}

bool TApplication::Active() const {
    const HWND active = GetActiveWindow();
    for (TCustomForm* f : TCustomForm::Forms())
        if (f->HandleAllocated() && const_cast<TCustomForm*>(f)->Handle() == active) return true;
    return false;
}

void TApplication::SetMainForm(TCustomForm* Form) {
    m_mainForm = Form;
    if (Form) Form->FreeNotification(this);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_mainForm) m_mainForm = nullptr;
}

void TApplication::Run() {
    if (!m_mainForm) throw EInvalidOperation("Run needs a main form; create one with CreateForm");
    // The program may have been told to end while its main form was made (a message box
    // of its start-up took the request): it ends without showing the form.
    if (!m_terminated) {
        if (ShowMainForm) m_mainForm->Show();
        while (!m_terminated) HandleMessage();
    }
    // A later loop (a test's, or a second Run) starts afresh.
    m_terminated = false;
}

bool TApplication::ProcessMessage(MSG& Msg) {
    if (Msg.message == WM_QUIT) {
        m_terminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage) OnMessage(Msg, handled);
    // Ctrl+F6 and Ctrl+F4 belong to the children of the MDI frame the key is typed in.
    if (!handled && Msg.hwnd && (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN))
        if (auto* frame = dynamic_cast<TCustomForm*>(
                TWinControl::FindControl(GetAncestor(Msg.hwnd, GA_ROOT)));
            frame && frame->ClientHandle())
            handled = TranslateMDISysAccel(frame->ClientHandle(), &Msg);
    if (!handled) {
        TranslateMessage(&Msg);
        DispatchMessage(&Msg);
    }
    return true;
}

void TApplication::HandleMessage() {
    MSG msg;
    if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ProcessMessage(msg);
        return;
    }
    Idle();
    if (!GetMessage(&msg)) {
        m_terminated = true;
        return;
    }
    ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) ProcessMessage(msg);
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender) {
    const std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (...) {
        ShowException(Exception("An exception of an unknown kind was raised"));
    }
}

void TApplication::ShowException(const std::exception& E) {
    std::string text = E.what();
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBox(text, m_title, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
    HWND owner = nullptr;
    const HWND active = GetActiveWindow();
    for (TCustomForm* f : TCustomForm::Forms())
        if (f->HandleAllocated() && f->Handle() == active) owner = active;
    if (!owner && m_mainForm && m_mainForm->HandleAllocated()) owner = m_mainForm->Handle();
    return ::MessageBox(owner, Text.c_str(), Caption.c_str(), Flags);
}

void TApplication::Idle() {
    UpdateActionsOfShownForms();
    if (OnIdle) OnIdle(this);
}

bool TApplication::ExecuteAction(TBasicAction* Action) {
    bool handled = false;
    if (OnActionExecute) OnActionExecute(Action, handled);
    return handled;
}

bool TApplication::UpdateAction(TBasicAction* Action) {
    bool handled = false;
    if (OnActionUpdate) OnActionUpdate(Action, handled);
    return handled;
}
