// The window manager's demonstration program. It prints what happens on standard output,
// one line per event, so that a script driving it can check what it did.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "platform/win/Backend.h"
#include "platform/win/Windows.h"

namespace {

constexpr int kLeft = 200, kTop = 150, kWidth = 360, kHeight = 240;
constexpr int kTitleHeight = 24;
constexpr UINT_PTR kTickTimer = 1, kQuitTimer = 2;
constexpr TColor kBorder = 0x7F7F7F, kBand = 0xE7E7E7, kTitle = 0x8B3A1F;
constexpr TColor kPanelColors[] = {0x3030D0, 0x30A030, 0xD07030};
constexpr TColor kClicked = 0x30D0E0;

HWND g_form = nullptr;
HWND g_dialog = nullptr;
HWND g_status = nullptr;
int g_ticks = 0;
std::string g_lastKey = "none";
bool g_wasMinimized = false;

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void Fill(HDC hdc, const RECT& rect, TColor color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, rect, brush);
    DeleteObject(brush);
}

void Text(HDC hdc, RECT rect, const std::string& text, TColor color, UINT flags) {
    gfx::Canvas* canvas = CanvasFromDC(hdc);
    canvas->GetFont().name = "Tahoma";
    canvas->GetFont().height = -12;
    canvas->GetFont().style = gfx::fsBold;
    canvas->GetBrush().style = gfx::BrushStyle::Clear;
    SetTextColor(hdc, color);
    DrawText(hdc, text, &rect, flags | DT_SINGLELINE | DT_VCENTER);
}

// A child that fills itself with the colour kept in its user data and draws its text.
LRESULT PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            Fill(hdc, client, static_cast<TColor>(GetWindowLong(hwnd, GWL_USERDATA)));
            Text(hdc, client, GetWindowText(hwnd), clWhite, DT_CENTER);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            const auto id = GetWindowLong(hwnd, GWL_ID);
            if (id == 100) {  // the title bar: the window follows the pointer
                ReleaseCapture();
                SendMessage(g_form, WM_NCLBUTTONDOWN, HTCAPTION, 0);
                return 0;
            }
            if (id >= 1 && id <= 3) {
                SetWindowLong(hwnd, GWL_USERDATA, kClicked);
                InvalidateRect(hwnd, nullptr, FALSE);
                Log("click panel " + std::to_string(id));
            }
            return 0;
        }
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void PaintBand(HWND hwnd) {
    HDC hdc = GetWindowDC(hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    const int w = window.Width(), h = window.Height();
    Fill(hdc, {0, 0, w, h}, kBand);
    HBRUSH border = CreateSolidBrush(kBorder);
    FrameRect(hdc, {0, 0, w, h}, border);
    DeleteObject(border);
    ReleaseDC(hwnd, hdc);
}

// A small modal window: it takes the keyboard while its owner is disabled.
LRESULT DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            Fill(hdc, client, kTitle);
            Text(hdc, client, "Press Enter to close", clWhite, DT_CENTER);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_CHAR:
            if (wParam == '\r') {
                EnableWindow(g_form, TRUE);
                DestroyWindow(hwnd);
                g_dialog = nullptr;
                Log("dialog closed");
            } else if (wParam >= 32 && wParam < 127) {
                Log("dialog key " + std::string(1, static_cast<char>(wParam)));
            }
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// A notification that slides up above the task bar and slides away when clicked.
LRESULT NoteProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            Fill(hdc, client, kPanelColors[1]);
            Text(hdc, client, "Click to hide", clWhite, DT_CENTER);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
            AnimateWindow(hwnd, 200, AW_SLIDE | AW_HIDE | AW_VER_POSITIVE);
            DestroyWindow(hwnd);
            Log("notification hidden");
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void ShowNotification() {
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    const int width = 180, height = 80;
    const int left = work.right - width - 18, top = work.bottom - height;
    HWND note = CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "DemoNote", "Demo notification",
                               WS_POPUP, left, top, width, height, nullptr);
    AnimateWindow(note, 300, AW_SLIDE | AW_VER_NEGATIVE);
    Log("notification shown " + std::to_string(left) + " " + std::to_string(top));
}

