// The pictures kept during one paint pass, held by the window manager.
#include "platform/win/PaintPass.h"

#include "platform/win/WindowManager.h"

using namespace win;

std::uint64_t GetPaintPass() {
    return WM().paintPass;
}

const TPassImage* FindPassImage(HWND hwnd) {
    const auto& images = WM().passImages;
    const auto found = images.find(hwnd);
    return found == images.end() ? nullptr : &found->second;
}

const TPassImage* KeepPassImage(HWND hwnd, std::uint64_t pass, TPassImage& image) {
    WindowManager& wm = WM();
    if (pass != wm.paintPass || !wm.Find(hwnd)) return nullptr;
    return &wm.passImages.insert_or_assign(hwnd, std::move(image)).first->second;
}

void win::EndPaintPass() {
    WindowManager& wm = WM();
    ++wm.paintPass;
    if (!wm.passImages.empty()) wm.passImages.clear();
}
