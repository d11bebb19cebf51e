#include "platform/win/backend/x11/X11Atoms.h"

#include <X11/Xlib.h>

namespace win {

X11Atoms::X11Atoms(Display* display) {
    struct Name {
        const char* text;
        unsigned long* atom;
    };
    const Name names[] = {
        {"WM_PROTOCOLS", &WM_PROTOCOLS},
        {"WM_DELETE_WINDOW", &WM_DELETE_WINDOW},
        {"WM_STATE", &WM_STATE},
        {"WM_S0", &WM_S0},
        {"UTF8_STRING", &UTF8_STRING},
        {"TEXT", &TEXT},
        {"TARGETS", &TARGETS},
        {"CLIPBOARD", &CLIPBOARD},
        {"QV_SELECTION", &selectionProperty},
        {"_NET_WM_NAME", &_NET_WM_NAME},
        {"_NET_WM_ICON", &_NET_WM_ICON},
        {"_NET_WM_PID", &_NET_WM_PID},
        {"_NET_WM_WINDOW_TYPE", &_NET_WM_WINDOW_TYPE},
        {"_NET_WM_WINDOW_TYPE_NORMAL", &_NET_WM_WINDOW_TYPE_NORMAL},
        {"_NET_WM_WINDOW_TYPE_DIALOG", &_NET_WM_WINDOW_TYPE_DIALOG},
        {"_NET_WM_WINDOW_TYPE_POPUP_MENU", &_NET_WM_WINDOW_TYPE_POPUP_MENU},
        {"_NET_WM_WINDOW_TYPE_NOTIFICATION", &_NET_WM_WINDOW_TYPE_NOTIFICATION},
        {"_NET_WM_STATE", &_NET_WM_STATE},
        {"_NET_WM_STATE_ABOVE", &_NET_WM_STATE_ABOVE},
        {"_NET_WM_STATE_SKIP_TASKBAR", &_NET_WM_STATE_SKIP_TASKBAR},
        {"_NET_WM_MOVERESIZE", &_NET_WM_MOVERESIZE},
        {"_NET_ACTIVE_WINDOW", &_NET_ACTIVE_WINDOW},
        {"_NET_SUPPORTED", &_NET_SUPPORTED},
        {"_NET_SUPPORTING_WM_CHECK", &_NET_SUPPORTING_WM_CHECK},
        {"_NET_WORKAREA", &_NET_WORKAREA},
        {"_NET_CURRENT_DESKTOP", &_NET_CURRENT_DESKTOP},
        {"_MOTIF_WM_HINTS", &_MOTIF_WM_HINTS},
        {"bell", &bell},
        {"dialog-error", &dialogError},
        {"dialog-question", &dialogQuestion},
        {"dialog-warning", &dialogWarning},
        {"dialog-information", &dialogInformation},
    };
    constexpr int count = sizeof names / sizeof names[0];
    char* texts[count];
    Atom atoms[count];
    for (int i = 0; i < count; ++i) texts[i] = const_cast<char*>(names[i].text);
    XInternAtoms(display, texts, count, False, atoms);
    for (int i = 0; i < count; ++i) *names[i].atom = atoms[i];
}

}  // namespace win