void OpenDialog() {
    g_dialog = CreateWindowEx(WS_EX_DLGMODALFRAME, "DemoDialog", "Demo dialog", WS_POPUP, 0, 0, 220,
                              90, g_form);
    RECT form;
    GetWindowRect(g_form, &form);
    SetWindowPos(g_dialog, nullptr, form.left + 70, form.top + 120, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(g_form, FALSE);
    ShowWindow(g_dialog, SW_SHOW);
    Log("dialog opened");
}

LRESULT FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCPAINT:
            PaintBand(hwnd);
            return 0;
        case WM_CHAR:
            if (wParam == 'q' || wParam == 27) {
                Log("quit");
                PostQuitMessage(0);
                return 0;
            }
            if (wParam == 'd') {
                OpenDialog();
                return 0;
            }
            if (wParam == 'n') {
                ShowNotification();
                return 0;
            }
            if (wParam == 'm') {
                ShowWindow(hwnd, SW_MINIMIZE);
                return 0;
            }
            g_lastKey = wParam >= 32 && wParam < 127 ? std::string(1, static_cast<char>(wParam))
                                                     : std::to_string(wParam);
            Log("key " + g_lastKey);
            SetWindowText(
                g_status,
                ("Last key: " + g_lastKey + "   ticks: " + std::to_string(g_ticks)).c_str());
            InvalidateRect(g_status, nullptr, FALSE);
            return 0;
        case WM_TIMER:
            if (wParam == kQuitTimer) {
                Log("timeout");
                PostQuitMessage(2);
                return 0;
            }
            ++g_ticks;
            if (g_ticks <= 3) Log("timer " + std::to_string(g_ticks));
            SetWindowText(
                g_status,
                ("Last key: " + g_lastKey + "   ticks: " + std::to_string(g_ticks)).c_str());
            InvalidateRect(g_status, nullptr, FALSE);
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) Log("minimized");
            if (wParam == SIZE_RESTORED && g_wasMinimized) Log("restored");
            g_wasMinimized = wParam == SIZE_MINIMIZED;
            return DefWindowProc(hwnd, message, wParam, lParam);
        case WM_EXITSIZEMOVE: {
            RECT r;
            GetWindowRect(hwnd, &r);
            Log("moved " + std::to_string(r.left) + " " + std::to_string(r.top));
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

HWND Panel(HWND parent, int id, const char* text, int x, int y, int w, int h, TColor color) {
    HWND panel = CreateWindowEx(0, "DemoPanel", text, WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                                static_cast<HMENU>(id));
    SetWindowLong(panel, GWL_USERDATA, color);
    return panel;
}

void CreateDemo() {
    WNDCLASS form;
    form.lpszClassName = "DemoForm";
    form.lpfnWndProc = FormProc;
    form.hbrBackground = 0xF0F0F0;
    RegisterClass(form);
    WNDCLASS dialog;
    dialog.lpszClassName = "DemoDialog";
    dialog.lpfnWndProc = DialogProc;
    RegisterClass(dialog);
    WNDCLASS note;
    note.lpszClassName = "DemoNote";
    note.lpfnWndProc = NoteProc;
    RegisterClass(note);
    WNDCLASS panel;
    panel.lpszClassName = "DemoPanel";
    panel.lpfnWndProc = PanelProc;
    RegisterClass(panel);

    g_form =
        CreateWindowEx(WS_EX_DLGMODALFRAME, "DemoForm", "Window demo",
                       WS_POPUP | WS_CAPTION | WS_SYSMENU, kLeft, kTop, kWidth, kHeight, nullptr);
    if (!g_form) throw std::runtime_error("the demo window could not be created");
    // Like a skinned form: no system caption, the 3-pixel band painted by the window itself.
    SetWindowLong(g_form, GWL_STYLE,
                  GetWindowLong(g_form, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
    SetWindowPos(g_form, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    HRGN shape = CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 26, 26);
    HRGN bottom = CreateRectRgn(0, kHeight - 26, kWidth, kHeight);
    CombineRgn(shape, shape, bottom, RGN_OR);
    DeleteObject(bottom);
    SetWindowRgn(g_form, shape, TRUE);

    RECT client;
    GetClientRect(g_form, &client);
    Panel(g_form, 100, "Window demo", 0, 0, client.right, kTitleHeight, kTitle);
    for (int i = 0; i < 3; ++i)
        Panel(g_form, i + 1, ("Panel " + std::to_string(i + 1)).c_str(), 20 + i * 110, 50, 95, 80,
              kPanelColors[i]);
    g_status =
        Panel(g_form, 200, "Last key: none   ticks: 0", 20, 150, client.right - 40, 40, 0x505050);
    SetTimer(g_form, kTickTimer, 250);
    ShowWindow(g_form, SW_SHOW);
    SetFocus(g_form);
}

}  // namespace

int main(int argc, char** argv) {
    std::string backend = "x11";
    long timeout = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless"))
            backend = "headless";
        else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeout = std::strtol(argv[++i], nullptr, 10);
        else {
            std::fprintf(stderr, "usage: %s [--headless] [--timeout MILLISECONDS]\n", argv[0]);
            return 64;
        }
    }
    try {
        win::SelectBackend(backend);
        CreateDemo();
        if (timeout > 0) SetTimer(g_form, kQuitTimer, static_cast<UINT>(timeout));
        RECT r;
        GetWindowRect(g_form, &r);
        Log("ready " + std::string(win::BackendName()) + " " + std::to_string(r.left) + " " +
            std::to_string(r.top));
        MSG msg;
        while (GetMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (IsWindow(g_form)) DestroyWindow(g_form);
        win::SelectBackend("headless");
        return static_cast<int>(msg.wParam);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "windemo: %s\n", e.what());
        return 1;
    }
}
