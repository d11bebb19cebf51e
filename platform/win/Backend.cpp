#include "platform/win/Backend.h"

#include <stdexcept>
#include <string>

#include "platform/win/WindowManager.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "platform/win/backend/x11/X11Driver.h"

namespace win {

void SelectBackend(std::string_view name) {
    if (name == "headless") {
        WindowManager::Reset(std::make_unique<HeadlessDriver>());
    } else if (name == "x11") {
        // The old backend's windows go before the new display opens.
        WindowManager::Reset(std::make_unique<HeadlessDriver>());
        WindowManager::Reset(std::make_unique<X11Driver>());
    } else {
        throw std::invalid_argument("unknown window backend \"" + std::string(name) +
                                    "\" (headless or x11)");
    }
}

const char* BackendName() {
    return WM().GetDriver().Name();
}

}  // namespace win
