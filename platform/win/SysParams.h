#pragma once
// System parameters and metrics, AnimateWindow, MessageBeep, the shell's "open", the
// clipboard, the application's icon and the temporary directory.
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/win/WinDefs.h"

BOOL SystemParametersInfo(UINT action, UINT param, void* value, UINT winIni);
int GetSystemMetrics(int index);
BOOL AnimateWindow(HWND hwnd, DWORD milliseconds, DWORD flags);
BOOL MessageBeep(UINT type);
// Returns a value above 32 on success, as Win32 does.
std::intptr_t ShellExecute(HWND hwnd, const char* verb, const char* file, const char* params,
                           const char* directory, int showCommand);
// The temporary directory with a trailing '/'.
std::string GetTempPath();
BOOL SetClipboardText(const std::string& text);
// The picture the desktop shows for the program's windows (its task bar, the window
// switcher); the picture's transparent colour shows the desktop through.
BOOL SetApplicationIcon(const gfx::Bitmap& picture);
std::string GetClipboardText();
// The selection a middle click pastes (X's PRIMARY): the text the user selected last, in
// this program or another.
BOOL SetPrimarySelectionText(const std::string& text);
std::string GetPrimarySelectionText();
