// PNG pictures: any bytes either decode or throw CodecError.
#include "platform/gfx/PngCodec.h"
#include "tests/fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gfx::ReadPng({data, size});
    } catch (const gfx::CodecError&) {
    }
    return 0;
}
