#pragma once
// A fresh headless desktop per test, a window class whose procedure records what it gets,
// and helpers to create windows that paint themselves in one colour.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/win/Screen.h"
#include "platform/win/Windows.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace wintest {

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Colour a "Solid" window fills its client area with in WM_PAINT, by handle.
inline std::map<HWND, TColor>& SolidColors() {
    static std::map<HWND, TColor> colors;
    return colors;
}

inline LRESULT SolidProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(SolidColors()[hwnd]);
        FillRect(hdc, client, brush);
        DeleteObject(brush);
        if (!wParam) EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class WinTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &win::Headless::Install();
        RegisterClassesAndTrace();
    }
    // What SetUp prepares on a fresh desktop; again after a test installs a driver of its own.
    void RegisterClassesAndTrace() {
        WNDCLASS plain;
        plain.lpszClassName = "Plain";
        plain.lpfnWndProc = DefWindowProc;
        plain.style = CS_DBLCLKS;
        plain.hbrBackground = clWhite;
        RegisterClass(plain);
        WNDCLASS solid;
        solid.lpszClassName = "Solid";
        solid.lpfnWndProc = SolidProc;
        RegisterClass(solid);
        SetMessageTrace([this](HWND h, UINT m, WPARAM w, LPARAM l) {
            log.push_back({h, m, w, l});
        });
    }
    void TearDown() override {
        SetMessageTrace(nullptr);
        win::Headless::Install();
        SolidColors().clear();
    }

    HWND TopLevel(int x, int y, int w, int h, DWORD style = WS_POPUP | WS_VISIBLE,
                  DWORD exStyle = 0, const char* cls = "Plain") {
        HWND hwnd = CreateWindowEx(exStyle, cls, "top", style, x, y, w, h, nullptr);
        EXPECT_NE(hwnd, nullptr);
        return hwnd;
    }
    HWND Child(HWND parent, int x, int y, int w, int h, DWORD style = WS_CHILD | WS_VISIBLE,
               const char* cls = "Plain") {
        HWND hwnd = CreateWindowEx(0, cls, "child", style, x, y, w, h, parent);
        EXPECT_NE(hwnd, nullptr);
        return hwnd;
    }
    HWND SolidTop(int x, int y, int w, int h, TColor color) {
        HWND hwnd = CreateWindowEx(0, "Solid", "solid", WS_POPUP, x, y, w, h, nullptr);
        SolidColors()[hwnd] = color;
        ShowWindow(hwnd, SW_SHOW);
        return hwnd;
    }
    HWND SolidChild(HWND parent, int x, int y, int w, int h, TColor color) {
        HWND hwnd = CreateWindowEx(0, "Solid", "solid", WS_CHILD, x, y, w, h, parent);
        SolidColors()[hwnd] = color;
        ShowWindow(hwnd, SW_SHOW);
        return hwnd;
    }

    // The messages of one window from the log, keeping only those listed in `only`.
    std::vector<UINT> MessagesOf(HWND hwnd, const std::vector<UINT>& only) const {
        std::vector<UINT> result;
        for (const Received& r : log)
            if (r.hwnd == hwnd && std::find(only.begin(), only.end(), r.message) != only.end())
                result.push_back(r.message);
        return result;
    }
    int Count(HWND hwnd, UINT message) const {
        int n = 0;
        for (const Received& r : log) n += r.hwnd == hwnd && r.message == message;
        return n;
    }

    win::HeadlessDriver* driver = nullptr;
    std::vector<Received> log;
};

}  // namespace wintest
