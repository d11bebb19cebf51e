#pragma once
// The X atoms the backend uses, interned in one round trip at start-up.

struct _XDisplay;

namespace win {

struct X11Atoms {
    explicit X11Atoms(_XDisplay* display);

    unsigned long WM_PROTOCOLS = 0, WM_DELETE_WINDOW = 0, WM_STATE = 0, WM_S0 = 0;
    unsigned long UTF8_STRING = 0, TEXT = 0, TARGETS = 0, CLIPBOARD = 0, selectionProperty = 0;
    unsigned long _NET_WM_NAME = 0, _NET_WM_ICON = 0, _NET_WM_PID = 0;
    unsigned long _NET_WM_WINDOW_TYPE = 0, _NET_WM_WINDOW_TYPE_NORMAL = 0,
                  _NET_WM_WINDOW_TYPE_DIALOG = 0, _NET_WM_WINDOW_TYPE_POPUP_MENU = 0,
                  _NET_WM_WINDOW_TYPE_NOTIFICATION = 0;
    unsigned long _NET_WM_STATE = 0, _NET_WM_STATE_ABOVE = 0, _NET_WM_STATE_SKIP_TASKBAR = 0;
    unsigned long _NET_WM_MOVERESIZE = 0, _NET_ACTIVE_WINDOW = 0;
    unsigned long _NET_SUPPORTED = 0, _NET_SUPPORTING_WM_CHECK = 0;
    unsigned long _NET_WORKAREA = 0, _NET_CURRENT_DESKTOP = 0;
    unsigned long _MOTIF_WM_HINTS = 0;
    // The names of the bell's sounds, which a desktop may play in its place.
    unsigned long bell = 0, dialogError = 0, dialogQuestion = 0, dialogWarning = 0,
                  dialogInformation = 0;
};

}  // namespace win
