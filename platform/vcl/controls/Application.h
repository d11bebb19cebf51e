#pragma once
// TApplication: the program's message loop and its main form. Run shows the main form and
// dispatches messages until it closes; OnMessage sees every queued message first; an
// exception that escapes a message handler is shown in a message box.
#include <exception>
#include <string>

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/core/SysUtils.h"

class TCustomForm;

using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = TEvent<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
    QV_DECLARE_CLASS(TApplication, TComponent)

    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize();
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& Value) { m_title = Value; }
    TPicture* GetIcon() { return &m_icon; }
    TCustomForm* MainForm() const { return m_mainForm; }
    // True while one of the application's forms is the active window.
    bool Active() const;
    bool Terminated() const { return m_terminated; }
    bool ShowMainForm = true;

    // Creates a form owned by the application, reading its description; the first form
    // created becomes the main form.
    template <class T>
    void CreateForm(T*& Reference) {
        T* form = new T(this);
        Reference = form;
        try {
            form->AfterConstruction();
        } catch (...) {
            Reference = nullptr;
            delete form;
            throw;
        }
        if (!m_mainForm) SetMainForm(form);
    }

    // Shows the main form and handles messages until it closes (or Terminate).
    void Run();
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles every message waiting now, without waiting for more.
    void ProcessMessages();
    // Ends Run's loop once the messages before it are handled.
    void Terminate();
    // What the loop does when no message waits: the shown forms' actions update, then
    // OnIdle runs.
    void Idle();

    // Offered every action that runs or updates after its list: OnActionExecute and
    // OnActionUpdate may handle it.
    bool ExecuteAction(TBasicAction* Action);
    bool UpdateAction(TBasicAction* Action);

    // Call from a catch block: OnException gets the exception, or else a message box
    // shows its message.
    void HandleException(TObject* Sender);
    void ShowException(const std::exception& E);
    // A message box owned by the active form (or the main form).
    int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
    TNotifyEvent OnIdle;
    TActionEvent OnActionExecute;
    TActionEvent OnActionUpdate;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetMainForm(TCustomForm* Form);
    bool ProcessMessage(MSG& Msg);

    std::string m_title;
    TPicture m_icon;
    TCustomForm* m_mainForm = nullptr;
    bool m_terminated = false;
};

// The application object: created at start-up, never freed.
extern TApplication* Application;
