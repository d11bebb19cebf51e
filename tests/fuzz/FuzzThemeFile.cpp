// Theme files and the pictures inside them: the reader takes a file whole or throws
// EskThemeFileError, and every picture it hands out decodes or throws CodecError.
#include "Source/theme/SKThemeFile.h"
#include "platform/gfx/BmpCodec.h"
#include "tests/fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TskThemeFileReader reader;
    try {
        reader.LoadFromBuffer({data, size}, "fuzz.skn");
    } catch (const EskThemeFileError&) {
        return 0;
    }
    for (const TskThemeFileEntry& entry : reader.Entries()) {
        if (entry.Kind != TskThemeEntryKind::Picture) continue;
        try {
            gfx::ReadBmp(entry.Data);
        } catch (const gfx::CodecError&) {
        }
    }
    return 0;
}
