// The default procedures of MDI children and frames, and the MDI keyboard accelerators.
#include <string>

#include "platform/win/Input.h"
#include "platform/win/Mdi.h"
#include "platform/win/MdiClientState.h"
#include "platform/win/Message.h"
#include "platform/win/WindowManager.h"

using namespace win;

LRESULT DefMDIChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND client = mdi::ClientOf(hwnd);
    if (!client) return DefWindowProc(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CHILDACTIVATE:
            mdi::Activate(client, hwnd);
            return 0;
        case WM_SETFOCUS: {
            const mdi::ClientState* state = mdi::StateOf(client);
            if (state && state->active != hwnd) mdi::Activate(client, hwnd);
            return DefWindowProc(hwnd, message, wParam, lParam);
        }
        case WM_SHOWWINDOW:
            if (!wParam) mdi::ChildLeaving(client, hwnd);
            return DefWindowProc(hwnd, message, wParam, lParam);
        case WM_SIZE: {
            const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
            if (wParam == SIZE_MINIMIZED) mdi::ArrangeIcons(client);
            mdi::UpdateFrameTitle(client);
            return result;
        }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProc(hwnd, message, wParam, lParam);
            mdi::UpdateFrameTitle(client);
            mdi::RefreshMenu(client);
            return result;
        }
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_NEXTWINDOW:
                    SendMessage(client, WM_MDINEXT, reinterpret_cast<WPARAM>(hwnd), 0);
                    return 0;
                case SC_PREVWINDOW:
                    SendMessage(client, WM_MDINEXT, reinterpret_cast<WPARAM>(hwnd), 1);
                    return 0;
                default:
                    return DefWindowProc(hwnd, message, wParam, lParam);
            }
        case WM_CLOSE:
            SendMessage(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT DefFrameProc(HWND hwnd, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    mdi::ClientState* state = mdi::StateOf(client);
    if (!state) return DefWindowProc(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_SETTEXT:
            // The frame's own caption; the maximised child's is added to what is shown.
            state->frameTitle = lParam ? reinterpret_cast<const char*>(lParam) : "";
            DefWindowProc(hwnd, message, wParam, lParam);
            mdi::UpdateFrameTitle(client);
            return TRUE;
        case WM_COMMAND: {
            // The window menu's entries carry idFirstChild + the child's place in it.
            const UINT id = LOWORD(wParam);
            if (state->idFirstChild && id >= state->idFirstChild &&
                id < state->idFirstChild + state->children.size()) {
                SendMessage(client, WM_MDIACTIVATE,
                            reinterpret_cast<WPARAM>(state->children[id - state->idFirstChild]),
                            0);
                return 0;
            }
            return DefWindowProc(hwnd, message, wParam, lParam);
        }
        case WM_NCACTIVATE:
            // The active child's caption follows the frame's activation.
            if (state->active && IsWindow(state->active))
                SendMessage(state->active, WM_NCACTIVATE, wParam, 0);
            return DefWindowProc(hwnd, message, wParam, lParam);
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

BOOL TranslateMDISysAccel(HWND client, const MSG* msg) {
    const mdi::ClientState* state = mdi::StateOf(client);
    if (!state || !msg || !state->active || !IsWindowEnabled(state->active)) return FALSE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return FALSE;
    if (!(GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return FALSE;
    // Only keys meant for the frame or something inside it.
    if (msg->hwnd && WM().TopLevelOf(msg->hwnd) != WM().TopLevelOf(client)) return FALSE;
    WPARAM command = 0;
    switch (msg->wParam) {
        case VK_F6:
        case VK_TAB:
            command = (GetKeyState(VK_SHIFT) & 0x8000) ? SC_PREVWINDOW : SC_NEXTWINDOW;
            break;
        case VK_F4:
            command = SC_CLOSE;
            break;
        default:
            return FALSE;
    }
    SendMessage(state->active, WM_SYSCOMMAND, command, 0);
    return TRUE;
}
