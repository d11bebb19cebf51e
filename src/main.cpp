// The program: the application object, its title, the reference window and the message loop,
// on the real display.
#include <cstdio>
#include <exception>

#include "platform/vcl/controls/Application.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/Backend.h"
#include "src/QuorvaneApp.h"

int main() {
    try {
        win::SelectBackend("x11");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvane: %s\n", e.what());
        return 1;
    }
    return RunQuorvane();
}
