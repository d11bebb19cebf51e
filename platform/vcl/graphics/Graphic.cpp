#include "platform/vcl/graphics/Graphic.h"

#include <fstream>
#include <iterator>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/io/ReplacingFile.h"

const TClassInfo& TGraphic::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphic>("TGraphic").Build();
    return info;
}

void TGraphic::SetTransparent(bool Value) {
    if (Value == m_transparent) return;
    m_transparent = Value;
    Changed();
}

void TGraphic::SetModified(bool Value) {
    if (Value) return Changed();
    m_modified = false;
}

void TGraphic::Changed() {
    m_modified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromStream(std::istream& Stream) {
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(Stream),
                                    std::istreambuf_iterator<char>()};
    LoadFromBytes(bytes);
}

void TGraphic::SaveToStream(std::ostream& Stream) const {
    const std::vector<std::uint8_t> bytes = SaveToBytes();
    Stream.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    std::ifstream file(FileName, std::ios::binary);
    if (!file) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& FileName) const {
    const std::vector<std::uint8_t> bytes = SaveToBytes();
    // Written beside the old file and put in its place only when complete and synced, so a
    // full disk leaves the old picture, not an empty one.
    io::ReplacingFile file(FileName);
    if (!file.WriteAll(bytes))
        throw EFOpenError("Cannot save file \"" + FileName + "\": " + file.Error());
}

void TGraphic::ReadData(std::span<const std::uint8_t> Data) {
    if (Data.size() < 4) throw EInvalidGraphic(ClassName() + " data is too short");
    const std::uint32_t size =
        Data[0] | (Data[1] << 8) | (Data[2] << 16) | (std::uint32_t{Data[3]} << 24);
    if (size > Data.size() - 4)
        throw EInvalidGraphic(ClassName() + " data holds " + IntToStr(Data.size() - 4) +
                              " bytes but says " + IntToStr(size));
    LoadFromBytes(Data.subspan(4, size));
}

std::vector<std::uint8_t> TGraphic::WriteData() const {
    std::vector<std::uint8_t> bytes = SaveToBytes();
    const auto size = static_cast<std::uint32_t>(bytes.size());
    const std::uint8_t prefix[4] = {
        static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
        static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    bytes.insert(bytes.begin(), prefix, prefix + 4);
    return bytes;
}
