// Form descriptions, with every component class of the framework and the skin library (an
// embedded theme included): any text is read into components or refused with EReadError,
// the error that names the file and line.
#include <memory>
#include <string_view>

#include "Source/SkinClasses.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/win/backend/HeadlessDriver.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

bool Ready() {
    win::Headless::Install();
    RegisterVclClasses();
    RegisterSkinClasses();
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = Ready();
    (void)ready;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        std::unique_ptr<TComponent> read(TFormReader("fuzz.dfm").ReadComponent(text, nullptr));
    } catch (const EReadError&) {
    }
    return 0;
}
