// JPEG pictures: any bytes either decode or throw CodecError.
#include "platform/gfx/JpegCodec.h"
#include "tests/fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gfx::ReadJpeg({data, size});
    } catch (const gfx::CodecError&) {
    }
    return 0;
}
