#include "tools/sktheme/ThemeTool.h"

#include <strings.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemeFile.h"
#include "Source/theme/SKThemes.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/io/ReplacingFile.h"
#include "tools/sktheme/ThemeFolder.h"
#include "tools/sktheme/ThemeManifest.h"

namespace fs = std::filesystem;

namespace {

struct StyleName {
    const char* Name;
    TskUIStyle Style;
};

constexpr StyleName kStyles[] = {
    {"MacOS", MacOS},     {"WinXP", WinXP},         {"DeepBlue", DeepBlue},
    {"Protein", Protein}, {"BlueGlass", BlueGlass},
};

TskUIStyle ParseStyle(const std::string& name) {
    for (const StyleName& style : kStyles) {
        if (strcasecmp(style.Name, name.c_str()) == 0) return style.Style;
    }
    throw std::runtime_error("unknown style '" + name +
                             "' (expected MacOS, WinXP, DeepBlue, Protein or BlueGlass)");
}

// The entry kind that holds a theme item of the given kind.
TskThemeEntryKind EntryKindFor(TskType type) {
    switch (type) {
        case TskType::Str:
            return TskThemeEntryKind::Picture;
        case TskType::Bool:
            return TskThemeEntryKind::Flag;
        case TskType::Int:
        case TskType::Color:
            break;
    }
    return TskThemeEntryKind::Integer;
}

bool IsColorItem(const std::string& name) {
    const int item = FindThemeItem(name);
    return item != 0 && SK_ITEM_TYPE[static_cast<std::size_t>(item)] == TskType::Color;
}

std::string Hex(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, value < 0 ? "0x%08X" : "0x%06X", static_cast<unsigned>(value));
    return text;
}

std::string PictureSummary(const std::vector<std::uint8_t>& data) {
    std::string summary = std::to_string(data.size()) + " bytes";
    try {
        const gfx::Bitmap bitmap = gfx::ReadBmp(data);
        summary +=
            ", bitmap " + std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height());
    } catch (const std::exception& error) {
        summary += ", not a readable bitmap (" + std::string(error.what()) + ")";
    }
    return summary;
}

std::string EntrySummary(const TskThemeFileEntry& entry) {
    switch (entry.Kind) {
        case TskThemeEntryKind::Picture:
            return PictureSummary(entry.Data);
        case TskThemeEntryKind::Integer:
            if (IsColorItem(entry.Name)) {
                return Hex(entry.Integer()) + " (" + std::to_string(entry.Integer()) + ")";
            }
            return std::to_string(entry.Integer());
        case TskThemeEntryKind::Flag:
            return entry.Flag() ? "True" : "False";
        case TskThemeEntryKind::Text: {
            std::string summary(1, '"');
            summary += ThemeManifest::Escape(entry.Text());
            summary += "\" (" + std::to_string(entry.Data.size()) + " bytes)";
            return summary;
        }
    }
    return {};
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name[0] == '.') return false;
    for (const char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        if (!plain) return false;
    }
    return true;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A picture's file is named after its entry when the name makes a plain file name that is
// not yet taken (without regard to case, for file systems that ignore it); otherwise after
// its position.
std::string PictureFileName(const std::string& name, std::size_t position,
                            std::set<std::string>& taken) {
    std::string fileName = name + ".bmp";
    if (!IsPlainFileName(name) || taken.count(LowerCase(fileName)) != 0) {
        fileName = "picture-" + std::to_string(position) + ".bmp";
    }
    taken.insert(LowerCase(fileName));
    return fileName;
}

// A picture's file, taken only when it is a bitmap that decodes and fits the theme's
// budget; its size is checked from the header before the pixels are decoded.
std::vector<std::uint8_t> ReadPicture(const ThemeFolder& folder, const ThemeManifestLine& line,
                                      TskThemePictureBudget& budget) {
    std::vector<std::uint8_t> data = folder.Read(line.Value, ThemeFolder::PictureLimit);
    try {
        const gfx::BmpSize size = gfx::ReadBmpSize(data);
        budget.Add(line.Name, size.Width, size.Height);
        gfx::ReadBmp(data);
    } catch (const gfx::CodecError& error) {
        throw std::runtime_error("the picture '" + line.Value + "' of the entry '" + line.Name +
                                 "' does not decode: " + error.what());
    }
    return data;
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& data) {
    io::ReplacingFile out(path.string());
    if (!out.WriteAll(data)) throw std::runtime_error(out.Error());
}

}  // namespace

int ThemeTool::Fail(const std::string& message) {
    m_err << "sktheme: " << message << '\n';
    return 1;
}

