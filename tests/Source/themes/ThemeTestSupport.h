#pragma once
// Shared by the theme tests: a scratch folder, whole-file reading and writing, theme file
// bytes laid out by hand, and the skin's pictures read from the source tree.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Source/theme/SKThemes.h"
#include "tests/Source/themes/RunLengthBmp.h"

namespace theme_test {

using test_pictures::RunLengthBmp;

using Bytes = std::vector<std::uint8_t>;

inline void UseSourcePictures() {
    SetSkinPictureFolder(std::string(QV_SOURCE_DIR) + "/Source/res");
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qv-theme-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Theme file bytes written field by field, so that tests state the layout independently of
// the writer and can place records anywhere.
class ThemeBytes {
public:
    ThemeBytes& U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        return *this;
    }
    ThemeBytes& Raw(const std::string& text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    ThemeBytes& Zeros(std::size_t count) {
        m_bytes.insert(m_bytes.end(), count, 0);
        return *this;
    }
    ThemeBytes& Header(std::uint32_t firstEntry = 24, std::uint32_t headerSize = 24) {
        return Raw("SkinLib_TB").Zeros(2).U32(headerSize).U32(1).U32(firstEntry);
    }
    ThemeBytes& Record(const std::string& name, std::uint8_t kind, std::uint32_t dataOffset,
                       std::uint32_t size, std::uint32_t next) {
        Raw(name).Zeros(64 - name.size());
        m_bytes.push_back(kind);
        return U32(dataOffset).U32(size).U32(next);
    }
    ThemeBytes& End() { return Record("", 2, 0, 0, 0); }

    std::size_t Size() const { return m_bytes.size(); }
    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

}  // namespace theme_test
