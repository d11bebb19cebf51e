#pragma once
// Message boxes: a modal dialog with an icon, a text and a row of buttons, owned by a
// window, answering with the button pressed.
#include <string>

#include "platform/vcl/controls/Form.h"

constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONMASK = 0x000000F0;
constexpr UINT MB_DEFMASK = 0x00000F00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The dialog a message box shows: a form with the icon, the text as a label and the
// buttons, laid out and sized for them. Tests find its parts by name: "Message", "Icon"
// and the buttons "OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore".
class TMessageForm : public TForm {
    QV_DECLARE_CLASS(TMessageForm, TForm)

    TMessageForm(TComponent* AOwner, const std::string& Text, const std::string& Caption,
                 UINT Type);

    UINT Type() const { return m_type; }
    // The dialog last shown by MessageBox while it is up, or null.
    static TMessageForm* Showing();

private:
    void Build(const std::string& Text);
    UINT m_type;
};

// Shows a message box owned by Owner (centred over it) and returns IDOK, IDCANCEL, ...
int MessageBox(HWND Owner, const char* Text, const char* Caption, UINT Type);
