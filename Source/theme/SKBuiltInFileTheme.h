#pragma once
// TskBuiltInFileTheme: a file theme whose theme file travels inside the form description,
// as the binary property SkinData, so that the program needs no theme file of its own.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Source/theme/SKFileTheme.h"

class TskBuiltInFileTheme : public TskFileTheme {
    QV_DECLARE_CLASS(TskBuiltInFileTheme, TskFileTheme)

    explicit TskBuiltInFileTheme(TComponent* AOwner);
    ~TskBuiltInFileTheme() override;

    // The file whose bytes are embedded when the form description is written. Setting it
    // only stores the path; the theme in use is what SkinData brought.
    const std::string& GetThemeFile() const { return m_builtInThemeFile; }
    void SetThemeFile(const std::string& Value) { m_builtInThemeFile = Value; }
    // The file the theme in use was loaded from (a temporary file, gone by now).
    const std::string& GetLoadedThemeFile() const { return inherited::GetThemeFile(); }

    void DefineProperties(TFiler& Filer) override;

    // The free temporary name for theme data in the folder: SKLIBT.skn, else SKLIBT1.skn,
    // SKLIBT2.skn and so on.
    static std::string TemporaryThemeFile(const std::string& folder);

private:
    void ReadSkinData(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteSkinData() const;

    std::string m_builtInThemeFile;
};
