// File themes: finding and loading a theme file, and the rule that picks it over a
// built-in style.
#include "Source/theme/SKFileTheme.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "Source/theme/SKFileThemeMgr.h"
#include "Source/theme/SKPublic.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/TypInfo.h"
#include "platform/win/ModuleFileName.h"

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutableDirectory() {
    char path[4096];
    if (GetModuleFileName(nullptr, path, sizeof path) == 0) return {};
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace

const TClassInfo& TskFileTheme::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskFileTheme>("TskFileTheme")
            .String("ThemeFile", &TskFileTheme::GetThemeFile, &TskFileTheme::SetThemeFile)
            .Build();
    return info;
}

TskFileTheme::TskFileTheme(TComponent* AOwner)
    : TComponent(AOwner), m_mgr(std::make_unique<TskFileThemeMgr>()) {}

TskFileTheme::~TskFileTheme() = default;

std::vector<std::string> TskFileTheme::ThemeFolders() const {
    const std::string executable = ExecutableDirectory();
    return {executable, InstalledThemeDirectory(executable), GetWindowsDirectory(),
            GetSystemDirectory()};
}

std::vector<std::string> TskFileTheme::SearchPaths(const std::string& name) const {
    std::vector<std::string> paths = {name};
    const std::string fileName = std::filesystem::path(name).filename().string();
    if (fileName.empty()) return paths;
    for (const std::string& folder : ThemeFolders()) {
        if (folder.empty()) continue;
        const std::string path = WithSeparator(folder) + fileName;
        if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
    }
    return paths;
}

std::string TskFileTheme::FindThemeFile(const std::string& name) const {
    for (const std::string& path : SearchPaths(name))
        if (FileExists(path)) return path;
    return {};
}

void TskFileTheme::SetThemeFile(const std::string& Value) {
    if (Value == m_themeFile) return;
    const std::string path = FindThemeFile(Value);
    if (path.empty()) {
        if (OnThemeFileNotFound) OnThemeFileNotFound(this, Value, SearchPaths(Value));
        return;
    }
    if (!CheckThemeFile(path)) throw Exception(SK_INVALID_SKIN_FILE);
    // Loading first keeps the previous theme in use when the file turns out damaged.
    const bool loaded = m_mgr->LoadFromFile(path);
    m_themeFile = path;
    m_canUse = loaded;
    // Read once here: every paint of the controls in this theme asks for it.
    if (loaded) m_builtInStyle = ReadBuiltInStyle();
    if (m_canUse) ReloadOwnerControls();
}

void TskFileTheme::ReloadOwnerControls() {
    TComponent* owner = Owner();
    if (owner == nullptr || !owner->ClassInfo().InheritsFrom("TCustomForm")) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (component->ClassName().compare(0, 3, "Tsk") != 0) continue;
        const TPropInfo* info = GetPropInfo(component, "FileTheme");
        if (info == nullptr || info->Kind != TPropKind::Reference) continue;
        if (GetObjectProp(component, "FileTheme") == this)
            SetObjectProp(component, "FileTheme", this);
    }
}

bool TskFileTheme::CheckThemeFile(const std::string& FileName) const {
    return IsSKThemeFile(FileName);
}

void TskFileTheme::GetBitmap(int Item, TBitmap* Bitmap) const {
    m_mgr->GetBitmap(Item, Bitmap);
}

void TskFileTheme::GetBitmap(int Item, TBitmap* Bitmap, int Count, int Index) const {
    TBitmap whole;
    m_mgr->GetBitmap(Item, &whole);
    SpitBitmap(&whole, Bitmap, Count, Index);
}

TColor TskFileTheme::GetColor(int Item) const {
    return m_mgr->GetColor(Item);
}

int TskFileTheme::GetInt(int Item) const {
    return m_mgr->GetInt(Item);
}

bool TskFileTheme::GetBool(int Item) const {
    return m_mgr->GetBool(Item);
}

TskUIStyle TskFileTheme::ReadBuiltInStyle() const {
    const std::string name = m_mgr->GetText(SK_FILETHEME_BUILTINSTYLE);
    const int style = name.empty() ? -1 : TskUIStyleInfo().IndexOf(name);
    return style < 0 ? FromThemeFile : static_cast<TskUIStyle>(style);
}

TskUIStyle DrawingRulesStyle(const TskFileTheme* FileTheme, TskUIStyle Style) {
    TskUIStyle effective = Style;
    if (UsingFileTheme(FileTheme, Style, effective)) return FileTheme->GetBuiltInStyle();
    return effective;
}

bool UsingFileTheme(const TskFileTheme* FileTheme, TskUIStyle Style, TskUIStyle& Effective) {
    Effective = Style;
    if (Style != FromThemeFile) return false;
    if (FileTheme != nullptr && FileTheme->CanUse()) return true;
    Effective = DeepBlue;
    return false;
}

#ifndef QV_SHARED_THEME_DIR
#define QV_SHARED_THEME_DIR "/usr/local/share/quorvane"
#endif

std::string GetWindowsDirectory() {
    return QV_SHARED_THEME_DIR;
}

std::string GetSystemDirectory() {
    return "/usr/share/quorvane";
}

#ifndef QV_INSTALL_BINDIR
#define QV_INSTALL_BINDIR "bin"
#define QV_INSTALL_LIBEXECDIR "libexec"
#define QV_INSTALL_THEMEDIR "share/quorvane"
#endif

std::string InstalledThemeDirectory(const std::string& executableFolder) {
    namespace fs = std::filesystem;
    fs::path folder = fs::path(executableFolder).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    // The prefix is what is left once the installed program's own folder is taken off.
    const auto prefixUnder = [&](const fs::path& tail) -> std::optional<fs::path> {
        fs::path prefix = folder;
        fs::path rest = tail.lexically_normal();
        std::vector<fs::path> parts(rest.begin(), rest.end());
        for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
            if (part->empty()) continue;
            if (prefix.filename() != *part) return std::nullopt;
            prefix = prefix.parent_path();
        }
        return prefix;
    };
    std::optional<fs::path> prefix = prefixUnder(QV_INSTALL_BINDIR);
    if (!prefix && folder.has_parent_path())
        prefix = prefixUnder(fs::path(QV_INSTALL_LIBEXECDIR) / folder.filename());
    if (!prefix || prefix->empty()) return {};
    return (*prefix / QV_INSTALL_THEMEDIR).string();
}

bool IsFormOrFrame(const TComponent* AComponent) {
    if (AComponent == nullptr) return false;
    const TClassInfo& info = AComponent->ClassInfo();
    return info.InheritsFrom("TCustomForm") || info.InheritsFrom("TCustomFrame");
}