int ThemeTool::Info(const std::string& themeFile) {
    try {
        const TskThemeFileReader reader(themeFile);
        m_out << themeFile << ": " << reader.Entries().size() << " entries\n";
        std::size_t position = 1;
        for (const TskThemeFileEntry& entry : reader.Entries()) {
            char head[128];
            std::snprintf(head, sizeof head, "%4zu  %-8s %-34s ", position++,
                          ThemeEntryKindName(entry.Kind),
                          ThemeManifest::Escape(entry.Name).c_str());
            m_out << head << EntrySummary(entry) << '\n';
        }
        ReportItems(reader);
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

void ThemeTool::ReportItems(const TskThemeFileReader& reader) {
    std::vector<std::string> missing;
    for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
        const std::string name = SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
        const TskThemeEntryKind wanted = EntryKindFor(SK_ITEM_TYPE[static_cast<std::size_t>(item)]);
        std::string otherKind;
        bool present = false;
        for (const TskThemeFileEntry& entry : reader.Entries()) {
            if (strcasecmp(entry.Name.c_str(), name.c_str()) != 0) continue;
            if (entry.Kind == wanted) present = true;
            if (entry.Kind != wanted && otherKind.empty())
                otherKind = ThemeEntryKindName(entry.Kind);
        }
        if (present) continue;
        missing.push_back(name + " (needs " + ThemeEntryKindName(wanted) +
                          (otherKind.empty() ? "" : ", stored as " + otherKind) + ")");
    }
    if (missing.empty()) {
        m_out << "Complete: all 42 theme items are present.\n";
        return;
    }
    m_out << "Incomplete: " << SK_ITEM_COUNT - static_cast<int>(missing.size())
          << " of 42 theme items are present; missing:\n";
    for (const std::string& line : missing) m_out << "  " << line << '\n';
}

int ThemeTool::Unpack(const std::string& themeFile, const std::string& folder) {
    try {
        const TskThemeFileReader reader(themeFile);
        fs::create_directories(folder);
        ThemeManifest manifest;
        std::set<std::string> taken = {LowerCase(ThemeManifest::FileName)};
        std::size_t position = 1;
        for (const TskThemeFileEntry& entry : reader.Entries()) {
            ThemeManifestLine line{entry.Kind, entry.Name, {}};
            switch (entry.Kind) {
                case TskThemeEntryKind::Picture:
                    line.Value = PictureFileName(entry.Name, position, taken);
                    WriteFile(fs::path(folder) / line.Value, entry.Data);
                    break;
                case TskThemeEntryKind::Integer:
                    line.Value = IsColorItem(entry.Name) ? Hex(entry.Integer())
                                                         : std::to_string(entry.Integer());
                    break;
                case TskThemeEntryKind::Flag:
                    line.Value.assign(1, entry.Flag() ? '1' : '0');
                    break;
                case TskThemeEntryKind::Text:
                    line.Value = entry.Text();
                    break;
            }
            manifest.Lines().push_back(std::move(line));
            ++position;
        }
        const fs::path manifestPath = fs::path(folder) / ThemeManifest::FileName;
        std::ostringstream text;
        manifest.Write(text);
        const std::string bytes = text.str();
        io::ReplacingFile out(manifestPath.string());
        if (!out.WriteAll({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}))
            return Fail(out.Error());
        m_out << "Unpacked " << reader.Entries().size() << " entries into " << folder << '\n';
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

int ThemeTool::Pack(const std::string& folder, const std::string& themeFile) {
    try {
        const ThemeFolder source(folder);
        const std::vector<std::uint8_t> manifestBytes =
            source.Read(ThemeManifest::FileName, ThemeFolder::ManifestLimit);
        std::istringstream in(std::string(manifestBytes.begin(), manifestBytes.end()));
        const ThemeManifest manifest = ThemeManifest::Read(in);

        // Every picture is read and checked before the writer exists, since a writer saves
        // when it goes.
        TskThemePictureBudget budget("The theme folder '" + folder + "'");
        std::vector<std::vector<std::uint8_t>> pictures;
        for (const ThemeManifestLine& line : manifest.Lines()) {
            if (line.Kind != TskThemeEntryKind::Picture) continue;
            pictures.push_back(ReadPicture(source, line, budget));
        }
        TskThemeFileWriter writer(themeFile);
        auto picture = pictures.begin();
        for (const ThemeManifestLine& line : manifest.Lines()) {
            switch (line.Kind) {
                case TskThemeEntryKind::Picture:
                    writer.AddFileData(line.Name, std::move(*picture++));
                    break;
                case TskThemeEntryKind::Integer:
                    writer.AddInteger(line.Name, ThemeManifest::ParseInteger(line.Value));
                    break;
                case TskThemeEntryKind::Flag:
                    writer.AddBool(line.Name, line.Value == "1");
                    break;
                case TskThemeEntryKind::Text:
                    writer.AddStr(line.Name, line.Value);
                    break;
            }
        }
        writer.Save();
        m_out << "Packed " << manifest.Lines().size() << " entries into " << themeFile << '\n';
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}

int ThemeTool::Builtin(const std::string& styleName, const std::string& themeFile) {
    try {
        const TskUIStyle style = ParseStyle(styleName);
        // Every picture is found before the writer exists, since a writer saves when it goes.
        std::vector<const std::vector<std::uint8_t>*> pictures(SK_ITEM_COUNT + 1, nullptr);
        for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
            const TskThemeValue value = GetInsideThemeValue(style, item);
            if (value.Kind != TskType::Str) continue;
            pictures[static_cast<std::size_t>(item)] = FindSkinPictureData(value.Picture);
            if (pictures[static_cast<std::size_t>(item)] == nullptr) {
                const std::string where = GetSkinPictureFolder().empty()
                                              ? "among the embedded pictures"
                                              : "in '" + GetSkinPictureFolder() + "'";
                return Fail("the picture " + std::string(value.Picture) + " is not " + where);
            }
        }
        TskThemeFileWriter writer(themeFile);
        writer.AddStr(SK_FILETHEME_BUILTINSTYLE, TskUIStyleInfo().NameOf(static_cast<int>(style)));
        for (int item = 1; item <= SK_ITEM_COUNT; ++item) {
            const std::string name = SK_FILETHEME_ITEMNAME[static_cast<std::size_t>(item)];
            const TskThemeValue value = GetInsideThemeValue(style, item);
            switch (value.Kind) {
                case TskType::Str:
                    writer.AddFileData(name, *pictures[static_cast<std::size_t>(item)]);
                    break;
                case TskType::Int:
                case TskType::Color:
                    writer.AddInteger(name, value.Value);
                    break;
                case TskType::Bool:
                    writer.AddBool(name, value.Value != 0);
                    break;
            }
        }
        writer.Save();
        m_out << "Wrote the " << styleName << " style, all 42 items, to " << themeFile << '\n';
        return 0;
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
