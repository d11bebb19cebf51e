// System parameters, metrics, AnimateWindow, MessageBeep, the shell and the clipboard.
#include "platform/win/SysParams.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/win/Message.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painting.h"
#include "platform/win/Window.h"
#include "platform/win/WindowManager.h"

using namespace win;

namespace {

LOGFONT MakeFont(const char* face, LONG height, LONG weight) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWeight = weight;
    std::strncpy(font.lfFaceName, face, sizeof(font.lfFaceName) - 1);
    return font;
}

}  // namespace

BOOL SystemParametersInfo(UINT action, UINT, void* value, UINT) {
    if (!value) return FALSE;
    switch (action) {
        case SPI_GETWORKAREA:
            *static_cast<RECT*>(value) = WM().GetDriver().WorkArea();
            return TRUE;
        case SPI_GETNONCLIENTMETRICS: {
            auto* metrics = static_cast<NONCLIENTMETRICS*>(value);
            if (metrics->cbSize != 340 && metrics->cbSize != sizeof(NONCLIENTMETRICS)) return FALSE;
            const UINT size = metrics->cbSize;
            *metrics = NONCLIENTMETRICS{};
            metrics->cbSize = size;
            metrics->lfCaptionFont = MakeFont("Tahoma", -11, FW_BOLD);
            metrics->lfSmCaptionFont = MakeFont("Tahoma", -11, FW_BOLD);
            metrics->lfMenuFont = MakeFont("Tahoma", -11, FW_NORMAL);
            metrics->lfStatusFont = MakeFont("Tahoma", -11, FW_NORMAL);
            metrics->lfMessageFont = MakeFont("Tahoma", -11, FW_NORMAL);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

int GetSystemMetrics(int index) {
    const TRect screen = WM().GetDriver().ScreenRect();
    switch (index) {
        case SM_CXSCREEN:
            return screen.Width();
        case SM_CYSCREEN:
            return screen.Height();
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB:
            return kScrollBarSize;
        case SM_CYCAPTION:
            return kCaptionHeight + 1;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CYMENU:
            return 19;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return 4;
        case SM_CYSMCAPTION:
            return 16;
        default:
            return 0;
    }
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) return FALSE;
    const FrameLayout l = LayoutFor(style, exStyle);
    *rect = rect->Inflate(l.frame + l.edge, l.frame + l.edge);
    rect->top -= l.caption;
    return TRUE;
}

BOOL AnimateWindow(HWND hwnd, DWORD milliseconds, DWORD flags) {
    WindowManager& wm = WM();
    WindowObject* w = wm.Find(hwnd);
    if (!w) {
        SetLastErrorInvalidHandle();
        return FALSE;
    }
    const bool hide = (flags & AW_HIDE) != 0;
    if (hide != w->Visible()) return FALSE;  // already in the state asked for
    if (!hide) {
        ShowWindow(hwnd, (flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
        UpdateWindow(hwnd);
    }
    if (w->parent == wm.Desktop()) wm.GetDriver().Animate(hwnd, milliseconds, flags);
    if (hide) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MessageBeep(UINT type) {
    WM().GetDriver().Beep(type);
    return TRUE;
}

std::intptr_t ShellExecute(HWND, const char* verb, const char* file, const char*, const char*,
                           int) {
    const std::string action = verb ? verb : "open";
    if (action != "open" || !file || !*file) return 2;  // SE_ERR_FNF
    return WM().GetDriver().OpenUrl(file) ? 42 : 31;    // SE_ERR_NOASSOC
}

std::string GetTempPath() {
    std::error_code error;
    std::string path = std::filesystem::temp_directory_path(error).string();
    if (error || path.empty()) path = "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

BOOL SetClipboardText(const std::string& text) {
    WM().GetDriver().SetClipboardText(text);
    return TRUE;
}

std::string GetClipboardText() {
    return WM().GetDriver().GetClipboardText();
}

BOOL SetPrimarySelectionText(const std::string& text) {
    WM().GetDriver().SetSelectionText(text);
    return TRUE;
}

std::string GetPrimarySelectionText() {
    return WM().GetDriver().GetSelectionText();
}

BOOL SetApplicationIcon(const gfx::Bitmap& picture) {
    gfx::Bitmap icon(picture.Width(), picture.Height());
    const TColor transparent = picture.TransparentColor();
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.Row(y)[x];
            icon.Row(y)[x] = PixelToColor(p) == transparent ? 0 : (p | 0xFF000000u);
        }
    WM().GetDriver().SetIcon(icon);
    return TRUE;
}
