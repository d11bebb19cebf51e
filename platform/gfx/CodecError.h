#pragma once
// The error every picture codec throws for a file it cannot read or write, and the
// whole-file reading and writing the codecs share.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace gfx {

// The largest picture the codecs decode: 16384 pixels a side and 2^25 pixels in all (an 8K
// desktop has 33 million). A file that declares more is refused before anything is
// allocated for it: a few bytes must not cost a gigabyte.
inline constexpr long long kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 1LL << 25;

class CodecError : public std::runtime_error {
public:
    explicit CodecError(const std::string& message);
    ~CodecError() override;
};

// Throws CodecError "CODEC: picture of W x H pixels is too large" (or "has no pixels")
// unless the size is one the codecs decode.
void CheckPictureSize(const char* codec, long long width, long long height);

// Both throw CodecError whose message starts with the codec's name and names the file.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, const char* codec);
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> data, const char* codec);

}  // namespace gfx
