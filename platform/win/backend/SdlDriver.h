#pragma once
// The backend for the program: every visible top-level window is a borderless SDL2 window
// showing the window's surface, shaped by its region (X11 SHAPE), titled with its text.
// Owned popups that are tool, top-most or non-activating windows (menus) become popup-menu
// windows above their owner. Input comes from SDL's events.
#include <map>
#include <memory>
#include <string>

#include "platform/win/Driver.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace win {

class SdlDriver : public Driver {
public:
    // Throws std::runtime_error when SDL cannot reach a display.
    SdlDriver();
    ~SdlDriver() override;

    const char* Name() const override { return "sdl"; }
    TRect ScreenRect() const override;
    TRect WorkArea() const override;

    void PollInput() override;
    void WaitInput(std::optional<DWORD> deadline, const std::string& waitingFor) override;
    void Wake() override;

    void WindowShown(HWND hwnd) override;
    void WindowHidden(HWND hwnd) override;
    void WindowDestroyed(HWND hwnd) override;
    void WindowMoved(HWND hwnd) override;
    void WindowTextChanged(HWND hwnd) override;
    void WindowRegionChanged(HWND hwnd) override;
    void WindowZOrderChanged(HWND hwnd) override;
    void WindowActivated(HWND hwnd) override;
    void CaptureChanged(HWND hwnd) override;
    void Present() override;
    void Animate(HWND hwnd, DWORD milliseconds, DWORD flags) override;

    void SetCursorShape(int cursor) override;
    void SetCursorPos(TPoint screen) override;
    bool OpenUrl(const std::string& url) override;
    void SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;

private:
    struct Native {
        SDL_Window* window = nullptr;
        bool shown = false;
        bool needsPaint = true;
    };
    Native* Ensure(HWND hwnd);
    void Blit(HWND hwnd, Native& native);
    void ApplyShape(HWND hwnd, Native& native, int revealTop = 0, int revealBottom = -1);
    void Translate(const SDL_Event& event);
    // Hands the keyboard back to the active window when hwnd, which takes no activation, got
    // it.
    void GiveFocusBack(HWND hwnd);
    HWND FromWindowId(unsigned id) const;
    TPoint PointerNow() const;

    std::map<HWND, Native> m_windows;
    std::map<int, SDL_Cursor*> m_cursors;
    bool m_grabbed = false;
    int m_wakePipe[2] = {-1, -1};  // another thread's PostMessage ends a wait through it
};

}  // namespace win
