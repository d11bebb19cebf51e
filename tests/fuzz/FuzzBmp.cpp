// BMP pictures: any bytes either decode or throw CodecError.
#include "platform/gfx/BmpCodec.h"
#include "tests/fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gfx::ReadBmp({data, size});
    } catch (const gfx::CodecError&) {
    }
    return 0;
}
