// Theme files carried inside form descriptions.
#include "Source/theme/SKBuiltInFileTheme.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/win/SysParams.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

const TClassInfo& TskBuiltInFileTheme::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TskBuiltInFileTheme>("TskBuiltInFileTheme")
                                       .String("ThemeFile", &TskBuiltInFileTheme::GetThemeFile,
                                               &TskBuiltInFileTheme::SetThemeFile)
                                       .Build();
    return info;
}

TskBuiltInFileTheme::TskBuiltInFileTheme(TComponent* AOwner) : TskFileTheme(AOwner) {}

TskBuiltInFileTheme::~TskBuiltInFileTheme() = default;

void TskBuiltInFileTheme::DefineProperties(TFiler& Filer) {
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        "SkinData", [this](std::span<const std::uint8_t> data) { ReadSkinData(data); },
        [this] { return WriteSkinData(); }, FileExists(m_builtInThemeFile));
}

std::string TskBuiltInFileTheme::TemporaryThemeFile(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/') base += '/';
    std::string path = base + "SKLIBT.skn";
    for (int counter = 1; FileExists(path); ++counter)
        path = base + "SKLIBT" + std::to_string(counter) + ".skn";
    return path;
}

std::vector<std::uint8_t> TskBuiltInFileTheme::WriteSkinData() const {
    std::ifstream in(m_builtInThemeFile, std::ios::binary);
    if (!in)
        throw EWriteError("Cannot open the theme file '" + m_builtInThemeFile + "' to embed it");
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    if (in.bad())
        throw EWriteError("Cannot read the theme file '" + m_builtInThemeFile + "' to embed it");
    return data;
}

void TskBuiltInFileTheme::ReadSkinData(std::span<const std::uint8_t> data) {
    const std::string path = TemporaryThemeFile(GetTempPath());
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out) throw EReadError("Cannot write the embedded theme to '" + path + "'");
    }
    // The reader keeps the whole theme in memory, so the file can go at once, whatever
    // the loading made of it.
    try {
        inherited::SetThemeFile(path);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
