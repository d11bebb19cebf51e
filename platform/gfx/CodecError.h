#pragma once
// The error every picture codec throws for a file it cannot read or write, and the
// whole-file reading and writing the codecs share.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace gfx {

class CodecError : public std::runtime_error {
public:
    explicit CodecError(const std::string& message);
    ~CodecError() override;
};

// Both throw CodecError whose message starts with the codec's name and names the file.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, const char* codec);
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> data, const char* codec);

}  // namespace gfx
