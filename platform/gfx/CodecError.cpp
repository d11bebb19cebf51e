#include "platform/gfx/CodecError.h"

#include <fstream>
#include <iterator>

#include "platform/io/ReplacingFile.h"

namespace gfx {

CodecError::CodecError(const std::string& message) : std::runtime_error(message) {}

// Defined here so that the class's type information lives in one object file.
CodecError::~CodecError() = default;

void CheckPictureSize(const char* codec, long long width, long long height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0)
        throw CodecError(std::string(codec) + ": picture has no pixels (" + size + ")");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw CodecError(std::string(codec) + ": picture of " + size + " pixels is too large");
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, const char* codec) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CodecError(std::string(codec) + ": cannot open \"" + path + "\"");
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    if (in.bad()) throw CodecError(std::string(codec) + ": cannot read \"" + path + "\"");
    return data;
}

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> data,
                    const char* codec) {
    io::ReplacingFile out(path);
    if (!out.WriteAll(data))
        throw CodecError(std::string(codec) + ": cannot save \"" + path + "\": " + out.Error());
}

}  // namespace gfx
