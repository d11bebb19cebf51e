// The program: the application object, its title, the reference window and the message loop,
// on the real display.
#include <cstdio>
#include <exception>

#include "Source/theme/SKThemes.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Backend.h"
#include "platform/win/SysParams.h"
#include "src/QuorvaneApp.h"

int main() {
    try {
        win::SelectBackend("x11");
        // The desktop shows the program's own picture in its task bar and window switcher.
        if (const gfx::Bitmap* icon = FindSkinPicture("MAINICON")) SetApplicationIcon(*icon);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvane: %s\n", e.what());
        return 1;
    }
    return RunQuorvane();
}
